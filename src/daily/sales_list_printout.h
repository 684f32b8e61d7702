#pragma once
// The monthly sales list on one landscape page: the list always fills the page, a short month
// getting taller rows.
#include "sales_list.h"

#include <string>

namespace lukana::platform {
class DrawingSurface;
}

namespace lukana {

void drawSalesList(platform::DrawingSurface& page, const SalesList& list, int year, int month,
                   const std::string& busyoName);

// The printer choice, then the page; Cancel prints nothing, a failure says so once.
void printSalesList(const SalesList& list, int year, int month, const std::string& busyoName);

} // namespace lukana
