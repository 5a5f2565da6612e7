#include "net/ui/Exchange.h"

#include <cstdlib>

namespace kv::ui {

ServerAddress ParseServerAddress(const std::string& text, int defaultPort) {
    const ResultsServerAddress address = SplitServerAddress(text, defaultPort);
    return {address.host, address.port};
}

bool AdminMode() {
    const char* env = std::getenv(kAdminEnv);
    return env && std::string(env) == "1";
}

}  // namespace kv::ui
