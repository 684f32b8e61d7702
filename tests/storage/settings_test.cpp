// Settings files and the tax-rate lookup.
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/settings.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>

using namespace lukana;

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        driveRoot = dir.str();
        std::filesystem::create_directories(dataRoot());
    }
    std::string use(const char* name) { return filePath = rootFilePath(name); }
    TempDir dir;
};

TEST_F(SettingsTest, DefaultTaxSettingsHaveTheirExactBytes) {
    taxRounding = 1;
    setDefaultTax();
    use("opt.dat");
    ASSERT_TRUE(optHozon().ok());
    EXPECT_EQ(readBytes(filePath), " 1\r\n 2000\r\n 1\r\n 1\r\n 5\r\n 0\r\n 0\r\n");
}

struct SettingsFileCase {
    const char* file;
    void (*fill)();
    Status (*read)();
    Status (*write)();
    int requiredLines; // lines the reader needs before it returns normally
    int lines;
};
const SettingsFileCase kSettingsFiles[] = {
    {"opt.dat",
     [] {
         setTaxTable({{1989, 4, 1, 3}, {1997, 4, 1, 5}, {2014, 4, 1, 8}, {-32768, 32767, 0, -1}});
         taxRounding = 1;
         salesTiming = 1;
     },
     optModosi, optHozon, 0, 1 + 4 * 4 + 2},
    {"simebi.dat",
     [] {
         simeKinmu = 20;
         simeGenkin = 0;
         simeKyuuryou = 31;
         simeKurejitto = 15;
     },
     simebiModosi, simebiHozon, 2, 4},
    {"kesan.dat",
     [] {
         kesanTuki = 3;
         kesanBi = 31;
     },
     kesanModosi, kesanHozon, 2, 2},
};

TEST_F(SettingsTest, EveryFileRoundTripsAndTruncatesByReaderKind) {
    for (const auto& c : kSettingsFiles) {
        SCOPED_TRACE(c.file);
        resetSharedState();
        c.fill();
        std::string path = use(c.file);
        ASSERT_TRUE(c.write().ok());
        const std::string full = readBytes(path);
        resetSharedState();
        use(c.file);
        ASSERT_TRUE(c.read().ok());
        ASSERT_TRUE(c.write().ok());
        EXPECT_EQ(readBytes(path), full);

        size_t cutAt = 0;
        for (int kept = 0; kept < c.lines; ++kept) {
            SCOPED_TRACE(kept);
            const std::string cut = full.substr(0, cutAt);
            writeBytes(path, cut);
            resetSharedState();
            use(c.file);
            EXPECT_EQ(c.read().ok(), kept >= c.requiredLines);
            cutAt = full.find("\r\n", cutAt) + 2;
        }
    }
}

TEST_F(SettingsTest, OptReaderClearsNothing) {
    setTaxTable({{1997, 4, 1, 5}, {2014, 4, 1, 8}, {2019, 10, 1, 10}});
    taxRounding = 1;
    salesTiming = 1;
    // Only the count and the entries: the switches keep their values.
    writeBytes(use("opt.dat"), " 1\r\n 1989\r\n 4\r\n 1\r\n 3\r\n");
    ASSERT_TRUE(optModosi().ok());
    EXPECT_EQ(taxCount, 1);
    EXPECT_EQ(taxRate[0], 3);
    EXPECT_EQ(taxRate[1], 8);
    EXPECT_EQ(taxRounding, 1);
    EXPECT_EQ(salesTiming, 1);
    // A count above the capacity ends the read quietly after opening, like any later failure.
    writeBytes(filePath, " 1002\r\n 1989\r\n 4\r\n 1\r\n 3\r\n 0\r\n 0\r\n");
    ASSERT_TRUE(optModosi().ok());
    EXPECT_EQ(taxCount, 1);
    EXPECT_EQ(taxRounding, 1);
    // Only a file that cannot be opened fails.
    use("missing.dat");
    EXPECT_FALSE(optModosi().ok());
    EXPECT_EQ(taxCount, 1);
}

TEST_F(SettingsTest, ClosingDaysStartAtZeroAndNeedTheFirstTwo) {
    struct Case {
        const char* bytes; // nullptr: no file
        bool ok;
        int kinmu, genkin, kyuuryou, kurejitto;
    };
    const Case cases[] = {
        {" 20\r\n 25\r\n 10\r\n 5\r\n", true, 20, 25, 10, 5},
        {" 20\r\n 25\r\n", true, 20, 25, 0, 0},
        {" 20\r\n 25\r\n 10\r\n", true, 20, 25, 10, 0},
        {" 20\r\n", false, 20, 0, 0, 0},
        {"", false, 0, 0, 0, 0},
        {nullptr, false, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes ? c.bytes : "(missing)");
        simeKinmu = simeGenkin = simeKyuuryou = simeKurejitto = 9;
        std::filesystem::remove(use("simebi.dat"));
        if (c.bytes)
            writeBytes(filePath, c.bytes);
        EXPECT_EQ(simebiModosi().ok(), c.ok);
        EXPECT_EQ(simeKinmu, c.kinmu);
        EXPECT_EQ(simeGenkin, c.genkin);
        EXPECT_EQ(simeKyuuryou, c.kyuuryou);
        EXPECT_EQ(simeKurejitto, c.kurejitto);
    }
}

TEST_F(SettingsTest, FiscalYearEndReaderIsStrictAndClearsNothing) {
    kesanTuki = 3;
    kesanBi = 31;
    use("kesan.dat");
    EXPECT_FALSE(kesanModosi().ok());
    EXPECT_EQ(kesanTuki, 3);
    writeBytes(filePath, " 12\r\n");
    EXPECT_FALSE(kesanModosi().ok());
    EXPECT_EQ(kesanTuki, 12);
    EXPECT_EQ(kesanBi, 31);
}

TEST_F(SettingsTest, WritersRefuseWhatCouldNotBeReadBack) {
    writeBytes(use("opt.dat"), "old");
    setDefaultTax();
    taxCount = kTaxCapacity + 1;
    EXPECT_FALSE(optHozon().ok());
    setDefaultTax();
    taxRate[0] = 40000;
    EXPECT_FALSE(optHozon().ok());
    EXPECT_EQ(readBytes(filePath), "old");
    use("nowhere/simebi.dat");
    EXPECT_FALSE(simebiHozon().ok());
}

TEST_F(SettingsTest, ZeirituFindsTheLastEntryNotAfterTheDate) {
    struct Case {
        long long year, month, day;
        std::optional<int> rate;
    };
    setTaxTable({{1997, 4, 1, 5}, {2014, 4, 1, 8}, {2019, 10, 1, 8}, {2019, 10, 1, 10}});
    const Case cases[] = {
        {2014, 3, 31, 5},
        {2014, 4, 1, 8},
        {1997, 3, 31, std::nullopt},
        {1997, 4, 1, 5},
        {2019, 9, 30, 8},
        {2019, 10, 1, 10}, // two entries on one date: the one stored later
        {2014, 3, 32, 8},  // carries into 1 April
        {2014, 5, 0, 8},   // 30 April
        {2014, 4, 0, 5},   // 31 March
        {2015, -8, 1, 8},  // April 2014
        {2015, -8, 0, 5},
        {LLONG_MAX, LLONG_MAX, LLONG_MAX, 10},
        {LLONG_MIN, LLONG_MIN, LLONG_MIN, std::nullopt},
        {0, 0, LLONG_MAX, 10},
        {9999, 12, LLONG_MIN, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Zeiritu(c.year, c.month, c.day), c.rate)
            << c.year << "-" << c.month << "-" << c.day;
    }
    setTaxTable({});
    EXPECT_EQ(Zeiritu(2014, 4, 1), std::nullopt);
}

TEST_F(SettingsTest, ZeirituCarriesAsTheCalendarDoes) {
    struct Case {
        long long year, month, day;
    };
    const Case cases[] = {
        {2003, 2, 30}, {2003, 13, 1}, {2004, 0, 0},   {2004, 3, 0}, {2000, -11, 1}, {2003, 1, -30},
        {2004, 2, 29}, {1900, 2, 29}, {2003, 1, 400}, {1, 1, 1},    {0, 0, 1},      {-1, 6, 15},
    };
    for (const auto& c : cases) {
        const CivilDate d = normalizeDate(c.year, c.month, c.day);
        const CivilDate next = normalizeDate(d.year, d.month, d.day + 1);
        SCOPED_TRACE(std::to_string(d.year) + "-" + std::to_string(d.month) + "-" +
                     std::to_string(d.day));
        // An entry on exactly that date applies; one a day later does not.
        setTaxTable({{d.year, d.month, d.day, 7}});
        EXPECT_EQ(Zeiritu(c.year, c.month, c.day), 7);
        setTaxTable({{next.year, next.month, next.day, 7}});
        EXPECT_EQ(Zeiritu(c.year, c.month, c.day), std::nullopt);
    }
    // Zeiritu(2003, 2, 30) looks up 2 March 2003.
    setTaxTable({{2003, 3, 2, 6}});
    EXPECT_EQ(Zeiritu(2003, 2, 30), 6);
    EXPECT_EQ(Zeiritu(2003, 3, 1), std::nullopt);
    // Entries carry as well, even far outside the calendar's years.
    setTaxTable({{2003, 14, 1, 4}, {32767, 32767, 32767, 9}});
    EXPECT_EQ(Zeiritu(2004, 1, 31), std::nullopt);
    EXPECT_EQ(Zeiritu(2004, 2, 1), 4);
    EXPECT_EQ(Zeiritu(32767, 12, 31), 4);
    EXPECT_EQ(Zeiritu(35587, 3, 17), 4);
    EXPECT_EQ(Zeiritu(35587, 3, 18), 9);
}

} // namespace
