#pragma once
// The keys a calculation counts under, numbered densely: the hours 0..30, or the distinct ids of
// the department's menu items (other ids on the slips are not counted).
#include "analysis_types.h"

#include <vector>

namespace lukana {

class KeyMap {
  public:
    static KeyMap hours();
    static KeyMap menuIds(const std::vector<MenuItem>& items);

    int size() const { return size_; }
    // The key of an hour or a menu id; -1 when it is not counted.
    int keyOf(int hourOrId) const {
        return hourOrId >= 0 && hourOrId < static_cast<int>(keys_.size()) ? keys_[hourOrId] : -1;
    }
    int keyOf(MenuId id) const { return keyOf(id.value); }

  private:
    std::vector<int> keys_;
    int size_ = 0;
};

} // namespace lukana
