#include "sales_list.h"

#include "storage/display_format.h"

#include <algorithm>

namespace lukana {

namespace {

constexpr const char* kAmountPattern = "###,##0";
constexpr const char* kSharePattern = "###.##%";

// kingaku positions of the first seven columns.
constexpr std::array<int, 7> kDayAmounts = {7, 21, 12, 13, 16, 15, 4};
constexpr int kSales = 7;
constexpr int kGroupsColumn = 2, kGuestsColumn = 3;
constexpr int kUnitPerGroupColumn = 4, kUnitPerGuestColumn = 5;
constexpr int kFirstClassColumn = 7, kFirstShareColumn = 10;
constexpr int kClasses = 3;

using Sums = std::array<double, kSalesListAmountColumns>;

SalesListRow dayRow(const NippouDay& day, const SupplierClasses& classes, Sums& values) {
    std::array<double, kClasses> byClass{};
    const int lines = std::clamp(day.kaidasiCount, 0, kNippouLineCapacity);
    for (int n = 0; n < lines; ++n) {
        const auto found = classes.find(day.kaidasiSiireId[n]);
        if (found != classes.end() && found->second >= 0 && found->second < kClasses)
            byClass[found->second] += day.kaidasiGaku[n];
    }
    for (size_t j = 0; j < kDayAmounts.size(); ++j)
        values[j] = day.kingaku[kDayAmounts[j]];
    for (int k = 0; k < kClasses; ++k)
        values[kFirstClassColumn + k] = byClass[k];

    SalesListRow row;
    for (int j = 0; j < kSalesListAmountColumns; ++j)
        row[j] = Format(values[j], kAmountPattern);
    const double sales = day.kingaku[kSales];
    for (int k = 0; k < kClasses; ++k)
        if (byClass[k] > 0 && sales > 0)
            row[kFirstShareColumn + k] = Format(byClass[k] / sales, kSharePattern);
    return row;
}

SalesListRow averageRow(const Sums& sums, double divisor) {
    SalesListRow row;
    for (int j = 0; j < kSalesListAmountColumns; ++j)
        row[j] = Format(sums[j] / divisor, kAmountPattern);
    return row;
}

SalesListRow totalRow(const Sums& sums) {
    SalesListRow row;
    for (int j = 0; j < kSalesListAmountColumns; ++j)
        row[j] = Format(sums[j], kAmountPattern);
    const double sales = sums[0];
    // Per group and per guest of the whole month; none of them gives 0.
    auto perUnit = [&](double units) { return units != 0 ? sales / units : 0.0; };
    row[kUnitPerGroupColumn] = Format(perUnit(sums[kGroupsColumn]), kAmountPattern);
    row[kUnitPerGuestColumn] = Format(perUnit(sums[kGuestsColumn]), kAmountPattern);
    if (sales != 0)
        for (int k = 0; k < kClasses; ++k)
            row[kFirstShareColumn + k] = Format(sums[kFirstClassColumn + k] / sales, kSharePattern);
    return row;
}

} // namespace

const std::array<const char*, kSalesListColumns> kSalesListHeadings = {
    "総売上", "仮想粗利", "組数",       "客数",   "組単",   "客単",     "出金",
    "酒類",   "食品一般", "その他雑費", "酒類比", "食品比", "その他比", ""};

const std::array<const char*, 4> kSalesListSummaryLabels = {"合計", "上平均", "下平均", "平均"};

SupplierClasses registeredSupplierClasses() {
    SupplierClasses classes;
    const size_t count = std::min(
        {static_cast<size_t>(std::max(siireCount, 0)), siireIds.size(), siireBunrui.size()});
    classes.reserve(count);
    for (size_t i = 0; i < count; ++i)
        classes[siireIds[i]] = siireBunrui[i]; // the last of a repeated id counts
    return classes;
}

SalesList computeSalesList(const NippouMonth& month, int dayCount, const SupplierClasses& classes) {
    dayCount = std::clamp(dayCount, 0, 31);
    SalesList list;
    list.days.reserve(static_cast<size_t>(dayCount));
    Sums monthSum{}, firstHalf{}, secondHalf{};
    for (int d = 1; d <= dayCount; ++d) {
        Sums values{};
        list.days.push_back(dayRow(month[d], classes, values));
        Sums& half = d <= 15 ? firstHalf : secondHalf;
        for (int j = 0; j < kSalesListAmountColumns; ++j) {
            monthSum[j] += values[j];
            half[j] += values[j];
        }
    }
    list.summary[0] = totalRow(monthSum);
    // Averages divide by the days of each half, whatever the days hold.
    list.summary[1] = averageRow(firstHalf, 15);
    list.summary[2] = averageRow(secondHalf, dayCount - 15);
    list.summary[3] = averageRow(monthSum, dayCount);
    return list;
}

} // namespace lukana
