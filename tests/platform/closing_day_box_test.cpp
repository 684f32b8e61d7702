#include "platform/closing_day_box.h"
#include "platform/controls.h"

#include <gtest/gtest.h>

using namespace lukana::platform;

TEST(ClosingDayBox, SpinnerWrapsAndTypedDaysFollowTheDayBoxRules) {
    struct Case {
        const char* what;
        int from;
        std::function<void(ClosingDayBox&)> action;
        int day;
        QString box;
        int changes;
    };
    auto type = [](QString text) { return [text](ClosingDayBox& c) { c.box()->setText(text); }; };
    const Case cases[] = {
        {"up from 31 wraps to 1", 31, [](ClosingDayBox& c) { c.spinner()->stepUp(); }, 1, "1", 1},
        {"down from 1 wraps to 31", 1, [](ClosingDayBox& c) { c.spinner()->stepDown(); }, 31, "31",
         1},
        {"up within the month", 20, [](ClosingDayBox& c) { c.spinner()->stepUp(); }, 21, "21", 1},
        {"45 shows 31", 20, type("45"), 31, "31", 1},
        {"0 gives 31, the box keeps 0", 20, type("0"), 31, "0", 1},
        {"-4 becomes 0", 20, type("-4"), 31, "0", 1},
        {"empty gives 31", 20, type(""), 31, "", 1},
        {"letters give 31", 20, type("abc"), 31, "abc", 1},
        {"a comma goes", 20, type("1,2"), 12, "12", 1},
        {"25.5 to the even 26", 20, type("25.5"), 26, "25.5", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClosingDayBox box;
        ASSERT_TRUE(box.setDay(c.from));
        int changes = 0;
        box.onChange([&] { ++changes; });
        c.action(box);
        EXPECT_EQ(box.day(), c.day);
        EXPECT_EQ(box.box()->text(), c.box);
        EXPECT_EQ(changes, c.changes);
    }
}

TEST(ClosingDayBox, LoadsQuietlyAndRefusesADayOutsideTheMonth) {
    ClosingDayBox box;
    int changes = 0;
    box.onChange([&] { ++changes; });
    EXPECT_TRUE(box.setDay(25));
    EXPECT_EQ(box.day(), 25);
    EXPECT_EQ(box.box()->text(), "25");
    for (int bad : {0, 32, -1, 45})
        EXPECT_FALSE(box.setDay(bad)) << bad;
    EXPECT_EQ(box.day(), 25);
    EXPECT_EQ(changes, 0);
}
