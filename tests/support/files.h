#pragma once
#include "storage/damaged_file.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Where a load moved the damaged file it met; nothing when it met none or could not move it.
inline std::optional<std::string> movedAsideTo(const std::optional<lukana::DamagedFile>& damaged) {
    return damaged ? damaged->movedTo : std::nullopt;
}
