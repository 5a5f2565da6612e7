#pragma once
// The records' part of the settings (base/Settings.h): PlayerName from "Data"/"Name" and RecDir
// from "Data"/"Directory". A "Name" that is not valid UTF-8 (a file brought over from Windows)
// is read as Windows-1251.

#include <string>

#include "base/Settings.h"
#include "records/RecFile.h"

namespace kv {

inline const std::string kDefaultPlayerName = "User";

// DataHome()/kvelli99
std::string DataDirectory();
// The records directory of this machine: `workingDir` when it holds a records file (a game
// started there on purpose), else DataDirectory(), made with an empty records file when it has
// none, as an installation of the original put one beside the program. `workingDir` again when
// that can't be made. A directory the player picked never comes here.
std::string LocalRecordsDirectory(const std::string& workingDir);

// The process's current working directory.
std::string CurrentDirectory();

// PlayerName := "Name" (default "User"), RecDir := "Directory" (default
// LocalRecordsDirectory(workingDir)).
void ApplyPlayerSettings(const SettingsData& data, const std::string& workingDir, RecordsState& records);
// "Name" := PlayerName, "Directory" := RecDir, whatever RecDir holds.
void StorePlayerSettings(const RecordsState& records, SettingsData& data);

}  // namespace kv
