#include "id_counter_merge.h"

#include "storage/masters.h"
#include "storage/state.h"

#include <algorithm>
#include <array>

namespace lukana {

Status mergeIdCountersWithFile(const std::string& path) {
    const std::array<int*, 10> counters{&ttidSlot1, &ttidTenpo,   &ttidKanri, &ttidSlot4,
                                        &ttidSiire, &ttidTekiyou, &ttidTy,    &ttidSlot8,
                                        &ttidKouza, &ttidKyoutuu};
    std::array<int, 10> inMemory{};
    for (size_t i = 0; i < counters.size(); ++i)
        inMemory[i] = *counters[i];

    // The reader fills the counters it can read and leaves the others as they are.
    const Status read = readIdCounters(path);

    for (size_t i = 0; i < counters.size(); ++i)
        *counters[i] = read ? std::max(inMemory[i], *counters[i]) : inMemory[i];
    return read;
}

} // namespace lukana
