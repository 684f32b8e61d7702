#include "storage/cp932.h"
#include "storage/text_format.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

using namespace lukana;

TEST(NumberFormat, WritesTheStoredForm) {
    struct Case {
        double value;
        int digits;
        const char* text;
    };
    const Case cases[] = {
        {1500, kDoubleDigits, " 1500"},
        {-2.5, kDoubleDigits, "-2.5"},
        {0.25, kDoubleDigits, " .25"},
        {-0.25, kDoubleDigits, "-.25"},
        {0.5, kDoubleDigits, " .5"},
        {1e15, kDoubleDigits, " 1E+15"},
        {0, kDoubleDigits, " 0"},
        {-0.0, kDoubleDigits, " 0"},
        {12345678, kDoubleDigits, " 12345678"},
        {123456789012345, kDoubleDigits, " 123456789012345"},
        {1.5e-5, kDoubleDigits, " 1.5E-05"},
        {0.001, kDoubleDigits, " .001"},
        {1.0 / 3, kDoubleDigits, " .333333333333333"},
        {12345678, kSingleDigits, " 1.234568E+07"},
        {1234567, kSingleDigits, " 1234567"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatNumber(c.value, c.digits), c.text) << c.value;
        double back = 0;
        ASSERT_TRUE(parseStoredDouble(formatNumber(c.value, c.digits), back));
        if (c.digits == kDoubleDigits && c.value != 1.0 / 3) {
            EXPECT_EQ(back, c.value);
        }
    }
    EXPECT_EQ(formatInteger(0), " 0");
    EXPECT_EQ(formatInteger(-7), "-7");
    EXPECT_EQ(formatInteger(32767), " 32767");
}

TEST(NumberFormat, ReadsWhatReadersAccept) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {" 1500", true, 1500},  {"1500 ", true, 1500}, {"  -.25  ", true, -0.25}, {"+3", true, 3},
        {" 1E+15", true, 1e15}, {"", true, 0},         {"   ", true, 0},          {"12a", false, 0},
        {"abc", false, 0},      {"1 2", false, 0},     {"nan", false, 0},         {"inf", false, 0},
        {"0x10", false, 0},     {"-", false, 0},       {".", false, 0},
    };
    for (const auto& c : cases) {
        double v = -1;
        EXPECT_EQ(parseStoredDouble(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
    int i = 0;
    EXPECT_TRUE(parseStoredInteger(" 32767", i));
    EXPECT_EQ(i, 32767);
    EXPECT_FALSE(parseStoredInteger(" 32768", i));
    EXPECT_TRUE(parseStoredInteger(" 2.5", i)); // rounds half to even
    EXPECT_EQ(i, 2);
    EXPECT_TRUE(parseStoredLong("-2147483648", i));
    EXPECT_FALSE(parseStoredLong(" 2147483648", i));
    EXPECT_FALSE(parseStoredLong(" 1E+300", i));
}

TEST(TextReader, SplitsValuesAtLineEndsAndCommas) {
    // CR LF, a bare LF, a comma splitting a line, a comma before a line end (which then ends
    // one more, empty value), an empty line.
    TextReader r(" 1\r\n 2\n 3,4\r\na,\r\nb\r\n\r\n");
    int a = 0, b = 0, c = 0, d = 0;
    std::string s1, s2, s3, s4;
    ASSERT_TRUE(r.readInteger(a));
    ASSERT_TRUE(r.readInteger(b));
    ASSERT_TRUE(r.readInteger(c));
    ASSERT_TRUE(r.readInteger(d));
    ASSERT_TRUE(r.readString(s1));
    ASSERT_TRUE(r.readString(s2));
    ASSERT_TRUE(r.readString(s3));
    ASSERT_TRUE(r.readString(s4));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(d, 4);
    EXPECT_EQ(s1, "a");
    EXPECT_EQ(s2, "");
    EXPECT_EQ(s3, "b");
    EXPECT_EQ(s4, "");
    EXPECT_TRUE(r.atEnd());
    EXPECT_FALSE(r.readString(s1)); // the file has ended
    EXPECT_FALSE(r.error().empty());

    // A number before a comma and line end: the empty value after it reads as 0.
    TextReader numbers(" 5,\r\n 6\r\n");
    double x = -1, y = -1, z = -1;
    ASSERT_TRUE(numbers.readDouble(x));
    ASSERT_TRUE(numbers.readDouble(y));
    ASSERT_TRUE(numbers.readDouble(z));
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(z, 6);
}

// The reader takes the common whole numbers in one scan of its own; every other text goes to
// the stored-number parser. Both must agree on every text.
TEST(TextReader, AgreesWithTheStoredNumberParser) {
    const char* texts[] = {// the fuzz seeds' values
                           " 1500", "-.25", " 1E+15", "x",
                           // whole numbers at and past each type's ends
                           " 0", "-0", "0", " 7", "-7", "007", " 32767", " 32768", "-32768",
                           "-32769", " 2147483647", " 2147483648", "-2147483648", "-2147483649",
                           " 999999999999999999", " 1000000000000000000", " 123456789012345678901",
                           // blanks, signs, fractions and what is no number
                           "", " ", "\t12\t", "  12  ", "+12", "- 12", "--1", "1-", "12a", "1 2",
                           " 2.5", " 3.5", "-2.5", " .5", "1.", "1e3", "1E-3", "-", ".", "nan",
                           "inf", "0x10", "1,5", "\xef\xbc\x91", "\x94\x84"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const std::string line = std::string(text) + "\r\n";
        double parsedDouble = 0, readDouble = 0;
        int parsedInteger = 0, readInteger = 0, parsedLong = 0, readLong = 0;
        std::string_view field(text);
        field = field.substr(0, field.find(','));
        const bool doubleOk = parseStoredDouble(field, parsedDouble);
        const bool integerOk = parseStoredInteger(field, parsedInteger);
        const bool longOk = parseStoredLong(field, parsedLong);
        TextReader forDouble(line), forInteger(line), forLong(line);
        ASSERT_EQ(forDouble.readDouble(readDouble), doubleOk);
        ASSERT_EQ(forInteger.readInteger(readInteger), integerOk);
        ASSERT_EQ(forLong.readLong(readLong), longOk);
        if (doubleOk) {
            EXPECT_EQ(readDouble, parsedDouble);
            EXPECT_EQ(std::signbit(readDouble), std::signbit(parsedDouble));
        }
        if (integerOk) {
            EXPECT_EQ(readInteger, parsedInteger);
        }
        if (longOk) {
            EXPECT_EQ(readLong, parsedLong);
        }
    }
}

TEST(TextReader, RefusesCountsOverCapacity) {
    TextReader over(" 22\r\n");
    int n = -1;
    EXPECT_FALSE(over.readCount(n, 21));
    EXPECT_EQ(n, -1);
    TextReader negative("-1\r\n");
    EXPECT_FALSE(negative.readCount(n, 21));
    TextReader full(" 21\r\n");
    EXPECT_TRUE(full.readCount(n, 21));
    EXPECT_EQ(n, 21);
}

TEST(TextWriter, WritesCp932LinesAndKeepsOneValuePerLine) {
    TextWriter w;
    w.putString("売上");
    w.putString("");
    w.putInteger(0);
    w.putString("a,b\r\nc");
    w.putDouble(-2.5);
    EXPECT_EQ(w.bytes(), "\x94\x84\x8F\xE3\r\n\r\n 0\r\nabc\r\n-2.5\r\n");
}

TEST(TextWriter, RefusesWhatItsReaderCouldNotReadBack) {
    TempDir dir;
    const std::string path = (dir.path() / "a.dat").string();
    writeBytes(path, "old\r\n");
    struct Case {
        const char* what;
        std::function<void(TextWriter&)> put;
        bool ok;
    };
    const Case cases[] = {
        {"Integer 32767", [](TextWriter& w) { w.putInteger(32767); }, true},
        {"Integer -32768", [](TextWriter& w) { w.putInteger(-32768); }, true},
        {"Integer 32768", [](TextWriter& w) { w.putInteger(32768); }, false},
        {"Integer -32769", [](TextWriter& w) { w.putInteger(-32769); }, false},
        {"Long 32768", [](TextWriter& w) { w.putLong(32768); }, true},
        {"count at capacity", [](TextWriter& w) { EXPECT_EQ(w.putCount(21, 21), 21); }, true},
        {"count over capacity", [](TextWriter& w) { EXPECT_EQ(w.putCount(22, 21), 21); }, false},
        {"negative count", [](TextWriter& w) { EXPECT_EQ(w.putCount(-1, 21), 0); }, false},
        {"Integer count past 16 bits",
         [](TextWriter& w) { EXPECT_EQ(w.putCount(40000, 130001), 32767); }, false},
        {"Long count", [](TextWriter& w) { EXPECT_EQ(w.putLongCount(40000, 130001), 40000); },
         true},
        {"Long count over capacity",
         [](TextWriter& w) { EXPECT_EQ(w.putLongCount(302, 301), 301); }, false},
        {"infinity", [](TextWriter& w) { w.putDouble(INFINITY); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TextWriter w;
        c.put(w);
        w.putString("after");
        Status s = w.commit(path);
        EXPECT_EQ(s.ok(), c.ok) << s.message();
        if (c.ok)
            writeBytes(path, "old\r\n");
        else
            EXPECT_EQ(readBytes(path), "old\r\n");
    }
}

TEST(Cp932, RoundTripsTheCharactersShiftJisLacks) {
    for (const char* text : {"①", "～", "売上", "ｶﾀｶﾅ", "ＭＳ ゴシック", "髙", "∥－"}) {
        auto encoded = toCp932(text);
        ASSERT_TRUE(encoded) << text;
        auto decoded = fromCp932(*encoded);
        ASSERT_TRUE(decoded) << text;
        EXPECT_EQ(*decoded, text);
    }
    EXPECT_EQ(*toCp932("①"), "\x87\x40");
    EXPECT_EQ(*toCp932("～"), "\x81\x60");
}

TEST(Cp932, RefusesWhatItCannotHold) {
    EXPECT_FALSE(toCp932("😀"));
    EXPECT_FALSE(toCp932("a\xff"));  // not UTF-8
    EXPECT_FALSE(fromCp932("\x81")); // a lead byte without its trail
    EXPECT_FALSE(fitsCp932("𠮷"));

    TextWriter w;
    w.putString("ok");
    w.putString("😀");
    Status s = w.commit("/nonexistent-never-written");
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message().find("Shift_JIS"), std::string::npos);
}
