#include "app/VerInfo.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

namespace kv {

namespace {

// Bounds-checked little/big-endian reads: every access goes through these, and a read that would
// leave the span yields nothing.
struct Reader {
    Bytes b;
    bool bigEndian = false;

    bool Has(std::uint64_t off, std::uint64_t n) const { return off <= b.size() && n <= b.size() - off; }
    std::optional<std::uint64_t> U(std::uint64_t off, int n) const {
        if (!Has(off, static_cast<std::uint64_t>(n))) return std::nullopt;
        std::uint64_t v = 0;
        for (int i = 0; i < n; ++i) {
            const int shift = bigEndian ? 8 * (n - 1 - i) : 8 * i;
            v |= static_cast<std::uint64_t>(b[off + i]) << shift;
        }
        return v;
    }
    std::uint16_t U16(std::uint64_t off, bool& ok) const {
        return static_cast<std::uint16_t>(Get(off, 2, ok));
    }
    std::uint32_t U32(std::uint64_t off, bool& ok) const {
        return static_cast<std::uint32_t>(Get(off, 4, ok));
    }
    std::uint64_t U64(std::uint64_t off, bool& ok) const { return Get(off, 8, ok); }
    std::uint64_t Get(std::uint64_t off, int n, bool& ok) const {
        auto v = U(off, n);
        if (!v) ok = false;
        return v.value_or(0);
    }
    Bytes Sub(std::uint64_t off, std::uint64_t n) const {
        if (!Has(off, n)) return {};
        return b.subspan(static_cast<std::size_t>(off), static_cast<std::size_t>(n));
    }
};

constexpr std::size_t Align4(std::size_t v) {
    return (v + 3) & ~static_cast<std::size_t>(3);
}

}  // namespace

// ---------------------------------------------------------------- ELF

namespace verinfo {

Bytes FindElfSection(Bytes file, std::string_view name) {
    if (file.size() < 16 || file[0] != 0x7F || file[1] != 'E' || file[2] != 'L' || file[3] != 'F') return {};
    const int cls = file[4];   // 1: 32-bit, 2: 64-bit
    const int data = file[5];  // 1: little, 2: big endian
    if ((cls != 1 && cls != 2) || (data != 1 && data != 2)) return {};
    const bool is64 = cls == 2;
    Reader r{file, data == 2};
    bool ok = true;
    const std::uint64_t shoff = is64 ? r.U64(0x28, ok) : r.U32(0x20, ok);
    const std::uint16_t shentsize = r.U16(is64 ? 0x3A : 0x2E, ok);
    std::uint64_t shnum = r.U16(is64 ? 0x3C : 0x30, ok);
    std::uint64_t shstrndx = r.U16(is64 ? 0x3E : 0x32, ok);
    const std::uint64_t need = is64 ? 64 : 40;
    if (!ok || shoff == 0 || shentsize < need) return {};

    auto header = [&](std::uint64_t i, std::uint64_t& nameOff, std::uint32_t& type, std::uint64_t& off,
                      std::uint64_t& size, std::uint32_t& link) {
        bool hok = true;
        if (i > (UINT64_MAX - shoff) / shentsize) return false;
        const std::uint64_t h = shoff + i * shentsize;
        nameOff = r.U32(h, hok);
        type = r.U32(h + 4, hok);
        off = is64 ? r.U64(h + 24, hok) : r.U32(h + 16, hok);
        size = is64 ? r.U64(h + 32, hok) : r.U32(h + 20, hok);
        link = r.U32(h + (is64 ? 40 : 24), hok);
        return hok;
    };

    std::uint64_t nameOff = 0, off = 0, size = 0;
    std::uint32_t type = 0, link = 0;
    // Extended numbering: the real counts live in the first section header.
    if (shnum == 0 || shstrndx == 0xFFFF) {
        if (!header(0, nameOff, type, off, size, link)) return {};
        if (shnum == 0) shnum = size;
        if (shstrndx == 0xFFFF) shstrndx = link;
    }
    if (shstrndx >= shnum) return {};
    if (!header(shstrndx, nameOff, type, off, size, link)) return {};
    const Bytes strtab = r.Sub(off, size);
    if (strtab.empty()) return {};

    constexpr std::uint32_t kNoBits = 8;
    for (std::uint64_t i = 0; i < shnum; ++i) {
        if (!header(i, nameOff, type, off, size, link)) return {};
        if (nameOff >= strtab.size()) continue;
        const auto* s = reinterpret_cast<const char*>(strtab.data()) + nameOff;
        const std::size_t room = strtab.size() - nameOff;
        const std::size_t len = strnlen(s, room);
        if (len == room || std::string_view(s, len) != name) continue;
        if (type == kNoBits) return {};
        return r.Sub(off, size);
    }
    return {};
}

// ---------------------------------------------------------------- PE

Bytes FindPeVersionResource(Bytes file) {
    Reader r{file};
    bool ok = true;
    if (file.size() < 0x40 || file[0] != 'M' || file[1] != 'Z') return {};
    const std::uint64_t pe = r.U32(0x3C, ok);
    if (!ok || !r.Has(pe, 24) || std::memcmp(file.data() + pe, "PE\0\0", 4) != 0) return {};
    const std::uint64_t coff = pe + 4;
    const std::uint16_t sections = r.U16(coff + 2, ok);
    const std::uint16_t optSize = r.U16(coff + 16, ok);
    const std::uint64_t opt = coff + 20;
    const std::uint16_t magic = r.U16(opt, ok);
    if (!ok || (magic != 0x10B && magic != 0x20B)) return {};
    const bool plus = magic == 0x20B;
    const std::uint32_t dirCount = r.U32(opt + (plus ? 108 : 92), ok);
    if (!ok || dirCount < 3) return {};
    const std::uint64_t dirs = opt + (plus ? 112 : 96);
    if (dirs + 3 * 8 > opt + optSize) return {};
    const std::uint32_t rsrcRva = r.U32(dirs + 2 * 8, ok);
    const std::uint32_t rsrcSize = r.U32(dirs + 2 * 8 + 4, ok);
    if (!ok || rsrcRva == 0 || rsrcSize == 0) return {};

    const std::uint64_t table = opt + optSize;
    // The bytes of the file that an RVA range occupies, if a section stores all of it; with
    // `cut`, as much of it as the section stores.
    auto mapRva = [&](std::uint64_t rva, std::uint64_t size, bool cut) -> Bytes {
        for (std::uint32_t i = 0; i < sections; ++i) {
            bool sok = true;
            const std::uint64_t s = table + 40ull * i;
            const std::uint64_t vsize = r.U32(s + 8, sok);
            const std::uint64_t va = r.U32(s + 12, sok);
            const std::uint64_t rawSize = r.U32(s + 16, sok);
            const std::uint64_t rawPtr = r.U32(s + 20, sok);
            if (!sok) return {};
            if (rva < va || rva - va >= std::max(vsize, rawSize)) continue;
            const std::uint64_t inSection = rva - va;
            if (inSection >= rawSize) return {};
            std::uint64_t stored = std::min(size, rawSize - inSection);
            if (rawPtr + inSection < file.size())
                stored = std::min<std::uint64_t>(stored, file.size() - rawPtr - inSection);
            if (stored < size && !cut) return {};
            return r.Sub(rawPtr + inSection, stored);
        }
        return {};
    };

    // The resource tree: every offset in it is relative to its start.
    const Bytes rsrc = mapRva(rsrcRva, rsrcSize, true);
    if (rsrc.size() < 16) return {};
    Reader t{rsrc};

    constexpr std::uint32_t kDirBit = 0x80000000u;
    // Offset of the wanted entry's target in directory `dir`: ID `id`, or the first if id < 0 or
    // (with `fallback`) no entry has that ID.
    auto pick = [&](std::uint64_t dir, long id, bool fallback, bool wantDir) -> std::optional<std::uint32_t> {
        bool dok = true;
        const std::uint64_t named = t.U16(dir + 12, dok);
        const std::uint64_t ids = t.U16(dir + 14, dok);
        if (!dok) return std::nullopt;
        std::optional<std::uint32_t> first;
        for (std::uint64_t i = 0; i < named + ids; ++i) {
            const std::uint64_t e = dir + 16 + 8 * i;
            const std::uint32_t nameField = t.U32(e, dok);
            const std::uint32_t target = t.U32(e + 4, dok);
            if (!dok) break;
            if (((target & kDirBit) != 0) != wantDir) continue;
            if (!first) first = target & ~kDirBit;
            if (id >= 0 && (nameField & kDirBit) == 0 && nameField == static_cast<std::uint32_t>(id))
                return target & ~kDirBit;
        }
        if (id < 0 || fallback) return first;
        return std::nullopt;
    };
    constexpr long kRtVersion = 16;
    const auto names = pick(0, kRtVersion, false, true);
    if (!names) return {};
    const auto langs = pick(*names, 1, true, true);
    if (!langs) return {};
    const auto entry = pick(*langs, -1, false, false);
    if (!entry) return {};
    bool eok = true;
    const std::uint32_t dataRva = t.U32(*entry, eok);
    const std::uint32_t dataSize = t.U32(*entry + 4ull, eok);
    if (!eok || dataSize == 0) return {};
    return mapRva(dataRva, dataSize, false);
}

Bytes FindVersionBlock(Bytes file) {
    if (file.size() >= 4 && file[0] == 0x7F && file[1] == 'E') return FindElfSection(file, kElfSection);
    if (file.size() >= 2 && file[0] == 'M' && file[1] == 'Z') return FindPeVersionResource(file);
    return {};
}

// ---------------------------------------------------------------- the block

namespace {

struct Node {
    std::size_t end = 0;  // one past the node's last byte
    std::uint16_t type = 0;
    std::uint16_t valueLength = 0;
    std::u16string key;
    std::size_t valueBegin = 0, valueEnd = 0;
    std::size_t children = 0;
};

// The node at `at`. It must end by `limit`, except the root, which is cut to the bytes there are.
std::optional<Node> ParseNode(Bytes block, std::size_t at, std::size_t limit, bool cut) {
    Reader r{block};
    bool ok = true;
    const std::size_t length = r.U16(at, ok);
    Node n;
    n.valueLength = r.U16(at + 2, ok);
    n.type = r.U16(at + 4, ok);
    if (!ok || length < 6 || at > limit) return std::nullopt;
    if (length > limit - at) {
        if (!cut) return std::nullopt;
        n.end = limit;
    } else {
        n.end = at + length;
    }
    std::size_t p = at + 6;
    for (;;) {
        if (p + 2 > n.end) return std::nullopt;  // key without its NUL
        const char16_t c = static_cast<char16_t>(block[p] | (block[p + 1] << 8));
        p += 2;
        if (c == 0) break;
        n.key.push_back(c);
    }
    n.valueBegin = std::min(Align4(p), n.end);
    const std::size_t bytes = n.type == 1 ? 2u * n.valueLength : n.valueLength;
    n.valueEnd = std::min(n.valueBegin + bytes, n.end);
    n.children = std::min(Align4(n.valueBegin + bytes), n.end);
    return n;
}

bool KeyEquals(const std::u16string& key, const std::u16string& want) {
    if (key.size() != want.size()) return false;
    auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
    for (std::size_t i = 0; i < key.size(); ++i)
        if (fold(key[i]) != fold(want[i])) return false;
    return true;
}

// UTF-8 to UTF-16, for the path's components; a bad sequence becomes U+FFFD (and then matches
// nothing that was written properly).
std::u16string Utf8ToUtf16(std::string_view s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        std::size_t n = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c >> 5) == 6 || (c >> 4) == 14 || (c >> 3) == 30) {
            n = (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
            cp = c & (0x7F >> n);
            bool good = i + n <= s.size();
            for (std::size_t k = 1; good && k < n; ++k) {
                const auto cc = static_cast<unsigned char>(s[i + k]);
                if ((cc >> 6) != 2) good = false;
                cp = (cp << 6) | (cc & 0x3F);
            }
            if (!good || cp > 0x10FFFF) {
                cp = 0xFFFD;
                n = 1;
            }
        }
        i += n;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

}  // namespace

bool Query(Bytes block, std::string_view subBlock, Value& out) {
    if (subBlock.empty()) return false;
    auto node = ParseNode(block, 0, block.size(), true);
    if (!node) return false;
    std::size_t pos = 0;
    while (pos < subBlock.size()) {
        while (pos < subBlock.size() && subBlock[pos] == '\\')
            ++pos;
        if (pos == subBlock.size()) break;
        std::size_t next = subBlock.find('\\', pos);
        if (next == std::string_view::npos) next = subBlock.size();
        const std::u16string want = Utf8ToUtf16(subBlock.substr(pos, next - pos));
        pos = next;
        std::optional<Node> found;
        for (std::size_t at = node->children; at < node->end;) {
            auto child = ParseNode(block, at, node->end, false);
            if (!child) break;  // a broken child hides the rest: its length cannot be trusted
            if (KeyEquals(child->key, want)) {
                found = std::move(child);
                break;
            }
            at = Align4(child->end);
        }
        if (!found) return false;
        node = std::move(found);
    }
    out.bytes = block.subspan(node->valueBegin, node->valueEnd - node->valueBegin);
    out.text = node->type == 1;
    out.length = static_cast<std::uint32_t>(out.text ? out.bytes.size() / 2 : out.bytes.size());
    return true;
}

std::string Utf16ToUtf8(Bytes utf16) {
    std::string out;
    auto unit = [&](std::size_t i) { return static_cast<char32_t>(utf16[i] | (utf16[i + 1] << 8)); };
    const std::size_t n = utf16.size() / 2;
    for (std::size_t i = 0; i < n; ++i) {
        char32_t c = unit(2 * i);
        if (c == 0) break;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && unit(2 * i + 2) >= 0xDC00 &&
            unit(2 * i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(2 * i + 2) - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

}  // namespace verinfo

// ---------------------------------------------------------------- the platform operations

namespace {

// A regular file, mapped read-only for the time of one operation.
class MappedFile {
  public:
    explicit MappedFile(const std::string& name) {
        // O_NONBLOCK: opening a FIFO must not wait for a writer.
        const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) return;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
            void* p = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
            if (p != MAP_FAILED) {
                data_ = static_cast<const std::uint8_t*>(p);
                size_ = static_cast<std::size_t>(st.st_size);
            }
        }
        ::close(fd);
    }
    ~MappedFile() {
        if (data_) ::munmap(const_cast<std::uint8_t*>(data_), size_);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    Bytes bytes() const { return {data_, size_}; }

  private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace

std::uint32_t GetFileVersionInfoSize(const std::string& fileName, std::uint32_t* handle) {
    if (handle) *handle = 0;
    MappedFile f(fileName);
    const Bytes block = verinfo::FindVersionBlock(f.bytes());
    return block.size() > UINT32_MAX ? 0 : static_cast<std::uint32_t>(block.size());
}

bool GetFileVersionInfo(const std::string& fileName, std::uint32_t, std::uint32_t size, void* data) {
    if (!data) return false;
    MappedFile f(fileName);
    const Bytes block = verinfo::FindVersionBlock(f.bytes());
    if (block.empty()) return false;
    const std::size_t n = std::min<std::size_t>(size, block.size());
    std::memcpy(data, block.data(), n);
    std::memset(static_cast<std::uint8_t*>(data) + n, 0, size - n);
    return true;
}

bool VerQueryValue(Bytes block, const char* subBlock, const std::uint8_t** buffer, std::uint32_t* len) {
    if (!subBlock || !buffer || !len) return false;
    verinfo::Value v;
    if (!verinfo::Query(block, subBlock, v)) return false;
    *buffer = v.bytes.data();
    *len = v.length;
    return true;
}

// ---------------------------------------------------------------- TVerInfoRes

namespace {

constexpr const char* kKeys[] = {"CompanyName",    "FileDescription", "FileVersion",      "InternalName",
                                 "LegalCopyright", "LegalTrademarks", "OriginalFilename", "ProductName",
                                 "ProductVersion", "Comments"};

struct FlagWord {
    std::uint32_t bit;
    const char* word;
};
constexpr FlagWord kFlags[] = {
    {0x02, "Pre-release"}, {0x08, "Private build"}, {0x20, "Special build"}, {0x01, "Debug"}};

constexpr std::size_t kFixedInfoSize = 52;

std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

TVerInfoRes::TVerInfoRes(const std::string& fileName) : fileName_(fileName) {
    size_ = static_cast<std::int32_t>(GetFileVersionInfoSize(fileName_, &handle_));
    if (size_ <= 0) throw ENoVerInfoError("No Version Info Available.");
    block_.resize(static_cast<std::size_t>(size_));
    if (!GetFileVersionInfo(fileName_, handle_, static_cast<std::uint32_t>(size_), block_.data()))
        throw EVerInfoError("Cannot obtain version info.");

    const std::uint8_t* value = nullptr;
    std::uint32_t len = 0;
    // Only the first entry is used; a list too short to hold one is no list.
    if (!VerQueryValue(block_, "\\VarFileInfo\\Translation", &value, &len) || len < 4)
        throw EVerInfoError("No language info.");
    translation_ = value;
    if (!VerQueryValue(block_, "\\", &value, &len) || len < kFixedInfoSize)
        throw eNoFixeVerInfo("No fixed file info");
    fixedInfo_ = value;

    const std::uint32_t mask = FixedField(6), flags = FixedField(7);
    for (const auto& f : kFlags)
        if ((mask & f.bit) && (flags & f.bit)) buildFlags_.emplace_back(f.word);
}

std::uint32_t TVerInfoRes::FixedField(int index) const {
    return Le32(fixedInfo_ + 4 * index);
}

const char* TVerInfoRes::KeyName(VersionKey key) {
    const auto i = static_cast<int>(key);
    return i >= 0 && i < static_cast<int>(std::size(kKeys)) ? kKeys[i] : nullptr;
}

std::string TVerInfoRes::VersionPath(std::uint16_t language, std::uint16_t codePage, VersionKey key) {
    const char* name = KeyName(key);
    if (!name) return {};
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s%.4X%.4X\\%s", "\\StringFileInfo\\", language, codePage, name);
    return std::string(buf) + '\0';
}

std::string TVerInfoRes::GetVersionText(VersionKey key) const {
    const std::uint32_t t = Le32(translation_);
    const std::string path =
        VersionPath(static_cast<std::uint16_t>(t & 0xFFFF), static_cast<std::uint16_t>(t >> 16), key);
    std::string text;
    if (path.empty() || !QueryText(path, text)) return {};
    return text;
}

bool TVerInfoRes::QueryText(const std::string& path, std::string& text) const {
    const std::uint8_t* value = nullptr;
    std::uint32_t len = 0;
    if (!VerQueryValue(block_, path.c_str(), &value, &len)) return false;
    text = verinfo::Utf16ToUtf8(Bytes(value, 2u * len));
    return true;
}

std::string TVerInfoRes::GetFileOsText() const {
    return FileOsText(FixedField(8));
}

const char* FileOsText(std::uint32_t fileOs) {
    switch (fileOs) {
        case 0x1:
            return "Designed for 16-bit Windows";
        case 0x2:
            return "Designed for 16-bit PM";
        case 0x3:
            return "Designed for 32-bit PM";
        case 0x4:
            return "Designed for 32-bit Windows";
        case 0x10000:
            return "Designed for MS-DOS";
        case 0x10001:
            return "Designed for 16-bit Windows, running on MS-DOS";
        case 0x10004:
            return "Designed for Win32 API, running on MS-DOS";
        case 0x20000:
            return "Designed for 16-bit OS/2";
        case 0x20002:
            return "Designed for 16-bit PM, running on 16-bit OS/2";
        case 0x30000:
            return "Designed for 32-bit OS/2";
        case 0x30003:
            return "Designed for 32-bit PM, running on 32-bit OS/2";
        case 0x40000:
            return "Designed for Windows NT";
        case 0x40004:
            return "Designed for Win32 API, running on Windows/NT";
        default:
            return "Unknown";
    }
}

}  // namespace kv
