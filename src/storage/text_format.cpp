#include "text_format.h"

#include "atomic_file.h"
#include "cp932.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>

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

// Past the comma or line end that closes a value at p. After a comma, a line end is the end
// of the next value and stays.
inline const char* pastValueEnd(const char* p, const char* end) {
    if (p >= end)
        return p;
    if (*p == ',')
        return p + 1;
    if (*p == '\r')
        ++p;
    if (p < end && *p == '\n')
        ++p;
    return p;
}

// The common value taken in one scan: blanks, an optional "-", 1 to 18 digits, blanks, then
// the end of the value, within [lo, hi]. Only such a value is taken (pos moves past it);
// for anything else nothing moves and the field goes to the stored-number parser, which
// gives these texts the same value (the sign of "-0" included): both accept and refuse alike.
[[gnu::always_inline]] inline bool takeWholeValue(std::string_view data, size_t& pos,
                                                  std::int64_t lo, std::int64_t hi,
                                                  std::int64_t& value, bool& negative) {
    const char* begin = data.data();
    const char* end = begin + data.size();
    const char* p = begin + pos;
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    negative = p < end && *p == '-';
    if (negative)
        ++p;
    const char* digits = p;
    std::uint64_t magnitude = 0;
    while (p < end) {
        unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (digit > 9)
            break;
        magnitude = magnitude * 10 + digit;
        ++p;
    }
    const std::ptrdiff_t count = p - digits;
    if (count == 0 || count > 18)
        return false;
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    if (p < end && !endsValue(*p))
        return false;
    const std::int64_t v =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (v < lo || v > hi)
        return false;
    value = v;
    pos = static_cast<size_t>(pastValueEnd(p, end) - begin);
    return true;
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

bool TextReader::readDouble(double& value) {
    std::int64_t whole = 0;
    bool negative = false;
    if (takeWholeValue(data_, pos_, INT64_MIN, INT64_MAX, whole, negative)) {
        ++valueIndex_;
        // Up to 18 digits convert exactly as from_chars would round them.
        const double magnitude = static_cast<double>(negative ? -whole : whole);
        value = negative ? -magnitude : magnitude;
        return true;
    }
    std::string_view field;
    if (!nextField(field))
        return false;
    return parseStoredDouble(field, value) || fail("数値を読めません");
}

bool TextReader::readWhole(int& value, std::int64_t lo, std::int64_t hi,
                           bool (*parse)(std::string_view, int&)) {
    std::int64_t whole = 0;
    bool negative = false;
    if (takeWholeValue(data_, pos_, lo, hi, whole, negative)) {
        ++valueIndex_;
        value = static_cast<int>(whole);
        return true;
    }
    std::string_view field;
    if (!nextField(field))
        return false;
    return parse(field, value) || fail("数値を読めません");
}

bool TextReader::readInteger(int& value) {
    return readWhole(value, kIntegerMin, kIntegerMax, parseStoredInteger);
}

bool TextReader::readLong(int& value) {
    return readWhole(value, INT32_MIN, INT32_MAX, parseStoredLong);
}

bool TextReader::takeCount(int n, int capacity, int& value) {
    if (n < 0 || n > capacity)
        return fail("件数が上限を超えています");
    value = n;
    return true;
}

bool TextReader::readCount(int& value, int capacity) {
    int n = 0;
    return readInteger(n) && takeCount(n, capacity, value);
}

bool TextReader::readLongCount(int& value, int capacity) {
    int n = 0;
    return readLong(n) && takeCount(n, capacity, value);
}

namespace {

// The buffer of the last writer, kept for the next one: a month file of some megabytes is
// then written without growing a buffer and touching fresh memory again.
struct SpareBuffer {
    std::unique_ptr<char[]> data;
    size_t capacity = 0;
};
thread_local SpareBuffer spare;

} // namespace

TextWriter::TextWriter() {
    buffer_ = std::move(spare.data);
    capacity_ = std::exchange(spare.capacity, 0);
}

TextWriter::~TextWriter() {
    if (capacity_ > spare.capacity) {
        spare.data = std::move(buffer_);
        spare.capacity = capacity_;
    }
}

// At least n writable bytes at the end of what was written.
char* TextWriter::room(size_t n) {
    if (capacity_ - used_ < n) {
        const size_t capacity = std::max({capacity_ * 2, used_ + n, size_t{4096}});
        // Not value-initialised: only what was written is ever read.
        std::unique_ptr<char[]> buffer(new char[capacity]);
        if (used_ > 0)
            std::memcpy(buffer.get(), buffer_.get(), used_);
        buffer_ = std::move(buffer);
        capacity_ = capacity;
    }
    return buffer_.get() + used_;
}

void TextWriter::refuse(std::string what) {
    if (error_.empty())
        error_ = std::move(what);
}

namespace {

void putLineInto(char* out, std::string_view text) {
    if (!text.empty())
        std::memcpy(out, text.data(), text.size());
    out[text.size()] = '\r';
    out[text.size() + 1] = '\n';
}

} // namespace

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
    if (!isAsciiText(text)) { // ASCII is the same text in both encodings
        if (toCp932(text, encoded)) {
            text = encoded;
        } else {
            refuse("Shift_JIS で保存できない文字があります: " + std::string(text));
            text = {};
        }
    }
    putLineInto(room(text.size() + 2), text);
    used_ += text.size() + 2;
}

void TextWriter::putLong(std::int64_t value) {
    char* out = room(kNumberRoom);
    size_t n = formatIntegerInto(out, value);
    out[n++] = '\r';
    out[n++] = '\n';
    used_ += n;
}

void TextWriter::putInteger(int value) {
    if (value < kIntegerMin || value > kIntegerMax)
        refuse("Integer の範囲を超える値があります (" + std::to_string(value) + ")");
    putLong(value);
}

int TextWriter::putCountWithin(int value, int limit) {
    const int fitting = std::clamp(value, 0, limit);
    if (fitting != value)
        refuse("件数が上限を超えています (" + std::to_string(value) + ")");
    putLong(value);
    return fitting;
}

int TextWriter::putCount(int value, int capacity) {
    return putCountWithin(value, std::min(capacity, kIntegerMax));
}

int TextWriter::putLongCount(int value, int capacity) {
    return putCountWithin(value, capacity);
}

void TextWriter::putDouble(double value) {
    if (!std::isfinite(value))
        refuse("数値が正しくありません");
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
