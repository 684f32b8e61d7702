// Yen figures past single precision (above 16,777,216) stay exact wherever the daily report
// stores or adds them: payment lines, the amount paid on a guest slip, the sales list's class
// columns and the order total.
#include "daily/core/day_lines.h"
#include "daily/core/guest_slips.h"
#include "daily/core/sales_list.h"
#include "storage/display_format.h"
#include "storage/months.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <string>
#include <vector>

using namespace lukana;

namespace {

struct Figures {
    const char* what;
    std::vector<double> lines; // payment lines, or order lines of one piece each
    std::string sum;           // their sum as the sales list shows it
};

const Figures kFigures[] = {
    {"one yen past single precision", {16777217}, "16,777,217"},
    {"a sum passing it", {16777216, 1}, "16,777,217"},
    {"eleven digits", {123456789012}, "123,456,789,012"},
    {"twelve digits", {999999999999}, "999,999,999,999"},
    {"twelve digits less a yen", {999999999999, -1}, "999,999,999,998"},
};

constexpr int kOtherClass = 2;
constexpr int kSupplier = 7;
constexpr int kCashOut = 6, kOtherColumn = 9; // sales list columns 出金, その他雑費

} // namespace

TEST(ExactFigures, PaymentLinesAndAmountsPaidComeBackFromTheFileAsTyped) {
    TempDir dir;
    const std::string path = (dir.path() / "20267.dat").string();
    for (const Figures& f : kFigures) {
        SCOPED_TRACE(f.what);
        auto month = std::make_unique<NippouMonth>();
        NippouDay& day = (*month)[3];
        storeLineAmounts(day, DayList::Payments, f.lines);
        day.slipCount = 1;
        day.slipValues[0][kSlipPaid] = f.lines[0];
        ASSERT_TRUE(writeNippouMonth(path, *month, 0).ok());

        auto back = std::make_unique<NippouMonth>();
        double costs = 0;
        ASSERT_TRUE(readNippouMonth(path, *back, costs).ok());
        ASSERT_EQ((*back)[3].kaidasiCount, static_cast<int>(f.lines.size()));
        for (size_t k = 0; k < f.lines.size(); ++k)
            EXPECT_EQ((*back)[3].kaidasiGaku[k], f.lines[k]) << "line " << k;
        EXPECT_EQ((*back)[3].slipValues[0][kSlipPaid], f.lines[0]);
    }
}

TEST(ExactFigures, TheSalesListsClassColumnMatchesTheCashPaidOut) {
    for (const Figures& f : kFigures) {
        SCOPED_TRACE(f.what);
        auto month = std::make_unique<NippouMonth>();
        NippouDay& day = (*month)[3];
        storeLineAmounts(day, DayList::Payments, f.lines);
        for (size_t k = 0; k < f.lines.size(); ++k)
            day.kaidasiSiireId[k] = kSupplier;
        day.kingaku[4] = std::accumulate(f.lines.begin(), f.lines.end(), 0.0);
        const SalesList list = computeSalesList(*month, 31, {{kSupplier, kOtherClass}});
        EXPECT_EQ(list.days[2][kOtherColumn], f.sum);
        EXPECT_EQ(list.days[2][kCashOut], f.sum);
        EXPECT_EQ(list.summary[0][kOtherColumn], f.sum);
    }
}

TEST(ExactFigures, TheOrderTotalAddsEveryLineExactly) {
    for (const Figures& f : kFigures) {
        SCOPED_TRACE(f.what);
        std::vector<MenuItem> menus;
        NippouDay day;
        countEntrySlip(day);
        for (double price : f.lines) {
            const int id = 10 + static_cast<int>(menus.size());
            menus.push_back({id, "品", price, "", 1});
            setQuantity(day, 0, id, 1);
        }
        EXPECT_EQ(Format(orderSummary(day, 0, menus).total, "###,##0"), f.sum);
    }
}
