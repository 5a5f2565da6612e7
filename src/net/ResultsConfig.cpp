#include "net/ResultsConfig.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

#include "base/AtomicFile.h"
#include "base/Ini.h"

namespace kv {
namespace {

const std::string kConfigName = "/kvelli99/kvelli99.INI";

std::optional<int> PortOf(const std::string& digits) {
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    int port = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        port = port * 10 + (c - '0');
    }
    if (port < 1 || port > 65535) return std::nullopt;
    return port;
}

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string UserConfigDir() {
    const std::string xdg = Env("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg[0] == '/') return xdg;
    std::string home = Env("HOME");
    if (home.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid())) home = pw->pw_dir ? pw->pw_dir : "";
    }
    return home + "/.config";
}

}  // namespace

ResultsServerAddress SplitServerAddress(const std::string& text, int defaultPort) {
    const auto colon = text.find(':');
    if (colon != std::string::npos && colon > 0 && text.find(':', colon + 1) == std::string::npos) {
        if (auto port = PortOf(text.substr(colon + 1))) return {text.substr(0, colon), *port};
    }
    return {text, defaultPort};
}

std::vector<std::string> ResultsConfigFiles() {
    std::vector<std::string> files{UserConfigDir() + kConfigName};
    std::string dirs = Env("XDG_CONFIG_DIRS");
    if (dirs.empty()) dirs = "/etc/xdg";
    std::size_t from = 0;
    while (from <= dirs.size()) {
        std::size_t to = dirs.find(':', from);
        if (to == std::string::npos) to = dirs.size();
        std::string dir = dirs.substr(from, to - from);
        // Relative entries are not meant for us (the XDG rules ignore them).
        if (!dir.empty() && dir[0] == '/') files.push_back(dir + kConfigName);
        from = to + 1;
    }
    return files;
}

ResultsConfig ReadResultsConfig() {
    std::optional<std::string> host, site;
    std::optional<int> port;
    for (const std::string& file : ResultsConfigFiles()) {
        std::string text;
        if (!ReadWholeFile(file, text)) continue;
        if (!host) {
            auto value = IniGet(text, kResultsSection, kResultsHostKey);
            if (value && !value->empty()) {
                host = *value;
                // "host:port" names its port, unless a more important file gave one already.
                ResultsServerAddress split = SplitServerAddress(*value, 0);
                if (split.port != 0) {
                    host = split.host;
                    if (!port) port = split.port;
                }
            }
        }
        if (!port) {
            auto value = IniGet(text, kResultsSection, kResultsPortKey);
            if (value) port = PortOf(*value);
        }
        if (!site) {
            auto value = IniGet(text, kResultsSection, kResultsSiteKey);
            if (value && !value->empty()) site = *value;
        }
    }
    ResultsConfig config;
    if (host) config.server.host = *host;
    if (port) config.server.port = *port;
    if (site) config.site = *site;
    if (std::string env = Env(kResultsServerVariable); !env.empty()) config.server = SplitServerAddress(env);
    if (std::string env = Env(kResultsSiteVariable); !env.empty()) config.site = env;
    return config;
}

}  // namespace kv
