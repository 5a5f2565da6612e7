#pragma once
// The results server shipped in server/ (results-server.sh), started on free ports of 127.0.0.1
// with its data in a given directory and the records tool of this build; it ends with the object,
// or with the test process if that dies.

#include <sys/types.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "net/FtpClient.h"

namespace kv::test {

// A free TCP port of 127.0.0.1 (most likely still free when it is used).
int FreePort();

// The records tool of this build, which the server runs for every table it takes.
std::string RecordsToolPath();

// One HTTP/1.0 GET on 127.0.0.1: the status code (0 if there was no reply) and the body; the
// reply's header lines go to headers when given.
std::pair<int, std::string> HttpGet(int port, const std::string& path, std::string* headers = nullptr);

// A table's stored bytes from entries; the filled rows of the table file at path.
std::string TableBytes(const std::vector<std::pair<std::string, int>>& entries);
std::vector<std::pair<std::string, int>> TableRows(const std::string& path);

// The game's TLS settings ([Server] Tls= and TlsFingerprint=).
struct GameTls {
    TlsMode mode = TlsMode::Off;
    std::string fingerprint;
};

// The game's exchange for the records file dir/Kvelli99.rec against 127.0.0.1:port: fetch the
// table, merge, write the page, store both. Throws what the game's FTP client throws.
void GameExchange(int port, const std::string& dir, bool passive, const GameTls& tls = {});

// Player i's exchange for dirs[i] with the server at port(i), passive or not, all started at
// once on threads of their own; each player's error text, empty where it went through.
std::vector<std::string> SimultaneousExchanges(const std::vector<std::string>& dirs,
                                               const std::function<int(int)>& port,
                                               const std::function<bool(int)>& passive);

// The game's login on a shipped server at `port`, in "WWW"; logged out when it goes.
struct ServerLogin {
    explicit ServerLogin(int port, bool passive = false, const GameTls& tls = {});
    ~ServerLogin();
    ServerLogin(const ServerLogin&) = delete;
    ServerLogin& operator=(const ServerLogin&) = delete;
    TFtpClient ftp;
};
// The server's records.rec as downloaded.
std::string DownloadTable(int port);

class ShippedServer {
  public:
    // Tests of the exchange itself send tables without proofs, as older games do, to a server
    // that takes them (--accept-unverified); the tests of verification ask for kVerify.
    enum class Proofs { kAcceptUnverified, kVerify };

    // Throws std::runtime_error, with what the script said, when it does not report ready.
    // Its log (stderr) goes to logPath when one is given.
    explicit ShippedServer(const std::string& dataDir, const std::vector<std::string>& extraArgs = {},
                           const std::string& logPath = {}, Proofs proofs = Proofs::kAcceptUnverified);
    ~ShippedServer();
    ShippedServer(const ShippedServer&) = delete;
    ShippedServer& operator=(const ShippedServer&) = delete;

    // SIGTERM, then SIGKILL after ten seconds; does nothing the second time.
    void Stop();
    // SIGKILL at once, as a crash or the loss of the machine would end it.
    void Kill();

    int ftp = 0, http = 0;
    // Everything the script printed up to its "READY" line.
    std::string banner;

  private:
    pid_t pid_ = -1;
};

}  // namespace kv::test
