#pragma once
// Where the results exchange goes, for the window: the address typed in the settings window
// (the settings files and the environment name the results server, net/ResultsConfig.h), and
// whether the administrator's item shows.

#include <QString>
#include <string>

#include "net/ResultsConfig.h"

namespace kv::ui {

inline constexpr int kResultsPort = kDefaultResultsPort;
inline constexpr const char* kResultsServerEnv = kResultsServerVariable;
inline constexpr const char* kResultsSiteEnv = kResultsSiteVariable;
// "1" shows the hidden item "Настройка".
inline constexpr char kAdminEnv[] = "KVELLI99_ADMIN";

struct ServerAddress {
    std::string host;
    int port = kResultsPort;
};

// "host:port" when the text ends in a colon and a port from 1 to 65535 and holds no other
// colon; anything else is all host name, with `defaultPort`.
ServerAddress ParseServerAddress(const std::string& text, int defaultPort = kResultsPort);

bool AdminMode();

}  // namespace kv::ui
