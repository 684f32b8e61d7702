#pragma once
// The question a window asks before its unsaved changes would be lost: "データを保存しますか"
// with Yes, No and Cancel.
#include <functional>

namespace lukana::platform {

enum class SaveAnswer {
    Saved,     // saved on Yes, or nothing had changed
    Discarded, // No: the changes are dropped
    Cancelled, // Cancel, or the box closed without a choice
    Failed,    // Yes, but the save failed (save has told why)
};

// Asks only when changed is not 0. On Yes runs save, which returns false when it failed.
// Saved and Discarded set changed to 0; the others leave it.
SaveAnswer askToSave(int& changed, const std::function<bool()>& save);
inline SaveAnswer askToSave(bool& changed, const std::function<bool()>& save) {
    int asInt = changed;
    const SaveAnswer answer = askToSave(asInt, save);
    changed = asInt != 0;
    return answer;
}

// True when the caller may go on: nothing unsaved is left behind. On Cancelled and Failed it
// stays where it is.
inline bool proceeds(SaveAnswer answer) {
    return answer == SaveAnswer::Saved || answer == SaveAnswer::Discarded;
}

} // namespace lukana::platform
