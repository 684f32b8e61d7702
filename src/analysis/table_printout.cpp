#include "table_printout.h"

#include "platform/print_fit.h"

#include <algorithm>

namespace lukana {

namespace {

constexpr int kLastLine = 41;
constexpr int kLabelWidth = 47;
constexpr double kLeft = 250, kRankRule = 480, kLabelX = 500, kValueRule = 2880, kRight = 3200,
                 kPageWidth = 3450;
constexpr double kTablePoints = 9;

class TablePrinter {
  public:
    TablePrinter(platform::PageWriter& page, const ReportHeader& header)
        : page_(page), header_(header) {}

    void setUp(const std::vector<TableLine>& rows) {
        page_.setScale({0, 0}, {kPageWidth, 4400});
        page_.setFontSize(kTablePoints);
        fitValueColumn(rows);
        heading();
    }

    void print(const std::vector<TableLine>& rows) {
        for (const TableLine& row : rows) {
            if (page_.failed())
                return;
            const QStringList label = printPieces(row.label.toStdString(), kLabelWidth);
            const int lines = static_cast<int>(label.size());
            if (++line_ + lines - 1 > kLastLine) {
                --line_;
                frame();
                page_.newPage();
                line_ = 0;
                heading();
                ++line_;
            }
            figure(kLeft, kRankRule, line_, row.rank + QStringLiteral("位"));
            figure(kValueRule, right_, line_, row.value);
            for (int i = 0; i < lines; ++i)
                platform::textBeforeNextRule(page_, kLabelX, kValueRule, textTop(line_ + i),
                                             label[i], kTablePoints);
            line_ += lines - 1;
            page_.line({kLeft, 100.0 * line_ + 280}, {right_, 100.0 * line_ + 280});
        }
    }

    void finish() {
        frame();
        page_.endDocument();
    }

  private:
    // Totals run to 64 bits: a figure wider than the value column moves the table's right edge
    // out, up to the page's, leaving a quarter digit on either side of the figure; the labels
    // keep their room.
    void fitValueColumn(const std::vector<TableLine>& rows) {
        double widest = 0;
        for (const TableLine& row : rows)
            widest = std::max(widest, page_.textWidth(row.value));
        const double margin = page_.textWidth(QStringLiteral("0")) / 4;
        right_ = std::clamp(kValueRule + widest + 2 * margin, kRight, kPageWidth);
    }

    static double textTop(int line) { return 100.0 * line + 200; }
    // Right-aligned between two rules, drawn smaller or cut where it is too wide.
    void figure(double leftRule, double rule, int line, const QString& s) {
        platform::textBetweenRules(page_, leftRule, rule, textTop(line), s, kTablePoints);
    }

    void heading() {
        page_.text({300, 40}, QString::fromStdString(header_.periodLine));
        const QStringList pieces = printPieces(header_.conditionLine, 45);
        for (int p = 0; p < pieces.size(); ++p) {
            page_.text({400, 100.0 * line_ + 140}, pieces[p]);
            if (p + 1 < pieces.size())
                ++line_;
        }
        headerEnd_ = line_;
    }

    void frame() {
        const double top = 100.0 * headerEnd_ + 280;
        const double bottom = 100.0 * line_ + 280;
        page_.setLineWidth(1);
        page_.line({kRankRule, top}, {kRankRule, bottom});
        page_.line({kValueRule, top}, {kValueRule, bottom});
        page_.setLineWidth(4);
        page_.box({kLeft, top}, {right_, bottom});
        page_.setLineWidth(1);
    }

    platform::PageWriter& page_;
    const ReportHeader& header_;
    int line_ = 0;
    int headerEnd_ = 0;
    double right_ = kRight;
};

} // namespace

void printRankingTable(const ReportHeader& header, const std::vector<TableLine>& rows,
                       const std::function<void(bool)>& showTable) {
    platform::runPrintout(platform::Orientation::Portrait, header.documentName(),
                          [&](platform::PageWriter& page) {
                              TablePrinter printer(page, header);
                              printer.setUp(rows);
                              showTable(false);
                              printer.print(rows);
                              showTable(true);
                              printer.finish();
                          });
}

} // namespace lukana
