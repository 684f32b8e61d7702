#pragma once
// The minimal pass over a file's bytes that the benchmarks measure against: split them into
// lines and convert each line to a number (an integer, or a double when the line is not one).
#include <charconv>
#include <cstring>
#include <string_view>

inline double minimalPass(std::string_view bytes) {
    double sum = 0;
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (p < end) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        if (!nl)
            nl = end;
        const char* q = p;
        while (q < nl && *q == ' ')
            ++q;
        const char* e = nl;
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
        p = nl + 1;
    }
    return sum;
}
