#include "base/Settings.h"

#include <cerrno>

#include "base/AtomicFile.h"
#include "base/Exception.h"
#include "base/Ini.h"
#include "base/XdgDirs.h"

namespace kv {
namespace {

const std::string kProgramDir = "/kvelli99/";

std::string ReadOrNothing(const std::string& path) {
    std::string text;
    if (!ReadWholeFile(path, text)) text.clear();
    return text;
}

SettingsData DataOf(std::string_view text) {
    SettingsData data;
    for (const SettingsKey& k : kDataKeys)
        data.*k.value = IniGet(text, kSettingsSection, k.key);
    return data;
}

ServerSettings ServerOf(std::string_view text) {
    return {IniGet(text, kResultsSection, kResultsHostKey), IniGet(text, kResultsSection, kResultsPortKey),
            IniGet(text, kResultsSection, kResultsSiteKey), IniGet(text, kResultsSection, kResultsTlsKey),
            IniGet(text, kResultsSection, kResultsTlsFingerprintKey)};
}

}  // namespace

std::string SettingsFileName(std::string_view executableName) {
    auto slash = executableName.find_last_of('/');
    if (slash != std::string_view::npos) executableName.remove_prefix(slash + 1);
    auto dot = executableName.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) executableName = executableName.substr(0, dot);
    return std::string(executableName) + ".INI";
}

std::string SettingsFilePath(std::string_view executableName) {
    return ConfigHome() + kProgramDir + SettingsFileName(executableName);
}

std::vector<std::string> SettingsFiles() {
    std::vector<std::string> files{SettingsFilePath()};
    for (const std::string& dir : ConfigDirs())
        files.push_back(dir + kProgramDir + SettingsFileName("kvelli99"));
    return files;
}

SettingsData ReadSettingsData(const std::string& path) {
    return DataOf(ReadOrNothing(path));
}

Settings ReadSettings() {
    Settings settings;
    const std::vector<std::string> files = SettingsFiles();
    settings.file = files.front();
    for (const std::string& file : files) {
        const std::string text = ReadOrNothing(file);
        if (settings.servers.empty()) settings.data = DataOf(text);  // the player's own file
        settings.servers.push_back(ServerOf(text));
    }
    return settings;
}

void WriteSettings(const std::string& path, const SettingsData& data) {
    try {
        if (!MakeDirectories(DirOf(path))) throw Exception(path);
        std::string text;
        // Keep what else the file holds: one that can't be read is not replaced blindly.
        if (!ReadWholeFile(path, text)) {
            if (errno != ENOENT) throw Exception(path);
            text.clear();
        }
        for (const SettingsKey& k : kDataKeys)
            if (const auto& value = data.*k.value) text = IniSet(text, kSettingsSection, k.key, *value);
        WriteFileAtomic(path, text);
    } catch (const std::exception&) {
        throw Exception("Unable to write to " + path);
    }
}

bool FlagOn(const std::optional<std::string>& flag) {
    return flag && *flag == "1";
}

void SetFlag(std::optional<std::string>& flag, bool on) {
    if (on || flag) flag = on ? "1" : "0";
}

}  // namespace kv
