#pragma once
// INI texts: "[section]" lines and "key=value" lines, sections and keys compared regardless of
// case, ";" starting a comment line. Values keep blanks at either end by being written in double
// quotes.

#include <optional>
#include <string>
#include <string_view>

namespace kv {

// The value of a key in an INI text (sections and keys compared regardless of case); nullopt if
// the key is missing, an empty text if it is present and empty.
std::optional<std::string> IniGet(std::string_view text, std::string_view section, std::string_view key);
// The INI text with the key set, everything else in it kept.
std::string IniSet(std::string_view text, std::string_view section, std::string_view key,
                   std::string_view value);

}  // namespace kv
