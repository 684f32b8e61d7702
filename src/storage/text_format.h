#pragma once
#include "status.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace lukana {

// Significant digits of the two floating types of the data files.
inline constexpr int kSingleDigits = 7;
inline constexpr int kDoubleDigits = 15;

// A number as the data files hold it: a blank before a value that is not negative, no
// decimal point for whole values, no zero before the point below 1, exponent form
// for very large or small values (" 1E+15", "-.25").
std::string formatNumber(double value, int significantDigits = kDoubleDigits);
std::string formatInteger(std::int64_t value);

// Parses a stored number: blanks around it are allowed, an empty value is 0, anything else
// that is not wholly a number fails.
bool parseStoredDouble(std::string_view text, double& value);
// Integer (16-bit) and Long (32-bit) fields; a fraction is rounded half to even as a
// conversion would, and a value outside the type's range fails.
bool parseStoredInteger(std::string_view text, int& value);
bool parseStoredLong(std::string_view text, int& value);

// Reads the values of a data file one after another. Values end at a line end (CR LF or
// LF) or at a comma; a line end right after a comma does not start another value.
class TextReader {
  public:
    explicit TextReader(std::string_view bytes) : data_(bytes) {}

    bool readString(std::string& value);
    bool readDouble(double& value) {
        std::int64_t whole = 0;
        bool negative = false;
        // A whole number of up to 18 digits converts exactly as from_chars would round it.
        if (scanWhole(INT64_MIN, INT64_MAX, whole, negative)) {
            double magnitude = static_cast<double>(negative ? -whole : whole);
            value = negative ? -magnitude : magnitude;
            return true;
        }
        return readDoubleField(value);
    }
    bool readInteger(int& value) {
        std::int64_t whole = 0;
        bool negative = false;
        if (scanWhole(-32768, 32767, whole, negative)) {
            value = static_cast<int>(whole);
            return true;
        }
        return readIntegerField(value);
    }
    bool readLong(int& value) {
        std::int64_t whole = 0;
        bool negative = false;
        if (scanWhole(INT32_MIN, INT32_MAX, whole, negative)) {
            value = static_cast<int>(whole);
            return true;
        }
        return readLongField(value);
    }
    // Reads an Integer count and checks it against a list's capacity.
    bool readCount(int& value, int capacity);
    bool readLongCount(int& value, int capacity);

    bool atEnd() const { return pos_ >= data_.size(); }
    // What went wrong at the first failure, for messages.
    const std::string& error() const { return error_; }

  private:
    bool nextField(std::string_view& field);
    // The general paths of the three number readers, for what scanWhole does not take.
    bool readDoubleField(double& value);
    bool readIntegerField(int& value);
    bool readLongField(int& value);

    // The common value in one scan: blanks, an optional "-", 1 to 18 digits, blanks, then the
    // end of the value, within [lo, hi]. Only such a value is taken (the reader moves past
    // it); for anything else nothing moves and the general path decides, which gives the same
    // value for these texts (the sign of "-0" included), so both paths accept and reject
    // alike.
    bool scanWhole(std::int64_t lo, std::int64_t hi, std::int64_t& value, bool& negative) {
        const char* begin = data_.data();
        const char* end = begin + data_.size();
        const char* p = begin + pos_;
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
        // The value ends here: at the end of the data, a comma or a line end, which is
        // passed as nextField passes it.
        if (p < end) {
            if (*p == ',')
                ++p;
            else if (*p != '\r' && *p != '\n')
                return false;
            if (p < end && *p == '\r')
                ++p;
            if (p < end && *p == '\n')
                ++p;
        }
        const std::int64_t v =
            negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
        if (v < lo || v > hi)
            return false;
        value = v;
        ++valueIndex_;
        pos_ = static_cast<size_t>(p - begin);
        return true;
    }
    bool fail(std::string what);

    std::string_view data_;
    size_t pos_ = 0;
    size_t valueIndex_ = 0;
    std::string error_;
};

// Collects the values of a data file in code page 932 and then replaces the file at once.
class TextWriter {
  public:
    TextWriter() { reserve(4096); }
    // Sizes the buffer once for a file of about this many bytes.
    void reserve(size_t bytes);
    // Line ends and commas are removed: either would split the value when it is read back.
    void putString(std::string_view utf8);
    void putInteger(int value) { putWhole(value); }
    void putLong(std::int64_t value) { putWhole(value); }
    void putDouble(double value);

    const std::string& bytes() const;
    // Fails without touching the file when a value could not be encoded.
    Status commit(const std::string& path) const;

  private:
    void putWhole(std::int64_t value);
    void putLine(std::string_view text);
    // At least n writable bytes at the end of what was written.
    char* room(size_t n) {
        if (capacity_ - used_ < n)
            grow(n);
        return buffer_.get() + used_;
    }
    void grow(size_t n);

    // The values are written into buffer_ up to used_; the rest is room, left uninitialised.
    std::unique_ptr<char[]> buffer_;
    size_t capacity_ = 0;
    size_t used_ = 0;
    mutable std::string copy_; // what bytes() hands out
    std::string error_;
};

} // namespace lukana
