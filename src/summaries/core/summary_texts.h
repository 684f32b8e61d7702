#pragma once
// The texts of the summary lists, made when a row is drawn or printed.
#include "party_names.h"
#include "summary_list.h"

#include <string>

namespace lukana {

// "¥1,234", "-¥1,234", "¥" for zero (on screen and paper).
std::string yen(double value);

// " 12/ 5": each number after its sign place.
std::string monthDayText(int month, int day);

// The date column: " 2003/ 12/ 5" in the period list, " 12/ 5" in the monthly summary.
enum class DateForm { YearMonthDay, MonthDay };

// The date column's text.
std::string summaryDateText(const SummaryRow& row, DateForm form);

// Column c (0 date, 1 amount less tax, 2 its running sum, 3 tax, 4 running tax, 5 amount,
// 6 running amount, 7 from party, 8 to party) of a row.
std::string summaryCellText(const SummaryRow& row, int column, DateForm form,
                            const PartyNames& names);

// The date as printed: the period list's from its fourth character on ("03/ 12/ 5").
std::string printedDate(const SummaryRow& row, DateForm form);

inline constexpr int kSummaryColumns = 9;

} // namespace lukana
