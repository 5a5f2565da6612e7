#include "app/VerInfo.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "app/VerInfoBytes.h"

namespace kv {

namespace verinfo {

using detail::Align4;
using detail::Reader;

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
