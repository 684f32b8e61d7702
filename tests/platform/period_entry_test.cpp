#include "platform/controls.h"
#include "platform/period_entry.h"
#include "support/ui_script.h"

#include <gtest/gtest.h>

using namespace lukana;
using namespace lukana::platform;

TEST(PeriodEntry, CarriesAndTypingsOfEitherDate) {
    struct Case {
        const char* what;
        int index;
        SpinDate from;
        std::function<void(DateBoxes&)> action;
        SpinDate to;
        QStringList boxes;
    };
    using enum DatePart;
    auto typeInto = [](DatePart part, QString text) {
        return [part, text](DateBoxes& d) {
            d.box(part)->selectAll();
            typeText(d.box(part), text);
        };
    };
    const Case cases[] = {
        {"45 in an April day",
         0,
         {2003, 4, 10},
         typeInto(Day, "45"),
         {2003, 5, 1},
         {"2003", " 5", "31"}},
        {"30 in February",
         1,
         {2004, 2, 10},
         typeInto(Day, "30"),
         {2004, 3, 1},
         {"2004", " 3", "30"}},
        {"month 13 ignored",
         0,
         {2003, 4, 10},
         [](DateBoxes& d) { d.box(Month)->setText("13"); },
         {2003, 4, 10},
         {"2003", "13", "10"}},
        {"a comma goes at once",
         1,
         {2003, 4, 10},
         [](DateBoxes& d) { d.box(Year)->setText("2,004"); },
         {2004, 4, 10},
         {"2004", "4", "10"}},
        {"31 December 9999, day up",
         1,
         {9999, 12, 31},
         [](DateBoxes& d) { d.spinner(Day)->stepUp(); },
         {9999, 12, 31},
         {"9999", "12", "31"}},
        {"day up from 31 December",
         0,
         {2003, 12, 31},
         [](DateBoxes& d) { d.spinner(Day)->stepUp(); },
         {2004, 1, 1},
         {" 2004", " 1", " 1"}},
        {"month down from 31 March",
         1,
         {2003, 3, 31},
         [](DateBoxes& d) { d.spinner(Month)->stepDown(); },
         {2003, 2, 28},
         {"2003", " 2", " 28"}},
        {"year down from 29 February",
         0,
         {2004, 2, 29},
         [](DateBoxes& d) { d.spinner(Year)->stepDown(); },
         {2003, 2, 28},
         {" 2003", "2", " 28"}},
        {"day box emptied",
         0,
         {2004, 3, 10},
         [](DateBoxes& d) { d.box(Day)->clear(); },
         {2004, 2, 29},
         {"2004", " 2", ""}},
        {"year box emptied",
         1,
         {2004, 3, 10},
         [](DateBoxes& d) { d.box(Year)->clear(); },
         {2004, 3, 10},
         {"", "3", "10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PeriodEntry entry;
        const SpinDate other{2000, 6, 15};
        c.index == 0 ? entry.setDates(c.from, other) : entry.setDates(other, c.from);
        c.action(*entry.date(c.index));
        EXPECT_EQ(entry.spinnerDate(c.index), c.to);
        EXPECT_EQ(entry.boxTexts(c.index), c.boxes);
        EXPECT_EQ(entry.spinnerDate(1 - c.index), other);
        EXPECT_EQ(entry.boxTexts(1 - c.index), (QStringList{"2000", "6", "15"}));
    }
}

TEST(PeriodEntry, GuardTakesTheNumbersAsTheyAreAndReportsNothing) {
    PeriodEntry entry;
    int hyoujiChu = 1;
    int changes = 0;
    entry.setGuard(&hyoujiChu);
    entry.onChangedByUser([&] {
        ++changes;
        EXPECT_EQ(entry.spinnerDate(0), (SpinDate{2004, 3, 1})); // reported once moved
    });
    DateBoxes& from = *entry.date(0);
    from.box(DatePart::Year)->setText("2004");
    from.box(DatePart::Month)->setText("2");
    from.box(DatePart::Day)->setText("31"); // no carry while the window fills
    EXPECT_EQ(entry.spinnerDate(0), (SpinDate{2004, 2, 31}));
    EXPECT_EQ(entry.boxTexts(0), (QStringList{"2004", "2", "31"}));
    EXPECT_EQ(changes, 0);

    hyoujiChu = 0;
    from.box(DatePart::Day)->setText("30"); // 30 February: 1 March
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(entry.boxTexts(0), (QStringList{"2004", " 3", "30"}));
}
