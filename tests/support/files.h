#pragma once
#include "storage/damaged_file.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The permission bits of a file; -1 when it is missing.
inline int modeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? int(st.st_mode & 0777) : -1;
}

// Sets the umask while it lives.
class UmaskGuard {
  public:
    explicit UmaskGuard(mode_t mask) : before_(::umask(mask)) {}
    ~UmaskGuard() { ::umask(before_); }
    UmaskGuard(const UmaskGuard&) = delete;
    UmaskGuard& operator=(const UmaskGuard&) = delete;

  private:
    mode_t before_;
};

// Where a load moved the damaged file it met; nothing when it met none or could not move it.
inline std::optional<std::string> movedAsideTo(const std::optional<lukana::DamagedFile>& damaged) {
    return damaged ? damaged->movedTo : std::nullopt;
}
