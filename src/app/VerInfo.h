#pragma once
// The version-information block of a program file and its reader.
//
// The block is the Windows VS_VERSIONINFO structure: a tree of nodes (length, value length, type,
// UTF-16 key, value, children), whose root holds the 52-byte fixed-file-information record and
// whose children are the string tables and the translation list. Windows program files carry it
// as an RT_VERSION resource; our Linux executable carries the same bytes in an ELF section of its
// own, ".vs_version_info" (see docs/version-info.md). The three platform operations below find
// it in either kind of file.
//
// Everything that looks at bytes is a pure function over a span: no read ever leaves the span,
// whatever the bytes claim.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/VerInfoFind.h"
#include "base/Exception.h"

namespace kv {

namespace verinfo {

// A node of the block found by a query path.
struct Value {
    Bytes bytes;               // the value, cut to the node's end
    std::uint32_t length = 0;  // as the platform reports it: characters for text, else bytes
    bool text = false;         // a UTF-16 text value (node type 1)
};

// Looks up `subBlock` ("\", "\VarFileInfo\Translation", "\StringFileInfo\041904E3\ProductVersion")
// in `block`. Keys compare without regard to ASCII case, as on Windows. False if there is no such
// node or the path is empty.
bool Query(Bytes block, std::string_view subBlock, Value& out);

// UTF-16LE text up to its first NUL (or the span's end) as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(Bytes utf16);

}  // namespace verinfo

// The platform operations, for Linux. Handle values are always 0 and ignored, as on Windows.
// The size is that of the block as stored; 0 when the file has none or cannot be read. FIFOs and
// other special files are never opened for reading, so a query cannot hang.
std::uint32_t GetFileVersionInfoSize(const std::string& fileName, std::uint32_t* handle);
// Copies at most `size` bytes of the block into `data` (the rest zeroed); false if there is none.
bool GetFileVersionInfo(const std::string& fileName, std::uint32_t handle, std::uint32_t size, void* data);
// `subBlock` is a C string, so anything after a NUL is not part of the path. On success `*buffer`
// points into `block` and `*len` is the value's length (characters of UTF-16 for text, else bytes);
// at least that much may be read there.
bool VerQueryValue(Bytes block, const char* subBlock, const std::uint8_t** buffer, std::uint32_t* len);

enum class VersionKey {
    CompanyName = 0,
    FileDescription = 1,
    FileVersion = 2,
    InternalName = 3,
    LegalCopyright = 4,
    LegalTrademarks = 5,
    OriginalFilename = 6,
    ProductName = 7,
    ProductVersion = 8,
    Comments = 9,
};

class EVerInfoError : public Exception {
  public:
    using Exception::Exception;
};
class ENoVerInfoError : public Exception {
  public:
    using Exception::Exception;
};
class eNoFixeVerInfo : public Exception {
  public:
    using Exception::Exception;
};

// Reads a file's version block once, at construction, and answers from its own copy.
class TVerInfoRes {
  public:
    // Throws ENoVerInfoError, EVerInfoError or eNoFixeVerInfo.
    explicit TVerInfoRes(const std::string& fileName);
    TVerInfoRes(const TVerInfoRes&) = delete;
    TVerInfoRes& operator=(const TVerInfoRes&) = delete;

    // UTF-8; empty when the first translation's table lacks the key (or the key is out of range).
    std::string GetVersionText(VersionKey key) const;
    std::string GetFileOsText() const;
    const std::vector<std::string>& BuildFlags() const { return buildFlags_; }
    const std::string& FileName() const { return fileName_; }

    // The string-table path of a key: "\StringFileInfo\" + language and code page in four capital
    // hex digits each + "\" + key name, followed by one NUL.
    static std::string VersionPath(std::uint16_t language, std::uint16_t codePage, VersionKey key);
    static const char* KeyName(VersionKey key);  // nullptr out of range

  private:
    std::uint32_t FixedField(int index) const;  // 0-based 32-bit value of the fixed part
    bool QueryText(const std::string& path, std::string& text) const;

    std::uint32_t handle_ = 0;
    std::int32_t size_ = 0;
    std::vector<std::uint8_t> block_;
    const std::uint8_t* translation_ = nullptr;  // into block_
    const std::uint8_t* fixedInfo_ = nullptr;    // into block_, 52 bytes
    std::vector<std::string> buildFlags_;
    std::string fileName_;
};

// Operating-system text of the fixed part's file OS value.
const char* FileOsText(std::uint32_t fileOs);

}  // namespace kv
