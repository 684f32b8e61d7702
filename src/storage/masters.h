#pragma once
// Readers (<file>Modosi) and writers (<file>Hozon) of the master files. Each takes its path
// from filePath and moves values between the file and the shared lists of state.h.
#include "damaged_file.h"
#include "status.h"

#include <functional>
#include <optional>
#include <string>

namespace lukana {

// Departments. Tolerant after block A; busyoNames and busyoIds are rebuilt after every read
// and write.
Status misenaModosi();
Status misenaHozon();
void rebuildBusyoLists();

// Account titles and sub-accounts (strict).
Status tekiyouModosi();
Status tekiyouHozon();
Status tyModosi();
Status tyHozon();

// Suppliers (tolerant after block A), banks, staff (strict).
Status siireModosi();
Status siireHozon();
Status kouzaModosi();
Status kouzaHozon();
Status kanriModosi();
Status kanriHozon();

// Menu items and categories: the readers clear the list before opening.
Status menudModosi();
Status menudHozon();
Status mbunModosi();
Status mbunHozon();

// Id counters (tolerant after opening).
Status ttidModosi();
Status ttidHozon();

// Postal-code table, read until its end or the capacity (tolerant after opening).
Status kenAllModosi();

// The default lists: fill memory, write the file at filePath's root path, raise the counter
// (20 for account titles, 10 for sub-accounts) and write ttid.dat.
Status createDefaultTekiyou();
Status createDefaultTy();

// What happened when a register file was loaded.
struct LoadOutcome {
    bool read = true; // false also for a missing file
    bool createdDefaults = false;
    // An existing but unreadable file, moved aside where it could be, so the user can be told.
    std::optional<DamagedFile> damaged;
    Status status; // a failure to move aside or to write the defaults
};
// Reads filePath with reader; when that fails for a file that exists, moves the file aside
// so that no later write can destroy what the reader could not take in. A missing file is
// no failure here; status fails only when the damaged file could not be moved.
LoadOutcome readOrMoveAside(Status (*reader)());

// Reads tekiyou.dat (ty.dat) of the data root; when that fails, moves a file that exists
// aside and creates the defaults.
LoadOutcome loadTekiyouOrDefaults();
LoadOutcome loadTyOrDefaults();

// Moves an unreadable file to <name>.broken-YYYYMMDD-HHMMSS in its folder; returns the new path.
std::optional<std::string> moveAside(const std::string& path);
// Test seam: when set, moveAside asks the hook instead of moving the file.
using MoveAsideHook = std::function<std::optional<std::string>(const std::string& path)>;
void setMoveAsideHook(MoveAsideHook hook);

} // namespace lukana
