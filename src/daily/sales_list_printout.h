#pragma once
// The monthly sales list on one landscape page: the list always fills the page, a short month
// getting taller rows.
#include "core/sales_list.h"

#include <QString>

#include <string>

namespace lukana::platform {
class DrawingSurface;
}

namespace lukana {

void drawSalesList(platform::DrawingSurface& page, const SalesList& list, int year, int month,
                   const std::string& departmentName);

// The printer choice, then the page; Cancel prints nothing, a failure says so once.
void printSalesList(const SalesList& list, int year, int month, const std::string& departmentName);

// The name proposed for the list's CSV file and printout to a file: "売上一覧_本店_202612".
QString salesListFileName(int year, int month, const std::string& departmentName);

} // namespace lukana
