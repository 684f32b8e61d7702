#include "routines.h"

#include "atomic_file.h"
#include "cp932.h"
#include "state.h"

#include <charconv>
#include <chrono>

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

double leadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            s.push_back(c);
    // Longest prefix of the form [+-]digits[.digits][E[+-]digits].
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    size_t mantissaStart = i;
    bool digits = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0;
    size_t end = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        size_t expStart = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            ++j;
        if (j > expStart)
            end = j;
    }
    std::string_view num(s.data() + mantissaStart, end - mantissaStart);
    double v = 0;
    auto [p, ec] = std::from_chars(num.data(), num.data() + num.size(), v);
    if (ec == std::errc::result_out_of_range)
        return 0;
    (void)p;
    return s[0] == '-' ? -v : v;
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
