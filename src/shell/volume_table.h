#pragma once
// Which mounted file systems can hold a backup: real volumes that keep their files across a
// restart. Memory file systems (a backup there vanishes at the next boot), the kernel's own
// views, container layers and the system's folders are no place for one.
#include <string>
#include <string_view>
#include <vector>

namespace lukana {

// The mount points of a mounts table (the text of /proc/self/mounts: device, mount point, type,
// options, ...) that are persistent, writable volumes outside the system's folders, in table
// order, each once.
std::vector<std::string> persistentMountPoints(std::string_view mountsTable);

} // namespace lukana
