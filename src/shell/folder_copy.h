#pragma once
#include "storage/status.h"

#include <set>
#include <string>

namespace lukana {

// Copies the folder from, with its subfolders, into the folder to (made when missing): files of
// the same name in to are replaced, files that only to holds stay. Each file is replaced whole.
// The files of leftOut (paths relative to from, with '/') are not copied.
Status copyFolderMerge(const std::string& from, const std::string& to,
                       const std::set<std::string>& leftOut = {});

} // namespace lukana
