#pragma once
// Month-to-date figures of the daily report: the stored days before the shown one plus the
// value on screen, and the card sales of the credit period.
#include "storage/state.h"

#include <string>

namespace lukana {

// What the month-to-date figures of a shown day read.
struct ShownDay {
    const NippouMonth* days = nullptr;       // the working month in memory
    const NippouMonth* daysBefore = nullptr; // the month before it
    int month = 0;                           // working month 1..12
    int monthBefore = 0;                     // 1..12
    int day = 0;                             // shown day 1..31
    int monthDays = 0;                       // days of the working month
    int creditClosingDay = 31;               // 0 and 31 both mean the month's end
};

// kingaku(index) of days 1 to day - 1 of the month, plus the value on screen; 0 when the sum
// leaves the range of a double.
double monthToDate(const NippouMonth& month, int index, int day, double shownValue);

struct CardSales {
    double total = 0;
    std::string caption; // "累計クレジット; 11月 21日～ 12月 20日のカード売り"
    std::string figure;  // the total by "###,###", empty for 0
};

// The card sales of the credit period that ends on the closing day: from the day after the
// closing day of the month before to the closing day of the working month, the shown day
// counted once with the value on screen while it lies within the period. Closing at the
// month's end: days 1 to the shown day.
CardSales cardSales(const ShownDay& shown, double shownValue);

// A sum or quotient that left the range of a double is 0: never "inf" or "nan" on screen or in
// a file.
double finiteOrZero(double value);

} // namespace lukana
