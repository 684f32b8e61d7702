#include "vouchers/core/period_caption.h"
#include "vouchers/core/voucher_months.h"

#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace lukana;
namespace fs = std::filesystem;

namespace {

class VoucherMonthsTest : public testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        driveRoot = temp.str();
        rootName = "ktlukana";
        fs::create_directories(busyoFolderPath("本店"));
    }
    // Writes a month with one voucher of amount on day 1.
    void writeMonth(const std::string& path, double amount) {
        auto month = std::make_unique<DenpyouMonth>();
        (*month)[1].denpyouCount = 1;
        (*month)[1].amount[0] = amount;
        ASSERT_TRUE(writeDenpyouMonth(path, *month).ok());
    }
    int asideCopies(const std::string& path) const {
        int n = 0;
        for (const auto& e : fs::directory_iterator(fs::path(path).parent_path()))
            n += e.path().filename().string().starts_with(fs::path(path).filename().string() +
                                                          ".broken-");
        return n;
    }
    TempDir temp;
};

TEST_F(VoucherMonthsTest, OlderNameIsReadAndTheSaveGoesUnderThePlainName) {
    const std::string older = denpyouPath("本店", 2003, 3, true);
    writeMonth(older, 1234);
    writeMonth(denpyouPath("本店", 2003, 2), 77);
    const std::string olderBytes = readBytes(older);
    VoucherMonths months;
    EXPECT_TRUE(months.load("本店", 2003, 3).empty());
    EXPECT_EQ(denpyouMonth[1].amount[0], 1234);
    EXPECT_EQ(months.previous()[1].amount[0], 77);
    EXPECT_EQ(months.previousMonth(), 2);
    EXPECT_EQ(months.previousDays(), 28);
    denpyouMonth[1].amount[0] = 999;
    ASSERT_TRUE(months.save("本店", 2003, 3).ok());
    EXPECT_TRUE(fs::exists(busyoFolderPath("本店") + "/20033u.dat"));
    EXPECT_EQ(readBytes(older), olderBytes);
}

TEST_F(VoucherMonthsTest, JanuaryLooksBackToDecemberOfTheYearBefore) {
    writeMonth(denpyouPath("本店", 2003, 12), 5);
    VoucherMonths months;
    months.load("本店", 2004, 1);
    EXPECT_EQ(months.previousYear(), 2003);
    EXPECT_EQ(months.previousMonth(), 12);
    EXPECT_EQ(months.previousDays(), 31);
    EXPECT_EQ(months.previous()[1].amount[0], 5);
    EXPECT_EQ(denpyouMonth[1].denpyouCount, 0);
}

TEST_F(VoucherMonthsTest, ADamagedPlainFileIsMovedAsideAndTheOlderNameShows) {
    const std::string plain = denpyouPath("本店", 2003, 3);
    writeBytes(plain, "garbage\r\n");
    writeMonth(denpyouPath("本店", 2003, 3, true), 42);
    VoucherMonths months;
    const auto damaged = months.load("本店", 2003, 3);
    ASSERT_EQ(damaged.size(), 1u);
    EXPECT_EQ(damaged[0].path, plain);
    ASSERT_TRUE(damaged[0].movedTo);
    EXPECT_TRUE(damaged[0].movedTo->starts_with(plain + ".broken-"));
    EXPECT_FALSE(fs::exists(plain));
    EXPECT_EQ(readBytes(*damaged[0].movedTo), "garbage\r\n");
    EXPECT_EQ(denpyouMonth[1].amount[0], 42);
    EXPECT_EQ(asideCopies(plain), 1);
    // A missing file says nothing.
    EXPECT_TRUE(months.load("本店", 2005, 7).empty());
}

TEST_F(VoucherMonthsTest, AFailingSaveIsReported) {
    VoucherMonths months;
    months.load("支店", 2003, 3); // no folder
    EXPECT_FALSE(months.save("支店", 2003, 3).ok());
}

TEST(PeriodCaption, NamesThePeriod) {
    struct Case {
        int closingDay, month, day, previousMonth;
        const char* caption;
    };
    const Case cases[] = {
        {20, 12, 25, 11, " 12月 21日～ 12月 25日までの合計"},
        {20, 12, 10, 11, " 11月 21日～ 12月 10日までの合計"},
        {31, 12, 10, 11, " 12月 1日～ 10日までの合計"},
        {0, 12, 10, 11, " 12月 1日～ 10日までの合計"},
        {20, 4, 2, 3, " 3月 21日～ 4月 2日までの合計"},
        {20, 4, 20, 3, " 3月 21日～ 4月 20日までの合計"},
        {20, 4, 21, 3, " 4月 21日～ 4月 21日までの合計"},
        {20, 1, 5, 12, " 12月 21日～ 1月 5日までの合計"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(periodCaption(c.closingDay, c.month, c.day, c.previousMonth), c.caption);
}

} // namespace
