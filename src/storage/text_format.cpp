#include "text_format.h"

#include "atomic_file.h"
#include "cp932.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace lukana {

namespace {

// Room for any number these functions write, with the CR LF the writer adds.
constexpr size_t kNumberRoom = 48;

// The stored form of a whole number into buf: " 12", "-12".
size_t formatIntegerInto(char* buf, std::int64_t value) {
    // Most values of the files are small counts, ids and quantities.
    if (value >= 0 && value < 1000) {
        const unsigned v = static_cast<unsigned>(value);
        buf[0] = ' ';
        if (v < 10) {
            buf[1] = static_cast<char>('0' + v);
            return 2;
        }
        if (v < 100) {
            buf[1] = static_cast<char>('0' + v / 10);
            buf[2] = static_cast<char>('0' + v % 10);
            return 3;
        }
        buf[1] = static_cast<char>('0' + v / 100);
        buf[2] = static_cast<char>('0' + v / 10 % 10);
        buf[3] = static_cast<char>('0' + v % 10);
        return 4;
    }
    char* p = buf;
    if (value >= 0)
        *p++ = ' ';
    p = std::to_chars(p, buf + kNumberRoom, value).ptr;
    return static_cast<size_t>(p - buf);
}

// printf's "%.*G" text of a number that is not 0, written at start == buf + 1, turned into its
// stored form at buf: a blank before a value that is not negative, no zero before the point.
// Returns the length.
size_t storedForm(char* buf, char* start, char* end) {
    const bool negative = *start == '-';
    char* digits = negative ? start + 1 : start;
    if (end - digits >= 2 && digits[0] == '0' && digits[1] == '.') {
        std::memmove(digits, digits + 1, static_cast<size_t>(end - digits - 1));
        --end;
    }
    if (negative) {
        std::memmove(buf, start, static_cast<size_t>(end - start));
        return static_cast<size_t>(end - start);
    }
    buf[0] = ' ';
    return static_cast<size_t>(end - buf);
}

// The stored form of a number into buf, as printf's "%.*G" makes it, for 1 to 17 significant
// digits (the room holds any such number).
size_t formatNumberInto(char* buf, double value, int significantDigits) {
    if (value == 0 || !std::isfinite(value)) {
        buf[0] = ' ';
        buf[1] = '0';
        return 2;
    }
    // A whole value of at most significantDigits digits prints under %G as the plain integer.
    static constexpr double kPowers[] = {1e0, 1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
                                         1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17};
    if (std::fabs(value) < kPowers[significantDigits] && std::trunc(value) == value)
        return formatIntegerInto(buf, static_cast<std::int64_t>(value));
    // std::to_chars with a precision is printf's "%.*g"; %G differs only in the letter E.
    char* start = buf + 1; // room for the blank
    char* end = std::to_chars(start, buf + kNumberRoom, value, std::chars_format::general,
                              significantDigits)
                    .ptr;
    for (char* p = start; p < end; ++p)
        if (*p == 'e')
            *p = 'E';
    return storedForm(buf, start, end);
}

} // namespace

std::string formatNumber(double value, int significantDigits) {
    if (significantDigits >= 1 && significantDigits <= 17) {
        char buf[kNumberRoom];
        return std::string(buf, formatNumberInto(buf, value, significantDigits));
    }
    // Any other precision (no file uses one): printf itself.
    if (value == 0 || !std::isfinite(value))
        return " 0";
    int n = std::snprintf(nullptr, 0, "%.*G", significantDigits, value);
    std::string s(static_cast<size_t>(n) + 2, '\0');
    std::snprintf(s.data() + 1, static_cast<size_t>(n) + 1, "%.*G", significantDigits, value);
    s.resize(storedForm(s.data(), s.data() + 1, s.data() + 1 + n));
    return s;
}

std::string formatInteger(std::int64_t value) {
    char buf[kNumberRoom];
    return std::string(buf, formatIntegerInto(buf, value));
}

namespace {

bool isAsciiText(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

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

namespace {

inline bool endsValue(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

// Past the comma or line end that closes a value at p. A line end closes the value; after a
// comma it closes nothing further.
inline const char* pastValueEnd(const char* p, const char* end) {
    if (p < end && *p == ',')
        ++p;
    if (p < end && *p == '\r')
        ++p;
    if (p < end && *p == '\n')
        ++p;
    return p;
}

} // namespace

bool TextReader::nextField(std::string_view& field) {
    if (pos_ >= data_.size())
        return fail("ファイルが途中で終わっています");
    ++valueIndex_;
    const char* begin = data_.data();
    const char* end = begin + data_.size();
    const char* start = begin + pos_;
    const char* p = start;
    while (p < end && !endsValue(*p))
        ++p;
    field = std::string_view(start, static_cast<size_t>(p - start));
    pos_ = static_cast<size_t>(pastValueEnd(p, end) - begin);
    return true;
}

bool TextReader::readString(std::string& value) {
    std::string_view field;
    if (!nextField(field))
        return false;
    if (isAsciiText(field)) { // the same text in both encodings
        value.assign(field);
        return true;
    }
    // Decoded aside, so that a text that cannot be read leaves the value as it was.
    thread_local std::string decoded;
    if (!fromCp932(field, decoded))
        return fail("文字を読めません");
    value.assign(decoded);
    return true;
}

bool TextReader::readDoubleField(double& value) {
    std::string_view field;
    if (!nextField(field))
        return false;
    return parseStoredDouble(field, value) || fail("数値を読めません");
}

bool TextReader::readIntegerField(int& value) {
    std::string_view field;
    if (!nextField(field))
        return false;
    return parseStoredInteger(field, value) || fail("数値を読めません");
}

bool TextReader::readLongField(int& value) {
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

void TextWriter::reserve(size_t bytes) {
    if (capacity_ < bytes)
        grow(bytes - used_);
}

void TextWriter::grow(size_t n) {
    size_t capacity = std::max(capacity_ * 2, used_ + n);
    // Not value-initialised: only what was written is ever read.
    std::unique_ptr<char[]> buffer(new char[capacity]);
    if (used_ > 0)
        std::memcpy(buffer.get(), buffer_.get(), used_);
    buffer_ = std::move(buffer);
    capacity_ = capacity;
}

const std::string& TextWriter::bytes() const {
    copy_.assign(buffer_.get(), used_);
    return copy_;
}

void TextWriter::putLine(std::string_view text) {
    char* out = room(text.size() + 2);
    if (!text.empty())
        std::memcpy(out, text.data(), text.size());
    out[text.size()] = '\r';
    out[text.size() + 1] = '\n';
    used_ += text.size() + 2;
}

void TextWriter::putString(std::string_view utf8) {
    // Scratch storage reused from value to value.
    thread_local std::string clean, encoded;
    std::string_view text = utf8;
    if (utf8.find_first_of(",\r\n") != std::string_view::npos) {
        clean.clear();
        for (char c : utf8)
            if (c != '\r' && c != '\n' && c != ',')
                clean.push_back(c);
        text = clean;
    }
    if (isAsciiText(text)) { // the same text in both encodings
        putLine(text);
        return;
    }
    if (!toCp932(text, encoded)) {
        if (error_.empty())
            error_ = "Shift_JIS で保存できない文字があります: " + std::string(text);
        putLine({});
        return;
    }
    putLine(encoded);
}

void TextWriter::putWhole(std::int64_t value) {
    char* out = room(kNumberRoom);
    size_t n = formatIntegerInto(out, value);
    out[n++] = '\r';
    out[n++] = '\n';
    used_ += n;
}

void TextWriter::putDouble(double value) {
    if (!std::isfinite(value) && error_.empty())
        error_ = "数値が正しくありません";
    char* out = room(kNumberRoom);
    size_t n = formatNumberInto(out, value, kDoubleDigits);
    out[n++] = '\r';
    out[n++] = '\n';
    used_ += n;
}

Status TextWriter::commit(const std::string& path) const {
    if (!error_.empty())
        return Status::failure(error_ + ": " + path);
    return writeFileAtomically(path, std::string_view(buffer_.get(), used_));
}

} // namespace lukana
