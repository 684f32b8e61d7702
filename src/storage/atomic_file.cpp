#include "atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace lukana {
namespace {

WriteFaultHook& faultHook() {
    static WriteFaultHook hook;
    return hook;
}

bool injected(WriteStage stage) {
    const auto& hook = faultHook();
    if (hook && hook(stage)) {
        errno = stage == WriteStage::Write ? ENOSPC : EIO;
        return true;
    }
    return false;
}

Status failed(const std::string& what, const std::string& path, int err) {
    return systemFailure(what, path, err);
}

class FdCloser {
  public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

} // namespace

void setWriteFaultHook(WriteFaultHook hook) {
    faultHook() = std::move(hook);
}

namespace {
// Linux tells the umask in /proc; setting it to read it is the fallback, put back at once, since
// a file created by another thread in between would get the wrong mode.
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}
} // namespace

unsigned fileModeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 0777;
    return 0666 & ~currentUmask();
}

Status writeFileAtomically(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    fs::path dir = target.parent_path();
    if (dir.empty())
        dir = ".";
    std::string tmpName(".");
    tmpName.append(target.filename().string()).append(".tmp-XXXXXX");
    std::string tmpl = (dir / tmpName).string();

    int fd = injected(WriteStage::Create) ? -1 : ::mkstemp(tmpl.data());
    if (fd < 0)
        return failed("ファイルを作成できません", path, errno);
    FdCloser closer(fd);
    auto discard = [&](const char* what) {
        int err = errno;
        ::unlink(tmpl.c_str());
        return failed(what, path, err);
    };
    ::fchmod(fd, fileModeFor(path));

    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        if (injected(WriteStage::Write))
            return discard("ファイルに書き込めません");
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return discard("ファイルに書き込めません");
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (injected(WriteStage::Sync) || ::fsync(fd) != 0)
        return discard("ファイルをディスクに書き出せません");
    if (::close(closer.release()) != 0)
        return discard("ファイルを閉じられません");
    if (injected(WriteStage::Rename) || ::rename(tmpl.c_str(), path.c_str()) != 0)
        return discard("ファイルを置き換えられません");

    // The rename is durable only once the folder entry is on disk.
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        bool syncFailed = injected(WriteStage::DirSync) || ::fsync(dfd) != 0;
        int err = errno;
        ::close(dfd);
        if (syncFailed)
            return failed("フォルダーをディスクに書き出せません", path, err);
    }
    return {};
}

Status readWholeFile(const std::string& path, std::string& bytes) {
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return failed("ファイルを開けません", path, errno);
    FdCloser closer(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return failed("ファイルを読めません", path, errno);
    if (S_ISDIR(st.st_mode))
        return failed("ファイルを読めません", path, EISDIR);
    bytes.clear();
    if (st.st_size > 0)
        bytes.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failed("ファイルを読めません", path, errno);
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    return {};
}

} // namespace lukana
