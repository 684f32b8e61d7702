#pragma once
// Shared by the fuzz targets: each input is stored as a file, read through the real reader,
// and when the read succeeds the values are written and read back, which must reproduce them.
#include "storage/state.h"
#include "storage/status.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fuzz {

// A private folder on a memory file system where there is one: the writers flush to disk.
inline const std::filesystem::path& workDir() {
    static const std::filesystem::path dir = [] {
        std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        auto d = base / ("lukana-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        lukana::resetSharedState();
        return d;
    }();
    return dir;
}

inline std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string store(const std::string& name, const uint8_t* data, size_t size) {
    std::string path = (workDir() / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

[[noreturn]] inline void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

// Reads the input; when that succeeds, writes the values, reads them back and writes again:
// both writes must give the same bytes, and the written file must read without failure.
inline void roundTrip(const std::string& name, const uint8_t* data, size_t size,
                      lukana::Status (*read)(), lukana::Status (*write)()) {
    lukana::filePath = store(name, data, size);
    if (!read().ok())
        return;
    const std::string first = (workDir() / (name + ".1")).string();
    lukana::filePath = first;
    if (lukana::Status s = write(); !s.ok()) {
        // Only a text that code page 932 cannot hold may refuse to be written.
        if (s.message().find("Shift_JIS") == std::string::npos)
            fail("write failed", s.message());
        return;
    }
    lukana::filePath = first;
    if (lukana::Status s = read(); !s.ok())
        fail("written file does not read back", s.message());
    const std::string second = (workDir() / (name + ".2")).string();
    lukana::filePath = second;
    if (lukana::Status s = write(); !s.ok())
        fail("second write failed", s.message());
    if (slurp(first) != slurp(second))
        fail("values changed through a write and read", name);
}

// A file family a fuzz target picks by the input's first byte.
struct Family {
    const char* name;
    lukana::Status (*read)();
    lukana::Status (*write)();
};

// The first byte picks the family, the rest is its file's content; the family picked, or none
// for an empty input.
template <size_t N>
const Family* roundTripPicked(const Family (&families)[N], const uint8_t* data, size_t size) {
    if (size < 1)
        return nullptr;
    const Family& f = families[data[0] % N];
    roundTrip(f.name, data + 1, size - 1, f.read, f.write);
    return &f;
}

} // namespace fuzz
