#pragma once
// Where the results exchange goes. An administrator names the results server and the results
// site in section "Server" of a system-wide settings file, the player's own settings file may
// override both, and the environment overrides everything for one run (base/Settings.h):
//   $KVELLI99_RESULTS_SERVER ("host" or "host:port"), $KVELLI99_RESULTS_SITE
//   "Server" of the player's file, then of each system-wide file, the first one winning
// with keys "Host" ("host" or "host:port"), "Port", "Site", "Tls" ("auto", the default,
// "required" or "off", case-insensitive) and "TlsFingerprint". Each value is taken from the first
// of these that gives a usable one; a port that is not 1 to 65535, or another Tls, is passed over.

#include <string>
#include <vector>

#include "base/Settings.h"
#include "net/FtpClient.h"

namespace kv {

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
    TlsMode tls = TlsMode::Auto;
    std::string tlsFingerprint;  // as written; the client reads its forms
};

// The results server of `servers` (Settings::servers, in the order they count) and of the
// environment as it is now.
ResultsConfig ResultsConfigOf(const std::vector<ServerSettings>& servers);

}  // namespace kv
