#pragma once
#include <vector>

namespace lukana {

// Lists are indexed only within their capacity: a list that has shrunk is grown back first.
template <typename... T> void ensureCapacity(int capacity, std::vector<T>&... lists) {
    const auto size = static_cast<size_t>(capacity);
    ((lists.size() < size ? lists.resize(size) : void()), ...);
}

} // namespace lukana
