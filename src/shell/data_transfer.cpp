#include "data_transfer.h"

#include "folder_copy.h"
#include "storage/atomic_file.h"
#include "storage/paths.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <vector>

namespace lukana {
namespace fs = std::filesystem;
namespace {

// The login lock belongs to the program running on the data root, never to a copy of it: a
// recovered tree holding one would start with the "already logged in" warning.
const std::set<std::string> kNeverCopied = {"login.dat"};

RestoreFaultHook& faultHook() {
    static RestoreFaultHook hook;
    return hook;
}

std::vector<fs::path> componentsOf(const std::string& folder) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    if (ec)
        p = fs::absolute(folder).lexically_normal();
    std::vector<fs::path> parts;
    for (const fs::path& part : p)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

Status failure(const std::string& what, const fs::path& path, const std::error_code& ec) {
    return systemFailure(what, path.string(), ec);
}

// Moves one staged file over its namesake in the data root. A rename replaces the file in one
// step; across file systems the file is written through the atomic writer instead.
Status moveFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (!ec)
        return {};
    if (ec != std::errc::cross_device_link)
        return failure("ファイルを置き換えられません", to, ec);
    std::string bytes;
    if (Status s = readWholeFile(from.string(), bytes); !s)
        return s;
    return writeFileAtomically(to.string(), bytes);
}

} // namespace

bool foldersOverlap(const std::string& a, const std::string& b) {
    const auto pa = componentsOf(a), pb = componentsOf(b);
    const size_t n = std::min(pa.size(), pb.size());
    return std::equal(pa.begin(), pa.begin() + static_cast<std::ptrdiff_t>(n), pb.begin());
}

bool isSameDrive(const std::string& chosen) {
    return foldersOverlap(chosen, dataRoot());
}

std::string transferFolder(const std::string& chosen) {
    return (fs::path(chosen) / rootName).string();
}

std::string stagingFolder() {
    return (fs::path(dataRoot()).parent_path() / (rootName + ".recovery")).string();
}

Status backupDataRoot(const std::string& chosen) {
    return copyDataRoot(transferFolder(chosen));
}

Status copyDataRoot(const std::string& target) {
    if (Status s = copyFolderMerge(dataRoot(), target, kNeverCopied); !s)
        return s;
    // A lock an older backup took along goes; recovery leaves it out in any case.
    std::error_code ignored;
    for (const std::string& name : kNeverCopied)
        fs::remove(fs::path(target) / name, ignored);
    return {};
}

RestoreOutcome restoreDataRoot(const std::string& chosen) {
    const fs::path source = transferFolder(chosen);
    const fs::path staging = stagingFolder();
    const fs::path root = dataRoot();
    if (foldersOverlap(source.string(), staging.string()) ||
        foldersOverlap(source.string(), root.string()))
        return {Status::failure("コピー元とコピー先が重なっています"), false};

    std::error_code ec;
    fs::remove_all(staging, ec); // left over from an attempt that did not finish
    if (ec)
        return {failure("作業フォルダーを削除できません", staging, ec), false};
    auto dropStaging = [&] {
        std::error_code ignored;
        fs::remove_all(staging, ignored);
    };

    if (Status s = copyFolderMerge(source.string(), staging.string(), kNeverCopied); !s) {
        dropStaging();
        return {s, false};
    }

    // What the staged copy holds, parents before their contents.
    std::vector<fs::path> folders, files;
    for (fs::recursive_directory_iterator it(staging, ec), end; !ec && it != end;
         it.increment(ec)) {
        const fs::path rel = fs::relative(it->path(), staging, ec);
        if (ec)
            break;
        (it->is_directory(ec) ? folders : files).push_back(rel);
    }
    if (ec) {
        dropStaging();
        return {failure("作業フォルダーを読めません", staging, ec), false};
    }
    std::sort(folders.begin(), folders.end());
    std::sort(files.begin(), files.end());

    // A file where the data root has a folder (or the other way round) could not be put in
    // place; found now, it leaves the data root untouched.
    for (const fs::path& rel : folders)
        if (fs::exists(root / rel, ec) && !fs::is_directory(root / rel, ec)) {
            dropStaging();
            return {Status::failure("フォルダーと同じ名前のファイルがあります: " +
                                    (root / rel).string()),
                    false};
        }
    for (const fs::path& rel : files)
        if (fs::is_directory(root / rel, ec)) {
            dropStaging();
            return {Status::failure("ファイルと同じ名前のフォルダーがあります: " +
                                    (root / rel).string()),
                    false};
        }

    bool touched = false;
    auto fail = [&](Status s) {
        dropStaging();
        return RestoreOutcome{std::move(s), touched};
    };
    if (!fs::is_directory(root, ec)) {
        fs::create_directories(root, ec);
        if (ec)
            return fail(failure("フォルダーを作成できません", root, ec));
        touched = true;
    }
    for (const fs::path& rel : folders) {
        const bool made = fs::create_directory(root / rel, ec);
        if (ec)
            return fail(failure("フォルダーを作成できません", root / rel, ec));
        touched = touched || made;
    }
    for (const fs::path& rel : files) {
        if (faultHook() && faultHook()(rel.generic_string()))
            return fail(Status::failure("ファイルを置き換えられません: " + (root / rel).string()));
        if (Status s = moveFile(staging / rel, root / rel); !s)
            return fail(s);
        touched = true;
    }
    dropStaging();
    return {Status{}, touched};
}

void setRestoreFaultHook(RestoreFaultHook hook) {
    faultHook() = std::move(hook);
}

} // namespace lukana
