#pragma once
// Copies of the data root to and from another volume or folder. The chosen folder stands
// where a drive would: the copy is the folder rootName inside it.
#include "storage/status.h"

#include <functional>
#include <string>

namespace lukana {

// True when the two folders are the same or one lies inside the other, links resolved.
bool foldersOverlap(const std::string& a, const std::string& b);

// The chosen folder is the data root, lies inside it or holds it: the same drive.
bool isSameDrive(const std::string& chosen);

// The copy of the data root that belongs to a chosen folder: chosen/rootName.
std::string transferFolder(const std::string& chosen);

// Where a recovery gathers the backup before it touches the data root: beside the data root.
std::string stagingFolder();

// Copies the data root into transferFolder(chosen): files of the same name are replaced, files
// that only the target holds stay.
Status backupDataRoot(const std::string& chosen);

// Copies the data root into target as backupDataRoot does: all but the login lock, which a
// copy never holds.
Status copyDataRoot(const std::string& target);

struct RestoreOutcome {
    Status status;
    bool dataRootTouched = false; // a failure after part of the backup was put in place
};

// Restores transferFolder(chosen) over the data root, a login lock in it left out. The backup is
// first copied whole into the staging folder, so that an unreadable backup or a full disk leave the
// data root as it was; only then are the staged files moved into the data root, each replacing its
// namesake. Files that only the data root holds stay.
RestoreOutcome restoreDataRoot(const std::string& chosen);

// Test seam: when set and it returns true for a file (its path relative to the data root),
// putting that file in place fails as if the disk had.
using RestoreFaultHook = std::function<bool(const std::string& relativePath)>;
void setRestoreFaultHook(RestoreFaultHook hook);

} // namespace lukana
