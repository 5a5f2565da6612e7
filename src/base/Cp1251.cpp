#include "base/Cp1251.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace kv {
namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(::iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    }
    ~Converter() { ::iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; an input sequence that cannot be converted is skipped by `skip` bytes
    // (computed from the lead byte) and replaced by `replacement`.
    template <class SkipFn>
    std::string Run(std::string_view in, std::string_view replacement, SkipFn skip) {
        ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(in.size() * 2 + 4);
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        char buf[256];
        while (left > 0) {
            char* dst = buf;
            size_t room = sizeof buf;
            size_t r = ::iconv(cd_, &src, &left, &dst, &room);
            out.append(buf, static_cast<size_t>(dst - buf));
            if (r == static_cast<size_t>(-1) && errno != E2BIG) {
                // EILSEQ (unmappable or malformed) or EINVAL (truncated at the end).
                size_t n = std::min(left, skip(static_cast<unsigned char>(*src), src, left));
                src += n;
                left -= n;
                out.append(replacement);
                ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

  private:
    iconv_t cd_;
};

// Length of the UTF-8 sequence that starts at `s`, at least 1; a malformed one counts as 1.
size_t Utf8SeqLen(unsigned char lead, const char* s, size_t left) {
    size_t n = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 1;
    if (n > left) return 1;
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 1;
    return n;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
    thread_local Converter conv("CP1251", "UTF-8");
    return conv.Run(utf8, "?", Utf8SeqLen);
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    thread_local Converter conv("UTF-8", "CP1251");
    return conv.Run(bytes, "\xEF\xBF\xBD", [](unsigned char, const char*, size_t) { return size_t{1}; });
}

}  // namespace kv
