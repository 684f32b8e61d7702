// Moving the voucher book by day, month and year.
#include "voucher_book_fixture.h"

#include "platform/controls.h"
#include "platform/date_navigator.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace lukana;
using namespace lukana::platform;

namespace {

using W = VoucherBook;

TextBox* box(W& w, DatePart part) {
    return w.dateNavigator()->boxes()->box(part);
}
Spinner* spinner(W& w, DatePart part) {
    return w.dateNavigator()->boxes()->spinner(part);
}
void typeInto(W& w, DatePart part, const QString& text) {
    box(w, part)->selectAll();
    typeText(box(w, part), text);
}

class VoucherDatesTest : public VoucherBookTest {};

TEST_F(VoucherDatesTest, MovesAndTheirDates) {
    struct Case {
        SpinDate today;
        const char* action;
        std::function<void(W&)> act;
        SpinDate shown;
    };
    const Case cases[] = {
        {{2014, 4, 30}, "day up", [](W& w) { spinner(w, DatePart::Day)->stepUp(); }, {2014, 5, 1}},
        {{2014, 5, 1},
         "day down",
         [](W& w) { spinner(w, DatePart::Day)->stepDown(); },
         {2014, 4, 30}},
        {{2012, 3, 1},
         "day down, leap year",
         [](W& w) { spinner(w, DatePart::Day)->stepDown(); },
         {2012, 2, 29}},
        {{2013, 12, 31},
         "day up, year end",
         [](W& w) { spinner(w, DatePart::Day)->stepUp(); },
         {2014, 1, 1}},
        {{2014, 1, 1},
         "day down, new year",
         [](W& w) { spinner(w, DatePart::Day)->stepDown(); },
         {2013, 12, 31}},
        {{2014, 2, 10},
         "31 typed in February",
         [](W& w) { typeInto(w, DatePart::Day, "31"); },
         {2014, 3, 1}},
        {{2014, 2, 10}, "0 typed", [](W& w) { typeInto(w, DatePart::Day, "0"); }, {2014, 1, 31}},
        {{2014, 4, 2}, "15 typed", [](W& w) { typeInto(w, DatePart::Day, "15"); }, {2014, 4, 15}},
        {{2014, 3, 31},
         "month up",
         [](W& w) { spinner(w, DatePart::Month)->stepUp(); },
         {2014, 4, 30}},
        {{2013, 12, 5},
         "month up, year end",
         [](W& w) { spinner(w, DatePart::Month)->stepUp(); },
         {2014, 1, 5}},
        {{2014, 4, 2},
         "13 pasted as month",
         [](W& w) { box(w, DatePart::Month)->setText("13"); },
         {2014, 4, 2}},
        {{2012, 2, 29},
         "year up",
         [](W& w) { spinner(w, DatePart::Year)->stepUp(); },
         {2013, 2, 28}},
        {{9999, 4, 2},
         "year past the last",
         [](W& w) { spinner(w, DatePart::Year)->stepUp(); },
         {9999, 4, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        todayYear = c.today.year, todayMonth = c.today.month, todayDay = c.today.day;
        TestScript script;
        withVoucherBook(script, [&](W& w) {
            c.act(w);
            EXPECT_EQ(curYear, c.shown.year);
            EXPECT_EQ(curMonth, c.shown.month);
            EXPECT_EQ(curDay, c.shown.day);
            EXPECT_EQ(w.windowTitle(), QStringLiteral("仕入仕訳票(本店)   %1年 %2月 %3日")
                                           .arg(c.shown.year)
                                           .arg(c.shown.month)
                                           .arg(c.shown.day));
        });
        EXPECT_TRUE(script.boxes().empty());
    }
}

TEST_F(VoucherDatesTest, WeekdayAndBoxTexts) {
    TestScript script;
    withVoucherBook(script, [&](W& w) {
        EXPECT_EQ(box(w, DatePart::Day)->text(), "2");
        EXPECT_EQ(w.dateNavigator()->weekdayLabel()->text(), "水"); // 2 April 2014
        typeInto(w, DatePart::Day, "6");
        EXPECT_EQ(w.dateNavigator()->weekdayLabel()->text(), "日");
        EXPECT_EQ(box(w, DatePart::Day)->text(), "6"); // typed text kept
        spinner(w, DatePart::Day)->stepUp();
        EXPECT_EQ(box(w, DatePart::Day)->text(), " 7");
        EXPECT_EQ(w.dateNavigator()->weekdayLabel()->text(), "月");
    });
}

TEST_F(VoucherDatesTest, LeavingTheMonthAsksOnceAndCancelKeepsEverything) {
    append((*april)[2], {100, 2, 0, 1, 10});
    append((*april)[2], {200, 2, 0, 1, 10});
    append((*april)[5], {500, 2, 0, 1, 10});
    saveMonths();
    TestScript script;
    script.answer(Answer::Cancel).answer(Answer::Yes);
    withVoucherBook(script, [&](W& w) {
        click(w, 1, W::kNoteCol);
        w.deleteButton()->click();
        // Inside the month: no question, the day's edits stay in memory.
        typeInto(w, DatePart::Day, "5");
        EXPECT_EQ(cell(w, 1, W::kAmountCol), "500");
        typeInto(w, DatePart::Day, "2");
        EXPECT_EQ(w.voucherGrid()->rows(), 3);
        EXPECT_TRUE(script.boxes().empty());
        // Leaving it asks; Cancel keeps date, grid and changes.
        spinner(w, DatePart::Month)->stepUp();
        EXPECT_EQ(script.boxes().size(), 1u);
        EXPECT_EQ(curMonth, 4);
        EXPECT_EQ(spinner(w, DatePart::Month)->value(), 4);
        EXPECT_EQ(w.voucherGrid()->rows(), 3);
        EXPECT_TRUE(w.vouchersChanged());
        // Asked again; Yes saves April first.
        spinner(w, DatePart::Month)->stepUp();
        EXPECT_EQ(curMonth, 5);
        EXPECT_FALSE(w.vouchersChanged());
    });
    EXPECT_EQ(script.boxes().size(), 2u);
    auto saved = std::make_unique<DenpyouMonth>();
    ASSERT_TRUE(readDenpyouMonth(aprilFile(), *saved).ok());
    EXPECT_EQ((*saved)[2].denpyouCount, 1);
    EXPECT_EQ((*saved)[2].amount[0], 200);
}

TEST_F(VoucherDatesTest, BackFromAMenuWindowShowsTodayAndTheMainDepartment) {
    TestScript script;
    script.window<VoucherBook>([&](W& w) {
        w.departmentChoice()->setListIndex(1);
        typeInto(w, DatePart::Day, "20");
        EXPECT_EQ(curDay, 20);
        w.menuBar()->actions()[1]->menu()->actions()[0]->trigger(); // 仕入先(&S)
        EXPECT_EQ(w.departmentChoice()->listIndex(), 0);
        EXPECT_EQ(denpyouBusyo, 0);
        EXPECT_EQ(curDay, 2);
        EXPECT_EQ(box(w, DatePart::Day)->text(), "2");
        w.closeWindow();
    });
    script.window([](platform::Window& supplierRegister) { supplierRegister.closeWindow(); });
    openVoucherBook();
}

} // namespace
