// Number forms of screens, paper and files: one table per pattern.
#include "storage/display_format.h"

#include <gtest/gtest.h>

#include <string>

using namespace lukana;

namespace {

struct Case {
    double value;
    const char* text;
};

void expectForms(const char* pattern, std::initializer_list<Case> cases,
                 Output output = Output::Screen) {
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.value, pattern, output), c.text) << pattern << " of " << c.value;
}

} // namespace

TEST(DisplayFormat, GroupedWithZeroShown) {
    expectForms("###,##0", {{0, "0"},
                            {7, "7"},
                            {999, "999"},
                            {1000, "1,000"},
                            {123456, "123,456"},
                            {1234567, "1,234,567"},
                            {-1234, "-1,234"},
                            {1234.5, "1,235"},
                            {2.5, "3"},
                            {-2.5, "-3"},
                            {0.4, "0"},
                            {-0.4, "0"}, // no minus before a zero
                            {999.5, "1,000"},
                            {1e15, "1,000,000,000,000,000"}});
}

TEST(DisplayFormat, GroupedWithZeroEmpty) {
    expectForms("###,###", {{0, ""},
                            {0.4, ""},
                            {0.5, "1"},
                            {1234, "1,234"},
                            {-1234.5, "-1,235"},
                            {999999, "999,999"}});
}

TEST(DisplayFormat, UngroupedWithZeroEmpty) {
    expectForms("######",
                {{0, ""}, {1234.6, "1235"}, {1234567, "1234567"}, {-1234, "-1234"}, {0.5, "1"}});
}

TEST(DisplayFormat, YenMarkOnScreenAndBackslashInFiles) {
    expectForms("\\\\###,###", {{1500, "\u00A51,500"},
                                {1234, "\u00A51,234"},
                                {0, "\u00A5"},
                                {0.3, "\u00A5"},
                                {-1234, "-\u00A51,234"},
                                {1234567.5, "\u00A51,234,568"}});
    expectForms("\\\\###,###", {{1234, "\\1,234"}, {0, "\\"}, {-5, "-\\5"}}, Output::File);
}

TEST(DisplayFormat, SpendPerPerson) {
    expectForms("\\@###,###", {{0, "@"}, {980, "@980"}, {1234.5, "@1,235"}, {4938.4, "@4,938"}});
    expectForms("\\@###,###.##", {{1234.5, "@1,234.5"},
                                  {1000, "@1,000."},
                                  {2.0 / 3, "@.67"},
                                  {0, "@."},
                                  {1234.567, "@1,234.57"},
                                  {0.125, "@.13"},
                                  {1.005, "@1.01"}, // halves by the decimal digits
                                  {9.999, "@10."}});
}

TEST(DisplayFormat, Share) {
    expectForms("###.##%", {{0.25, "25.%"},
                            {30864.0 / 123456, "25.%"},
                            {0.005, ".5%"},
                            {0, ".%"},
                            {1.0 / 3, "33.33%"},
                            {2.0 / 3, "66.67%"},
                            {0.123456, "12.35%"},
                            {1.5, "150.%"},
                            {-0.25, "-25.%"},
                            {0.00004, ".%"},
                            {0.00005, ".01%"}});
}

TEST(DisplayFormat, TextsThatAreNotWhollyANumberStay) {
    struct TextCase {
        const char* text;
        const char* pattern;
        const char* shown;
    };
    const TextCase cases[] = {
        {"abc", "###,##0", "abc"},
        {"", "###,##0", ""},
        {"  ", "###,###", "  "},
        {"12a", "###,##0", "12a"},
        {" 1234", "###,##0", "1,234"},
        {"1,234", "######", "1234"},
        {"-1200", "\\\\###,###", "-\u00A51,200"},
        {"0", "###,###", ""},
        {".25", "###.##%", "25.%"},
        {"1E3", "###,##0", "1,000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(std::string_view(c.text), c.pattern), c.shown) << c.text;
}

TEST(DisplayFormat, PatternsTakenInTurnKeepTheirOwnForms) {
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Format(1234, "###,##0"), "1,234");
        EXPECT_EQ(Format(1234, "######"), "1234");
        EXPECT_EQ(Format(5, "\\\\###,###"), "\u00A55");
        EXPECT_EQ(Format(5, "\\\\###,###", Output::File), "\\5");
    }
}

TEST(DisplayFormat, NotFiniteShowsAsZero) {
    EXPECT_EQ(Format(std::numeric_limits<double>::infinity(), "###,##0"), "0");
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN(), "###.##%"), ".%");
}

TEST(DisplayFormat, StrAndPlainDecimal) {
    struct FormCase {
        double value;
        const char* str;
        const char* plain;
    };
    const FormCase cases[] = {
        {0, " 0", "0"},
        {12, " 12", "12"},
        {-3, "-3", "-3"},
        {0.5, " .5", ".5"},
        {-0.5, "-.5", "-.5"},
        {1234.5, " 1234.5", "1234.5"},
        {-1200, "-1200", "-1200"},
        {0.1 + 0.2, " .3", ".3"},
        {123456789012345, " 123456789012345", "123456789012345"},
        {1e15, " 1E+15", "1E+15"},
        {1.5e-5, " 1.5E-05", ".000015"},
        {-2e-7, "-2E-07", "-.0000002"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Str(c.value), c.str) << c.value;
        EXPECT_EQ(plainDecimal(c.value), c.plain) << c.value;
    }
}
