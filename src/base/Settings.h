#pragma once
// The settings as one value: read once at start-up (ReadSettings), written by one writer
// (WriteSettings). They live in the player's settings file, "kvelli99.INI" (the executable's
// name with ".INI") in ConfigHome()/kvelli99/:
//   [Data]    Name, Directory, Marks, Language   the player's values, written back by the program
//   [Server]  Host, Port, Site, Tls, TlsFingerprint   the results server, only written by hand
// A system-wide file of the same name under each of ConfigDirs() may give [Server] too.
//
// The values are the texts as stored, nullopt for a missing key; what they mean (defaults, the
// name's code page, a port's range) is for the part of the program that uses them. The file is
// UTF-8; values keep blanks at either end by being written in double quotes (base/Ini.h).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

inline const std::string kSettingsSection = "Data";
inline const std::string kNameKey = "Name";
inline const std::string kDirectoryKey = "Directory";
inline const std::string kMarksKey = "Marks";
inline const std::string kLanguageKey = "Language";

inline const std::string kResultsSection = "Server";
inline const std::string kResultsHostKey = "Host";
inline const std::string kResultsPortKey = "Port";
inline const std::string kResultsSiteKey = "Site";
inline const std::string kResultsTlsKey = "Tls";
inline const std::string kResultsTlsFingerprintKey = "TlsFingerprint";

// Section "Data" of the player's file.
struct SettingsData {
    std::optional<std::string> Name;       // the player's name
    std::optional<std::string> Directory;  // the records directory
    std::optional<std::string> Marks;      // "1" while the balls carry symbols (a flag, below)
    std::optional<std::string> Language;   // the interface's language, over the desktop's
};

// The keys of "Data", in the order a file that lacks them gets them. A new key is a member above
// and a line here; reading and writing follow.
struct SettingsKey {
    std::string_view key;
    std::optional<std::string> SettingsData::*value;
};
inline const SettingsKey kDataKeys[] = {
    {kNameKey, &SettingsData::Name},
    {kDirectoryKey, &SettingsData::Directory},
    {kMarksKey, &SettingsData::Marks},
    {kLanguageKey, &SettingsData::Language},
};

// Section "Server" of one file.
struct ServerSettings {
    std::optional<std::string> Host;  // "host" or "host:port"
    std::optional<std::string> Port;
    std::optional<std::string> Site;            // the address of the results site
    std::optional<std::string> Tls;             // "auto", "required" or "off"
    std::optional<std::string> TlsFingerprint;  // a pinned SHA-256 fingerprint of the certificate
};

struct Settings {
    std::string file;  // the player's file, where `data` is read from and written to
    SettingsData data;
    // "Server" of the player's file, then of each system-wide file, in the order they count.
    std::vector<ServerSettings> servers;
};

// The executable's file name with its extension replaced by ".INI".
std::string SettingsFileName(std::string_view executableName);
// ConfigHome()/kvelli99/<executable>.INI: named after the executable, not after the
// application, whose name is the desktop's id.
std::string SettingsFilePath(std::string_view executableName = "kvelli99");
// SettingsFilePath(), then <each of ConfigDirs()>/kvelli99/kvelli99.INI.
std::vector<std::string> SettingsFiles();

// The files as they are now. One that is missing or can't be read (not a regular file, over
// kReadLimit) gives no values.
Settings ReadSettings();
// Section "Data" of one file.
SettingsData ReadSettingsData(const std::string& path);

// The one writer: the keys of `data` that hold a value go into section "Data" of the file at
// `path`, in place; a key without a value stays as the file has it, and so does every other
// byte. Rewritten atomically; missing directories are made (0700). Throws kv::Exception
// "Unable to write to <path>" on failure, and for a file there that can't be read: writing it
// would lose what it holds.
void WriteSettings(const std::string& path, const SettingsData& data);

// A flag of "Data": "1" is on, anything else off.
bool FlagOn(const std::optional<std::string>& flag);
// On gives "1". Off gives "0" where the key is there, and leaves a missing key missing: a player
// who never switched it on finds no new key in the file.
void SetFlag(std::optional<std::string>& flag, bool on);

}  // namespace kv
