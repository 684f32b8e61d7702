#include "damaged_files.h"

#include "platform/damaged_file.h"
#include "platform/message_box.h"
#include "storage/state.h"

namespace lukana {

using namespace platform;

void loadAccountTitlesTelling() {
    const struct {
        QString file;
        LoadOutcome (*load)();
    } registers[] = {{QStringLiteral("tekiyou.dat"), &loadTekiyouOrDefaults},
                     {QStringLiteral("ty.dat"), &loadTyOrDefaults}};
    for (const auto& r : registers) {
        const LoadOutcome outcome = r.load();
        if (outcome.damaged && outcome.damaged->movedTo)
            tellDamagedFile(*outcome.damaged, true);
        if (!outcome.status)
            msgBox(QStringLiteral("%1 を保存できませんでした。\r%2")
                       .arg(r.file, QString::fromStdString(outcome.status.message())),
                   Buttons::Ok, Icon::Critical);
    }
}

LoadOutcome readTellingDamage(const std::string& path, PathReader reader) {
    LoadOutcome outcome = readOrMoveAside(path, reader);
    if (outcome.damaged)
        tellDamagedFile(*outcome.damaged);
    return outcome;
}

bool RegisterFileGuard::read(const std::string& path, PathReader reader) {
    const LoadOutcome outcome = readTellingDamage(path, reader);
    damaged_.clear();
    if (outcome.damaged)
        damaged_.note(*outcome.damaged);
    return outcome.read;
}

Status RegisterFileGuard::write(const std::string& path, PathWriter writer) const {
    if (Status refused = damaged_.check(path); !refused)
        return refused;
    return writer(path);
}

} // namespace lukana
