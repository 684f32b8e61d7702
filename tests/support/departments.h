#pragma once
// Another department, in memory and with its folder, as the department register leaves it.
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/state.h"

#include <cstddef>
#include <filesystem>
#include <string>

inline void addBusyo(const std::string& name, int id) {
    const auto slot = static_cast<std::size_t>(lukana::busyoCount);
    lukana::busyoRecs[slot].name = name;
    lukana::busyoRecs[slot].id = id;
    ++lukana::busyoCount;
    lukana::rebuildBusyoLists();
    std::filesystem::create_directories(lukana::busyoFolderPath(name));
}
