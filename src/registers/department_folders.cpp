#include "department_folders.h"

#include "storage/paths.h"
#include "storage/state.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace lukana {

namespace fs = std::filesystem;

const char* const kUnsafeDepartmentName =
    "この名前は部署のフォルダー名に使えません。\r"
    "空の名前、「.」「..」、/ \\ : * ? \" < > | や制御文字を含む名前、\r"
    "先頭や末尾が空白またはピリオドの名前、\r"
    "漢字で85文字（半角英数字で255文字）を超える名前は使えません。";

void makeDepartmentFolder(const std::string& name) {
    const std::string folder = busyoFolderPath(name);
    if (folder.empty())
        return;
    std::error_code ec;
    fs::create_directory(folder, ec);
}

Status moveDepartmentFolder(const std::string& oldName, const std::string& newName) {
    const std::string to = busyoFolderPath(newName);
    if (to.empty())
        return Status::failure(kUnsafeDepartmentName);
    const std::string from = busyoFolderPath(oldName);
    std::error_code ec;
    if (from.empty() || !fs::is_directory(fs::symlink_status(from, ec)))
        return Status::failure("部署のフォルダー「" + oldName +
                               "」が見つからないため、名前を変更できません。");
    // A rename over an existing empty folder would succeed silently and lose it; a folder
    // left by a deleted department must stay that department's.
    if (fs::exists(fs::symlink_status(to, ec)) && !fs::equivalent(from, to, ec))
        return Status::failure("「" + newName +
                               "」という名前のフォルダーがすでにあるため、名前を変更できません。");
    fs::rename(from, to, ec);
    if (ec)
        return Status::failure(
            "部署のフォルダー「" + oldName +
            "」の名前を変更できません。使用中のファイルがないか確かめてください。");
    return {};
}

int departmentPositionOfId(int id) {
    const int n = std::min({busyoCount, static_cast<int>(busyoIds.size())});
    for (int i = 0; i < n; ++i)
        if (busyoIds[static_cast<size_t>(i)] == id)
            return i;
    return -1;
}

} // namespace lukana
