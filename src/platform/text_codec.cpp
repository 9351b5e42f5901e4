#include "platform/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace {

// One converter per direction, created on first use. iconv descriptors keep
// shift state, so each use resets them and holds the lock.
struct Converter {
    iconv_t cd = (iconv_t)-1;
    std::mutex lock;
    Converter(const char* to, const char* from) { cd = iconv_open(to, from); }
};

Converter& ToGbk() {
    static Converter c("GBK", "UTF-8");
    return c;
}
Converter& FromGbk() {
    static Converter c("UTF-8", "GBK");
    return c;
}

// Converts, replacing every byte sequence the source charset rejects by
// `bad` and carrying on with the next byte.
std::string Convert(Converter& conv, const char* in, size_t len, const char* bad, bool fromGbk) {
    std::string out;
    if (conv.cd == (iconv_t)-1) return std::string(in, len);
    std::lock_guard<std::mutex> guard(conv.lock);
    iconv(conv.cd, nullptr, nullptr, nullptr, nullptr);
    out.reserve(len * 2);
    char buffer[256];
    char* src = const_cast<char*>(in);
    size_t left = len;
    while (left > 0) {
        char* dst = buffer;
        size_t room = sizeof buffer;
        size_t rc = iconv(conv.cd, &src, &left, &dst, &room);
        out.append(buffer, size_t(dst - buffer));
        if (rc != (size_t)-1) continue;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL (truncated sequence at the end).
        bool truncatedAtEnd = errno == EINVAL;
        if (fromGbk && truncatedAtEnd && left == 1) break; // lone lead byte
        out += bad;
        // Skip one byte; for a UTF-8 source skip the whole character.
        size_t skip = 1;
        if (!fromGbk) {
            unsigned char b = static_cast<unsigned char>(*src);
            skip = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
            if (skip > left) skip = left;
        }
        src += skip;
        left -= skip;
        iconv(conv.cd, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

} // namespace

std::string Gbk(const char* utf8) {
    return utf8 ? Gbk(std::string(utf8)) : std::string();
}

std::string Gbk(const std::string& utf8) {
    return Convert(ToGbk(), utf8.data(), utf8.size(), "?", false);
}

std::string GbkToUtf8(const std::string& gbk) { return GbkToUtf8(gbk.data(), int(gbk.size())); }

std::string GbkToUtf8(const char* gbk, int count) {
    if (!gbk || count <= 0) return std::string();
    return Convert(FromGbk(), gbk, size_t(count), "\xEF\xBF\xBD", true);
}
