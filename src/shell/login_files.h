#pragma once
// The password file passw.dat and the login lock login.dat of the data root.
#include "storage/status.h"

#include <string>

namespace lukana {

Status readPassword(const std::string& path);  // into password
Status writePassword(const std::string& path); // from password
Status readLoginLock(const std::string& path); // into loginLock
// From loginLock, replacing any file.
Status writeLoginLock(const std::string& path);

// Creates login.dat holding loginLock only when no file of that name exists, in one step, so
// that of two starts at the same moment only one takes the lock. existed is set when another
// file was there first; that is not a failure.
Status createLoginLock(const std::string& path, bool& existed);

// The same on the file at filePath, like every storage procedure.
Status passwModosi();
Status passwHozon();
Status loginModosi();
Status loginHozon();
Status loginCreateExclusive(bool& existed);

} // namespace lukana
