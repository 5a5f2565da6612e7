#pragma once
// The settings file: the program's name with ".INI" ("kvelli99.INI"), section "Data", keys
// "Name" (PlayerName) and "Directory" (RecDir). Linux has no INI directory, so it lives in the
// XDG config directory: $XDG_CONFIG_HOME/kvelli99/, else ~/.config/kvelli99/.
//
// The file is UTF-8, as the desktop and the file system are: Windows-1251 would not hold every
// name or path. A "Name" that is not valid UTF-8 (a file brought over from Windows) is read as
// Windows-1251. Values keep blanks at either end by being written in double quotes.

#include <string>
#include <string_view>

#include "base/Ini.h"
#include "records/RecFile.h"

namespace kv {

inline const std::string kSettingsSection = "Data";
inline const std::string kNameKey = "Name";
inline const std::string kDirectoryKey = "Directory";
// "1" while the balls carry symbols; written only once the player has switched it on.
inline const std::string kMarksKey = "Marks";
inline const std::string kDefaultPlayerName = "User";

// The executable's file name with its extension replaced by ".INI".
std::string SettingsFileName(std::string_view executableName);
// $XDG_CONFIG_HOME (if absolute), else $HOME/.config.
std::string ConfigDirectory();
// ConfigDirectory()/kvelli99/<executable>.INI
std::string SettingsFilePath(std::string_view executableName = "kvelli99");

// $XDG_DATA_HOME/kvelli99 (if absolute), else $HOME/.local/share/kvelli99.
std::string DataDirectory();
// The records directory of this machine: `workingDir` when it holds a records file (a game
// started there on purpose), else DataDirectory(), made with an empty records file when it has
// none, as an installation of the original put one beside the program. `workingDir` again when
// that can't be made. A directory the player picked never comes here.
std::string LocalRecordsDirectory(const std::string& workingDir);

// The process's current working directory.
std::string CurrentDirectory();

// PlayerName := "Data"/"Name" (default "User"), RecDir := "Data"/"Directory" (default
// LocalRecordsDirectory(workingDir)). A file that doesn't exist or can't be read (not a regular
// file, over kReadLimit) reads as all defaults.
void ReadPlayerSettings(const std::string& path, const std::string& workingDir, RecordsState& records);
// Writes PlayerName and RecDir, atomically, making the directory if needed. Throws
// kv::Exception "Unable to write to <path>" on failure, and for a file there that can't be read.
void WritePlayerSettings(const std::string& path, const RecordsState& records);

}  // namespace kv
