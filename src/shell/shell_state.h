#pragma once
// State of the start-up, the login and the main window that later windows read as well.
#include <string>

namespace lukana {

class MainWindow;

extern std::string password; // as read from passw.dat, or as typed at a first login
extern int passwMissing;     // 1 while the next confirmed password becomes the password
extern int loginLock;        // read from login.dat, 1 when this start created it
extern int recovDone;        // set to 1 by the recovery dialog after a successful restore
extern MainWindow* mainForm;

void resetShellState();

} // namespace lukana
