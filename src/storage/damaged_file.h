#pragma once
// Data files that exist but cannot be read. Such a file is moved aside before anything can be
// written in its place; one that cannot be moved stays as it is and is never saved over.
#include "status.h"

#include <optional>
#include <string>
#include <vector>

namespace lukana {

struct DamagedFile {
    std::string path;                   // the unreadable file
    std::optional<std::string> movedTo; // where it went; empty: it stays at path
    std::string reason;                 // why it could not be read, where known
};

// Moves the unreadable file at path aside when there is one there (an empty path has none).
std::optional<DamagedFile> moveAsideIfPresent(const std::string& path, std::string reason = {});

// The damaged files a load left in place, which no save may write over.
class DamagedFileGuard {
  public:
    void clear() { kept_.clear(); }
    // Remembers a damaged file that could not be moved aside.
    void note(const DamagedFile& damaged);
    // Forgets the files noted so far and notes these.
    void reset(const std::vector<DamagedFile>& damaged);
    // True when path is such a file and it is still there.
    bool keeps(const std::string& path) const;
    // Fails, naming the file, when keeps(path).
    Status check(const std::string& path) const;

  private:
    std::vector<std::string> kept_;
};

} // namespace lukana
