#pragma once
#include "status.h"

#include <functional>
#include <string>
#include <string_view>

namespace lukana {

// Steps of an atomic replacement, named so that tests can make any one of them fail.
enum class WriteStage { Create, Write, Sync, Rename, DirSync };

// Test seam: when set and it returns true for a stage, that stage fails as if the disk had.
using WriteFaultHook = std::function<bool(WriteStage)>;
void setWriteFaultHook(WriteFaultHook hook);

// The mode a file written at path is given: that of the file it replaces, so a rewrite keeps what
// the user set, or for a new file the user's usual one (0666 less the umask).
unsigned fileModeFor(const std::string& path);

// Replaces the file at path with bytes: a temporary file in the same folder is written,
// flushed to disk and renamed over the target, so the target is either old or new, never torn.
Status writeFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file. A missing or unreadable file is a failure.
Status readWholeFile(const std::string& path, std::string& bytes);

} // namespace lukana
