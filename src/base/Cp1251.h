#pragma once
// The interface is UTF-8; names in records files, pages and the wire are Windows-1251 bytes.

#include <string>
#include <string_view>

namespace kv {

// A character that Windows-1251 lacks (or a malformed UTF-8 sequence) becomes "?".
std::string Utf8ToCp1251(std::string_view utf8);

// Every byte of Windows-1251 has a meaning except 0x98, which becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view bytes);

}  // namespace kv
