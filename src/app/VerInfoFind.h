#pragma once
// Where a program file keeps its version block: our Linux executable in an ELF section of its
// own, a Windows program as an RT_VERSION resource. Pure functions over a span.

#include <cstdint>
#include <span>
#include <string_view>

namespace kv {

using Bytes = std::span<const std::uint8_t>;

namespace verinfo {

// Name of the ELF section that holds our executable's block.
inline constexpr std::string_view kElfSection = ".vs_version_info";

// The contents of the named section of an ELF file (32 or 64 bit, either byte order); empty if
// the file is no ELF file, has no such section, or the section lies outside the file.
Bytes FindElfSection(Bytes file, std::string_view name);

// The RT_VERSION resource of a PE file (PE32 or PE32+): resource name 1 if present, else the
// first one, and its first language. Empty if there is none or it lies outside the file.
Bytes FindPeVersionResource(Bytes file);

// The block of an ELF or PE file, whichever `file` is; empty for anything else.
Bytes FindVersionBlock(Bytes file);

}  // namespace verinfo

}  // namespace kv
