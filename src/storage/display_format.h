#pragma once
// Number forms of screens, paper and exported files.
#include <string>
#include <string_view>

namespace lukana {

// Where a formatted text goes: the yen mark of a pattern is "¥" (U+00A5) on screen and paper
// and the byte 0x5C in files (a backslash, which the Japanese fonts draw as the yen mark).
enum class Output { Screen, File };

// Amounts go up to 999,999,999,999 yen: an amount box takes no more whole digits.
inline constexpr int kAmountDigits = 12;

// The figure of so many whole digits that is widest when shown: all nines, negative.
constexpr double widestFigure(int digits) {
    double nines = 0;
    for (int i = 0; i < digits; ++i)
        nines = nines * 10 + 9;
    return -nines;
}

// The widest amount a box takes: in the form a box or column shows it, it gives the widest
// text that box or column must show whole.
inline constexpr double kWidestAmount = widestFigure(kAmountDigits);
static_assert(kWidestAmount == -999'999'999'999);

// A number as captions, messages and date boxes show it: a blank before a value that is not
// negative (" 12", "-3", " .5").
std::string Str(double value);

// A stored value as a cell or box shows it: Str's digits without the blank (15 significant
// digits, no zero before the point), exponent form only from 1E15 on.
std::string plainDecimal(double value);

// A number by a display pattern: "###,##0", "###,###", "######", "\\###,###", "\@###,###",
// "\@###,###.##", "###.##%". '0' shows a digit always, '#' only where the value has one, ','
// groups in threes, '.' stands always (0.25 by "###.##%" is "25.%"), '%' takes the value
// times 100, a backslash makes the next character literal ("\\" is the yen mark). Rounded
// half away from zero; a negative value has its minus sign in front ("-¥1,234").
std::string Format(double value, std::string_view pattern, Output output = Output::Screen);
// A text that is wholly a number (blanks around it and grouping commas allowed) is formatted;
// any other text, the empty one included, stays as it is.
std::string Format(std::string_view text, std::string_view pattern, Output output = Output::Screen);

} // namespace lukana
