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
        RegisterFileGuard& guard;
    } registers[] = {{QStringLiteral("tekiyou.dat"), &loadTekiyouOrDefaults, accountTitleFile()},
                     {QStringLiteral("ty.dat"), &loadTyOrDefaults, subAccountFile()}};
    for (const auto& r : registers) {
        const LoadOutcome outcome = r.load();
        r.guard.noteLoad(outcome);
        tellLoadOutcome(r.file, outcome);
    }
}

void tellLoadOutcome(const QString& file, const LoadOutcome& outcome) {
    if (outcome.damaged)
        tellDamagedFile(*outcome.damaged, outcome.createdDefaults);
    // Without defaults a failure is the move aside, told with the damaged file just now.
    if (!outcome.status && outcome.createdDefaults)
        msgBox(QStringLiteral("%1 を保存できませんでした。\r%2")
                   .arg(file, QString::fromStdString(outcome.status.message())),
               Buttons::Ok, Icon::Critical);
}

LoadOutcome readTellingDamage(const std::string& path, PathReader reader) {
    LoadOutcome outcome = readOrMoveAside(path, reader);
    if (outcome.damaged)
        tellDamagedFile(*outcome.damaged);
    return outcome;
}

bool RegisterFileGuard::read(const std::string& path, PathReader reader) {
    const LoadOutcome outcome = readTellingDamage(path, reader);
    noteLoad(outcome);
    return outcome.read;
}

void RegisterFileGuard::noteLoad(const LoadOutcome& outcome) {
    damaged_.clear();
    if (outcome.damaged)
        damaged_.note(*outcome.damaged);
}

Status RegisterFileGuard::write(const std::string& path, PathWriter writer) const {
    if (Status refused = damaged_.check(path); !refused)
        return refused;
    return writer(path);
}

RegisterFileGuard& accountTitleFile() {
    static RegisterFileGuard guard;
    return guard;
}

RegisterFileGuard& subAccountFile() {
    static RegisterFileGuard guard;
    return guard;
}

} // namespace lukana
