#pragma once
// The results server shipped in server/ (results-server.sh), started on free ports of 127.0.0.1
// with its data in a given directory and the records tool of this build; it ends with the object,
// or with the test process if that dies.

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

namespace kv::test {

// The records tool of this build, which the server runs for every table it takes.
std::string RecordsToolPath();

// One HTTP/1.0 GET on 127.0.0.1: the status code (0 if there was no reply) and the body.
std::pair<int, std::string> HttpGet(int port, const std::string& path);

class ShippedServer {
  public:
    // Throws std::runtime_error, with what the script said, when it does not report ready.
    // Its log (stderr) goes to logPath when one is given.
    explicit ShippedServer(const std::string& dataDir, const std::vector<std::string>& extraArgs = {},
                           const std::string& logPath = {});
    ~ShippedServer();
    ShippedServer(const ShippedServer&) = delete;
    ShippedServer& operator=(const ShippedServer&) = delete;

    // SIGTERM, then SIGKILL after ten seconds; does nothing the second time.
    void Stop();

    int ftp = 0, http = 0;
    // Everything the script printed up to its "READY" line.
    std::string banner;

  private:
    pid_t pid_ = -1;
};

}  // namespace kv::test
