// The widest figures of the daily printouts end just inside their columns' rules.
#include "daily/core/guest_slips.h"
#include "daily/core/sales_list.h"
#include "daily/sales_list_printout.h"
#include "daily/slip_printout.h"
#include "support/printed_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace lukana;
using namespace lukana::platform;
using namespace printed_rules;

namespace {

const QString kWidestAmount = QStringLiteral("-99,999,999");
const QString kWidestShare = QStringLiteral("-100.00%");

struct Printed {
    PrintRecording recording;
    QStringList figures;
};

Printed salesList() {
    SalesListRow row; // the last column stays empty, as it always is
    for (int j = 0; j + 1 < kSalesListColumns; ++j)
        row[j] = (j < kSalesListAmountColumns ? kWidestAmount : kWidestShare).toStdString();
    SalesList list;
    list.days.assign(31, row);
    list.summary.fill(row);
    auto recording = std::make_shared<PrintRecording>();
    recording->orientation = Orientation::Landscape;
    RecordingPageWriter page(recording);
    drawSalesList(page, list, 2003, 12, "本店");
    return {*recording, {kWidestAmount, kWidestShare}};
}

// Two slips with the largest counts and amounts a day holds, one taking a whole day.
Printed slips() {
    NippouDay day;
    day.slipCount = 2;
    for (int s = 0; s < 2; ++s) {
        SlipValues& v = day.slipValues[s];
        v[kSlipArrivalHour] = s == 0 ? 0 : 22;
        v[kSlipArrivalMinute] = s == 0 ? 0 : 58;
        v[kSlipDepartureHour] = 23;
        v[kSlipDepartureMinute] = 59;
    }
    SlipValues& crowd = day.slipValues[0];
    crowd[kSlipMen] = crowd[kSlipWomen] = crowd[kSlipBoys] = crowd[kSlipGirls] = 999;
    crowd[kSlipPaid] = -99999999;
    day.slipValues[1][kSlipMen] = 1;
    day.slipValues[1][kSlipPaid] = 99999999;
    auto recording = std::make_shared<PrintRecording>();
    RecordingPageWriter page(recording);
    drawSlipPrintout(page, day, {"本店", 2003, 12, 9});
    // Everything below the headings is right-aligned, but the totals' caption.
    return {*recording, textsBelow(*recording, 380, {QStringLiteral("合計")})};
}

struct Case {
    const char* name;
    std::function<Printed()> print;
    Orientation orientation;
    double userWidth;
    double points;
};

class DailyPrintedFigures : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(DailyPrintedFigures, EndAQuarterDigitBeforeTheirRules) {
    const Case& c = GetParam();
    const Printed printed = c.print();
    ASSERT_FALSE(printed.figures.isEmpty());
    EXPECT_TRUE(figuresEndBeforeRules(printed.recording, printed.figures,
                                      digitWidth(c.orientation, c.userWidth, c.points)))
        << printed.figures.join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Printouts, DailyPrintedFigures,
    ::testing::Values(Case{"SalesList", salesList, Orientation::Landscape, 4450, 8},
                      Case{"GuestSlips", slips, Orientation::Portrait, 1020, 8}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
