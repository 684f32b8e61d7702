#include "storage/cp932.h"
#include "storage/routines.h"
#include "storage/text_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// The code page decoder and the number readers: a decoded text encodes and decodes to itself,
// a number read back from its stored form is the same number, and the reader takes a value
// as the stored-number parser does.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (auto text = lukana::fromCp932(bytes)) {
        auto again = lukana::toCp932(*text);
        if (!again || lukana::fromCp932(*again) != *text)
            std::abort();
    }
    double d = 0;
    if (lukana::parseStoredDouble(bytes, d)) {
        double back = 0;
        if (!lukana::parseStoredDouble(lukana::formatNumber(d), back))
            std::abort();
        if (lukana::formatNumber(back) != lukana::formatNumber(d))
            std::abort();
    }
    int i = 0;
    if (lukana::parseStoredInteger(bytes, i) && (i < -32768 || i > 32767))
        std::abort();
    // The reader's own scan of whole numbers agrees with the stored-number parser.
    const std::string_view field = bytes.substr(0, bytes.find_first_of(",\r\n"));
    const std::string line = std::string(field) + "\r\n";
    double parsedDouble = 0, readDouble = 0;
    if (lukana::TextReader(line).readDouble(readDouble) !=
            lukana::parseStoredDouble(field, parsedDouble) ||
        readDouble != parsedDouble || std::signbit(readDouble) != std::signbit(parsedDouble))
        std::abort();
    int parsedWhole = 0, readWhole = 0;
    if (lukana::TextReader(line).readInteger(readWhole) !=
            lukana::parseStoredInteger(field, parsedWhole) ||
        readWhole != parsedWhole)
        std::abort();
    if (lukana::TextReader(line).readLong(readWhole) !=
            lukana::parseStoredLong(field, parsedWhole) ||
        readWhole != parsedWhole)
        std::abort();
    (void)lukana::leadingNumber(bytes);
    lukana::TextReader reader(bytes);
    std::string s;
    while (reader.readString(s)) {
    }
    return 0;
}
