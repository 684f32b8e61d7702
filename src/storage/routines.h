#pragma once
#include "status.h"

#include <string>
#include <string_view>
#include <vector>

namespace lukana {

// Removes every comma: a comma would split a stored value when it is read back.
std::string KanmaNuki(std::string_view text);

// Days of a month 1..12 of a year (28 to 31); 0 for any other month.
int Nissuu(int year, int month);

struct YearMonth {
    int year = 0, month = 0;
    auto operator<=>(const YearMonth&) const = default;
};
// The month before year/month: January's is December of the year before.
YearMonth monthBefore(int year, int month);

// A calendar date built as a calendar combines numbers: a day or month past its range
// carries into the next month or year, day 0 is the last day of the month before.
struct CivilDate {
    int year = 0, month = 0, day = 0;
    auto operator<=>(const CivilDate&) const = default;
};
CivilDate normalizeDate(long long year, long long month, long long day);
// Days since 1970-01-01 of a date combined the same way; exact for any input within
// a billion years, months or days (larger ones are clamped), and no loops.
long long serialDay(long long year, long long month, long long day);
bool isValidDate(int year, int month, int day);
// Weekday 0 Sunday .. 6 Saturday of a valid date.
int weekday(int year, int month, int day);
// Its one-character Japanese name: "日" .. "土".
std::string weekdayName(int year, int month, int day);

// The number a box or grid cell stands for: blanks are skipped wherever they stand, the value
// is the longest leading decimal number, the rest is ignored, and no number (or one beyond the
// range of a double) gives 0.
double leadingNumber(std::string_view text);

// Whole digits of the figure the leading number stands for, rounded to whole yen as boxes show
// it (999999999999.5 has 13; 1E5 has 6); a number beyond the range of a double has those its
// text gives (1E400 has 401), no number has none.
int leadingWholeDigits(std::string_view text);

// One line of a CSV file: the fields joined by ","; a field holding "," or a double quote is
// written in double quotes with its quotes doubled, so that it stays one field.
std::string csvLine(const std::vector<std::string>& fields);

// Writes csvText to the file at path as one value followed by CR LF.
Status writeCsvText(const std::string& path);
// The same on the file at filePath.
Status csvHozon();

} // namespace lukana
