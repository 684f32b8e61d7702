#pragma once
#include "status.h"

#include <cstdint>
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
    bool readDouble(double& value);
    bool readInteger(int& value);
    bool readLong(int& value);
    // Reads an Integer count and checks it against a list's capacity.
    bool readCount(int& value, int capacity);
    bool readLongCount(int& value, int capacity);

    bool atEnd() const { return pos_ >= data_.size(); }
    // What went wrong at the first failure, for messages.
    const std::string& error() const { return error_; }

  private:
    bool nextField(std::string_view& field);
    bool scanWhole(std::int64_t lo, std::int64_t hi, std::int64_t& value, bool& negative);
    bool fail(std::string what);

    std::string_view data_;
    size_t pos_ = 0;
    size_t valueIndex_ = 0;
    std::string error_;
};

// Collects the values of a data file in code page 932 and then replaces the file at once.
class TextWriter {
  public:
    TextWriter() { bytes_.reserve(4096); }
    // Sizes the buffer once for a file of about this many bytes.
    void reserve(size_t bytes) { bytes_.reserve(bytes); }
    // Line ends and commas are removed: either would split the value when it is read back.
    void putString(std::string_view utf8);
    void putInteger(int value) { putWhole(value); }
    void putLong(std::int64_t value) { putWhole(value); }
    void putDouble(double value);

    const std::string& bytes() const { return bytes_; }
    // Fails without touching the file when a value could not be encoded.
    Status commit(const std::string& path) const;

  private:
    void putWhole(std::int64_t value);
    void putLine(std::string_view text) {
        bytes_.append(text);
        bytes_.append("\r\n");
    }
    std::string bytes_;
    std::string error_;
};

} // namespace lukana
