// The cash book's balance file: its bytes, its names, the fallback to the older name and what
// an unreadable or unwritable file does.
#include "storage/atomic_file.h"
#include "storage/balances.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace lukana;
namespace fs = std::filesystem;

namespace {

class BalancesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        driveRoot = dir.str();
        fs::create_directories(busyoFolderPath("本店"));
    }
    void TearDown() override { setWriteFaultHook({}); }
    static void setTable(std::initializer_list<std::tuple<int, int, double>> entries) {
        zanCount = 0;
        for (auto [kind, id, balance] : entries)
            ASSERT_TRUE(setZanBalance(kind, id, balance));
    }
    static std::string current(int year, int month) { return zanPath("本店", year, month); }
    static std::string older(int year, int month) { return zanPath("本店", year, month, true); }
    TempDir dir;
};

TEST_F(BalancesTest, TableWritesItsExactBytesAndReadsBack) {
    setTable({{2, 0, 15}, {4, 1, -2.5}});
    filePath = current(2004, 3);
    ASSERT_TRUE(vHozon().ok());
    EXPECT_EQ(readBytes(filePath), " 2\r\n 2\r\n 0\r\n 15\r\n 4\r\n 1\r\n-2.5\r\n");

    zanCount = 0;
    ASSERT_TRUE(vModosi().ok());
    ASSERT_EQ(zanCount, 2);
    EXPECT_EQ(zanKinds[1], 4);
    EXPECT_EQ(zanIds[1], 1);
    EXPECT_EQ(zanBalances[1], -2.5);

    setTable({});
    ASSERT_TRUE(vHozon().ok());
    EXPECT_EQ(readBytes(filePath), " 0\r\n");
}

TEST_F(BalancesTest, ReaderTakesBlanksAroundValuesAndFractions) {
    filePath = current(2004, 3);
    writeBytes(filePath, "1 \r\n  2 \r\n0\r\n .25  \r\n");
    ASSERT_TRUE(vModosi().ok());
    ASSERT_EQ(zanCount, 1);
    EXPECT_EQ(zanBalances[0], 0.25);
}

TEST_F(BalancesTest, NamesCarryYearAndMonthAsPlainDigitsOrWithBlanksInTheOlderForm) {
    EXPECT_EQ(fs::path(current(2004, 1)).filename(), "20041v.dat");
    EXPECT_EQ(fs::path(current(2004, 11)).filename(), "200411v.dat");
    EXPECT_EQ(fs::path(older(2004, 1)).filename(), " 2004 1v.dat");
    EXPECT_EQ(fs::path(older(2004, 11)).filename(), " 2004 11v.dat");
    EXPECT_EQ(zanPath("a/b", 2004, 1), "") << "a name that cannot be a folder";
}

TEST_F(BalancesTest, MissingMonthLoadsEmptyAndLeavesOpenFailedAtZero) {
    setTable({{2, 0, 15}});
    ZanLoad load = loadZanMonth("本店", 2004, 1);
    EXPECT_EQ(load.source, ZanLoad::Source::None);
    EXPECT_EQ(zanCount, 0);
    EXPECT_EQ(openFailed, 0);
    EXPECT_EQ(filePath, current(2004, 1));
    EXPECT_FALSE(movedAsideTo(load.damaged));
}

TEST_F(BalancesTest, OlderNameIsReadAndTheNextWriteCreatesTheCurrentName) {
    writeBytes(older(2004, 1), " 1\r\n 4\r\n 2\r\n 700\r\n");
    ZanLoad load = loadZanMonth("本店", 2004, 1);
    EXPECT_EQ(load.source, ZanLoad::Source::Older);
    EXPECT_EQ(openFailed, 0);
    ASSERT_EQ(findZanBalance(4, 2), 700);
    ASSERT_TRUE(setZanBalance(4, 2, 800));
    ASSERT_TRUE(vHozon().ok());
    EXPECT_EQ(readBytes(current(2004, 1)), " 1\r\n 4\r\n 2\r\n 800\r\n");
    EXPECT_EQ(readBytes(older(2004, 1)), " 1\r\n 4\r\n 2\r\n 700\r\n");
}

// Files that cannot be read to their end are never taken in part.
TEST_F(BalancesTest, UnreadableFilesLoadEmpty) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::string tooMany = " 802\r\n";
    for (int i = 0; i < 802; ++i)
        tooMany += " 2\r\n 0\r\n 1\r\n";
    const Case cases[] = {
        {"declares 3, holds 2", " 3\r\n 2\r\n 0\r\n 1\r\n 2\r\n 1\r\n 2\r\n"},
        {"802 entries", tooMany},
        {"negative count", "-1\r\n"},
        {"a balance that is no number", " 1\r\n 2\r\n 0\r\nabc\r\n"},
        {"an empty value", " 1\r\n 2\r\n\r\n 5\r\n"},
        {"empty file", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(busyoFolderPath("本店"));
        fs::create_directories(busyoFolderPath("本店"));
        writeBytes(current(2004, 2), c.bytes);
        setTable({{2, 0, 15}});
        loadZanMonth("本店", 2004, 2);
        EXPECT_EQ(zanCount, 0);
        EXPECT_EQ(openFailed, 0);
    }
}

TEST_F(BalancesTest, LinesAfterTheDeclaredEntriesAreDroppedByTheNextWrite) {
    writeBytes(current(2004, 2), " 1\r\n 2\r\n 0\r\n 5\r\n 2\r\n 1\r\n 6\r\n");
    loadZanMonth("本店", 2004, 2);
    ASSERT_EQ(zanCount, 1);
    ASSERT_TRUE(vHozon().ok());
    EXPECT_EQ(readBytes(current(2004, 2)), " 1\r\n 2\r\n 0\r\n 5\r\n");
}

TEST_F(BalancesTest, UnreadableCurrentFileIsMovedAsideBeforeTheOlderNameIsRead) {
    writeBytes(current(2004, 2), " 2\r\n 2\r\n 0\r\n");
    writeBytes(older(2004, 2), " 1\r\n 2\r\n 1\r\n 9\r\n");
    ZanLoad load = loadZanMonth("本店", 2004, 2);
    ASSERT_TRUE(movedAsideTo(load.damaged));
    EXPECT_FALSE(load.damaged && !load.damaged->movedTo);
    EXPECT_EQ(load.source, ZanLoad::Source::Older);
    EXPECT_EQ(findZanBalance(2, 1), 9);
    EXPECT_FALSE(fs::exists(current(2004, 2)));
    EXPECT_EQ(readBytes(*movedAsideTo(load.damaged)), " 2\r\n 2\r\n 0\r\n");
    EXPECT_NE(movedAsideTo(load.damaged)->find("20042v.dat.broken-"), std::string::npos);
}

TEST_F(BalancesTest, FailingWriteKeepsTheOldBytes) {
    setTable({{2, 0, 15}});
    ASSERT_TRUE(writeBalances(current(2004, 3)).ok());
    setTable({{2, 0, 99}});
    setWriteFaultHook([](WriteStage stage) { return stage == WriteStage::Write; });
    EXPECT_FALSE(vHozon().ok());
    EXPECT_EQ(readBytes(current(2004, 3)), " 1\r\n 2\r\n 0\r\n 15\r\n");
}

TEST_F(BalancesTest, TableTakesAtMost801EntriesAndRefusesToWriteMore) {
    zanCount = 0;
    for (int i = 0; i < kZanCapacity; ++i)
        ASSERT_TRUE(setZanBalance(4, i, i));
    EXPECT_FALSE(setZanBalance(4, 9999, 1)) << "the 802nd entry";
    EXPECT_EQ(zanCount, kZanCapacity);
    EXPECT_TRUE(setZanBalance(4, 800, -1)) << "an existing entry still changes";
    filePath = current(2004, 4);
    ASSERT_TRUE(vHozon().ok());
    ASSERT_TRUE(vModosi().ok());
    EXPECT_EQ(zanCount, kZanCapacity);
    EXPECT_EQ(zanBalances[800], -1);

    writeBytes(filePath, "x");
    zanCount = kZanCapacity + 1;
    EXPECT_FALSE(vHozon().ok());
    EXPECT_EQ(readBytes(filePath), "x");
}

TEST_F(BalancesTest, SettingABalanceChangesTheFirstMatchOnlyAndAppendsOtherwise) {
    writeBytes(current(2004, 5), " 3\r\n 4\r\n 1\r\n 1\r\n 2\r\n 0\r\n 2\r\n 2\r\n 0\r\n 3\r\n");
    loadZanMonth("本店", 2004, 5);
    ASSERT_TRUE(setZanBalance(2, 0, 50));
    ASSERT_TRUE(setZanBalance(2, 1, 60));
    ASSERT_TRUE(vHozon().ok());
    EXPECT_EQ(readBytes(current(2004, 5)),
              " 4\r\n 4\r\n 1\r\n 1\r\n 2\r\n 0\r\n 50\r\n 2\r\n 0\r\n "
              "3\r\n 2\r\n 1\r\n 60\r\n");
}

} // namespace
