#pragma once
// The printouts of the summary lists and the cash book: landscape pages in a user scale of
// 3200 by 4000, a title, column headings, 33 ruled rows a page in a boxed frame, and a boxed
// totals line after the last row. The layouts differ only by the table below.
#include <QString>

#include <functional>
#include <vector>

namespace lukana {

struct PrintColumn {
    QString heading;
    double headingX;
    double textX; // the left edge, or the rule a right-aligned text ends before
    bool rightAligned;
};

struct PrintTotal {
    double rule; // the text ends before it
    QString text;
};

struct ListPrintLayout {
    QString title;
    double left; // left edge of every rule and box
    std::vector<PrintColumn> columns;
    std::vector<double> frameRules;  // the frame's vertical rules
    std::vector<double> totalsRules; // the vertical rules of the totals line
    std::vector<PrintTotal> totals;
};

// Cell texts of row r, column c.
using PrintCell = std::function<QString(int row, int column)>;

// Asks for the printer and prints; Cancel ends silently. A failure after the choice aborts
// the job and shows "プリンターが接続されていません".
void printList(const ListPrintLayout& layout, int rowCount, const PrintCell& cell,
               const QString& documentName);

} // namespace lukana
