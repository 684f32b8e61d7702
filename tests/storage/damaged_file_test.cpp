// A damaged data file: moved aside when it is there, and never saved over while it stays.
#include "storage/damaged_file.h"
#include "storage/masters.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace lukana;
namespace fs = std::filesystem;

namespace {

class DamagedFileTest : public ::testing::Test {
  protected:
    void TearDown() override { setMoveAsideHook({}); }
    static void keepInPlace() {
        setMoveAsideHook([](const std::string&) { return std::optional<std::string>(); });
    }
    TempDir dir;
    const std::string path = (dir.path() / "20043u.dat").string();
};

TEST_F(DamagedFileTest, OnlyAFileThatIsThereIsMovedAside) {
    EXPECT_FALSE(moveAsideIfPresent(path, "why"));
    EXPECT_FALSE(moveAsideIfPresent("", "why"));

    writeBytes(path, "x");
    const std::optional<DamagedFile> moved = moveAsideIfPresent(path, "why");
    ASSERT_TRUE(moved && moved->movedTo);
    EXPECT_EQ(moved->path, path);
    EXPECT_EQ(moved->reason, "why");
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(readBytes(*moved->movedTo), "x");

    writeBytes(path, "y");
    keepInPlace();
    const std::optional<DamagedFile> kept = moveAsideIfPresent(path);
    ASSERT_TRUE(kept);
    EXPECT_FALSE(kept->movedTo);
    EXPECT_EQ(readBytes(path), "y");
}

TEST_F(DamagedFileTest, TheGuardRefusesAKeptFileUntilItIsGoneOrForgotten) {
    const std::string other = (dir.path() / "20044u.dat").string();
    writeBytes(path, "x");
    writeBytes(other, "x");
    DamagedFileGuard guard;
    guard.reset({{path, std::nullopt, {}}, {other, other + ".broken", {}}});
    EXPECT_TRUE(guard.keeps(path));
    const Status refused = guard.check(path);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message(), path + " は読めなかったファイルのため、上書きしません。"
                                        "別の場所に移してから保存してください。");
    EXPECT_FALSE(guard.keeps(other)) << "moved aside: its path is free";

    fs::remove(path); // the user moved it away
    EXPECT_TRUE(guard.check(path));
    writeBytes(path, "x");
    guard.clear();
    EXPECT_FALSE(guard.keeps(path));
}

} // namespace
