#include "display_format.h"

#include "routines.h"
#include "text_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

namespace lukana {

namespace {

// The decimal digits of |value| as the stored form makes them (15 significant digits), with
// the power of ten of the first one: 1234.5 gives "123450000000000" and 3.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits significantDigits(double value) {
    char buf[64];
    // A whole value below 1E15 has exactly these digits; the general form gives the same.
    if (const double magnitude = std::fabs(value);
        magnitude < 1e15 && std::trunc(magnitude) == magnitude) {
        char* end = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(magnitude)).ptr;
        Digits d;
        d.digits.assign(buf, end);
        d.exponent = static_cast<int>(end - buf) - 1;
        return d;
    }
    char* end = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                              std::chars_format::scientific, kDoubleDigits - 1)
                    .ptr;
    Digits d;
    const char* p = buf;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.')
            d.digits.push_back(*p);
    if (p < end)
        std::from_chars(p + (p[1] == '+' ? 2 : 1), end, d.exponent);
    return d;
}

// A pattern taken apart: literal text before and after the digit places.
struct Pattern {
    std::string prefix, suffix;
    int minWholeDigits = 0;
    bool grouping = false;
    bool point = false;
    int maxDecimals = 0, minDecimals = 0;
    bool percent = false;
};

bool isDigitPlace(char c) {
    return c == '#' || c == '0' || c == ',' || c == '.';
}

// Appends the literal at pattern[i] (a backslash makes the next character literal).
size_t takeLiteral(std::string_view pattern, size_t i, std::string& to, Output output,
                   bool& percent) {
    if (pattern[i] == '\\' && i + 1 < pattern.size()) {
        if (pattern[i + 1] == '\\')
            to += output == Output::Screen ? "\u00A5" : "\\";
        else
            to += pattern[i + 1];
        return i + 2;
    }
    if (pattern[i] == '%')
        percent = true;
    to += pattern[i];
    return i + 1;
}

Pattern parsePattern(std::string_view text, Output output) {
    Pattern p;
    size_t i = 0;
    while (i < text.size() && !isDigitPlace(text[i]))
        i = takeLiteral(text, i, p.prefix, output, p.percent);
    for (; i < text.size() && isDigitPlace(text[i]); ++i) {
        const char c = text[i];
        if (c == '.') {
            p.point = true;
        } else if (c == ',') {
            p.grouping = p.grouping || !p.point;
        } else if (p.point) {
            ++p.maxDecimals;
            if (c == '0')
                p.minDecimals = p.maxDecimals;
        } else if (c == '0' || p.minWholeDigits > 0) {
            ++p.minWholeDigits;
        }
    }
    while (i < text.size())
        i = takeLiteral(text, i, p.suffix, output, p.percent);
    return p;
}

// Rounds the digits half away from zero to `kept` of them; a carry moves the exponent.
void roundDigits(Digits& d, int kept) {
    if (kept >= static_cast<int>(d.digits.size()))
        return;
    if (kept < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<size_t>(kept)] >= '5';
    d.digits.resize(static_cast<size_t>(kept));
    if (!up)
        return;
    int i = kept - 1;
    for (; i >= 0 && d.digits[static_cast<size_t>(i)] == '9'; --i)
        d.digits[static_cast<size_t>(i)] = '0';
    if (i >= 0) {
        ++d.digits[static_cast<size_t>(i)];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
    }
}

std::string groupThousands(const std::string& whole) {
    std::string out;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            out += ',';
        out += whole[i];
    }
    return out;
}

} // namespace

std::string Str(double value) {
    return formatNumber(value);
}

std::string plainDecimal(double value) {
    std::string s = formatNumber(value);
    if (!s.empty() && s.front() == ' ')
        s.erase(0, 1);
    const size_t e = s.find('E');
    if (e == std::string::npos || s[e + 1] != '-')
        return s;
    // A small value written out: "1.5E-05" is ".000015".
    const bool negative = s.front() == '-';
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < e; ++i)
        if (s[i] != '.')
            digits += s[i];
    const int exponent = std::atoi(s.c_str() + e + 1);
    return (negative ? "-." : ".") + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
}

std::string Format(double value, std::string_view patternText, Output output) {
    // A window formats many cells by the same few patterns: each is taken apart once.
    thread_local std::unordered_map<std::string, Pattern> parsed[2];
    auto& cache = parsed[output == Output::Screen ? 0 : 1];
    auto found = cache.find(std::string(patternText));
    if (found == cache.end())
        found = cache.emplace(patternText, parsePattern(patternText, output)).first;
    const Pattern& pattern = found->second;
    if (!std::isfinite(value))
        value = 0;
    if (pattern.percent)
        value *= 100;

    Digits d;
    if (value != 0) {
        d = significantDigits(value);
        roundDigits(d, d.exponent + 1 + pattern.maxDecimals);
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();

    // Whole part and decimals of the rounded magnitude.
    std::string whole, decimals;
    const int wholeCount = d.digits.empty() ? 0 : d.exponent + 1;
    for (int i = 0; i < wholeCount; ++i)
        whole += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(i)] : '0';
    for (int i = wholeCount; i < static_cast<int>(d.digits.size()); ++i)
        decimals += i < 0 ? '0' : d.digits[static_cast<size_t>(i)];
    if (static_cast<int>(whole.size()) < pattern.minWholeDigits)
        whole.insert(0, static_cast<size_t>(pattern.minWholeDigits) - whole.size(), '0');
    if (static_cast<int>(decimals.size()) < pattern.minDecimals)
        decimals.append(static_cast<size_t>(pattern.minDecimals) - decimals.size(), '0');

    std::string out;
    if (value < 0 && !d.digits.empty())
        out += '-';
    out += pattern.prefix;
    out += pattern.grouping ? groupThousands(whole) : whole;
    if (pattern.point)
        out += '.' + decimals;
    out += pattern.suffix;
    return out;
}

std::string Format(std::string_view text, std::string_view pattern, Output output) {
    const std::string digits = KanmaNuki(text);
    double value = 0;
    if (digits.find_first_not_of(" \t") == std::string::npos || !parseStoredDouble(digits, value))
        return std::string(text);
    return Format(value, pattern, output);
}

} // namespace lukana
