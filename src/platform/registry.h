#pragma once
// The program's registry settings: an INI file per user under the application title.
#include <QString>

namespace lukana::platform {

// Writes one value under application "ルカナ", section section. Nothing reads them back.
// Returns false when the settings file could not be written.
bool saveSetting(const QString& section, const QString& key, const QString& value);

} // namespace lukana::platform
