#pragma once
// The minimal pass over a file's bytes that the benchmarks measure against: split them into
// lines and convert each line to a number (an integer, or a double when the line is not one).
#include <charconv>
#include <cstring>
#include <string_view>

// Calls f with each line of bytes, without its LF.
template <typename F> void forEachLine(std::string_view bytes, F&& f) {
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (p < end) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        if (!nl)
            nl = end;
        f(std::string_view(p, size_t(nl - p)));
        p = nl + 1;
    }
}

inline double minimalPass(std::string_view bytes) {
    double sum = 0;
    forEachLine(bytes, [&](std::string_view line) {
        const char* q = line.data();
        const char* e = q + line.size();
        while (q < e && *q == ' ')
            ++q;
        if (e > q && e[-1] == '\r')
            --e;
        long long whole = 0;
        auto [at, ec] = std::from_chars(q, e, whole);
        if (ec == std::errc() && at == e) {
            sum += double(whole);
        } else {
            double value = 0;
            std::from_chars(q, e, value);
            sum += value;
        }
    });
    return sum;
}
