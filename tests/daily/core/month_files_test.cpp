// The daily report's month files on disk: loading with a damaged working month, saving, and
// posting the shown day into the voucher month under every state the voucher file can be in.
#include "daily/core/month_files.h"
#include "storage/atomic_file.h"
#include "storage/masters.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace lukana;
namespace fs = std::filesystem;

namespace {

const std::string kBusyo = "本店";
const std::string kDamagedMonth = "こわれた\r\n";

class MonthFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        driveRoot = drive.str();
        fs::create_directories(busyoFolderPath(kBusyo));
        setWriteFaultHook({});
        setMoveAsideHook({});
        day->kingaku[5] = 500; // one voucher: the day's cash sales
        plain = denpyouPath(kBusyo, 2026, 7);
        older = denpyouPath(kBusyo, 2026, 7, true);
    }
    void TearDown() override {
        setWriteFaultHook({});
        setMoveAsideHook({});
    }

    std::unique_ptr<DenpyouMonth> readVouchers(const std::string& path) {
        auto month = std::make_unique<DenpyouMonth>();
        EXPECT_TRUE(readDenpyouMonth(path, *month).ok()) << path;
        return month;
    }
    static int asideCopies(const std::string& path) {
        int n = 0;
        for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
            n += entry.path().filename().string().starts_with(fs::path(path).filename().string() +
                                                              ".broken-");
        return n;
    }

    TempDir drive;
    std::unique_ptr<NippouDay> day = std::make_unique<NippouDay>();
    std::string plain, older; // once the drive root is set
};

} // namespace

TEST_F(MonthFilesTest, NoVoucherFileIsCreatedWithTheDay) {
    const PostingOutcome out = postIntoVoucherMonth(kBusyo, 2026, 7, 5, *day);
    EXPECT_EQ(out.posted, 1);
    EXPECT_FALSE(out.damaged);
    ASSERT_TRUE(out.written.ok()) << out.written.message();
    auto month = readVouchers(plain);
    for (int d = 1; d <= 31; ++d)
        EXPECT_EQ((*month)[d].denpyouCount, d == 5 ? 1 : 0) << "day " << d;
    EXPECT_EQ((*month)[5].note[0], "当日分現金売上");
    // pass 1 holds 31 counts and the one voucher's four values
    const std::string bytes = readBytes(plain);
    EXPECT_EQ(bytes.substr(0, 3), " 0\r");
}

TEST_F(MonthFilesTest, OnlyTheOlderNameIsReadAndTheMonthWrittenUnderThePlainName) {
    auto existing = std::make_unique<DenpyouMonth>();
    (*existing)[2].denpyouCount = 1;
    (*existing)[2].amount[0] = 77;
    ASSERT_TRUE(writeDenpyouMonth(older, *existing).ok());
    const std::string olderBytes = readBytes(older);

    const PostingOutcome out = postIntoVoucherMonth(kBusyo, 2026, 7, 5, *day);
    EXPECT_EQ(out.posted, 1);
    ASSERT_TRUE(out.written.ok()) << out.written.message();
    auto month = readVouchers(plain);
    EXPECT_EQ((*month)[2].amount[0], 77);
    EXPECT_EQ((*month)[5].denpyouCount, 1);
    EXPECT_EQ(readBytes(older), olderBytes);
}

TEST_F(MonthFilesTest, ADayWithVouchersGetsNothingYetTheMonthIsWritten) {
    auto existing = std::make_unique<DenpyouMonth>();
    (*existing)[5].denpyouCount = 1;
    (*existing)[5].note[0] = "手入力";
    ASSERT_TRUE(writeDenpyouMonth(plain, *existing).ok());
    const PostingOutcome out = postIntoVoucherMonth(kBusyo, 2026, 7, 5, *day);
    EXPECT_EQ(out.posted, 0);
    ASSERT_TRUE(out.written.ok()) << out.written.message();
    auto month = readVouchers(plain);
    EXPECT_EQ((*month)[5].denpyouCount, 1);
    EXPECT_EQ((*month)[5].note[0], "手入力");
}

TEST_F(MonthFilesTest, AnUnreadableVoucherFileIsMovedAsideAndTheDayPostedIntoANewOne) {
    writeBytes(plain, kDamagedMonth);
    const PostingOutcome out = postIntoVoucherMonth(kBusyo, 2026, 7, 5, *day);
    ASSERT_TRUE(out.damaged);
    ASSERT_TRUE(out.damaged->movedTo);
    EXPECT_EQ(out.damaged->path, plain);
    EXPECT_EQ(readBytes(*out.damaged->movedTo), kDamagedMonth);
    EXPECT_FALSE(out.skipped);
    EXPECT_EQ(out.posted, 1);
    ASSERT_TRUE(out.written.ok()) << out.written.message();
    EXPECT_EQ((*readVouchers(plain))[5].denpyouCount, 1);
}

TEST_F(MonthFilesTest, AnUnreadableVoucherFileThatCannotBeMovedIsLeftAlone) {
    writeBytes(plain, kDamagedMonth);
    setMoveAsideHook([](const std::string&) { return std::optional<std::string>(); });
    const PostingOutcome out = postIntoVoucherMonth(kBusyo, 2026, 7, 5, *day);
    ASSERT_TRUE(out.damaged);
    EXPECT_FALSE(out.damaged->movedTo);
    EXPECT_TRUE(out.skipped);
    EXPECT_EQ(out.posted, 0);
    EXPECT_EQ(readBytes(plain), kDamagedMonth);
    EXPECT_EQ(asideCopies(plain), 0);
}

TEST_F(MonthFilesTest, AFailedVoucherWriteIsReported) {
    setWriteFaultHook([](WriteStage stage) { return stage == WriteStage::Rename; });
    const PostingOutcome out = postIntoVoucherMonth(kBusyo, 2026, 7, 5, *day);
    EXPECT_FALSE(out.written.ok());
    EXPECT_FALSE(out.written.message().empty());
    EXPECT_FALSE(fs::exists(plain));
}

TEST_F(MonthFilesTest, ADamagedWorkingMonthIsMovedAsideBeforeTheSave) {
    const std::string month = nippouPath(kBusyo, 2026, 7);
    writeBytes(month, kDamagedMonth);
    DailyMonthFiles files;
    auto before = std::make_unique<NippouMonth>();
    const auto damaged = files.load(kBusyo, 2026, 7, *before);
    ASSERT_EQ(damaged.size(), 1u);
    ASSERT_TRUE(damaged[0].movedTo);
    EXPECT_EQ(readBytes(*damaged[0].movedTo), kDamagedMonth);
    nippouMonth[3].kingaku[5] = 42;
    ASSERT_TRUE(files.save(kBusyo, 2026, 7).ok());
    auto saved = std::make_unique<NippouMonth>();
    double costs = 0;
    ASSERT_TRUE(readNippouMonth(month, *saved, costs).ok());
    EXPECT_EQ((*saved)[3].kingaku[5], 42);
}

TEST_F(MonthFilesTest, ADamagedWorkingMonthThatCannotBeMovedIsNeverSavedOver) {
    const std::string month = nippouPath(kBusyo, 2026, 7);
    writeBytes(month, kDamagedMonth);
    setMoveAsideHook([](const std::string&) { return std::optional<std::string>(); });
    DailyMonthFiles files;
    auto before = std::make_unique<NippouMonth>();
    const auto damaged = files.load(kBusyo, 2026, 7, *before);
    ASSERT_EQ(damaged.size(), 1u);
    EXPECT_FALSE(damaged[0].movedTo);
    const Status saved = files.save(kBusyo, 2026, 7);
    EXPECT_FALSE(saved.ok());
    EXPECT_NE(saved.message().find(month), std::string::npos);
    EXPECT_EQ(readBytes(month), kDamagedMonth);
    // another month of the same department saves as ever
    EXPECT_TRUE(files.save(kBusyo, 2026, 8).ok());
}

TEST_F(MonthFilesTest, TheMonthBeforeComesFromTheYearBefore) {
    auto december = std::make_unique<NippouMonth>();
    (*december)[31].kingaku[28] = -1200;
    ASSERT_TRUE(writeNippouMonth(nippouPath(kBusyo, 2003, 12, true), *december, 5).ok());
    DailyMonthFiles files;
    auto before = std::make_unique<NippouMonth>();
    koteihi = 9;
    EXPECT_TRUE(files.load(kBusyo, 2004, 1, *before).empty());
    EXPECT_EQ((*before)[31].kingaku[28], -1200) << "read under the older name";
    EXPECT_EQ(koteihi, 0) << "the working month's fixed costs, not December's";
}

TEST_F(MonthFilesTest, ADamagedMonthBeforeIsMovedAsideAndReportedFirst) {
    const std::string june = nippouPath(kBusyo, 2026, 6);
    const std::string july = nippouPath(kBusyo, 2026, 7);
    for (bool julyDamaged : {false, true}) {
        SCOPED_TRACE(julyDamaged ? "both months damaged" : "the month before damaged");
        writeBytes(june, kDamagedMonth);
        if (julyDamaged)
            writeBytes(july, kDamagedMonth);
        DailyMonthFiles files;
        auto before = std::make_unique<NippouMonth>();
        (*before)[30].kingaku[28] = 5; // what an earlier load left
        const auto damaged = files.load(kBusyo, 2026, 7, *before);
        ASSERT_EQ(damaged.size(), julyDamaged ? 2u : 1u);
        EXPECT_EQ(damaged[0].path, june);
        ASSERT_TRUE(damaged[0].movedTo);
        EXPECT_EQ(readBytes(*damaged[0].movedTo), kDamagedMonth);
        EXPECT_FALSE(fs::exists(june));
        EXPECT_EQ((*before)[30].kingaku[28], 0);
        if (julyDamaged) {
            EXPECT_EQ(damaged[1].path, july);
        }
    }
    // Missing stays silent.
    DailyMonthFiles files;
    auto before = std::make_unique<NippouMonth>();
    EXPECT_TRUE(files.load(kBusyo, 2026, 7, *before).empty());
}
