#pragma once
// The monthly sales list: per day of a month of daily reports the sales, gross profit, guests,
// cash out and payments by supplier class, and the month's total and averages, as the cell
// texts the window, the printout and the CSV file all show.
#include "storage/state.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace lukana {

// Supplier id -> supplier class (0 酒類, 1 食品一般, 2 その他雑費).
using SupplierClasses = std::unordered_map<int, int>;
// The classes of the suppliers in the register (siireIds, siireBunrui).
SupplierClasses registeredSupplierClasses();

// The columns after the day number and weekday: 総売上, 仮想粗利, 組数, 客数, 組単, 客単, 出金,
// 酒類, 食品一般, その他雑費, 酒類比, 食品比, その他比 and one always empty.
inline constexpr int kSalesListColumns = 14;
inline constexpr int kSalesListAmountColumns = 10; // the columns summed and averaged
using SalesListRow = std::array<std::string, kSalesListColumns>;

extern const std::array<const char*, kSalesListColumns> kSalesListHeadings;
// 合計, 上平均, 下平均, 平均.
extern const std::array<const char*, 4> kSalesListSummaryLabels;

struct SalesList {
    std::vector<SalesListRow> days; // day d in days[d - 1]
    std::array<SalesListRow, 4> summary;
};

// The table of days 1 to dayCount (28 to 31) of the month.
SalesList computeSalesList(const NippouMonth& month, int dayCount, const SupplierClasses& classes);

} // namespace lukana
