#include "damaged_file.h"

#include "masters.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace lukana {

namespace {
bool present(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}
} // namespace

std::optional<DamagedFile> moveAsideIfPresent(const std::string& path, std::string reason) {
    if (!present(path))
        return std::nullopt;
    return DamagedFile{path, moveAside(path), std::move(reason)};
}

void DamagedFileGuard::note(const DamagedFile& damaged) {
    if (!damaged.movedTo)
        kept_.push_back(damaged.path);
}

void DamagedFileGuard::reset(const std::vector<DamagedFile>& damaged) {
    kept_.clear();
    for (const DamagedFile& d : damaged)
        note(d);
}

bool DamagedFileGuard::keeps(const std::string& path) const {
    // Once the user has moved it away, the path is free to be written again.
    return std::find(kept_.begin(), kept_.end(), path) != kept_.end() && present(path);
}

Status DamagedFileGuard::check(const std::string& path) const {
    if (!keeps(path))
        return {};
    return Status::failure(path + " は読めなかったファイルのため、上書きしません。"
                                  "別の場所に移してから保存してください。");
}

} // namespace lukana
