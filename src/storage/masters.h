#pragma once
// Readers and writers of the master files: they move values between the file and the shared
// lists of state.h. The procedures <file>Modosi and <file>Hozon take their path from filePath.
#include "damaged_file.h"
#include "status.h"

#include <functional>
#include <optional>
#include <string>

namespace lukana {

// The readers and writers on a path; an empty path fails to open.
// Departments. Tolerant after block A; busyoNames and busyoIds are rebuilt after every read
// and write.
Status readDepartments(const std::string& path); // misena.dat
Status writeDepartments(const std::string& path);
void rebuildBusyoLists();

// Account titles and sub-accounts (strict).
Status readAccountTitles(const std::string& path); // tekiyou.dat
Status writeAccountTitles(const std::string& path);
Status readSubAccounts(const std::string& path); // ty.dat
Status writeSubAccounts(const std::string& path);

// Suppliers (tolerant after block A), banks, staff (strict).
Status readSuppliers(const std::string& path); // siire.dat
Status writeSuppliers(const std::string& path);
Status readBanks(const std::string& path); // kouza.dat
Status writeBanks(const std::string& path);
Status readStaff(const std::string& path); // kanri.dat
Status writeStaff(const std::string& path);

// Menu items and categories: the readers clear the list before opening.
Status readMenuItems(const std::string& path); // menud.dat
Status writeMenuItems(const std::string& path);
Status readMenuCategories(const std::string& path); // mbun.dat
Status writeMenuCategories(const std::string& path);

// Id counters (tolerant after opening).
Status readIdCounters(const std::string& path); // ttid.dat
Status writeIdCounters(const std::string& path);

// Postal-code table, read until its end or the capacity (tolerant after opening).
Status readPostalCodes(const std::string& path); // KenAll.csv

// The same on the file at filePath.
Status misenaModosi();
Status misenaHozon();
Status tekiyouModosi();
Status tekiyouHozon();
Status tyModosi();
Status tyHozon();
Status siireModosi();
Status siireHozon();
Status kouzaModosi();
Status kouzaHozon();
Status kanriModosi();
Status kanriHozon();
Status menudModosi();
Status menudHozon();
Status mbunModosi();
Status mbunHozon();
Status ttidModosi();
Status ttidHozon();
Status kenAllModosi();

// The default lists: fill memory, write the file of the data root, raise the counter
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
using PathReader = Status (*)(const std::string& path);
using PathWriter = Status (*)(const std::string& path);
// Reads path with reader; when that fails for a file that exists, moves the file aside
// so that no later write can destroy what the reader could not take in. A missing file is
// no failure here; status fails only when the damaged file could not be moved.
LoadOutcome readOrMoveAside(const std::string& path, PathReader reader);

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
