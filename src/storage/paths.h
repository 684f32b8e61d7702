#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace lukana {

// The drive of the data tree is a folder here; the data root is driveRoot/rootName.
extern std::string driveRoot;
extern std::string rootName;   // "ktlukana"
extern std::string programDir; // folder of the executable (KenAll.csv lies there)

// Picks the drive root: the --drive argument, else LUKANA_DRIVE, else the home folder.
std::string chooseDriveRoot(std::string_view driveArgument);

std::string dataRoot();
std::string backupRoot(); // driveRoot/ktlukanabu, the automatic backup copy
std::string rootFilePath(std::string_view fileName);
// Empty when the department name cannot be a folder name, so nothing is written beside it.
std::string busyoFilePath(std::string_view busyoName, std::string_view fileName);
std::string busyoFolderPath(std::string_view busyoName);

// The longest folder name the file systems take: 255 bytes (85 kanji).
inline constexpr size_t kMaxFolderNameBytes = 255;

// A name that can be one folder: not empty, not "." or "..", none of / \ : * ? " < > |
// or control characters, no leading or trailing blanks or dots, at most kMaxFolderNameBytes.
bool isSafeFolderName(std::string_view name);

// "20037.dat" for July 2003 (ending ".dat"), " 2003 7u.dat" in the older form.
std::string monthFileName(int year, int month, std::string_view ending, bool olderForm = false);

} // namespace lukana
