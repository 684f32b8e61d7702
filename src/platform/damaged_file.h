#pragma once
// What the user is told about a data file that exists but could not be read: it was moved
// aside (and where to), or it could not be moved and stays in place, never saved over.
#include <QString>

#include <optional>
#include <string>

namespace lukana::platform {

// The message for a damaged file now at movedTo; rebuilt when its defaults took its place.
QString movedAsideMessage(const QString& file, const std::string& movedTo, bool rebuilt);

// The message for a damaged file at path that could not be moved aside.
QString notMovedAsideMessage(const QString& file, const std::string& path);

// Shows the one that applies as a warning: movedTo empty when the file stays at path.
void tellDamagedFile(const std::string& path, const std::optional<std::string>& movedTo,
                     bool rebuilt = false);

} // namespace lukana::platform
