#include "cp932.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <memory>

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

namespace {

Converter& encoder() {
    thread_local Converter conv("CP932", "UTF-8");
    return conv;
}

// The code page 932 bytes of single characters, learnt from the converter the first time
// each one is met, as the decoder's cache below does the other way. Only characters of two
// and three bytes of UTF-8 in their one valid form (neither overlong nor a surrogate) are
// kept, and only when the converter turns one into one or two bytes without substitution;
// a text holding anything else is handed to the converter whole.
class EncodeCache {
  public:
    // An entry: the bytes (one or two) in the low two bytes, their count above.
    static constexpr std::uint32_t kUnknown = 0;
    static constexpr std::uint32_t kRefused = 0xFFFFFFFF;

    // The entry of the character at in[i], a byte from 0x80 on, moving i past it; kRefused
    // when the converter has to decide.
    std::uint32_t next(std::string_view in, size_t& i) {
        auto byte = [&](size_t k) { return static_cast<unsigned char>(in[k]); };
        auto continuation = [&](size_t k) { return k < in.size() && (byte(k) & 0xC0) == 0x80; };
        const unsigned char lead = byte(i);
        unsigned cp = 0;
        size_t length = 0;
        if (lead >= 0xC2 && lead <= 0xDF && continuation(i + 1)) {
            cp = (lead & 0x1Fu) << 6 | (byte(i + 1) & 0x3Fu);
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF && continuation(i + 1) && continuation(i + 2)) {
            cp = (lead & 0x0Fu) << 12 | (byte(i + 1) & 0x3Fu) << 6 | (byte(i + 2) & 0x3Fu);
            if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))
                return kRefused;
            length = 3;
        } else {
            return kRefused;
        }
        auto& page = pages_[cp >> 8];
        if (!page)
            page = std::make_unique<std::array<std::uint32_t, 256>>();
        std::uint32_t& e = (*page)[cp & 0xFF];
        if (e == kUnknown)
            e = learn(in.substr(i, length));
        i += length;
        return e;
    }

  private:
    static std::uint32_t learn(std::string_view bytes) {
        auto text = encoder().run(bytes);
        if (!text || text->empty() || text->size() > 2)
            return kRefused;
        std::uint32_t e = static_cast<std::uint32_t>(text->size()) << 24;
        for (size_t k = 0; k < text->size(); ++k)
            e |= static_cast<std::uint32_t>(static_cast<unsigned char>((*text)[k])) << (8 * k);
        return e;
    }

    std::unique_ptr<std::array<std::uint32_t, 256>> pages_[256];
};

// Encodes a text holding a byte from 0x80 on through the cache into out; false when the
// converter has to decide (out then holds something unfinished).
bool encodeCached(std::string_view in, std::string& out) {
    thread_local EncodeCache cache;
    out.resize(in.size() + 1); // never longer than the UTF-8; one more for a pair written whole
    char* o = out.data();
    size_t i = 0;
    while (i < in.size()) {
        if (static_cast<unsigned char>(in[i]) < 0x80) {
            *o++ = in[i++];
            continue;
        }
        const std::uint32_t e = cache.next(in, i);
        if (e == EncodeCache::kRefused)
            return false;
        o[0] = static_cast<char>(e & 0xFF);
        o[1] = static_cast<char>((e >> 8) & 0xFF);
        o += e >> 24;
    }
    out.resize(static_cast<size_t>(o - out.data()));
    return true;
}

} // namespace

std::optional<std::string> toCp932(std::string_view utf8) {
    if (isAscii(utf8))
        return std::string(utf8);
    std::string out;
    if (encodeCached(utf8, out))
        return out;
    return encoder().run(utf8);
}

bool toCp932(std::string_view utf8, std::string& out) {
    if (isAscii(utf8)) {
        out.assign(utf8);
        return true;
    }
    if (encodeCached(utf8, out))
        return true;
    auto text = encoder().run(utf8);
    if (!text)
        return false;
    out = std::move(*text);
    return true;
}

namespace {

Converter& decoder() {
    thread_local Converter conv("UTF-8", "CP932");
    return conv;
}

// The UTF-8 of single characters of code page 932, learnt from the converter the first time
// each one is met, so that a text of known characters is decoded without calling it. The
// result is the same: the code page has no shift states, so a text converts to the
// converted characters one after another. Only what the converter takes as exactly one
// character of these bytes is kept; everything else (a byte that starts a pair where the
// converter reads a single byte, or the other way round, an unknown or irreversible one)
// is marked, and a text holding it is handed to the converter whole.
class DecodeCache {
  public:
    // An entry: the UTF-8 bytes (at most 3) in the low three bytes, their count above.
    static constexpr std::uint32_t kUnknown = 0;
    static constexpr std::uint32_t kRefused = 0xFFFFFFFF;

    // Lead bytes of a pair; any other byte from 0x80 on is a character of its own.
    static bool isLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0); }

    // The entry of the character at in[i], a byte from 0x80 on, moving i past it; kRefused
    // when the converter has to decide.
    std::uint32_t next(std::string_view in, size_t& i) {
        const unsigned char c = static_cast<unsigned char>(in[i]);
        if (!isLead(c)) {
            std::uint32_t& e = single_[c - 0x80];
            if (e == kUnknown)
                e = learn(in.substr(i, 1));
            i += 1;
            return e;
        }
        if (i + 1 >= in.size())
            return kRefused;
        const unsigned char t = static_cast<unsigned char>(in[i + 1]);
        if (t < 0x40)
            return kRefused;
        std::uint32_t& e = pair_[(c - 0x81) * 192 + (t - 0x40)];
        if (e == kUnknown)
            e = learn(in.substr(i, 2));
        i += 2;
        return e;
    }

  private:
    static std::uint32_t learn(std::string_view bytes) {
        auto text = decoder().run(bytes);
        if (!text || text->empty() || text->size() > 3)
            return kRefused;
        // Exactly one character: a lead byte of UTF-8 and its continuation bytes.
        unsigned char lead = static_cast<unsigned char>((*text)[0]);
        size_t length = lead < 0x80    ? 1
                        : lead >= 0xF0 ? 4
                        : lead >= 0xE0 ? 3
                        : lead >= 0xC0 ? 2
                                       : 0;
        if (length != text->size())
            return kRefused;
        std::uint32_t e = static_cast<std::uint32_t>(length) << 24;
        for (size_t k = 0; k < length; ++k)
            e |= static_cast<std::uint32_t>(static_cast<unsigned char>((*text)[k])) << (8 * k);
        return e;
    }

    std::uint32_t single_[128] = {};
    // Lead bytes 0x81..0x9F and 0xE0..0xFF (indexes 0..30 and 95..126; the gap unused) by
    // trail bytes 0x40..0xFF.
    std::uint32_t pair_[127 * 192] = {};
};

// Decodes a text holding a byte from 0x80 on through the cache into out; false when the
// converter has to decide (out then holds something unfinished).
bool decodeCached(std::string_view in, std::string& out) {
    thread_local std::unique_ptr<DecodeCache> cache = std::make_unique<DecodeCache>();
    // A byte gives at most 3 bytes of UTF-8; one more for the whole entry written at once.
    out.resize(in.size() * 3 + 1);
    char* o = out.data();
    size_t i = 0;
    while (i < in.size()) {
        if (static_cast<unsigned char>(in[i]) < 0x80) {
            *o++ = in[i++];
            continue;
        }
        const std::uint32_t e = cache->next(in, i);
        if (e == DecodeCache::kRefused)
            return false;
        o[0] = static_cast<char>(e & 0xFF);
        o[1] = static_cast<char>((e >> 8) & 0xFF);
        o[2] = static_cast<char>((e >> 16) & 0xFF);
        o += e >> 24;
    }
    out.resize(static_cast<size_t>(o - out.data()));
    return true;
}

} // namespace

std::optional<std::string> fromCp932(std::string_view cp932) {
    if (isAscii(cp932))
        return std::string(cp932);
    std::string out;
    if (decodeCached(cp932, out))
        return out;
    return decoder().run(cp932);
}

bool fromCp932(std::string_view cp932, std::string& out) {
    if (isAscii(cp932)) {
        out.assign(cp932);
        return true;
    }
    if (decodeCached(cp932, out))
        return true;
    auto text = decoder().run(cp932);
    if (!text)
        return false;
    out = std::move(*text);
    return true;
}

bool fitsCp932(std::string_view utf8) {
    return toCp932(utf8).has_value();
}

} // namespace lukana
