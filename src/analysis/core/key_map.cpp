#include "key_map.h"

namespace lukana {

KeyMap KeyMap::hours() {
    KeyMap map;
    for (int h = 0; h < kHourKeys; ++h)
        map.keys_.push_back(h);
    map.size_ = kHourKeys;
    return map;
}

KeyMap KeyMap::menuIds(const std::vector<MenuItem>& items) {
    KeyMap map;
    map.keys_.assign(kMaxMenuId + 1, -1);
    for (const MenuItem& item : items)
        if (item.id >= 0 && item.id <= kMaxMenuId && map.keys_[item.id] < 0)
            map.keys_[item.id] = map.size_++;
    return map;
}

} // namespace lukana
