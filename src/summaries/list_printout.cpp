#include "list_printout.h"

#include "platform/print_fit.h"
#include "platform/printer.h"

#include <algorithm>

namespace lukana {

using namespace platform;

namespace {

constexpr double kRight = 3120;
constexpr double kFrameTop = 150;
constexpr int kRowsPerPage = 33;
constexpr double kBodyPoints = 8;

// The nearest of the rules left of x, and right of it; the page's edge when there is none.
double ruleBefore(const std::vector<double>& rules, double x) {
    double found = 0;
    for (double rule : rules)
        if (rule < x)
            found = std::max(found, rule);
    return found;
}
double ruleAfter(const std::vector<double>& rules, double x) {
    double found = kRight;
    for (double rule : rules)
        if (rule > x)
            found = std::min(found, rule);
    return found;
}

class ListPrinter {
  public:
    ListPrinter(PageWriter& page, const ListPrintLayout& layout)
        : page_(page), layout_(layout), frameRules_(withEdges(layout.frameRules)),
          totalsRules_(withEdges(layout.totalsRules)) {}

    void print(int rowCount, const PrintCell& cell) {
        page_.setFontSize(kBodyPoints);
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
    // Every cell keeps between the rules of its column.
    void place(const PrintColumn& column, const QString& s, double top) {
        if (column.rightAligned)
            textBetweenRules(page_, ruleBefore(frameRules_, column.textX), column.textX, top, s,
                             kBodyPoints);
        else
            textBeforeNextRule(page_, column.textX, ruleAfter(frameRules_, column.textX), top, s,
                               kBodyPoints);
    }
    std::vector<double> withEdges(std::vector<double> rules) const {
        rules.insert(rules.end(), {layout_.left, kRight});
        return rules;
    }
    void heading() {
        page_.setFontSize(12);
        text(500, 50, layout_.title);
        page_.setFontSize(kBodyPoints);
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
            textBetweenRules(page_, ruleBefore(totalsRules_, total.rule), total.rule, y + 340,
                             total.text, kBodyPoints);
        page_.setLineWidth(1);
        for (double x : layout_.totalsRules)
            page_.line({x, y + 330}, {x, y + 430});
        page_.setLineWidth(4);
        page_.box({layout_.left, y + 330}, {kRight, y + 430});
        page_.setLineWidth(1);
    }

    PageWriter& page_;
    const ListPrintLayout& layout_;
    std::vector<double> frameRules_, totalsRules_; // with the left and right edges
};

} // namespace

void printList(const ListPrintLayout& layout, int rowCount, const PrintCell& cell,
               const QString& documentName) {
    runPrintout(Orientation::Landscape, documentName,
                [&](PageWriter& page) { ListPrinter(page, layout).print(rowCount, cell); });
}

} // namespace lukana
