#include "paths.h"

#include <cstdlib>
#include <filesystem>

namespace lukana {

std::string driveRoot;
std::string rootName = "ktlukana";
std::string programDir;

std::string chooseDriveRoot(std::string_view driveArgument) {
    if (!driveArgument.empty())
        return std::string(driveArgument);
    if (const char* env = std::getenv("LUKANA_DRIVE"); env && *env)
        return env;
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    return ".";
}

std::string dataRoot() {
    return (std::filesystem::path(driveRoot) / rootName).string();
}

std::string backupRoot() {
    return (std::filesystem::path(driveRoot) / (rootName + "bu")).string();
}

std::string rootFilePath(std::string_view fileName) {
    return (std::filesystem::path(dataRoot()) / fileName).string();
}

std::string busyoFolderPath(std::string_view busyoName) {
    if (!isSafeFolderName(busyoName))
        return {};
    return (std::filesystem::path(dataRoot()) / busyoName).string();
}

std::string busyoFilePath(std::string_view busyoName, std::string_view fileName) {
    std::string folder = busyoFolderPath(busyoName);
    if (folder.empty())
        return {};
    return (std::filesystem::path(folder) / fileName).string();
}

bool isSafeFolderName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || name.size() > kMaxFolderNameBytes)
        return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7f)
            return false;
        switch (c) {
        case '/':
        case '\\':
        case ':':
        case '*':
        case '?':
        case '"':
        case '<':
        case '>':
        case '|':
            return false;
        default:
            break;
        }
    }
    auto edge = [](char c) { return c == ' ' || c == '.'; };
    // The ideographic space (U+3000) counts as a blank too.
    auto ideographicSpaceAt = [&](size_t at) { return name.substr(at, 3) == "\u3000"; };
    if (edge(name.front()) || edge(name.back()) || ideographicSpaceAt(0) ||
        (name.size() >= 3 && ideographicSpaceAt(name.size() - 3)))
        return false;
    return true;
}

std::string monthFileName(int year, int month, std::string_view ending, bool olderForm) {
    std::string name;
    if (olderForm)
        name.append(" ");
    name.append(std::to_string(year));
    if (olderForm)
        name.append(" ");
    name.append(std::to_string(month)).append(ending);
    return name;
}

} // namespace lukana
