#pragma once
#include "storage/status.h"

#include <memory>

namespace lukana {

class MainWindow;

struct DataTreeResult {
    bool createdRoot = false; // this start made the data root
    Status status;
};
// Makes the data root, the automatic backup folder and the folders inside the root that are
// missing; folders that exist stay untouched.
DataTreeResult ensureDataTree();

// The program's start: splash, data tree, login, lock, id counters, tax table and the main
// window. Returns the shown main window, or nothing when the program ends here. The drive root
// (driveRoot) is chosen before.
std::unique_ptr<MainWindow> Main();

// The system ends the program at any moment of the run: once the main window is loaded, its
// exit routine's file steps run without a question; before that only this start's own lock
// goes. The caller ends the process afterwards.
void endProgramBySystem();

} // namespace lukana
