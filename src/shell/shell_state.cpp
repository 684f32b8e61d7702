#include "shell_state.h"

namespace lukana {

std::string password;
int passwMissing = 0;
int loginLock = 0;
int recovDone = 0;
MainWindow* mainForm = nullptr;

void resetShellState() {
    password.clear();
    passwMissing = 0;
    loginLock = 0;
    recovDone = 0;
    mainForm = nullptr;
}

} // namespace lukana
