// The daily report's date moves with an edit pending: which ask to save, where they land and
// what the date boxes show; days edited and saved together; the voucher book opened over it.
#include "daily_report_fixture.h"
#include "storage/display_format.h"
#include "storage/settings.h"

#include <QLabel>
#include <QPushButton>

#include <optional>
#include <vector>

using namespace lukana;
using namespace lukana::platform;
namespace fs = std::filesystem;

namespace {

struct NavigationCase {
    const char* what;
    SpinDate start;
    std::function<void(DailyReportWindow&)> input;
    std::vector<Answer> answers; // the save questions, on the move and on closing
    SpinDate result;
    QString monthBox, dayBox;
    bool monthSaved; // the month left was written with the edit
};

void typeInto(DailyReportWindow& w, DatePart part, const QString& text) {
    w.dateNavigator()->boxes()->box(part)->setText(text);
}

} // namespace

TEST_F(DailyReportTest, DateMovesWithAnEditPending) {
    using A = Answer;
    const NavigationCase cases[] = {
        {"day up within the month asks nothing",
         {2026, 7, 10},
         [](DailyReportWindow& w) { step(w, DatePart::Day, true); },
         {A::No}, // on closing
         {2026, 7, 11},
         "7",
         " 11",
         false},
        {"day up from 31 December, Yes",
         {2026, 12, 31},
         [](DailyReportWindow& w) { step(w, DatePart::Day, true); },
         {A::Yes},
         {2027, 1, 1},
         " 1",
         " 1",
         true},
        {"day down from 1 March, No",
         {2026, 3, 1},
         [](DailyReportWindow& w) { step(w, DatePart::Day, false); },
         {A::No},
         {2026, 2, 28},
         " 2",
         " 28",
         false},
        {"month up from 31 January",
         {2026, 1, 31},
         [](DailyReportWindow& w) { step(w, DatePart::Month, true); },
         {A::Yes},
         {2026, 2, 28},
         " 2",
         " 28",
         true},
        {"0 typed into the day box",
         {2026, 7, 10},
         [](DailyReportWindow& w) { typeInto(w, DatePart::Day, "0"); },
         {A::No},
         {2026, 6, 30},
         " 6",
         "0",
         false},
        {"45 typed into the day box on 10 April",
         {2026, 4, 10},
         [](DailyReportWindow& w) { typeInto(w, DatePart::Day, "45"); },
         {A::No},
         {2026, 5, 1},
         " 5",
         "31",
         false},
        {"Cancel stays on the day",
         {2026, 12, 31},
         [](DailyReportWindow& w) { step(w, DatePart::Day, true); },
         {A::Cancel, A::No},
         {2026, 12, 31},
         "12",
         "31",
         false},
        {"no year after 9999",
         {9999, 12, 10},
         [](DailyReportWindow& w) { step(w, DatePart::Year, true); },
         {A::No},
         {9999, 12, 10},
         "12",
         "10",
         false},
    };
    for (const NavigationCase& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(busyoFolderPath("本店")); // every case on a fresh department
        SetUp();
        const size_t asked = script.boxes().size();
        todayYear = c.start.year;
        todayMonth = c.start.month;
        todayDay = c.start.day;
        for (Answer a : c.answers)
            script.answer(a);
        open([&](DailyReportWindow& w) {
            type(w, 2, "50");
            c.input(w);
            EXPECT_EQ(w.dateNavigator()->date(), c.result);
            EXPECT_EQ(SpinDate({curYear, curMonth, curDay}), c.result);
            EXPECT_EQ(w.dateNavigator()->boxes()->box(DatePart::Month)->text(), c.monthBox);
            EXPECT_EQ(w.dateNavigator()->boxes()->box(DatePart::Day)->text(), c.dayBox);
            EXPECT_TRUE(w.windowTitle().endsWith(QString::fromStdString(Str(c.result.year) + "年" +
                                                                        Str(c.result.month) + "月" +
                                                                        Str(c.result.day) + "日")));
            w.closeWindow();
        });
        EXPECT_EQ(script.boxes().size() - asked, c.answers.size());
        EXPECT_EQ(fs::exists(nippouPath("本店", c.start.year, c.start.month)), c.monthSaved);
        if (c.monthSaved) {
            EXPECT_EQ((*readMonth(c.start.year, c.start.month))[c.start.day].kingaku[2], 50);
        }
    }
}

TEST_F(DailyReportTest, TwoDaysEditedAreSavedTogetherAndOnlyTheShownDayIsPosted) {
    todayDay = 3;
    script.answer(Answer::Yes);
    open([](DailyReportWindow& w) {
        type(w, 5, "100");
        addLine(*w.payments(), 0, "300");
        step(w, DatePart::Day, true);
        EXPECT_EQ(w.payments()->lines(), 0);
        type(w, 5, "200");
        w.closeWindow();
    });
    const auto month = readMonth(2026, 7);
    EXPECT_EQ((*month)[3].kingaku[5], 100);
    EXPECT_EQ((*month)[3].kaidasiCount, 1);
    EXPECT_EQ((*month)[3].kaidasiSiireId[0], 11);
    EXPECT_EQ((*month)[4].kingaku[5], 200);
    const auto vouchers = readVouchers(2026, 7);
    EXPECT_EQ((*vouchers)[3].denpyouCount, 0);
    ASSERT_EQ((*vouchers)[4].denpyouCount, 1);
    EXPECT_EQ((*vouchers)[4].amount[0], 200);
    EXPECT_EQ((*vouchers)[4].note[0], "当日分現金売上");
}

namespace {

// Stands in for the voucher book: it moves the shared working date to a day of its own.
class VoucherBookStandIn : public Window {
  protected:
    void formLoad() override {
        curMonth = 8;
        curDay = 20;
        simeKurejitto = 31; // the closing day of the department it shows
    }
};

} // namespace

TEST_F(DailyReportTest, AfterTheVoucherBookASavePostsTheDayTheReportShows) {
    dailyReportLinks().voucherBook = [] {
        VoucherBookStandIn book;
        runModal(book);
    };
    script.answer(Answer::Yes);
    open(
        [](DailyReportWindow& w) {
            type(w, 5, "700");
            ASSERT_TRUE(w.voucherBookButton()->isEnabled());
            w.voucherBookButton()->click();
            EXPECT_EQ(SpinDate({curYear, curMonth, curDay}), SpinDate({2026, 7, 10}));
            EXPECT_EQ(w.sheet().text(5), "700") << "nothing saved or dropped on the way";
            w.closeWindow();
        },
        [this] {
            script.window<VoucherBookStandIn>([](VoucherBookStandIn& book) { book.closeWindow(); });
        });
    EXPECT_FALSE(fs::exists(denpyouPath("本店", 2026, 8)));
    const auto vouchers = readVouchers(2026, 7);
    ASSERT_EQ((*vouchers)[10].denpyouCount, 1);
    EXPECT_EQ((*vouchers)[10].amount[0], 700);
}

TEST_F(DailyReportTest, TheCreditClosingDayOfTheDepartmentShownSurvivesTheVoucherBook) {
    simeKurejitto = 15;
    ASSERT_TRUE(writeClosingDays(busyoFilePath("本店", "simebi.dat")).ok());
    dailyReportLinks().voucherBook = [] {
        VoucherBookStandIn book;
        runModal(book);
    };
    const QString period = QStringLiteral("累計クレジット; 6月 16日～ 7月 15日のカード売り");
    open(
        [&](DailyReportWindow& w) {
            EXPECT_EQ(w.amounts()->cardSalesCaption()->text(), period);
            w.voucherBookButton()->click();
            step(w, DatePart::Day, true); // the next day is shown with the closing day kept
            EXPECT_EQ(w.amounts()->cardSalesCaption()->text(), period);
            type(w, 6, "100");
            EXPECT_EQ(w.amounts()->cardSalesCaption()->text(), period);
            EXPECT_EQ(w.amounts()->cardSalesLabel()->text(), QStringLiteral("100"));
            reportChanged = 0;
            w.closeWindow();
        },
        [this] {
            script.window<VoucherBookStandIn>([](VoucherBookStandIn& book) { book.closeWindow(); });
        });
}
