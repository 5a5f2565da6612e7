// The settings file may come from anywhere (a copy from a Windows machine, a hand edit): its read
// and its rewrite. A rewrite sets the one key it is asked to and leaves every other value as it
// was; what is written reads back.
//
// Input: a value, a NUL, then the settings text; without a NUL all of it is the text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "base/Cp1251.h"
#include "base/Ini.h"
#include "base/Settings.h"
#include "records/PlayerSettings.h"
#include "records/RecFile.h"

using namespace kv;

namespace {

bool ValidUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

// A value as one line can hold it.
std::string OneLine(std::string_view value) {
    std::string v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    return v;
}

// The first section header of the text and the first key under it, as another reader's values.
std::optional<std::pair<std::string, std::string>> SomeOtherKey(std::string_view text) {
    size_t open = text.find('[');
    if (open == std::string_view::npos) return std::nullopt;
    size_t close = text.find(']', open);
    size_t eq = text.find('=', close == std::string_view::npos ? open : close);
    if (close == std::string_view::npos || eq == std::string_view::npos) return std::nullopt;
    std::string section(text.substr(open + 1, close - open - 1));
    size_t lineStart = text.rfind('\n', eq);
    lineStart = lineStart == std::string_view::npos || lineStart < close ? close + 1 : lineStart + 1;
    std::string key(text.substr(lineStart, eq - lineStart));
    return std::make_pair(section, key);
}

bool SameName(std::string_view a, std::string_view b) {
    auto trim = [](std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
            s.remove_prefix(1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
            s.remove_suffix(1);
        return s;
    };
    a = trim(a);
    b = trim(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input = fuzz::AsText(data, size);
    std::string_view value = "Вася", text = input;
    if (auto nul = input.find('\0'); nul != std::string_view::npos) {
        value = input.substr(0, nul);
        text = input.substr(nul + 1);
    }

    const auto name = IniGet(text, kSettingsSection, kNameKey);
    const auto dir = IniGet(text, kSettingsSection, kDirectoryKey);
    const auto other = SomeOtherKey(text);
    std::optional<std::string> otherValue;
    if (other) otherValue = IniGet(text, other->first, other->second);

    const std::string set = IniSet(text, kSettingsSection, kNameKey, value);
    FUZZ_CHECK(IniGet(set, kSettingsSection, kNameKey) == OneLine(value));
    FUZZ_CHECK(IniGet(set, kSettingsSection, kDirectoryKey) == dir);
    // Once more changes nothing.
    const std::string again = IniSet(set, kSettingsSection, kNameKey, value);
    FUZZ_CHECK(again == set);
    FUZZ_CHECK(IniGet(again, kSettingsSection, kNameKey) == OneLine(value));
    // A key of another section, or another key of the same, is not touched.
    if (other && !(SameName(other->first, kSettingsSection) && SameName(other->second, kNameKey)))
        FUZZ_CHECK(IniGet(set, other->first, other->second) == otherValue);

    // The file as the program reads it at start-up: a name is always shown as UTF-8.
    // A working directory that holds a table is the default records directory as it stands.
    const std::string path = fuzz::ScratchPath("kvelli99.INI");
    fuzz::PutFile(fuzz::ScratchPath(kRecFileName), "");
    fuzz::PutFile(path, text);
    RecordsState st;
    SettingsData stored = ReadSettingsData(path);
    ApplyPlayerSettings(stored, fuzz::ScratchDir(), st);
    FUZZ_CHECK(ValidUtf8(st.PlayerName));
    FUZZ_CHECK(st.PlayerName ==
               (name ? (ValidUtf8(*name) ? *name : Cp1251ToUtf8(*name)) : kDefaultPlayerName));
    FUZZ_CHECK(st.RecDir == (dir ? *dir : fuzz::ScratchDir()));

    // Written back with new values and read again: those values, and the other key as it was.
    st.PlayerName = ValidUtf8(value) ? std::string(value) : "User";
    st.RecDir = "/records/" + std::string(value.substr(0, 8));
    const std::string wantName = OneLine(st.PlayerName), wantDir = OneLine(st.RecDir);
    StorePlayerSettings(st, stored);
    WriteSettings(path, stored);
    std::string written;
    FUZZ_CHECK(fuzz::GetFile(path, written));
    ApplyPlayerSettings(ReadSettingsData(path), "/unused", st);
    FUZZ_CHECK(st.PlayerName == wantName);
    FUZZ_CHECK(st.RecDir == wantDir);
    if (other && !SameName(other->first, kSettingsSection))
        FUZZ_CHECK(IniGet(written, other->first, other->second) == otherValue);
    return 0;
}
