#include "folder_copy.h"

#include "storage/atomic_file.h"

#include <filesystem>

namespace lukana {

Status copyFolderMerge(const std::string& from, const std::string& to,
                       const std::set<std::string>& leftOut) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_directory(from, ec))
        return Status::failure("フォルダーがありません: " + from);
    fs::create_directory(to, ec);
    if (!fs::is_directory(to, ec))
        return Status::failure("フォルダーを作成できません: " + to);
    fs::recursive_directory_iterator it(from, ec), end;
    if (ec)
        return Status::failure("フォルダーを読めません: " + from + " (" + systemReason(ec) + ")");
    for (; it != end; it.increment(ec)) {
        if (ec)
            return Status::failure("フォルダーを読めません: " + from + " (" + systemReason(ec) +
                                   ")");
        const fs::path relative = fs::relative(it->path(), from);
        const fs::path target = fs::path(to) / relative;
        if (it->is_directory(ec)) {
            fs::create_directory(target, ec);
            if (!fs::is_directory(target, ec))
                return Status::failure("フォルダーを作成できません: " + target.string());
        } else if (it->is_regular_file(ec) && !leftOut.count(relative.generic_string())) {
            std::string bytes;
            if (Status s = readWholeFile(it->path().string(), bytes); !s)
                return s;
            if (Status s = writeFileAtomically(target.string(), bytes); !s)
                return s;
        }
    }
    return {};
}

} // namespace lukana
