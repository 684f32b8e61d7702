#pragma once
// After a recovery the restored ttid.dat may hold counters above those in memory (ids the
// backup's run issued later); writing memory over it would issue those ids a second time.
#include "storage/status.h"

#include <string>

namespace lukana {

// Raises each id counter in memory to the value the id-counter file at path holds when that
// is larger. A counter the file does not hold stays; a file that cannot be opened changes
// nothing and is reported. The exit routine calls it just before it writes ttid.dat.
Status mergeIdCountersWithFile(const std::string& path);

} // namespace lukana
