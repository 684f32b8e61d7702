#include "volume_table.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace lukana {
namespace {

// File systems that live in memory or are the kernel's, a container's or a package's.
constexpr std::array<std::string_view, 28> kPassingTypes = {
    "autofs",    "binfmt_misc",     "bpf",        "cgroup",     "cgroup2",
    "configfs",  "debugfs",         "devpts",     "devtmpfs",   "efivarfs",
    "fusectl",   "hugetlbfs",       "mqueue",     "nsfs",       "overlay",
    "proc",      "pstore",          "ramfs",      "rpc_pipefs", "securityfs",
    "selinuxfs", "squashfs",        "sysfs",      "tmpfs",      "tracefs",
    "aufs",      "fuse.gvfsd-fuse", "fuse.portal"};

// Folders of the system on the root file system; removable disks under /run/media are the
// user's.
constexpr std::array<std::string_view, 14> kSystemFolders = {
    "/bin", "/boot", "/dev",  "/etc", "/lib", "/opt", "/proc",
    "/run", "/sbin", "/snap", "/sys", "/tmp", "/usr", "/var"};

bool under(std::string_view path, std::string_view folder) {
    return path == folder ||
           (path.starts_with(folder) && path.size() > folder.size() && path[folder.size()] == '/');
}

bool isSystemFolder(std::string_view mountPoint) {
    if (under(mountPoint, "/run/media"))
        return false;
    return std::any_of(kSystemFolders.begin(), kSystemFolders.end(),
                       [&](std::string_view f) { return under(mountPoint, f); });
}

// The table writes a blank, a tab, a line end and a backslash in a path as octal escapes.
std::string unescape(std::string_view field) {
    const auto octal = [](char c) { return c >= '0' && c <= '7'; };
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) &&
            octal(field[i + 2]) && octal(field[i + 3])) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
            continue;
        }
        out += field[i];
    }
    return out;
}

bool readOnly(const std::string& options) {
    std::istringstream list(options);
    std::string option;
    while (std::getline(list, option, ','))
        if (option == "ro")
            return true;
    return false;
}

} // namespace

std::vector<std::string> persistentMountPoints(std::string_view mountsTable) {
    std::vector<std::string> points;
    std::istringstream lines{std::string(mountsTable)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, type, options;
        if (!(fields >> device >> mountPoint >> type >> options))
            continue;
        mountPoint = unescape(mountPoint);
        if (std::find(kPassingTypes.begin(), kPassingTypes.end(), type) != kPassingTypes.end() ||
            readOnly(options) || isSystemFolder(mountPoint) ||
            std::find(points.begin(), points.end(), mountPoint) != points.end())
            continue;
        points.push_back(mountPoint);
    }
    return points;
}

} // namespace lukana
