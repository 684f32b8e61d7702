#include "daily/core/guest_slips.h"
#include "daily/slip_printout.h"
#include "platform/dialogs.h"
#include "support/files.h"
#include "support/printed_rules.h"
#include "support/printed_text.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <QPrinter>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace lukana;
using namespace lukana::platform;

namespace {

const SlipPrintoutHead kHead{"本店", 2003, 12, 9};
const QString kTitle = QStringLiteral("本店  ：  2003 年  12 月 9 日の詳細日報");

NippouDay dayWith(int slips) {
    NippouDay day;
    for (int s = 0; s < slips; ++s) {
        day.slipValues[s][kSlipMen] = 1;
        day.slipValues[s][kSlipPaid] = 100;
    }
    day.slipCount = slips;
    return day;
}

PrintRecording printed(const NippouDay& day, int failAt = 0) {
    TestScript script;
    script.printer(true, failAt);
    if (failAt > 0)
        script.answer(Answer::Ok);
    printSlips(day, kHead);
    EXPECT_EQ(script.boxes().size(), failAt > 0 ? 1u : 0u);
    if (script.printouts().size() != 1) {
        ADD_FAILURE() << "no printout";
        return {};
    }
    return script.printouts()[0];
}

// The left edge of a figure ending a quarter digit before rule.
double right(double rule, const QString& figure) {
    static const printed_rules::Measure page(Orientation::Portrait, 1020, 8);
    return page.leftBefore(rule, figure);
}

} // namespace

TEST(SlipPrintout, DayWithoutSlipsPrintsOnePageWithZeroTotals) {
    const PrintRecording rec = printed(NippouDay{});
    ASSERT_EQ(rec.pages.size(), 1u);
    EXPECT_TRUE(rec.ended);
    EXPECT_EQ(rec.orientation, Orientation::Portrait);
    const QStringList texts = rec.texts(0);
    EXPECT_EQ(texts[0], at(200, 60, kTitle + " 1/ 1"));
    EXPECT_EQ(texts.size(), 1 + 17 + 1 + 7 + 2);
    EXPECT_TRUE(texts.contains(at(50, 380, "合計")));
    for (double rule : {140, 190, 240, 290, 360, 430, 500})
        EXPECT_TRUE(texts.contains(at(right(rule, "0"), 380, "0")));
    EXPECT_TRUE(texts.contains(at(right(770, " 0: 0"), 380, " 0: 0")));
    EXPECT_TRUE(texts.contains(at(right(870, "¥"), 380, "¥")));
    EXPECT_FALSE(texts.filter("@").size());
    const QStringList calls = rec.page(0);
    EXPECT_TRUE(calls.contains("box 40,170 980,370"));
    EXPECT_TRUE(calls.contains("box 40,370 980,470")); // totals row 1
    EXPECT_EQ(calls[0], "scale 0,0 1020,4800");
    EXPECT_EQ(calls[1], "font 12");
}

TEST(SlipPrintout, FortyThreeSlipsFitOnePageAndTheFortyFourthStartsAnother) {
    const PrintRecording one = printed(dayWith(43));
    ASSERT_EQ(one.pages.size(), 1u);
    EXPECT_TRUE(one.page(0).contains("box 40,170 980,4670"));
    EXPECT_TRUE(one.texts(0).contains(at(50, 4680, "合計")));
    EXPECT_TRUE(one.page(0).contains("box 40,4670 980,4770"));

    const PrintRecording two = printed(dayWith(44));
    ASSERT_EQ(two.pages.size(), 2u);
    EXPECT_EQ(two.texts(0)[0], at(200, 60, kTitle + " 1/ 2"));
    EXPECT_EQ(two.texts(1)[0], at(200, 60, kTitle + " 2/ 2"));
    EXPECT_TRUE(two.page(0).contains("box 40,170 980,4670"));
    EXPECT_FALSE(two.texts(0).contains(at(50, 4680, "合計")));
    EXPECT_TRUE(two.texts(1).contains(at(right(90, "44"), 380, "44")));
    EXPECT_TRUE(two.texts(1).contains(at(50, 480, "合計")));
    EXPECT_TRUE(two.texts(1).contains(at(right(500, "44"), 480, "44")));
    EXPECT_TRUE(two.texts(1).contains(at(right(870, "¥4,400"), 480, "¥4,400")));
}

TEST(SlipPrintout, OneSlipRowAndTotals) {
    NippouDay day;
    countEntrySlip(day);
    SlipValues& v = day.slipValues[0];
    v[kSlipMen] = 2;
    v[kSlipWomen] = 1;
    v[kSlipArrivalHour] = 18;
    v[kSlipArrivalMinute] = 30;
    v[kSlipDepartureHour] = 21;
    v[kSlipDepartureMinute] = 15;
    v[kSlipPaid] = 10000;
    const QStringList texts = printed(day).texts(0);
    const double y = 380;
    for (const QString& expected :
         {at(right(90, "1"), y, "1"), at(right(140, "2"), y, "2"), at(right(190, "1"), y, "1"),
          at(right(360, "3"), y, "3"), at(right(500, "3"), y, "3"), at(right(550, "18"), y, "18"),
          at(right(600, "30"), y, "30"), at(right(770, " 2: 45"), y, " 2: 45"),
          at(right(870, "¥10,000"), y, "¥10,000"), at(right(980, "@3,333"), y, "@3,333"),
          at(right(980, "@3,333"), 480, "@3,333"), at(right(770, " 2: 45"), 480, " 2: 45")})
        EXPECT_TRUE(texts.contains(expected)) << expected.toStdString();
}

// Drawn smaller where the column is too narrow for them, but whole.
TEST(SlipPrintout, TheSpendPerPersonOfATwelveDigitAmountIsExact) {
    NippouDay day = dayWith(2);
    day.slipValues[0][kSlipMen] = 2;
    day.slipValues[0][kSlipPaid] = 999999999999;
    day.slipValues[1][kSlipPaid] = -123456789012;
    const QStringList texts = printed(day).texts(0);
    for (const char* spend : {"@500,000,000,000", "-@123,456,789,012", "@292,181,070,329"})
        EXPECT_EQ(texts.filter(QRegularExpression(QStringLiteral(" %1$").arg(spend))).size(), 1)
            << spend;
}

TEST(SlipPrintout, CancelOrNoPrinterPrintNothingAndFailureStopsWithOneMessage) {
    for (bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancel" : "no printer at all");
        TestScript script;
        if (cancel)
            script.printer(false);
        else
            script.noPrinter();
        printSlips(dayWith(3), kHead);
        EXPECT_TRUE(script.printouts().empty());
        EXPECT_TRUE(script.boxes().empty());
    }
    {
        // The printer chosen cannot take the document.
        TestScript script;
        script.printerUnavailable().answer(Answer::Ok);
        printSlips(dayWith(3), kHead);
        EXPECT_TRUE(script.printouts().empty());
        ASSERT_EQ(script.boxes().size(), 1u);
        EXPECT_EQ(script.boxes()[0].text, QStringLiteral("プリンターが接続されていません"));
        EXPECT_EQ(script.boxes()[0].buttons, Buttons::Ok);
    }
    for (int k : {1, 20, 200}) {
        const PrintRecording rec = printed(dayWith(44), k);
        EXPECT_EQ(rec.calls, k - 1);
        EXPECT_TRUE(rec.aborted);
        EXPECT_FALSE(rec.ended);
    }
}

TEST(SlipPrintout, SlipWithUnreadableTimesIsPrintedWithoutItsStay) {
    NippouDay day = dayWith(2);
    day.slipValues[0][kSlipArrivalHour] = 18;
    day.slipValues[0][kSlipDepartureHour] = 40000; // beyond what a time can hold
    day.slipValues[1][kSlipArrivalHour] = 19;
    day.slipValues[1][kSlipDepartureHour] = 20;
    day.slipValues[1][kSlipDepartureMinute] = 15;
    const PrintRecording rec = printed(day); // no message
    EXPECT_TRUE(rec.ended);
    const QStringList texts = rec.texts(0);
    EXPECT_TRUE(texts.contains(at(right(650, "40000"), 380, "40000")));
    EXPECT_TRUE(texts.filter(QRegularExpression(QStringLiteral("^[0-9.]+,380 .*:"))).isEmpty())
        << "no stay in the first row";
    EXPECT_TRUE(texts.contains(at(right(770, " 1: 15"), 480, " 1: 15")));
    EXPECT_TRUE(texts.contains(at(right(770, " 1: 15"), 580, " 1: 15")))
        << "the total leaves it out";
    EXPECT_TRUE(texts.contains(at(right(870, "¥200"), 580, "¥200")));
}

TEST(SlipPrintout, RealPrinterWritesTwoPdfPages) {
    TempDir dir;
    const std::string path = (dir.path() / "slips.pdf").string();
    setPrinterHook([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        return true;
    });
    printSlips(dayWith(44), kHead);
    setPrinterHook({});
    const QString bytes = QString::fromLatin1(readBytes(path));
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 2);
}
