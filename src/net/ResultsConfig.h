#pragma once
// Where the results exchange goes. An administrator names the results server and the results
// site in a system-wide settings file, the player's own settings file may override both, and the
// environment overrides everything for one run:
//   $KVELLI99_RESULTS_SERVER ("host" or "host:port"), $KVELLI99_RESULTS_SITE
//   $XDG_CONFIG_HOME/kvelli99/kvelli99.INI (else ~/.config/kvelli99/kvelli99.INI)
//   each $XDG_CONFIG_DIRS entry (else /etc/xdg) + /kvelli99/kvelli99.INI, the first one winning
// in section "Server", keys "Host" ("host" or "host:port"), "Port" and "Site". Each value is taken
// from the first of these that gives a usable one; a port that is not 1 to 65535 is passed over.

#include <string>
#include <vector>

namespace kv {

inline const std::string kResultsSection = "Server";
inline const std::string kResultsHostKey = "Host";
inline const std::string kResultsPortKey = "Port";
inline const std::string kResultsSiteKey = "Site";
inline constexpr char kResultsServerVariable[] = "KVELLI99_RESULTS_SERVER";
inline constexpr char kResultsSiteVariable[] = "KVELLI99_RESULTS_SITE";

// The compiled-in defaults: the results server shipped in server/, on this machine.
inline const std::string kDefaultResultsHost = "127.0.0.1";
inline constexpr int kDefaultResultsPort = 21;
inline const std::string kDefaultResultsSite = "http://127.0.0.1:8099/table.html";

struct ResultsServerAddress {
    std::string host;
    int port = kDefaultResultsPort;
};

// "host:port" when the text ends in a colon and a port from 1 to 65535 and holds no other colon;
// anything else is all host name, with `defaultPort`.
ResultsServerAddress SplitServerAddress(const std::string& text, int defaultPort = kDefaultResultsPort);

struct ResultsConfig {
    ResultsServerAddress server{kDefaultResultsHost, kDefaultResultsPort};
    std::string site = kDefaultResultsSite;
};

// The settings files in the order they count: the player's, then the system's.
std::vector<std::string> ResultsConfigFiles();

// Reads the files and the environment as they are now.
ResultsConfig ReadResultsConfig();

}  // namespace kv
