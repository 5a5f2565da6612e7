#pragma once
// nginx with a site configuration the package ships (packaging/server/<site>), its lines changed
// for a test (a free port of 127.0.0.1, the test's data and certificate); stopped with the object.

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"

namespace kv::test {

class ShippedNginxSite {
  public:
    // Each (from, to) must be in the site. Throws std::runtime_error when nginx does not start.
    ShippedNginxSite(const std::string& site, const std::vector<std::pair<std::string, std::string>>& changes,
                     const TempDir& dir);
    ~ShippedNginxSite();
    ShippedNginxSite(const ShippedNginxSite&) = delete;
    ShippedNginxSite& operator=(const ShippedNginxSite&) = delete;
    void Stop();

  private:
    pid_t pid_ = -1;
};

}  // namespace kv::test
