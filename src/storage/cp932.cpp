#include "cp932.h"

#include <cerrno>
#include <iconv.h>

namespace lukana {
namespace {

bool isAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

// One converter per direction and thread; iconv descriptors are not thread-safe.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::optional<std::string> run(std::string_view in) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return std::nullopt;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out(in.size() * 2 + 16, '\0');
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        size_t used = 0;
        while (srcLeft > 0) {
            char* dst = out.data() + used;
            size_t dstLeft = out.size() - used;
            size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (r == static_cast<size_t>(-1)) {
                if (errno == E2BIG) {
                    out.resize(out.size() * 2);
                    continue;
                }
                return std::nullopt; // EILSEQ or EINVAL: not convertible
            }
            if (r > 0)
                return std::nullopt; // irreversible (substituted) conversion
        }
        out.resize(used);
        return out;
    }

  private:
    iconv_t cd_;
};

} // namespace

std::optional<std::string> toCp932(std::string_view utf8) {
    if (isAscii(utf8))
        return std::string(utf8);
    thread_local Converter conv("CP932", "UTF-8");
    return conv.run(utf8);
}

std::optional<std::string> fromCp932(std::string_view cp932) {
    if (isAscii(cp932))
        return std::string(cp932);
    thread_local Converter conv("UTF-8", "CP932");
    return conv.run(cp932);
}

bool fitsCp932(std::string_view utf8) {
    return toCp932(utf8).has_value();
}

} // namespace lukana
