// The widest figures of the daily printouts end just inside their columns' rules, and no text
// of theirs runs across a rule, whatever the figures.
#include "daily/core/guest_slips.h"
#include "daily/core/sales_list.h"
#include "daily/sales_list_printout.h"
#include "daily/slip_printout.h"
#include "support/printed_rules.h"
#include "support/ui_script.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Runs one printout on a chosen printer of that resolution and records it.
PrintRecording printedAt(int dotsPerInch, const std::function<void()>& print) {
    TestScript script;
    script.printerAt(dotsPerInch);
    print();
    EXPECT_TRUE(script.boxes().empty());
    EXPECT_EQ(script.printouts().size(), 1u);
    return script.printouts().empty() ? PrintRecording() : script.printouts()[0];
}

constexpr double kTwelveDigits = 999999999999;

// A 31-day month whose every column holds twelve-digit figures of either sign, the shares of
// a day with sales of 1 yen and 64,000 yen of payments, and month sums of fourteen digits.
PrintRecording widestSalesList(int dotsPerInch) {
    auto month = std::make_unique<NippouMonth>();
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = (*month)[d];
        const double amount = d % 3 == 0 ? -kTwelveDigits : kTwelveDigits;
        for (int k : {7, 21, 12, 13, 16, 15, 4})
            day.kingaku[k] = amount;
        for (int supplier : {1, 2, 3}) {
            day.kaidasiSiireId[day.kaidasiCount] = supplier;
            day.kaidasiGaku[day.kaidasiCount++] = d == 5 ? 64000 : amount;
        }
    }
    (*month)[5].kingaku[7] = 1;
    const SalesList list = computeSalesList(*month, 31, {{1, 0}, {2, 1}, {3, 2}});
    return printedAt(dotsPerInch, [&] { printSalesList(list, 2003, 12, "本店"); });
}
const QStringList kWholeOnTheSalesList = {"-999,999,999,999", "9,999,999,999,991",
                                          "10,999,999,999,989", "上平均", "下平均"};

// Twelve slips of one guest each with twelve-digit amounts, one of them negative, and times
// of two digits: the total paid runs to thirteen digits, the total per guest to twelve.
PrintRecording widestSlips(int dotsPerInch) {
    NippouDay day;
    day.slipCount = 12;
    for (int s = 0; s < day.slipCount; ++s) {
        SlipValues& v = day.slipValues[s];
        v[kSlipMen + s % 4] = 1;
        v[kSlipArrivalHour] = 10;
        v[kSlipArrivalMinute] = 59;
        v[kSlipDepartureHour] = 23;
        v[kSlipDepartureMinute] = 58;
        v[kSlipPaid] = kTwelveDigits;
    }
    day.slipValues[1][kSlipPaid] = -123456789012;
    day.slipValues[2][kSlipPaid] = 123456789012;
    return printedAt(dotsPerInch, [&] { printSlips(day, {"本店", 2003, 12, 9}); });
}
const QStringList kWholeOnTheSlips = {"¥999,999,999,999",
                                      "-¥123,456,789,012",
                                      "@999,999,999,999",
                                      "-@123,456,789,012",
                                      "¥9,999,999,999,990",
                                      "@833,333,333,333",
                                      "合計"};

struct Case {
    const char* name;
    std::function<Printed()> print;
    Orientation orientation;
    double userWidth;
    double points;
    PrintRecording (*printWidest)(int dotsPerInch);
    QStringList whole; // texts drawn whole, smaller where their column is too narrow
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

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

TEST_P(DailyPrintedFigures, NoTextRunsAcrossARuleAt150Dpi) {
    const Case& c = GetParam();
    const PrintRecording recording = c.printWidest(150);
    EXPECT_TRUE(noTextAcrossRules(recording));
    const QStringList texts = textsBelow(recording, 0);
    for (const QString& text : c.whole)
        EXPECT_TRUE(texts.contains(text)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Printouts, DailyPrintedFigures,
                         ::testing::Values(Case{"SalesList", salesList, Orientation::Landscape,
                                                4450, 8, widestSalesList, kWholeOnTheSalesList},
                                           Case{"GuestSlips", slips, Orientation::Portrait, 1020, 8,
                                                widestSlips, kWholeOnTheSlips}),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });
