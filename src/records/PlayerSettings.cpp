#include "records/PlayerSettings.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "base/Exception.h"
#include "records/RecFile.h"

namespace kv {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        // Every CR before the LF: a Windows file sent once more in text mode ends its lines in
        // CR CR LF, and a CR kept in a value would be lost one by one with each rewrite.
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (nl == std::string_view::npos) break;
        text.remove_prefix(nl + 1);
    }
    return lines;
}

// "[name]" gives name; anything else nullopt.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

bool IsKeyLine(std::string_view line, std::string_view key, std::string_view* value = nullptr) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';') return false;
    auto eq = line.find('=');
    if (eq == std::string_view::npos || !SameName(Trim(line.substr(0, eq)), key)) return false;
    if (value) *value = line.substr(eq + 1);
    return true;
}

std::string Unquote(std::string_view raw) {
    std::string_view v = Trim(raw);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    return std::string(v);
}

std::string Quote(std::string_view value) {
    std::string v(value);
    // One line per key: a line break would end the value.
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    bool wrap = !v.empty() && (IsBlank(v.front()) || IsBlank(v.back()) ||
                               (v.size() >= 2 && v.front() == '"' && v.back() == '"'));
    return wrap ? "\"" + v + "\"" : v;
}

bool ValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        auto b = static_cast<unsigned char>(s[i]);
        size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

bool MakeDirs(const std::string& dir) {
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    if (dir != "/" && dir != "." && !MakeDirs(DirOf(dir))) return false;
    return ::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST;
}

std::string HomeDirectory() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        if (const passwd* pw = ::getpwuid(::getuid())) home = pw->pw_dir;
    }
    return home && *home ? home : "";
}

}  // namespace

std::string SettingsFileName(std::string_view executableName) {
    auto slash = executableName.find_last_of('/');
    if (slash != std::string_view::npos) executableName.remove_prefix(slash + 1);
    auto dot = executableName.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) executableName = executableName.substr(0, dot);
    return std::string(executableName) + ".INI";
}

std::string ConfigDirectory() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    return HomeDirectory() + "/.config";
}

std::string DataDirectory() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/kvelli99";
    return HomeDirectory() + "/.local/share/kvelli99";
}

std::string LocalRecordsDirectory(const std::string& workingDir) {
    struct stat st {};
    // A game started on purpose where a table lies keeps using that table.
    if (::stat((workingDir + "/" + kRecFileName).c_str(), &st) == 0) return workingDir;
    const std::string dir = DataDirectory();
    if (!MakeDirs(dir)) return workingDir;
    const std::string file = dir + "/" + kRecFileName;
    // What an installation put beside the program: an empty table. O_EXCL never touches one
    // that is there, whatever it is.
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::close(fd);
    } else if (errno != EEXIST) {
        return workingDir;
    }
    return dir;
}

std::string SettingsFilePath(std::string_view executableName) {
    return ConfigDirectory() + "/kvelli99/" + SettingsFileName(executableName);
}

std::string CurrentDirectory() {
    std::vector<char> buf(4096);
    for (;;) {
        if (::getcwd(buf.data(), buf.size())) return buf.data();
        if (errno != ERANGE) return {};
        buf.resize(buf.size() * 2);
    }
}

std::optional<std::string> IniGet(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (std::string_view line : Lines(text)) {
        if (auto s = SectionOf(line)) {
            inSection = SameName(*s, section);
            continue;
        }
        std::string_view value;
        if (inSection && IsKeyLine(line, key, &value)) return Unquote(value);
    }
    return std::nullopt;
}

std::string IniSet(std::string_view text, std::string_view section, std::string_view key,
                   std::string_view value) {
    std::vector<std::string> lines;
    for (std::string_view line : Lines(text))
        lines.emplace_back(line);
    const std::string entry = std::string(key) + "=" + Quote(value);

    size_t sectionAt = lines.size();
    for (size_t i = 0; i < lines.size(); ++i) {
        auto s = SectionOf(lines[i]);
        if (s && SameName(*s, section)) {
            sectionAt = i;
            break;
        }
    }
    if (sectionAt == lines.size()) {
        if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    } else {
        size_t lastFilled = sectionAt;
        bool done = false;
        for (size_t i = sectionAt + 1; i < lines.size() && !SectionOf(lines[i]); ++i) {
            if (IsKeyLine(lines[i], key)) {
                lines[i] = entry;
                done = true;
                break;
            }
            if (!Trim(lines[i]).empty()) lastFilled = i;
        }
        if (!done) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastFilled + 1), entry);
    }
    std::string out;
    for (const auto& line : lines)
        out += line + "\n";
    return out;
}

void ReadPlayerSettings(const std::string& path, const std::string& workingDir, RecordsState& records) {
    std::string text;
    // Missing, not a regular file or far too big: all defaults.
    if (!ReadWholeFile(path, text)) text.clear();
    auto name = IniGet(text, kSettingsSection, kNameKey);
    auto dir = IniGet(text, kSettingsSection, kDirectoryKey);
    records.PlayerName = name ? (ValidUtf8(*name) ? *name : Cp1251ToUtf8(*name)) : kDefaultPlayerName;
    records.RecDir = dir ? *dir : LocalRecordsDirectory(workingDir);
}

void WritePlayerSettings(const std::string& path, const RecordsState& records) {
    try {
        if (!MakeDirs(DirOf(path))) throw Exception(path);
        std::string text;
        // Keep what else the file holds: one that can't be read is not replaced blindly.
        if (!ReadWholeFile(path, text)) {
            if (errno != ENOENT) throw Exception(path);
            text.clear();
        }
        text = IniSet(text, kSettingsSection, kNameKey, records.PlayerName);
        text = IniSet(text, kSettingsSection, kDirectoryKey, records.RecDir);
        WriteFileAtomic(path, text);
    } catch (const std::exception&) {
        throw Exception("Unable to write to " + path);
    }
}

}  // namespace kv
