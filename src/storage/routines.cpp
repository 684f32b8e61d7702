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
bool leapYear(long long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int monthLength(long long y, int m) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leapYear(y) ? 29 : lengths[m - 1];
}
} // namespace

int Nissuu(int year, int month) {
    if (month < 1 || month > 12)
        return 31;
    return monthLength(year, month);
}

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= monthLength(year, month);
}

CivilDate normalizeDate(long long year, long long month, long long day) {
    // Month first, then the day through the days since the epoch: no loop, any input.
    long long m0 = month - 1;
    long long y = year + (m0 >= 0 ? m0 / 12 : -((11 - m0) / 12));
    long long m = m0 - (y - year) * 12 + 1;
    using namespace std::chrono;
    sys_days first = year_month_day{std::chrono::year(static_cast<int>(y)),
                                    std::chrono::month(static_cast<unsigned>(m)), std::chrono::day(1)};
    sys_days d = first + days(day - 1);
    year_month_day ymd(d);
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int weekday(int year, int month, int day) {
    using namespace std::chrono;
    sys_days d = year_month_day{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                std::chrono::day(static_cast<unsigned>(day))};
    return static_cast<int>(std::chrono::weekday(d).c_encoding());
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

Status csvHozon() {
    auto encoded = toCp932(csvText);
    if (!encoded)
        return Status::failure("Shift_JIS で保存できない文字があります: " + filePath);
    return writeFileAtomically(filePath, *encoded + "\r\n");
}

} // namespace lukana
