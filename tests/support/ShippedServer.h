#pragma once
// The results server shipped in server/ (results-server.sh), started on free ports of 127.0.0.1
// with its data in a given directory; it ends with the object, or with the test process if that
// dies.

#include <sys/types.h>

#include <string>
#include <vector>

namespace kv::test {

class ShippedServer {
  public:
    // Throws std::runtime_error, with what the script said, when it does not report ready.
    explicit ShippedServer(const std::string& dataDir, const std::vector<std::string>& extraArgs = {});
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
