#pragma once
// The password file passw.dat and the login lock login.dat of the data root. Each takes its
// path from filePath, like every storage procedure.
#include "storage/status.h"

namespace lukana {

Status passwModosi(); // into password
Status passwHozon();  // from password
Status loginModosi(); // into loginLock
Status loginHozon();  // from loginLock, replacing any file

// Creates login.dat holding loginLock only when no file of that name exists, in one step, so
// that of two starts at the same moment only one takes the lock. existed is set when another
// file was there first; that is not a failure.
Status loginCreateExclusive(bool& existed);

} // namespace lukana
