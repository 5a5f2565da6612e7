#pragma once
// Where the results exchange goes. The defaults are the results server shipped in server/,
// running on this machine; a distributor changes the two constants, a player or a club points
// one run elsewhere through the environment.

#include <QString>
#include <string>

namespace kv::ui {

// The results server (FTP) and the results site that "Посмотреть общий результат в интернете"
// opens: the page the shipped server's web side serves.
inline const std::string kResultsHost = "127.0.0.1";
inline constexpr int kResultsPort = 21;
inline const QString kResultsSite = QStringLiteral("http://127.0.0.1:8099/table.html");

// "host" or "host:port": the results server for this run (port 21 needs root, so a server run
// by a player listens on a high port and says which).
inline constexpr char kResultsServerEnv[] = "KVELLI99_RESULTS_SERVER";
// An address that replaces kResultsSite for this run.
inline constexpr char kResultsSiteEnv[] = "KVELLI99_RESULTS_SITE";
// "1" shows the hidden item "Настройка".
inline constexpr char kAdminEnv[] = "KVELLI99_ADMIN";

struct ServerAddress {
    std::string host;
    int port = kResultsPort;
};

// "host:port" when the text ends in a colon and a port from 1 to 65535 and holds no other
// colon; anything else is all host name, with `defaultPort`.
ServerAddress ParseServerAddress(const std::string& text, int defaultPort = kResultsPort);

ServerAddress ResultsServer();
QString ResultsSite();
bool AdminMode();

}  // namespace kv::ui
