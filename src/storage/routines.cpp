#include "routines.h"

#include "atomic_file.h"
#include "cp932.h"
#include "state.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>

namespace lukana {

std::string KanmaNuki(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ',')
            out.push_back(c);
    return out;
}

namespace {
bool leapYear(long long y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}
int monthLength(long long y, int m) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leapYear(y) ? 29 : lengths[m - 1];
}
} // namespace

int Nissuu(int year, int month) {
    if (month < 1 || month > 12)
        return 0; // no such month: callers test for it
    return monthLength(year, month);
}

YearMonth monthBefore(int year, int month) {
    return month == 1 ? YearMonth{year - 1, 12} : YearMonth{year, month - 1};
}

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= monthLength(year, month);
}

long long serialDay(long long year, long long month, long long day) {
    constexpr long long limit = 1'000'000'000;
    auto clamp = [](long long v) { return v < -limit ? -limit : v > limit ? limit : v; };
    year = clamp(year);
    month = clamp(month);
    day = clamp(day);
    long long months = year * 12 + (month - 1);
    long long y = months >= 0 ? months / 12 : -((11 - months) / 12);
    long long m = months - y * 12 + 1; // 1..12
    // Days from the civil calendar, for the first of the month.
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yoe = y - era * 400;
    long long doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5;
    long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + (day - 1);
}

CivilDate normalizeDate(long long year, long long month, long long day) {
    long long z = serialDay(year, month, day) + 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    long long d = doy - (153 * mp + 2) / 5 + 1;
    long long m = mp < 10 ? mp + 3 : mp - 9;
    long long y = yoe + era * 400 + (m <= 2);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

int weekday(int year, int month, int day) {
    using namespace std::chrono;
    sys_days d =
        year_month_day{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                       std::chrono::day(static_cast<unsigned>(day))};
    return static_cast<int>(std::chrono::weekday(d).c_encoding());
}

std::string weekdayName(int year, int month, int day) {
    static constexpr const char* kNames[] = {"日", "月", "火", "水", "木", "金", "土"};
    return kNames[weekday(year, month, day)];
}

namespace {

// The longest leading number of a text, blanks dropped: [+-]digits[.digits][E[+-]digits].
struct NumberText {
    std::string chars;                          // the text without blanks
    size_t mantissa = 0, exponent = 0, end = 0; // where the unsigned mantissa, E and number end
    bool found = false;
    bool negative = false;
};

NumberText scanLeadingNumber(std::string_view text) {
    NumberText n;
    n.chars.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            n.chars.push_back(c);
    const std::string& s = n.chars;
    auto digit = [&](size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        n.negative = s[i++] == '-';
    n.mantissa = i;
    for (; digit(i); ++i)
        n.found = true;
    if (i < s.size() && s[i] == '.')
        for (++i; digit(i); ++i)
            n.found = true;
    n.exponent = n.end = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        const size_t digitsFrom = j;
        while (digit(j))
            ++j;
        if (j > digitsFrom)
            n.end = j;
    }
    return n;
}

// The magnitude of the number; false when it lies beyond the range of a double.
bool magnitudeOf(const NumberText& n, double& value) {
    value = 0;
    const char* from = n.chars.data() + n.mantissa;
    return std::from_chars(from, n.chars.data() + n.end, value).ec !=
           std::errc::result_out_of_range;
}

// Whole digits of a number beyond the range of a double, from its text: those of the mantissa
// from its first digit that is not 0, moved by the exponent; none for a number too small.
int wholeDigitsOfText(const NumberText& n) {
    constexpr long long kFar = 1'000'000; // any exponent past this is as good as it
    long long beforePoint = 0, leadingZeros = 0;
    bool point = false, nonZero = false;
    for (size_t i = n.mantissa; i < n.exponent; ++i) {
        const char c = n.chars[i];
        if (c == '.') {
            point = true;
            continue;
        }
        if (!nonZero && c == '0')
            ++leadingZeros;
        nonZero = nonZero || c != '0';
        if (!point)
            ++beforePoint;
    }
    long long exponent = 0;
    size_t i = n.exponent + 1;
    const bool down = i < n.end && n.chars[i] == '-';
    for (; i < n.end; ++i)
        if (n.chars[i] >= '0' && n.chars[i] <= '9')
            exponent = std::min(kFar, exponent * 10 + (n.chars[i] - '0'));
    const long long whole = beforePoint - leadingZeros + (down ? -exponent : exponent);
    return nonZero ? static_cast<int>(std::clamp(whole, 0LL, kFar)) : 0;
}

} // namespace

double leadingNumber(std::string_view text) {
    const NumberText n = scanLeadingNumber(text);
    double v = 0;
    if (!n.found || !magnitudeOf(n, v))
        return 0;
    return n.negative ? -v : v;
}

int leadingWholeDigits(std::string_view text) {
    const NumberText n = scanLeadingNumber(text);
    double v = 0;
    if (!n.found)
        return 0;
    if (!magnitudeOf(n, v))
        return wholeDigitsOfText(n);
    // Whole yen as a box or cell shows the figure: halves away from zero.
    const double whole = std::round(v);
    int digits = 0;
    for (double power = 1; whole >= power; power *= 10)
        ++digits;
    return digits;
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        const std::string& field = fields[i];
        if (field.find_first_of(",\"") == std::string::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (char c : field) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
    }
    return line;
}

Status writeCsvText(const std::string& path) {
    auto encoded = toCp932(csvText);
    if (!encoded)
        return Status::failure("Shift_JIS で保存できない文字があります: " + path);
    return writeFileAtomically(path, *encoded + "\r\n");
}

Status csvHozon() {
    return writeCsvText(filePath);
}

} // namespace lukana
