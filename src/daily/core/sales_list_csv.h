#pragma once
// The monthly sales list as the text of its CSV file.
#include "sales_list.h"

#include <string>

namespace lukana {

// The title, the headings, a line per day and the four summary lines, each ended by CR LF.
std::string salesListCsv(const SalesList& list, int year, int month,
                         const std::string& departmentName);

// The title of the list: " 2003年 4月　本店".
std::string salesListTitle(int year, int month, const std::string& departmentName);

} // namespace lukana
