#include "platform/controls.h"
#include "platform/date_navigator.h"
#include "support/ui_script.h"

#include <QLabel>

#include <gtest/gtest.h>

using namespace lukana;
using namespace lukana::platform;

namespace {

using Action = std::function<void(DateBoxes&)>;

Action spinUp(DatePart part) {
    return [part](DateBoxes& b) { b.spinner(part)->stepUp(); };
}
Action spinDown(DatePart part) {
    return [part](DateBoxes& b) { b.spinner(part)->stepDown(); };
}
Action type(DatePart part, QString text) {
    return [part, text](DateBoxes& b) {
        b.box(part)->selectAll();
        b.box(part)->setFocus();
        if (text.isEmpty())
            b.box(part)->clear();
        else
            typeText(b.box(part), text);
    };
}

Action paste(DatePart part, QString text) {
    return [part, text](DateBoxes& b) { b.box(part)->setText(text); };
}

QStringList boxTexts(const DateBoxes& b) {
    return {b.box(DatePart::Year)->text(), b.box(DatePart::Month)->text(),
            b.box(DatePart::Day)->text()};
}

SpinDate spinnerValues(const DateBoxes& b) {
    return {b.spinner(DatePart::Year)->value(), b.spinner(DatePart::Month)->value(),
            b.spinner(DatePart::Day)->value()};
}

} // namespace

TEST(DateNavigator, MovesAsTheUserSpinsAndTypes) {
    struct Case {
        const char* what;
        SpinDate from;
        Action action;
        int calls;
        bool monthChanged;
        SpinDate to;
        QStringList boxes;
    };
    using enum DatePart;
    const Case cases[] = {
        {"day up from 31 December",
         {2003, 12, 31},
         spinUp(Day),
         1,
         true,
         {2004, 1, 1},
         {" 2004", " 1", " 1"}},
        {"day down from 1 March",
         {2003, 3, 1},
         spinDown(Day),
         1,
         true,
         {2003, 2, 28},
         {"2003", " 2", " 28"}},
        {"day down from 1 March, leap year",
         {2004, 3, 1},
         spinDown(Day),
         1,
         true,
         {2004, 2, 29},
         {"2004", " 2", " 29"}},
        {"day up from 30 April",
         {2003, 4, 30},
         spinUp(Day),
         1,
         true,
         {2003, 5, 1},
         {"2003", " 5", " 1"}},
        {"day up from 28 February",
         {2003, 2, 28},
         spinUp(Day),
         1,
         true,
         {2003, 3, 1},
         {"2003", " 3", " 1"}},
        {"day down from 1 January",
         {2004, 1, 1},
         spinDown(Day),
         1,
         true,
         {2003, 12, 31},
         {" 2003", " 12", " 31"}},
        {"day up within the month",
         {2003, 4, 10},
         spinUp(Day),
         1,
         false,
         {2003, 4, 11},
         {"2003", "4", " 11"}},
        {"month up from 31 January",
         {2004, 1, 31},
         spinUp(Month),
         1,
         true,
         {2004, 2, 29},
         {"2004", " 2", " 29"}},
        {"month up from December",
         {2003, 12, 5},
         spinUp(Month),
         1,
         true,
         {2004, 1, 5},
         {" 2004", " 1", "5"}},
        {"year up from 29 February",
         {2004, 2, 29},
         spinUp(Year),
         1,
         true,
         {2005, 2, 28},
         {" 2005", "2", " 28"}},
        {"0 typed into the day",
         {2004, 3, 15},
         type(Day, "0"),
         1,
         true,
         {2004, 2, 29},
         {"2004", " 2", "0"}},
        {"day box emptied",
         {2004, 3, 15},
         type(Day, ""),
         1,
         true,
         {2004, 2, 29},
         {"2004", " 2", ""}},
        {"45 typed on 10 April",
         {2003, 4, 10},
         type(Day, "45"),
         2,
         true,
         {2003, 5, 1},
         {"2003", " 5", "31"}},
        {"31 typed in February",
         {2003, 2, 10},
         type(Day, "31"),
         2,
         true,
         {2003, 3, 1},
         {"2003", " 3", "31"}},
        {"15 typed key by key",
         {2003, 4, 10},
         type(Day, "15"),
         2,
         false,
         {2003, 4, 15},
         {"2003", "4", "15"}},
        {"1,5 typed: the comma goes",
         {2003, 4, 10},
         type(Day, "1,5"),
         2,
         false,
         {2003, 4, 15},
         {"2003", "4", "15"}},
        {"13 pasted into the month",
         {2003, 4, 10},
         paste(Month, "13"),
         0,
         false,
         {2003, 4, 10},
         {"2003", "13", "10"}},
        {"2 typed into the month of 31 March",
         {2004, 3, 31},
         type(Month, "2"),
         1,
         true,
         {2004, 2, 29},
         {"2004", "2", " 29"}},
        {"a year outside is ignored",
         {2003, 4, 10},
         paste(Year, "10000"),
         0,
         false,
         {2003, 4, 10},
         {"10000", "4", "10"}},
        {"a year typed moves on every key",
         {2003, 4, 10},
         type(Year, "2005"),
         4,
         true,
         {2005, 4, 10},
         {"2005", "4", "10"}},
        {"year box emptied",
         {2003, 4, 10},
         type(Year, ""),
         0,
         false,
         {2003, 4, 10},
         {"", "4", "10"}},
        {"no step past 31 December 9999",
         {9999, 12, 31},
         spinUp(Day),
         0,
         false,
         {9999, 12, 31},
         {"9999", "12", "31"}},
        {"no step before 1 January 1",
         {1, 1, 1},
         spinDown(Month),
         0,
         false,
         {1, 1, 1},
         {"1", "1", "1"}},
        {"no year past 9999",
         {9999, 5, 5},
         spinUp(Year),
         0,
         false,
         {9999, 5, 5},
         {"9999", "5", "5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DateNavigator nav;
        nav.setDate(c.from);
        std::vector<DateMove> moves;
        nav.onMove([&](const DateMove& m) {
            EXPECT_EQ(nav.date(), m.from); // still the date moved from
            moves.push_back(m);
            return true;
        });
        c.action(*nav.boxes());
        EXPECT_EQ(static_cast<int>(moves.size()), c.calls);
        if (!moves.empty()) {
            EXPECT_EQ(moves.front().from, c.from);
            EXPECT_EQ(moves.back().to, nav.date());
            EXPECT_EQ(moves.back().monthChanged(), c.monthChanged);
        }
        EXPECT_EQ(nav.date(), c.to);
        EXPECT_EQ(spinnerValues(*nav.boxes()), c.to);
        EXPECT_EQ(boxTexts(*nav.boxes()), c.boxes);
        EXPECT_EQ(nav.weekdayLabel()->text(), weekdayName(nav.date()));
    }
}

TEST(DateNavigator, ARefusedMovePutsTheSpinnersBackQuietly) {
    DateNavigator nav;
    nav.setDate({2003, 12, 31});
    int asked = 0;
    nav.onMove([&](const DateMove&) {
        ++asked;
        return false;
    });
    for (int attempt = 1; attempt <= 2; ++attempt) { // the next click asks again
        nav.boxes()->spinner(DatePart::Day)->stepUp();
        EXPECT_EQ(asked, attempt);
        EXPECT_EQ(nav.date(), (SpinDate{2003, 12, 31}));
        EXPECT_EQ(spinnerValues(*nav.boxes()), (SpinDate{2003, 12, 31}));
        EXPECT_EQ(boxTexts(*nav.boxes()), (QStringList{"2003", "12", "31"}));
        EXPECT_EQ(nav.weekdayLabel()->text(), "水");
    }
    // A typed day refused: the box keeps what was typed.
    nav.boxes()->box(DatePart::Day)->setText("0");
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(spinnerValues(*nav.boxes()), (SpinDate{2003, 12, 31}));
    EXPECT_EQ(nav.boxes()->box(DatePart::Day)->text(), "0");
    // Taken once the window agrees.
    nav.onMove([](const DateMove&) { return true; });
    nav.boxes()->spinner(DatePart::Month)->stepDown();
    EXPECT_EQ(nav.date(), (SpinDate{2003, 11, 30}));
    EXPECT_EQ(nav.weekdayLabel()->text(), "日");
}

TEST(DateNavigator, LoadingCallsNothingAndShowsTheWeekday) {
    DateNavigator nav;
    int calls = 0, touched = 0;
    nav.onMove([&](const DateMove&) {
        ++calls;
        return true;
    });
    nav.onTouched([&] { ++touched; });
    nav.setDate({2003, 12, 9});
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(touched, 0);
    EXPECT_EQ(boxTexts(*nav.boxes()), (QStringList{"2003", "12", "9"}));
    EXPECT_EQ(spinnerValues(*nav.boxes()), (SpinDate{2003, 12, 9}));
    EXPECT_EQ(nav.weekdayLabel()->text(), "火");
    // Every edit touches first, even one that moves nothing.
    nav.boxes()->box(DatePart::Month)->setText("13");
    EXPECT_EQ(touched, 1);
    nav.boxes()->spinner(DatePart::Day)->stepUp();
    EXPECT_EQ(touched, 2);
    EXPECT_EQ(calls, 1);
}

TEST(DateNavigator, WithoutTheDay) {
    DateNavigator nav(DateBoxes::Parts::YearMonth, {"年", "月分"});
    EXPECT_EQ(nav.weekdayLabel(), nullptr);
    EXPECT_EQ(nav.boxes()->box(DatePart::Day), nullptr);
    nav.setDate({2003, 12, 9});
    EXPECT_EQ(nav.date(), (SpinDate{2003, 12, 1}));
    std::vector<DateMove> moves;
    nav.onMove([&](const DateMove& m) {
        moves.push_back(m);
        return true;
    });
    nav.boxes()->spinner(DatePart::Month)->stepUp();
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].to, (SpinDate{2004, 1, 1}));
    EXPECT_TRUE(moves[0].monthChanged());
    EXPECT_EQ(nav.boxes()->box(DatePart::Year)->text(), " 2004");
    EXPECT_EQ(nav.boxes()->box(DatePart::Month)->text(), " 1");
    nav.boxes()->box(DatePart::Year)->setText("1999");
    EXPECT_EQ(nav.date(), (SpinDate{1999, 1, 1}));
    EXPECT_EQ(nav.boxes()->box(DatePart::Year)->text(), "1999");
}
