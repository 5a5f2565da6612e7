#pragma once
// The XDG base directories: the one place that reads $XDG_CONFIG_HOME, $XDG_DATA_HOME,
// $XDG_CONFIG_DIRS and $HOME. A relative path in an XDG variable is invalid and ignored, as the
// XDG rules say. Paths come without a trailing "/". A user without any home directory gets paths
// under "/", where writing fails with a message naming the file.

#include <string>
#include <vector>

namespace kv {

// $HOME, else the password database's home directory; empty if neither names one.
std::string HomeDirectory();
// $XDG_CONFIG_HOME, else $HOME/.config.
std::string ConfigHome();
// $XDG_DATA_HOME, else $HOME/.local/share.
std::string DataHome();
// The entries of $XDG_CONFIG_DIRS in their order, else /etc/xdg.
std::vector<std::string> ConfigDirs();

// Makes `dir` and its missing parents with mode 0700, as the XDG rules ask of directories made to
// hold a file. True when `dir` is a directory afterwards.
bool MakeDirectories(const std::string& dir);

}  // namespace kv
