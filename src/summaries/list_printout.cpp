#include "list_printout.h"

#include "platform/printer.h"

namespace lukana {

using namespace platform;

namespace {

constexpr double kRight = 3120;
constexpr double kFrameTop = 150;
constexpr int kRowsPerPage = 33;

class ListPrinter {
  public:
    ListPrinter(PageWriter& page, const ListPrintLayout& layout) : page_(page), layout_(layout) {}

    void print(int rowCount, const PrintCell& cell) {
        page_.setFontSize(8);
        page_.setScale({0, 0}, {3200, 4000});
        heading();
        int line = -1;
        double y = 0;
        for (int r = 0; r < rowCount && !page_.failed(); ++r) {
            if (++line == kRowsPerPage) {
                closeFrame(y);
                page_.newPage();
                line = 0;
                heading();
            }
            y = 100.0 * line + 60;
            for (size_t c = 0; c < layout_.columns.size(); ++c)
                place(layout_.columns[c], cell(r, static_cast<int>(c)), y + 240);
            page_.line({layout_.left, y + 330}, {kRight, y + 330});
        }
        closeFrame(y);
        totals(y);
        page_.endDocument();
    }

  private:
    void text(double x, double top, const QString& s) {
        if (!s.isEmpty())
            page_.text({x, top}, s);
    }
    void place(const PrintColumn& column, const QString& s, double top) {
        if (column.rightAligned)
            textBeforeRule(page_, column.textX, top, s);
        else
            text(column.textX, top, s);
    }
    void heading() {
        page_.setFontSize(12);
        text(500, 50, layout_.title);
        page_.setFontSize(8);
        for (const PrintColumn& column : layout_.columns)
            text(column.headingX, 200, column.heading);
        page_.line({layout_.left, 290}, {kRight, 290});
    }
    void closeFrame(double y) {
        page_.setLineWidth(1);
        for (double x : layout_.frameRules)
            page_.line({x, kFrameTop}, {x, y + 330});
        page_.setLineWidth(4);
        page_.box({layout_.left, kFrameTop}, {kRight, y + 330});
        page_.setLineWidth(1);
    }
    void totals(double y) {
        text(110, y + 340, QStringLiteral("合計"));
        for (const PrintTotal& total : layout_.totals)
            textBeforeRule(page_, total.rule, y + 340, total.text);
        page_.setLineWidth(1);
        for (double x : layout_.totalsRules)
            page_.line({x, y + 330}, {x, y + 430});
        page_.setLineWidth(4);
        page_.box({layout_.left, y + 330}, {kRight, y + 430});
        page_.setLineWidth(1);
    }

    PageWriter& page_;
    const ListPrintLayout& layout_;
};

} // namespace

void printList(const ListPrintLayout& layout, int rowCount, const PrintCell& cell,
               const QString& documentName) {
    runPrintout(Orientation::Landscape, documentName,
                [&](PageWriter& page) { ListPrinter(page, layout).print(rowCount, cell); });
}

} // namespace lukana
