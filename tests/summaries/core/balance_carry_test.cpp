// Carrying a party's balance from month to month through the balance files.
#include "storage/atomic_file.h"
#include "storage/balances.h"
#include "summaries/core/balance_carry.h"
#include "summaries_fixture.h"
#include "support/files.h"

using namespace lukana;

namespace {

const PartyKey kHeadOffice{2, 1};

class BalanceCarryTest : public summaries_test::SummariesFixture {
  protected:
    void TearDown() override { setWriteFaultHook({}); }
    static std::string file(int year, int month) { return readBytes(zanPath("本店", year, month)); }
    BalanceCarry carry;
};

TEST_F(BalanceCarryTest, LeavingStoresThePreviousAndClosingBalancesAndTheNextMonthReadsThem) {
    EXPECT_EQ(carry.show("本店", {2004, 4}, kDepartmentCash), "0");
    EXPECT_FALSE(std::filesystem::exists(zanPath("本店", 2004, 3))) << "showing writes nothing";
    carry.leave(1000, 16000);
    EXPECT_EQ(file(2004, 3), " 1\r\n 2\r\n 0\r\n 1000\r\n");
    EXPECT_EQ(file(2004, 4), " 1\r\n 2\r\n 0\r\n 16000\r\n");
    EXPECT_EQ(carry.show("本店", {2004, 5}, kDepartmentCash), "16000");
    EXPECT_TRUE(carry.takeNotices().empty());
}

TEST_F(BalanceCarryTest, AnotherPartyAppendsItsEntryAndLeavesTheOthers) {
    writeBytes(zanPath("本店", 2004, 3), " 2\r\n 4\r\n 1\r\n 5\r\n 2\r\n 0\r\n 7\r\n");
    writeBytes(zanPath("本店", 2004, 4), " 1\r\n 4\r\n 1\r\n 9\r\n");
    EXPECT_EQ(carry.show("本店", {2004, 4}, kHeadOffice), "0");
    carry.leave(-300, 1200.5);
    EXPECT_EQ(file(2004, 3), " 3\r\n 4\r\n 1\r\n 5\r\n 2\r\n 0\r\n 7\r\n 2\r\n 1\r\n-300\r\n");
    EXPECT_EQ(file(2004, 4), " 2\r\n 4\r\n 1\r\n 9\r\n 2\r\n 1\r\n 1200.5\r\n");
    EXPECT_EQ(carry.show("本店", {2004, 4}, kDepartmentCash), "7");
    EXPECT_EQ(carry.show("本店", {2004, 4}, kHeadOffice), "-300");
}

TEST_F(BalanceCarryTest, BoxTextIsWholeYenEmptyForZeroAndZeroWithoutAnEntry) {
    writeBytes(zanPath("本店", 2004, 3),
               " 3\r\n 2\r\n 0\r\n 0\r\n 2\r\n 1\r\n 2.5\r\n 4\r\n 1\r\n-2.5\r\n");
    EXPECT_EQ(carry.show("本店", {2004, 4}, kDepartmentCash), "");
    EXPECT_EQ(carry.show("本店", {2004, 4}, kHeadOffice), "3");
    EXPECT_EQ(carry.show("本店", {2004, 4}, {4, 1}), "-3");
    EXPECT_EQ(carry.show("本店", {2004, 4}, {4, 2}), "0");
}

TEST_F(BalanceCarryTest, JanuaryReadsDecemberOfTheYearBefore) {
    writeBytes(zanPath("本店", 2003, 12), " 1\r\n 2\r\n 0\r\n 42\r\n");
    EXPECT_EQ(carry.show("本店", {2004, 1}, kDepartmentCash), "42");
}

TEST_F(BalanceCarryTest, FailedWriteLeavesTheFileAndIsReported) {
    writeBytes(zanPath("本店", 2004, 3), " 1\r\n 2\r\n 0\r\n 5\r\n");
    carry.show("本店", {2004, 4}, kDepartmentCash);
    setWriteFaultHook([](WriteStage stage) { return stage == WriteStage::Rename; });
    carry.leave(1, 2);
    EXPECT_EQ(file(2004, 3), " 1\r\n 2\r\n 0\r\n 5\r\n");
    const auto notices = carry.takeNotices();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].kind, BalanceNotice::Kind::WriteFailed);
    EXPECT_EQ(notices[0].file, zanPath("本店", 2004, 3));
    EXPECT_FALSE(notices[0].detail.empty());
    EXPECT_EQ(notices[1].file, zanPath("本店", 2004, 4));
}

TEST_F(BalanceCarryTest, DepartmentThatCannotBeAFolderReportsTheFailedWrite) {
    EXPECT_EQ(carry.show("a/b", {2004, 4}, kDepartmentCash), "0");
    carry.leave(1, 2);
    const auto notices = carry.takeNotices();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].kind, BalanceNotice::Kind::WriteFailed);
}

TEST_F(BalanceCarryTest, DamagedFilesAreMovedAsideAndTold) {
    writeBytes(zanPath("本店", 2004, 3), " 5\r\n");
    writeBytes(zanPath("本店", 2004, 4), "x\r\n");
    EXPECT_EQ(carry.show("本店", {2004, 4}, kDepartmentCash), "0");
    carry.leave(10, 20);
    const auto notices = carry.takeNotices();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].kind, BalanceNotice::Kind::MovedAside);
    EXPECT_EQ(readBytes(notices[0].detail), " 5\r\n");
    EXPECT_EQ(notices[1].kind, BalanceNotice::Kind::MovedAside);
    EXPECT_EQ(readBytes(notices[1].detail), "x\r\n");
    EXPECT_EQ(file(2004, 3), " 1\r\n 2\r\n 0\r\n 10\r\n");
    EXPECT_EQ(file(2004, 4), " 1\r\n 2\r\n 0\r\n 20\r\n");
}

TEST_F(BalanceCarryTest, FullTableRefusesTheAppendAndKeepsTheFile) {
    std::string bytes = " 801\r\n";
    for (int i = 0; i < kZanCapacity; ++i)
        bytes += " 9\r\n " + std::to_string(i) + "\r\n 1\r\n";
    writeBytes(zanPath("本店", 2004, 3), bytes);
    carry.show("本店", {2004, 4}, kDepartmentCash);
    carry.leave(10, 20);
    EXPECT_EQ(file(2004, 3), bytes);
    const auto notices = carry.takeNotices();
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices[0].kind, BalanceNotice::Kind::WriteFailed);
    EXPECT_EQ(file(2004, 4), " 1\r\n 2\r\n 0\r\n 20\r\n");
}

} // namespace
