#pragma once
// The ranking table on portrait pages: rank, label and value a row, ruled and framed, under
// the period and condition lines; 41 table lines a page, long labels over several lines.
#include "printout_support.h"

#include <QString>

#include <functional>
#include <vector>

namespace lukana {

// One table row as the grid shows it.
struct TableLine {
    QString rank;
    QString label;
    QString value;
};

// Asks for the printer, whatever the table holds, and prints. Cancel ends silently; any
// failure shows "プリンターが接続されていません" and abandons the job. showTable(false) is
// called while the rows are printed and showTable(true) after them, also after a failure.
void printRankingTable(const ReportHeader& header, const std::vector<TableLine>& rows,
                       const std::function<void(bool)>& showTable);

} // namespace lukana
