#include "save_question.h"

#include "message_box.h"

namespace lukana::platform {

SaveAnswer askToSave(int& changed, const std::function<bool()>& save) {
    if (changed == 0)
        return SaveAnswer::Saved;
    switch (msgBox(QStringLiteral("データを保存しますか"), Buttons::YesNoCancel, Icon::Question,
                   std::nullopt, QStringLiteral("確認"))) {
    case Answer::Yes:
        if (!save())
            return SaveAnswer::Failed; // the changes stay unsaved
        changed = 0;
        return SaveAnswer::Saved;
    case Answer::No:
        changed = 0;
        return SaveAnswer::Discarded;
    default:
        return SaveAnswer::Cancelled;
    }
}

} // namespace lukana::platform
