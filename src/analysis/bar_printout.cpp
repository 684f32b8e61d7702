#include "bar_printout.h"

#include "storage/display_format.h"

#include <cmath>

namespace lukana {

using platform::paletteColor;

namespace {

constexpr int kRowsPerPage = 33;
constexpr double kChartTop = 380;
constexpr double kBarLeft = 600;
constexpr double kBarLength = 1400;

QString strForm(double value) {
    return QString::fromStdString(Str(value));
}

class BarPrinter {
  public:
    BarPrinter(platform::PageWriter& page, const ReportHeader& header)
        : page_(page), header_(header) {}

    void print(const std::vector<RankingRow>& rows) {
        top_ = rows.empty() ? 0 : static_cast<double>(rows.front().value);
        page_.setFontSize(9);
        page_.setScale({0, 0}, {2200, 3900});
        heading();
        int row = headerRows_;
        int lastRow = 0;
        if (top_ > 0) {
            for (const RankingRow& entry : rows) {
                if (page_.failed())
                    return;
                if (++row > kRowsPerPage) {
                    frame(lastRow + 1);
                    lastRow = 0;
                    page_.newPage();
                    heading();
                    row = headerRows_ + 1;
                }
                bar(row, entry);
                lastRow = row - 1;
            }
        }
        frame(lastRow + 1);
        page_.endDocument();
    }

  private:
    double rowTop(int r) const { return kChartTop + 100.0 * r; }

    void heading() {
        page_.setFontSize(12);
        page_.text({200, 100}, QString::fromStdString(header_.title));
        page_.text({400, 270}, QString::fromStdString(header_.periodLine));
        const QStringList pieces = printPieces(header_.conditionLine, 45);
        for (int p = 0; p < pieces.size(); ++p)
            page_.text({400, 330.0 + 60 * p}, pieces[p]);
        headerRows_ = static_cast<int>(pieces.size()) - 1;
        page_.setFontSize(9);
    }

    void bar(int r, const RankingRow& entry) {
        label(r, entry.label);
        const double value = static_cast<double>(entry.value);
        const double end = kBarLeft + kBarLength * value / top_;
        page_.filledBox({end, rowTop(r) + 20}, {kBarLeft, rowTop(r + 1) - 20}, paletteColor(12));
        page_.text({end, rowTop(r) + 35}, strForm(value) + ' ');
    }

    void label(int r, const std::string& text) {
        const ChartLabel shaped = chartLabel(text);
        if (!shaped.wrapped()) {
            page_.text({100, rowTop(r) + 40}, shaped.lines.front());
            return;
        }
        page_.setFontSize(shaped.points);
        for (int q = 0; q < shaped.lines.size(); ++q)
            page_.text({100, rowTop(r) + 10 + 32.0 * q}, shaped.lines[q]);
        page_.setFontSize(9);
    }

    // lastRow: the row of the page's last bar, 1 on a page without bars.
    void frame(int lastRow) {
        const double top = rowTop(headerRows_) + 100;
        const double bottom = rowTop(lastRow) + 130;
        page_.setForeColor(paletteColor(9));
        page_.setLineWidth(3);
        page_.box({kBarLeft, top}, {kBarLeft + kBarLength, bottom});
        page_.line({1300, top + 10}, {1300, top});
        page_.line({1300, bottom}, {1300, bottom - 10});
        page_.setForeColor(paletteColor(0));
        page_.setLineWidth(1);
        page_.setFontSize(10);
        const double middle = std::floor(top_ / 2 * 10) / 10;
        for (double y : {bottom, rowTop(headerRows_) + 20}) {
            page_.text({1980, y}, strForm(top_));
            page_.text({580, y}, strForm(0));
            page_.text({1280, y}, strForm(middle));
        }
        page_.setFontSize(9);
    }

    platform::PageWriter& page_;
    const ReportHeader& header_;
    double top_ = 0;
    int headerRows_ = 0;
};

} // namespace

void printBarChart(const ReportHeader& header, const std::vector<RankingRow>& rows) {
    if (rows.empty())
        return;
    platform::runPrintout(
        platform::Orientation::Portrait, header.documentName(),
        [&](platform::PageWriter& page) { BarPrinter(page, header).print(rows); },
        kChartPrintoutOptions);
}

} // namespace lukana
