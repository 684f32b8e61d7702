#include "platform/csv_export.h"
#include "platform/pointer.h"
#include "platform/text.h"
#include "storage/atomic_file.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <QDir>
#include <QStandardPaths>

#include <filesystem>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace lukana::platform;

namespace {

const QString kExists = QStringLiteral("そのファイルは存在します。書き換えますか？");
const QString kSaved = QStringLiteral("ﾌｧｲﾙ処理に成功しました");
const QString kFailed = QStringLiteral("ファイルの作成に失敗しました");

// The text of a two-line file, checking that the pointer is busy while it is built.
std::string builtText() {
    EXPECT_EQ(mousePointer(), Pointer::Busy);
    return " 2003年 4月　本店\r\n 1,火,\"123,456\"";
}

const std::string kFileBytes = "\x20\x32\x30\x30\x33\x94\x4e\x20\x34\x8c\x8e\x81\x40\x96\x7b"
                               "\x93\x58\r\n\x20\x31,\x89\xce,\"123,456\"\r\n";

} // namespace

TEST(CsvExport, SavesInCp932WithTheDialogAsAskedAndOneSuccessMessage) {
    TempDir dir;
    const auto path = dir.path() / "uriage"; // no extension added
    TestScript script;
    script.saveFile(toQString(path)).answer(Answer::Ok);
    EXPECT_EQ(saveCsvFile(builtText), CsvSaveResult::Saved);
    EXPECT_EQ(readBytes(path.string()), kFileBytes);
    EXPECT_EQ(mousePointer(), Pointer::Normal);

    ASSERT_EQ(script.saveRequests().size(), 1u);
    const SaveFileRequest& request = script.saveRequests()[0];
    EXPECT_EQ(request.filter, "csvﾌｧｲﾙ (*.csv)");
    EXPECT_TRUE(request.suggested.isEmpty());
    EXPECT_FALSE(request.askOverwrite);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_TRUE(request.folder == documents || request.folder == QDir::homePath());
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, kSaved);
    EXPECT_EQ(script.boxes()[0].title, kAppTitle);
    EXPECT_EQ(script.boxes()[0].buttons, Buttons::Ok);
}

TEST(CsvExport, AnExistingFileIsAskedAboutAndNoOpensTheDialogAgain) {
    TempDir dir;
    const auto path = dir.path() / "uriage.csv";
    writeBytes(path.string(), "old");
    TestScript script;
    script.saveFile(toQString(path))
        .answer(Answer::No)
        .saveFile(toQString(path))
        .answer(Answer::Yes);
    script.answer(Answer::Ok);
    EXPECT_EQ(saveCsvFile(builtText), CsvSaveResult::Saved);
    EXPECT_EQ(readBytes(path.string()), kFileBytes);

    ASSERT_EQ(script.saveRequests().size(), 2u);
    EXPECT_TRUE(script.saveRequests()[1].suggested.isEmpty());
    ASSERT_EQ(script.boxes().size(), 3u);
    const MessageBoxRecord& question = script.boxes()[0];
    EXPECT_EQ(question.text, kExists);
    EXPECT_EQ(question.title, "上書確認");
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.icon, Icon::Question);
    EXPECT_EQ(script.boxes()[2].text, kSaved);
}

TEST(CsvExport, CancelWritesNothingAndBuildsNothing) {
    TempDir dir;
    const auto path = dir.path() / "uriage.csv";
    writeBytes(path.string(), "old");
    for (bool afterDecline : {false, true}) {
        TestScript script;
        if (afterDecline)
            script.saveFile(toQString(path)).answer(Answer::No);
        script.saveFile(std::nullopt);
        bool built = false;
        EXPECT_EQ(saveCsvFile([&] {
                      built = true;
                      return std::string("x");
                  }),
                  CsvSaveResult::Cancelled);
        EXPECT_FALSE(built);
        EXPECT_EQ(readBytes(path.string()), "old");
        EXPECT_EQ(mousePointer(), Pointer::Normal);
        EXPECT_EQ(script.boxes().size(), afterDecline ? 1u : 0u);
    }
}

TEST(CsvExport, AFailedWriteSaysSoAndLeavesTheOldFile) {
    struct Case {
        const char* what;
        std::string name;
        bool readOnly;
        bool diskFull;
        std::string text;
    };
    const Case cases[] = {
        {"missing folder", "missing/uriage.csv", false, false, "a"},
        {"read-only file", "uriage.csv", true, false, "a"},
        {"full disk", "uriage.csv", false, true, "a"},
        {"not in CP932", "uriage.csv", false, false, "\xF0\x9F\x98\x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const auto path = dir.path() / c.name;
        const bool exists = std::filesystem::exists(path.parent_path());
        if (exists) {
            writeBytes(path.string(), "old");
            if (c.readOnly)
                ::chmod(path.c_str(), 0444);
        }
        if (c.diskFull)
            lukana::setWriteFaultHook(
                [](lukana::WriteStage s) { return s == lukana::WriteStage::Write; });
        TestScript script;
        script.saveFile(toQString(path));
        if (exists)
            script.answer(Answer::Yes);
        script.answer(Answer::Ok);
        EXPECT_EQ(saveCsvFile([&] { return c.text; }), CsvSaveResult::Failed);
        lukana::setWriteFaultHook({});
        EXPECT_EQ(mousePointer(), Pointer::Normal);
        ASSERT_FALSE(script.boxes().empty());
        EXPECT_EQ(script.boxes().back().text, kFailed);
        EXPECT_EQ(script.boxes().back().title, kAppTitle);
        if (exists) {
            EXPECT_EQ(readBytes(path.string()), "old");
        } else {
            EXPECT_FALSE(std::filesystem::exists(path));
        }
    }
}
