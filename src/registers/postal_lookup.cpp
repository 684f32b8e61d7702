#include "postal_lookup.h"

#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/state.h"

#include <algorithm>
#include <filesystem>

namespace lukana {

bool loadPostalTable() {
    if (readPostalCodes((std::filesystem::path(programDir) / kKenAllFileName).string()))
        return true;
    emptyPostalTable();
    return false;
}

void emptyPostalTable() {
    std::vector<KenAllRow>().swap(kenAllRows);
    kenAllCount = 0;
}

std::string postalDigits(std::string_view typed) {
    std::string digits;
    for (char c : typed)
        if (c >= '0' && c <= '9')
            digits.push_back(c);
    return digits;
}

int findPostalRow(std::string_view typed) {
    const double wanted = leadingNumber(postalDigits(typed));
    const int n = std::min(kenAllCount, static_cast<int>(kenAllRows.size()));
    for (int i = 0; i < n; ++i)
        if (leadingNumber(kenAllRows[static_cast<size_t>(i)].postalCode) == wanted)
            return i;
    return -1;
}

} // namespace lukana
