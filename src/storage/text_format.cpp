#include "text_format.h"

#include "atomic_file.h"
#include "cp932.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace lukana {

std::string formatNumber(double value, int significantDigits) {
    if (value == 0 || !std::isfinite(value))
        return " 0";
    char buf[40];
    int n = std::snprintf(buf, sizeof buf, "%.*G", significantDigits, value);
    std::string s(buf, static_cast<size_t>(n));
    bool negative = s[0] == '-';
    size_t digitsAt = negative ? 1 : 0;
    if (s.compare(digitsAt, 2, "0.") == 0)
        s.erase(digitsAt, 1);
    if (!negative)
        s.insert(s.begin(), ' ');
    return s;
}

std::string formatInteger(std::int64_t value) {
    std::string s = std::to_string(value);
    if (value >= 0)
        s.insert(s.begin(), ' ');
    return s;
}

namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool parseWhole(std::string_view s, std::int64_t& v) {
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    if (s.empty())
        return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && p == s.data() + s.size();
}

bool parseRounded(std::string_view text, std::int64_t lo, std::int64_t hi, int& out) {
    std::string_view s = trimBlanks(text);
    std::int64_t whole = 0;
    if (s.empty()) {
        whole = 0;
    } else if (!parseWhole(s, whole)) {
        double d = 0;
        if (!parseStoredDouble(s, d))
            return false;
        d = std::nearbyint(d); // half to even, as a conversion to an integer type rounds
        if (!(d >= static_cast<double>(lo) && d <= static_cast<double>(hi)))
            return false;
        whole = static_cast<std::int64_t>(d);
    }
    if (whole < lo || whole > hi)
        return false;
    out = static_cast<int>(whole);
    return true;
}

} // namespace

bool parseStoredDouble(std::string_view text, double& value) {
    std::string_view s = trimBlanks(text);
    if (s.empty()) {
        value = 0;
        return true;
    }
    if (s.front() == '+')
        s.remove_prefix(1);
    // Only decimal forms: no "inf", "nan" or hexadecimal.
    bool digit = false;
    for (char c : s) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '-' && c != '.' && c != 'E' && c != 'e' && c != '+')
            return false;
    }
    if (!digit)
        return false;
    double v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (ec != std::errc() || p != s.data() + s.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool parseStoredInteger(std::string_view text, int& value) {
    return parseRounded(text, -32768, 32767, value);
}

bool parseStoredLong(std::string_view text, int& value) {
    return parseRounded(text, std::numeric_limits<std::int32_t>::min(),
                        std::numeric_limits<std::int32_t>::max(), value);
}

bool TextReader::fail(std::string what) {
    if (error_.empty())
        error_ = what + " (値 " + std::to_string(valueIndex_) + ")";
    return false;
}

bool TextReader::nextField(std::string_view& field) {
    if (pos_ >= data_.size())
        return fail("ファイルが途中で終わっています");
    ++valueIndex_;
    size_t start = pos_;
    size_t end = start;
    while (end < data_.size() && data_[end] != ',' && data_[end] != '\r' && data_[end] != '\n')
        ++end;
    field = data_.substr(start, end - start);
    pos_ = end;
    if (pos_ < data_.size() && data_[pos_] == ',')
        ++pos_;
    // A line end closes the value; after a comma it closes nothing further.
    if (pos_ < data_.size() && data_[pos_] == '\r')
        ++pos_;
    if (pos_ < data_.size() && data_[pos_] == '\n')
        ++pos_;
    return true;
}

bool TextReader::readString(std::string& value) {
    std::string_view field;
    if (!nextField(field))
        return false;
    auto decoded = fromCp932(field);
    if (!decoded)
        return fail("文字を読めません");
    value = std::move(*decoded);
    return true;
}

bool TextReader::readDouble(double& value) {
    std::string_view field;
    if (!nextField(field))
        return false;
    return parseStoredDouble(field, value) || fail("数値を読めません");
}

bool TextReader::readInteger(int& value) {
    std::string_view field;
    if (!nextField(field))
        return false;
    return parseStoredInteger(field, value) || fail("数値を読めません");
}

bool TextReader::readLong(int& value) {
    std::string_view field;
    if (!nextField(field))
        return false;
    return parseStoredLong(field, value) || fail("数値を読めません");
}

bool TextReader::readCount(int& value, int capacity) {
    int n = 0;
    if (!readInteger(n))
        return false;
    if (n < 0 || n > capacity)
        return fail("件数が上限を超えています");
    value = n;
    return true;
}

bool TextReader::readLongCount(int& value, int capacity) {
    int n = 0;
    if (!readLong(n))
        return false;
    if (n < 0 || n > capacity)
        return fail("件数が上限を超えています");
    value = n;
    return true;
}

void TextWriter::putString(std::string_view utf8) {
    std::string clean;
    clean.reserve(utf8.size());
    for (char c : utf8)
        if (c != '\r' && c != '\n' && c != ',')
            clean.push_back(c);
    auto encoded = toCp932(clean);
    if (!encoded) {
        if (error_.empty())
            error_ = "Shift_JIS で保存できない文字があります: " + clean;
        bytes_.append("\r\n");
        return;
    }
    putLine(*encoded);
}

void TextWriter::putDouble(double value) {
    if (!std::isfinite(value) && error_.empty())
        error_ = "数値が正しくありません";
    putLine(formatNumber(value, kDoubleDigits));
}

Status TextWriter::commit(const std::string& path) const {
    if (!error_.empty())
        return Status::failure(error_ + ": " + path);
    return writeFileAtomically(path, bytes_);
}

} // namespace lukana
