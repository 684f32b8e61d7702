#include "display_format.h"

#include "routines.h"
#include "text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

namespace lukana {

namespace {

// The decimal digits of |value| as the stored form makes them (15 significant digits), with
// the power of ten of the first one: 1234.5 gives "123450000000000" and 3. Kept in place, as
// a window formats hundreds of cells at a time.
struct Digits {
    char digits[24];
    int count = 0;
    int exponent = 0;
};

void significantDigits(double value, Digits& d) {
    char buf[64];
    // A whole value below 1E15 has exactly these digits; the general form gives the same.
    if (const double magnitude = std::fabs(value);
        magnitude < 1e15 && std::trunc(magnitude) == magnitude) {
        char* end =
            std::to_chars(d.digits, d.digits + sizeof d.digits, static_cast<long long>(magnitude))
                .ptr;
        d.count = static_cast<int>(end - d.digits);
        d.exponent = d.count - 1;
        return;
    }
    char* end = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                              std::chars_format::scientific, kDoubleDigits - 1)
                    .ptr;
    const char* p = buf;
    d.count = 0;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.' && d.count < static_cast<int>(sizeof d.digits))
            d.digits[d.count++] = *p;
    if (p < end)
        std::from_chars(p + (p[1] == '+' ? 2 : 1), end, d.exponent);
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
    if (kept >= d.count)
        return;
    if (kept < 0) {
        d.count = 0;
        return;
    }
    const bool up = d.digits[kept] >= '5';
    d.count = kept;
    if (!up)
        return;
    int i = kept - 1;
    for (; i >= 0 && d.digits[i] == '9'; --i)
        d.digits[i] = '0';
    if (i >= 0) {
        ++d.digits[i];
    } else {
        // All nines: a one in front, the zeros after it.
        std::copy_backward(d.digits, d.digits + d.count, d.digits + d.count + 1);
        d.digits[0] = '1';
        ++d.count;
        ++d.exponent;
    }
}

// The pattern of that text, each taken apart once per thread.
const Pattern& patternOf(std::string_view text, Output output) {
    thread_local std::unordered_map<std::string, Pattern> parsed[2];
    thread_local std::string lastText[2];
    thread_local const Pattern* last[2] = {nullptr, nullptr};
    const int k = output == Output::Screen ? 0 : 1;
    if (last[k] && lastText[k] == text)
        return *last[k];
    auto& cache = parsed[k];
    auto found = cache.find(std::string(text));
    if (found == cache.end())
        found = cache.emplace(text, parsePattern(text, output)).first;
    lastText[k].assign(text);
    last[k] = &found->second;
    return found->second;
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
    const Pattern& pattern = patternOf(patternText, output);
    if (!std::isfinite(value))
        value = 0;
    if (pattern.percent)
        value *= 100;

    Digits d;
    if (value != 0) {
        significantDigits(value, d);
        roundDigits(d, d.exponent + 1 + pattern.maxDecimals);
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;

    // Whole part and decimals of the rounded magnitude.
    const int wholeCount = d.count == 0 ? 0 : d.exponent + 1;
    const int wholeShown = std::max(wholeCount, pattern.minWholeDigits);
    auto wholeDigit = [&](int i) { // i counted from the left of the shown whole part
        const int k = i - (wholeShown - wholeCount);
        return k >= 0 && k < d.count ? d.digits[k] : '0';
    };

    std::string out;
    if (value < 0 && d.count > 0)
        out += '-';
    out += pattern.prefix;
    for (int i = 0; i < wholeShown; ++i) {
        if (pattern.grouping && i > 0 && (wholeShown - i) % 3 == 0)
            out += ',';
        out += wholeDigit(i);
    }
    if (pattern.point) {
        out += '.';
        int written = 0;
        for (int i = wholeCount; i < d.count; ++i, ++written)
            out += i < 0 ? '0' : d.digits[i];
        for (; written < pattern.minDecimals; ++written)
            out += '0';
    }
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
