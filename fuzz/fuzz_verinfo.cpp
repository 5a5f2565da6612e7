// Program files of any kind may be asked for their version block: the search through ELF
// sections and PE resources, the walk of the block's tree, and the reader class on top.
//
// Input: a program file (ELF or PE); anything else is taken as a version block itself, so that
// the tree walk is fuzzed without the container in the way.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "app/VerInfo.h"

using namespace kv;
using namespace kv::verinfo;

namespace {

bool Inside(Bytes part, Bytes whole) {
    if (part.empty()) return true;
    return part.data() >= whole.data() && part.size() <= whole.size() &&
           part.data() - whole.data() <= static_cast<std::ptrdiff_t>(whole.size() - part.size());
}

bool ValidUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        char32_t cp = n == 1 ? c : c & (0x7F >> n);
        for (size_t k = 1; k < n; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc >> 6) != 2) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += n;
    }
    return true;
}

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// A query: the value lies in the block, its length is counted as the platform counts it, and the
// answer doesn't depend on the case of the path or on the C-string entry point.
bool CheckQuery(Bytes block, std::string_view path, Value& v) {
    const bool found = Query(block, path, v);
    Value u;
    const bool foundUpper = Query(block, Upper(path), u);
    FUZZ_CHECK(found == foundUpper);
    if (!found) return false;
    FUZZ_CHECK(u.bytes.data() == v.bytes.data() && u.bytes.size() == v.bytes.size() && u.text == v.text);
    FUZZ_CHECK(Inside(v.bytes, block));
    FUZZ_CHECK(v.length == (v.text ? v.bytes.size() / 2 : v.bytes.size()));
    FUZZ_CHECK(ValidUtf8(Utf16ToUtf8(v.bytes)));
    if (path.find('\0') == std::string_view::npos) {
        const std::string cpath(path);
        const std::uint8_t* buffer = nullptr;
        std::uint32_t len = 0;
        FUZZ_CHECK(VerQueryValue(block, cpath.c_str(), &buffer, &len));
        FUZZ_CHECK(buffer == v.bytes.data() && len == v.length);
    }
    return true;
}

std::uint32_t Le32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void CheckBlock(Bytes block, std::string_view extraPath) {
    Value v;
    FUZZ_CHECK(!Query(block, "", v));
    CheckQuery(block, "\\", v);
    CheckQuery(block, "\\StringFileInfo", v);
    CheckQuery(block, extraPath, v);
    if (CheckQuery(block, "\\VarFileInfo\\Translation", v) && v.bytes.size() >= 4) {
        const std::uint32_t t = Le32(v.bytes.data());
        for (int k = 0; k <= static_cast<int>(VersionKey::Comments); ++k) {
            std::string path = TVerInfoRes::VersionPath(static_cast<std::uint16_t>(t & 0xFFFF),
                                                        static_cast<std::uint16_t>(t >> 16), VersionKey(k));
            FUZZ_CHECK(!path.empty() && path.back() == '\0');
            path.pop_back();
            CheckQuery(block, path, v);
        }
    }
}

// The file the platform operations read: an anonymous file in memory, named through /proc.
class MemFile {
  public:
    MemFile() : fd_(::memfd_create("verinfo", MFD_CLOEXEC)) {
        FUZZ_CHECK(fd_ >= 0);
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    const std::string& Put(Bytes bytes) {
        FUZZ_CHECK(::ftruncate(fd_, 0) == 0);
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
            FUZZ_CHECK(n > 0);
            done += static_cast<size_t>(n);
        }
        return path_;
    }

  private:
    int fd_;
    std::string path_;
};

void CheckReader(const std::string& path, Bytes block) {
    std::uint32_t handle = 99;
    const std::uint32_t size = GetFileVersionInfoSize(path, &handle);
    FUZZ_CHECK(handle == 0);
    FUZZ_CHECK(size == block.size());
    if (size > 0) {
        std::vector<std::uint8_t> copy(size + 16, 0xAA);
        FUZZ_CHECK(GetFileVersionInfo(path, 0, size, copy.data()));
        FUZZ_CHECK(std::memcmp(copy.data(), block.data(), size) == 0);
        FUZZ_CHECK(copy[size] == 0xAA);  // nothing beyond the size asked for
    }
    try {
        TVerInfoRes info(path);
        FUZZ_CHECK(size > 0);
        FUZZ_CHECK(info.BuildFlags().size() <= 4);
        FUZZ_CHECK(!info.GetFileOsText().empty());
        for (int k = 0; k <= static_cast<int>(VersionKey::Comments); ++k)
            FUZZ_CHECK(ValidUtf8(info.GetVersionText(VersionKey(k))));
        FUZZ_CHECK(info.GetVersionText(VersionKey(10)).empty());
    } catch (const ENoVerInfoError&) {
        FUZZ_CHECK(size == 0);
    } catch (const EVerInfoError&) {
        FUZZ_CHECK(size > 0);
    } catch (const eNoFixeVerInfo&) {
        FUZZ_CHECK(size > 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Bytes file(data, size);
    const Bytes elf = FindElfSection(file, kElfSection);
    const Bytes pe = FindPeVersionResource(file);
    const Bytes block = FindVersionBlock(file);
    FUZZ_CHECK(Inside(elf, file) && Inside(pe, file) && Inside(block, file));
    if (!block.empty()) FUZZ_CHECK(block.data() == (elf.empty() ? pe : elf).data());

    // A path of the input's own choosing: its last bytes after the last NUL.
    const std::string_view text = fuzz::AsText(data, size);
    const size_t nul = text.rfind('\0');
    const std::string_view tail = text.substr(nul == std::string_view::npos ? 0 : nul + 1);
    const std::string_view extraPath = tail.substr(tail.size() - std::min<size_t>(tail.size(), 48));

    CheckBlock(block.empty() ? file : block, extraPath);
    FUZZ_CHECK(ValidUtf8(Utf16ToUtf8(file)));

    static MemFile memFile;
    CheckReader(memFile.Put(file), block);
    return 0;
}
