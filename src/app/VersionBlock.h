// Writes version blocks (VS_VERSIONINFO) as the Windows resource compiler lays them out, so that
// the build makes the program's own block without one. A node is its length, its value's length,
// its type (1 text, 0 binary), its key in UTF-16 with a NUL, padding to 4 bytes, its value, and
// its children, each starting on a 4-byte boundary. VerInfo.h reads what this writes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kv::verinfo {

struct Node {
    std::u16string key;
    std::uint16_t type = 1;
    std::vector<std::uint8_t> value;
    std::uint16_t valueLength = 0;  // in characters for a text, NUL included; in bytes otherwise
    std::vector<Node> children;
};

Node TextNode(std::u16string key, std::u16string_view text);
Node GroupNode(std::u16string key, std::vector<Node> children);
Node BinaryNode(std::u16string key, std::vector<std::uint8_t> value);

// The fixed part (VS_FIXEDFILEINFO), versions given as their four numbers.
struct FixedInfo {
    std::array<std::uint16_t, 4> fileVersion{};
    std::array<std::uint16_t, 4> productVersion{};
    std::uint32_t flagsMask = 0;
    std::uint32_t flags = 0;
    std::uint32_t os = 0;
    std::uint32_t fileType = 1;
    std::uint32_t fileSubtype = 0;
};
std::vector<std::uint8_t> FixedInfoBytes(const FixedInfo& fixed);

// One entry of "\VarFileInfo\Translation".
std::vector<std::uint8_t> TranslationBytes(std::uint16_t language, std::uint16_t codePage);

// The whole block: the root "VS_VERSION_INFO" holding `fixed` and the children. Throws
// kv::Exception if a node grows past the 64 KiB its length can say.
std::vector<std::uint8_t> WriteBlock(std::vector<std::uint8_t> fixed, std::vector<Node> children);

}  // namespace kv::verinfo
