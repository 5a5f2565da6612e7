#include "net/ResultsConfig.h"

#include <cctype>
#include <cstdlib>
#include <optional>

namespace kv {
namespace {

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

std::optional<TlsMode> TlsModeOf(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (text == "auto") return TlsMode::Auto;
    if (text == "required") return TlsMode::Required;
    if (text == "off") return TlsMode::Off;
    return std::nullopt;
}

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

ResultsServerAddress SplitServerAddress(const std::string& text, int defaultPort) {
    const auto colon = text.find(':');
    if (colon != std::string::npos && colon > 0 && text.find(':', colon + 1) == std::string::npos) {
        if (auto port = PortOf(text.substr(colon + 1))) return {text.substr(0, colon), *port};
    }
    return {text, defaultPort};
}

ResultsConfig ResultsConfigOf(const std::vector<ServerSettings>& servers) {
    std::optional<std::string> host, site;
    std::optional<int> port;
    std::optional<TlsMode> tls;
    std::optional<std::string> fingerprint;
    for (const ServerSettings& file : servers) {
        if (!host) {
            const auto& value = file.Host;
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
        if (!port && file.Port) port = PortOf(*file.Port);
        if (!site && file.Site && !file.Site->empty()) site = *file.Site;
        if (!tls && file.Tls) tls = TlsModeOf(*file.Tls);
        if (!fingerprint && file.TlsFingerprint && !file.TlsFingerprint->empty())
            fingerprint = *file.TlsFingerprint;
    }
    ResultsConfig config;
    if (host) config.server.host = *host;
    if (port) config.server.port = *port;
    if (site) config.site = *site;
    if (tls) config.tls = *tls;
    if (fingerprint) config.tlsFingerprint = *fingerprint;
    if (std::string env = Env(kResultsServerVariable); !env.empty()) config.server = SplitServerAddress(env);
    if (std::string env = Env(kResultsSiteVariable); !env.empty()) config.site = env;
    return config;
}

}  // namespace kv
