#include "login_files.h"

#include "shell_state.h"
#include "storage/atomic_file.h"
#include "storage/state.h"
#include "storage/text_format.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace lukana {
namespace {

Status readOne(const std::string& path, const std::function<bool(TextReader&)>& read) {
    std::string bytes;
    if (Status s = readWholeFile(path, bytes); !s)
        return s;
    TextReader reader(bytes);
    if (!read(reader))
        return Status::failure(reader.error() + ": " + path);
    return {};
}

// Where the folder cannot hold hard links: an exclusive create, removed again when the
// value cannot be written whole.
Status createWithExclusiveOpen(const std::string& path, const std::string& bytes, bool& existed) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) {
        if (errno == EEXIST) {
            existed = true;
            return {};
        }
        return systemFailure("ファイルを作成できません", path, errno);
    }
    bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
              ::fsync(fd) == 0;
    int err = errno;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(path.c_str());
        return systemFailure("ファイルに書き込めません", path, err);
    }
    return {};
}

} // namespace

Status readPassword(const std::string& path) {
    std::string value;
    if (Status s = readOne(path, [&](TextReader& r) { return r.readString(value); }); !s)
        return s;
    password = value;
    return {};
}

Status writePassword(const std::string& path) {
    TextWriter writer;
    writer.putString(password);
    return writer.commit(path);
}

Status readLoginLock(const std::string& path) {
    int value = 0;
    if (Status s = readOne(path, [&](TextReader& r) { return r.readInteger(value); }); !s)
        return s;
    loginLock = value;
    return {};
}

Status writeLoginLock(const std::string& path) {
    TextWriter writer;
    writer.putInteger(loginLock);
    return writer.commit(path);
}

Status createLoginLock(const std::string& path, bool& existed) {
    existed = false;
    TextWriter writer;
    writer.putInteger(loginLock);
    // The whole file is written under a name of its own and then linked to login.dat: the link
    // fails when login.dat exists, and nobody ever sees the file half written.
    static std::atomic<int> serial{0};
    const std::string temporary =
        path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
    if (Status s = writer.commit(temporary); !s)
        return s;
    int rc = ::link(temporary.c_str(), path.c_str());
    int err = errno;
    ::unlink(temporary.c_str());
    if (rc == 0)
        return {};
    if (err == EEXIST) {
        existed = true;
        return {};
    }
    if (err == EPERM || err == ENOTSUP || err == EOPNOTSUPP || err == EMLINK || err == EXDEV)
        return createWithExclusiveOpen(path, writer.bytes(), existed);
    return systemFailure("ファイルを作成できません", path, err);
}

Status passwModosi() {
    return readPassword(filePath);
}

Status passwHozon() {
    return writePassword(filePath);
}

Status loginModosi() {
    return readLoginLock(filePath);
}

Status loginHozon() {
    return writeLoginLock(filePath);
}

Status loginCreateExclusive(bool& existed) {
    return createLoginLock(filePath, existed);
}

} // namespace lukana
