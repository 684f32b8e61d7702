// Failure messages give the common causes in Japanese and keep the system's text for the rest.
#include "storage/atomic_file.h"
#include "storage/status.h"
#include "support/temp_dir.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

using namespace lukana;

TEST(FailureReason, CommonCausesAreToldInJapaneseOthersInTheSystemsText) {
    struct Case {
        int err;
        const char* reason; // nullptr: the system's own text
    };
    for (const Case& c :
         {Case{ENOENT, "フォルダーまたはファイルがありません"},
          Case{ENOTDIR, "途中のフォルダーがありません"},
          Case{EACCES, "アクセスする権限がありません"}, Case{EPERM, "アクセスする権限がありません"},
          Case{ENOSPC, "ディスクの空き容量が足りません"},
          Case{EDQUOT, "ディスクの空き容量が足りません"}, Case{EROFS, "読み取り専用のディスクです"},
          Case{EISDIR, "同じ名前のフォルダーがあります"}, Case{EIO, nullptr},
          Case{ENAMETOOLONG, nullptr}}) {
        const std::string expected = c.reason ? c.reason : std::strerror(c.err);
        EXPECT_EQ(systemReason(c.err), expected) << c.err;
        EXPECT_EQ(systemReason(std::make_error_code(static_cast<std::errc>(c.err))), expected)
            << c.err;
        EXPECT_EQ(systemFailure("保存できません", "/x/a.dat", c.err).message(),
                  "保存できません: /x/a.dat (" + expected + ")")
            << c.err;
    }
}

TEST(FailureReason, TheWriterTellsAMissingFolderAndAFolderInTheWay) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "a.dat");
    struct Case {
        std::string path;
        const char* ending;
    };
    for (const Case& c :
         {Case{(dir.path() / "none" / "a.dat").string(), "(フォルダーまたはファイルがありません)"},
          Case{(dir.path() / "a.dat").string(), "(同じ名前のフォルダーがあります)"}}) {
        const Status s = writeFileAtomically(c.path, "x");
        ASSERT_FALSE(s.ok()) << c.path;
        EXPECT_TRUE(s.message().ends_with(c.ending)) << s.message();
    }
}
