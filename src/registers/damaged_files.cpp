#include "damaged_files.h"

#include "platform/damaged_file.h"
#include "platform/message_box.h"
#include "storage/state.h"

#include <filesystem>
#include <system_error>

namespace lukana {

using namespace platform;

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

LoadOutcome readTellingDamage(const std::string& path, PathReader reader) {
    LoadOutcome outcome = readOrMoveAside(path, reader);
    if (outcome.movedAsideTo || !outcome.status)
        tellDamagedFile(path, outcome.movedAsideTo);
    return outcome;
}

bool RegisterFileGuard::read(const std::string& path, PathReader reader) {
    const LoadOutcome outcome = readTellingDamage(path, reader);
    kept_ = outcome.status ? std::string() : path;
    return outcome.read;
}

Status RegisterFileGuard::write(const std::string& path, PathWriter writer) const {
    std::error_code ec;
    if (!kept_.empty() && path == kept_ &&
        std::filesystem::exists(std::filesystem::symlink_status(kept_, ec)))
        return Status::failure(kept_ + " は読めなかったファイルのため、上書きしません。"
                                       "別の場所に移してから保存してください。");
    return writer(path);
}

} // namespace lukana
