#pragma once
// The one conversion from the storage layer's UTF-8 strings to Qt's.
#include <QString>

#include <filesystem>
#include <string>

namespace lukana::platform {

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// The last part of a path, as messages name a file.
inline QString fileNameText(const std::string& path) {
    return toQString(std::filesystem::path(path).filename().string());
}

} // namespace lukana::platform
