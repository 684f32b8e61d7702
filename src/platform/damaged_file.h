#pragma once
// What the user is told about a data file that exists but could not be read: it was moved
// aside (and where to), or it could not be moved and stays in place, never saved over.
#include "storage/damaged_file.h"

#include <QString>

#include <string>

namespace lukana::platform {

// The message for a damaged file now at movedTo; rebuilt when its defaults took its place.
QString movedAsideMessage(const QString& file, const std::string& movedTo, bool rebuilt);

// The message for a damaged file at path that could not be moved aside; keptNote says what
// becomes of it (by default that it stays and is not saved over).
QString notMovedAsideMessage(const QString& file, const std::string& path,
                             const QString& keptNote = {});

// Shows the one that applies as a warning.
void tellDamagedFile(const DamagedFile& damaged, bool rebuilt = false,
                     const QString& keptNote = {});

} // namespace lukana::platform
