#include "damaged_files.h"

#include "platform/message_box.h"
#include "storage/state.h"

#include <filesystem>
#include <system_error>

namespace lukana {

using namespace platform;

QString movedAsideMessage(const QString& file, const std::string& movedTo, bool rebuilt) {
    const QString what = rebuilt ? QStringLiteral("%1 が壊れていて読めなかったため、"
                                                  "初期の内容で作り直しました。")
                                 : QStringLiteral("%1 が壊れていて読めませんでした。");
    // The path goes last, on a line of its own, so that it can be copied whole.
    return (what + QStringLiteral("\r壊れたファイルは次の場所に移してあります。\r%2"))
        .arg(file, QString::fromStdString(movedTo));
}

void loadTekiyouAndTyTelling() {
    const struct {
        QString file;
        LoadOutcome (*load)();
    } registers[] = {{QStringLiteral("tekiyou.dat"), &loadTekiyouOrDefaults},
                     {QStringLiteral("ty.dat"), &loadTyOrDefaults}};
    for (const auto& r : registers) {
        const LoadOutcome outcome = r.load();
        if (outcome.movedAsideTo)
            msgBox(movedAsideMessage(r.file, *outcome.movedAsideTo, true), Buttons::Ok,
                   Icon::Warning);
        if (!outcome.status)
            msgBox(QStringLiteral("%1 を保存できませんでした。\r%2")
                       .arg(r.file, QString::fromStdString(outcome.status.message())),
                   Buttons::Ok, Icon::Critical);
    }
}

LoadOutcome readTellingDamage(Status (*reader)()) {
    const std::string path = filePath;
    const QString file = QString::fromStdString(std::filesystem::path(path).filename().string());
    LoadOutcome outcome = readOrMoveAside(reader);
    if (outcome.movedAsideTo)
        msgBox(movedAsideMessage(file, *outcome.movedAsideTo, false), Buttons::Ok, Icon::Warning);
    else if (!outcome.status)
        msgBox(QStringLiteral("%1 が壊れていて読めず、別の名前に移すこともできませんでした。\r"
                              "このファイルはそのまま残し、上書きの保存はしません。\r%2")
                   .arg(file, QString::fromStdString(path)),
               Buttons::Ok, Icon::Warning);
    return outcome;
}

bool RegisterFileGuard::read(Status (*reader)()) {
    const std::string path = filePath;
    const LoadOutcome outcome = readTellingDamage(reader);
    kept_ = outcome.status ? std::string() : path;
    return outcome.read;
}

Status RegisterFileGuard::write(Status (*writer)()) const {
    std::error_code ec;
    if (!kept_.empty() && filePath == kept_ &&
        std::filesystem::exists(std::filesystem::symlink_status(kept_, ec)))
        return Status::failure(kept_ + " は読めなかったファイルのため、上書きしません。"
                                       "別の場所に移してから保存してください。");
    return writer();
}

} // namespace lukana
