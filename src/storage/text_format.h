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

// The range of an Integer field.
inline constexpr int kIntegerMin = -32768;
inline constexpr int kIntegerMax = 32767;

// Reads the values of a data file one after another. A value ends at a comma or at a line
// end (CR LF or LF); after a comma, a line end ends one more, empty value.
class TextReader {
  public:
    explicit TextReader(std::string_view bytes) : data_(bytes) {}

    bool readString(std::string& value);
    bool readDouble(double& value);
    bool readInteger(int& value);
    bool readLong(int& value);
    // Reads a count (Integer or Long) and checks it against a list's capacity.
    bool readCount(int& value, int capacity);
    bool readLongCount(int& value, int capacity);

    bool atEnd() const { return pos_ >= data_.size(); }
    // What went wrong at the first failure, for messages.
    const std::string& error() const { return error_; }

  private:
    bool nextField(std::string_view& field);
    bool readWhole(int& value, std::int64_t lo, std::int64_t hi,
                   bool (*parse)(std::string_view, int&));
    bool takeCount(int n, int capacity, int& value);
    bool fail(std::string what);

    std::string_view data_;
    size_t pos_ = 0;
    size_t valueIndex_ = 0;
    std::string error_;
};

// Collects the values of a data file in code page 932 and then replaces the file at once.
// It refuses what its reader could not read back: a text outside code page 932, a number
// that is not finite, an Integer outside 16 bits, a count outside its capacity. A refused
// file is never written.
class TextWriter {
  public:
    TextWriter();
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    // Line ends and commas are removed: either would split the value when it is read back.
    void putString(std::string_view utf8);
    void putInteger(int value);
    void putLong(std::int64_t value);
    void putDouble(double value);
    // Writes a count (Integer or Long) and returns how many entries follow: the count, or
    // for a refused one the nearest that stays within the list.
    int putCount(int value, int capacity);
    int putLongCount(int value, int capacity);

    std::string bytes() const { return std::string(buffer_.get(), used_); }
    // Fails without touching the file when a value was refused.
    Status commit(const std::string& path) const;

  private:
    char* room(size_t n);
    int putCountWithin(int value, int limit);
    void refuse(std::string what);

    // The values are written into buffer_ up to used_; the rest is room, left uninitialised.
    std::unique_ptr<char[]> buffer_;
    size_t capacity_ = 0;
    size_t used_ = 0;
    std::string error_;
};

} // namespace lukana
