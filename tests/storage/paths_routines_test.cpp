#include "storage/atomic_file.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace lukana;

TEST(Paths, MonthFileNames) {
    EXPECT_EQ(monthFileName(2003, 1, ".dat"), "20031.dat");
    EXPECT_EQ(monthFileName(2003, 11, ".dat"), "200311.dat");
    EXPECT_EQ(monthFileName(2003, 7, "u.dat"), "20037u.dat");
    EXPECT_EQ(monthFileName(2003, 7, ".dat", true), " 2003 7.dat");
    EXPECT_EQ(monthFileName(2003, 11, "u.dat", true), " 2003 11u.dat");
}

TEST(Paths, SafeFolderNames) {
    for (const char* ok : {"本店", "Bar One", "二号店(新宿)", "a.b"})
        EXPECT_TRUE(isSafeFolderName(ok)) << ok;
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "a:b", "a*", "a?", "a\"b", "<a>", "a|b",
                            " a", "a ", ".a", "a.", "a\tb", "\u3000本店", "本店\u3000"})
        EXPECT_FALSE(isSafeFolderName(bad)) << bad;
    // 85 kanji fill the 255 bytes a folder name may have; one byte more is refused.
    std::string longest;
    for (int i = 0; i < 85; ++i)
        longest += "店";
    EXPECT_TRUE(isSafeFolderName(longest));
    EXPECT_FALSE(isSafeFolderName(longest + "a"));
}

TEST(Paths, BuiltFromTheDriveRoot) {
    driveRoot = "/drive";
    EXPECT_EQ(dataRoot(), "/drive/ktlukana");
    EXPECT_EQ(backupRoot(), "/drive/ktlukanabu");
    EXPECT_EQ(rootFilePath("misena.dat"), "/drive/ktlukana/misena.dat");
    EXPECT_EQ(busyoFilePath("本店", "menud.dat"), "/drive/ktlukana/本店/menud.dat");
    EXPECT_EQ(busyoFilePath("", "menud.dat"), "");
    EXPECT_EQ(busyoFilePath("..", "menud.dat"), "");
    EXPECT_EQ(chooseDriveRoot("/given"), "/given");
}

TEST(Routines, KanmaNuki) {
    EXPECT_EQ(KanmaNuki("a,b,,c"), "abc");
    EXPECT_EQ(KanmaNuki(""), "");
    EXPECT_EQ(KanmaNuki("1,200，"), "1200，"); // a full-width comma stays
}

TEST(Routines, Nissuu) {
    EXPECT_EQ(Nissuu(2003, 2), 28);
    EXPECT_EQ(Nissuu(2004, 2), 29);
    EXPECT_EQ(Nissuu(2100, 2), 28);
    EXPECT_EQ(Nissuu(2000, 2), 29);
    EXPECT_EQ(Nissuu(2003, 4), 30);
    EXPECT_EQ(Nissuu(2003, 12), 31);
    EXPECT_EQ(Nissuu(2003, 0), 0);
    EXPECT_EQ(Nissuu(2003, 13), 0);
    EXPECT_EQ(Nissuu(2003, -1), 0);
}

TEST(Routines, MonthBefore) {
    struct Case {
        int year, month;
        YearMonth before;
    };
    const Case cases[] = {
        {2004, 1, {2003, 12}},  {2004, 2, {2004, 1}}, {2004, 3, {2004, 2}},
        {2004, 12, {2004, 11}}, {1, 1, {0, 12}},      {9999, 1, {9998, 12}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(monthBefore(c.year, c.month), c.before) << c.year << "/" << c.month;
}

TEST(Routines, DatesCarryAsACalendarDoes) {
    EXPECT_EQ(normalizeDate(2003, 2, 30), (CivilDate{2003, 3, 2}));
    EXPECT_EQ(normalizeDate(2003, 13, 1), (CivilDate{2004, 1, 1}));
    EXPECT_EQ(normalizeDate(2003, 3, 0), (CivilDate{2003, 2, 28}));
    EXPECT_EQ(normalizeDate(2003, 0, 1), (CivilDate{2002, 12, 1}));
    EXPECT_EQ(normalizeDate(2004, 1, -30), (CivilDate{2003, 12, 1}));
    EXPECT_TRUE(isValidDate(2004, 2, 29));
    EXPECT_FALSE(isValidDate(2003, 2, 29));
    EXPECT_FALSE(isValidDate(0, 1, 1));
    EXPECT_EQ(weekday(2026, 12, 10), 4); // a Thursday
}

TEST(Routines, LeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"500円", 500}, {"1 200", 1200}, {" - 3.5x", -3.5}, {"", 0},   {"abc", 0},     {"1,200", 1},
        {".5", 0.5},    {"2E3", 2000},   {"2E", 2},         {"+7", 7}, {"1.2.3", 1.2}, {"-", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leadingNumber(c.text), c.value) << c.text;
}

// The whole digits of the figure a typed amount reads as, which the amount boxes limit.
TEST(Routines, LeadingWholeDigitsCountTheFigureAsRead) {
    struct Case {
        const char* text;
        int digits;
    };
    const Case cases[] = {
        {"1e20", 21},
        {"1E13", 14},
        {"-1e12", 13},
        {"1e12", 13},
        {"9.99e11", 12},
        {"1e5", 6},
        {"1e400", 401},
        {"-1e400", 401},
        {"1e-400", 0},
        {"1e", 1},
        {"12e", 2},
        {"e5", 0},
        {"", 0},
        {"-", 0},
        {"0", 0},
        {".5", 1},
        {".4", 0},
        {"999999999999", 12},
        {"-999999999999", 12},
        {"1000000000000", 13},
        {"999999999999.4", 12},
        {"999999999999.5", 13},
        {"0.0001e15", 12},
        {"00012", 2},
        {"1 2 3e1 0", 13},
        {"12abc99", 2},
        {"0.000e999", 0},
        {"1e+2x", 3},
        {"0.00123e400", 398},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leadingWholeDigits(c.text), c.digits) << c.text;
    // What the check passes is what the amount is read as: within twelve digits, never infinite.
    EXPECT_EQ(leadingNumber("1e5"), 100000);
    EXPECT_EQ(leadingNumber("9.99e11"), 999000000000);
    EXPECT_EQ(leadingNumber("1e400"), 0);
}

TEST(Routines, CsvHozonWritesOneValue) {
    TempDir dir;
    filePath = (dir.path() / "a.csv").string();
    csvText = "日付,売上\r\n1,500";
    ASSERT_TRUE(csvHozon().ok());
    EXPECT_EQ(readBytes(filePath), "\x93\xFA\x95t,\x94\x84\x8F\xE3\r\n1,500\r\n");
}

TEST(Routines, CsvLineQuotesOnlyFieldsThatWouldSplit) {
    struct Case {
        std::vector<std::string> fields;
        const char* line;
    };
    const Case cases[] = {
        {{}, ""},
        {{""}, ""},
        {{"", "", ""}, ",,"},
        {{" 1", "火", "0", "25.%"}, " 1,火,0,25.%"},
        {{"123,456", "x"}, "\"123,456\",x"},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {{"\""}, "\"\"\"\""},
        {{",", "a\"b,c"}, "\",\",\"a\"\"b,c\""},
        {{"a b", "　本店", "\\1234"}, "a b,　本店,\\1234"}, // blanks and backslashes stay bare
    };
    for (const auto& c : cases)
        EXPECT_EQ(csvLine(c.fields), c.line) << c.line;
}

TEST(AtomicFile, AFailedStepLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string path = (dir.path() / "ttid.dat").string();
    writeBytes(path, "old\r\n");
    for (WriteStage failing :
         {WriteStage::Create, WriteStage::Write, WriteStage::Sync, WriteStage::Rename}) {
        setWriteFaultHook([&](WriteStage s) { return s == failing; });
        Status s = writeFileAtomically(path, "new\r\n");
        setWriteFaultHook(nullptr);
        EXPECT_FALSE(s.ok()) << static_cast<int>(failing);
        EXPECT_EQ(readBytes(path), "old\r\n");
        // No temporary file is left beside it.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }
    ASSERT_TRUE(writeFileAtomically(path, "new\r\n").ok());
    EXPECT_EQ(readBytes(path), "new\r\n");
}

TEST(AtomicFile, ANewFileGetsTheUsualModeAndAReplacedOneKeepsItsOwn) {
    TempDir dir;
    const std::string fresh = (dir.path() / "new.dat").string();
    const std::string kept = (dir.path() / "kept.dat").string();
    writeBytes(kept, "old");
    ::chmod(kept.c_str(), 0604);
    {
        UmaskGuard mask(027);
        ASSERT_TRUE(writeFileAtomically(fresh, "new").ok());
        ASSERT_TRUE(writeFileAtomically(kept, "new").ok());
    }
    EXPECT_EQ(modeOf(fresh), 0640);
    EXPECT_EQ(modeOf(kept), 0604);
    EXPECT_EQ(readBytes(kept), "new");
}

TEST(AtomicFile, MissingFolderAndFileFail) {
    TempDir dir;
    EXPECT_FALSE(writeFileAtomically((dir.path() / "no" / "x.dat").string(), "x").ok());
    std::string bytes;
    EXPECT_FALSE(readWholeFile((dir.path() / "missing.dat").string(), bytes).ok());
    EXPECT_FALSE(readWholeFile(dir.str(), bytes).ok());
}
