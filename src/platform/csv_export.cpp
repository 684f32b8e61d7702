#include "csv_export.h"

#include "dialogs.h"
#include "file_names.h"
#include "message_box.h"
#include "pointer.h"
#include "storage/routines.h"
#include "storage/state.h"

#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace lukana::platform {

namespace {

// A file marked read-only keeps its contents even for root, who could rename over it.
bool readOnly(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

std::optional<QString> chooseTarget(const QString& fileName) {
    SaveFileRequest request;
    request.filter = QStringLiteral("csvﾌｧｲﾙ (*.csv)");
    request.folder = lastFolder(FileKind::Csv);
    if (!fileName.isEmpty())
        request.suggested = fileName + QStringLiteral(".csv");
    request.askOverwrite = false;
    for (;;) {
        std::optional<QString> path = chooseSaveFile(request);
        if (!path || path->isEmpty())
            return std::nullopt;
        if (!QFileInfo::exists(*path))
            return path;
        if (msgBox(QStringLiteral("そのファイルは存在します。書き換えますか？"), Buttons::YesNo,
                   Icon::Question, std::nullopt, QStringLiteral("上書確認")) == Answer::Yes)
            return path;
    }
}

bool write(const QString& path, const std::function<std::string()>& buildText) {
    setMousePointer(Pointer::Busy);
    const std::string file = QFile::encodeName(path).toStdString();
    csvText = buildText();
    const bool written = !readOnly(file) && writeCsvText(file).ok();
    setMousePointer(Pointer::Normal);
    return written;
}

} // namespace

CsvSaveResult saveCsvFile(const std::function<std::string()>& buildText, const QString& fileName) {
    std::optional<QString> path = chooseTarget(fileName);
    if (!path)
        return CsvSaveResult::Cancelled;
    rememberFolder(FileKind::Csv, *path);
    if (!write(*path, buildText)) {
        msgBox(QStringLiteral("ファイルの作成に失敗しました"));
        return CsvSaveResult::Failed;
    }
    msgBox(QStringLiteral("ﾌｧｲﾙ処理に成功しました"));
    return CsvSaveResult::Saved;
}

} // namespace lukana::platform
