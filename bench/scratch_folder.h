#pragma once
// A fresh folder for a benchmark's files below $LUKANA_BENCH_DIR (default: the system's
// temporary folder); the benchmark ends when none can be made.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

inline std::string scratchFolder(const char* benchName) {
    const char* base = std::getenv("LUKANA_BENCH_DIR");
    const std::filesystem::path parent =
        base && *base ? std::filesystem::path(base) : std::filesystem::temp_directory_path();
    std::string folder = (parent / (std::string("lukana-") + benchName + "-XXXXXX")).string();
    if (!::mkdtemp(folder.data())) {
        std::fprintf(stderr, "%s: cannot make a folder below %s\n", benchName,
                     parent.string().c_str());
        std::exit(1);
    }
    return folder;
}
