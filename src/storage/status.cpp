#include "status.h"

#include <cerrno>
#include <cstring>

namespace lukana {

std::string systemReason(int err) {
    switch (err) {
    case ENOENT:
        return "フォルダーまたはファイルがありません";
    case ENOTDIR:
        return "途中のフォルダーがありません";
    case EACCES:
    case EPERM:
        return "アクセスする権限がありません";
    case ENOSPC:
    case EDQUOT:
        return "ディスクの空き容量が足りません";
    case EROFS:
        return "読み取り専用のディスクです";
    case EISDIR:
        return "同じ名前のフォルダーがあります";
    default:
        return std::strerror(err);
    }
}

std::string systemReason(const std::error_code& ec) {
    if (ec.category() == std::generic_category() || ec.category() == std::system_category())
        return systemReason(ec.value());
    return ec.message();
}

Status systemFailure(const std::string& what, const std::string& path, int err) {
    return Status::failure(what + ": " + path + " (" + systemReason(err) + ")");
}

Status systemFailure(const std::string& what, const std::string& path, const std::error_code& ec) {
    return Status::failure(what + ": " + path + " (" + systemReason(ec) + ")");
}

} // namespace lukana
