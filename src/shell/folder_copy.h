#pragma once
#include "storage/status.h"

#include <string>

namespace lukana {

// Copies the folder from, with its subfolders, into the folder to (made when missing): files of
// the same name in to are replaced, files that only to holds stay. Each file is replaced whole.
Status copyFolderMerge(const std::string& from, const std::string& to);

} // namespace lukana
