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
#include "base/Ini.h"
#include "records/RecFile.h"

namespace kv {

namespace {

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

void ReadPlayerSettings(const std::string& path, const std::string& workingDir, RecordsState& records) {
    std::string text;
    // Missing, not a regular file or far too big: all defaults.
    if (!ReadWholeFile(path, text)) text.clear();
    auto name = IniGet(text, kSettingsSection, kNameKey);
    auto dir = IniGet(text, kSettingsSection, kDirectoryKey);
    records.PlayerName = name ? (ValidUtf8(*name) ? *name : Cp1251ToUtf8(*name)) : kDefaultPlayerName;
    records.RecDir = dir ? *dir : LocalRecordsDirectory(workingDir);
    const auto marks = IniGet(text, kSettingsSection, kMarksKey);
    records.Marks = marks && *marks == "1";
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
        if (records.Marks || IniGet(text, kSettingsSection, kMarksKey))
            text = IniSet(text, kSettingsSection, kMarksKey, records.Marks ? "1" : "0");
        WriteFileAtomic(path, text);
    } catch (const std::exception&) {
        throw Exception("Unable to write to " + path);
    }
}

}  // namespace kv
