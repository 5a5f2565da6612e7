#include "ShippedNginx.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "ShippedServer.h"
#include "base/AtomicFile.h"

namespace kv::test {

namespace {
std::string Slurp(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}
}  // namespace

ShippedNginxSite::ShippedNginxSite(const std::string& siteName,
                                   const std::vector<std::pair<std::string, std::string>>& changes,
                                   const TempDir& dir) {
    std::string site = Slurp(std::string(KV_SOURCE_DIR) + "/packaging/server/" + siteName);
    int port = 0;
    for (const auto& [from, to] : changes) {
        const auto at = site.find(from);
        if (at == std::string::npos) throw std::runtime_error(siteName + " has no line " + from);
        site.replace(at, from.size(), to);
        if (to.rfind("listen 127.0.0.1:", 0) == 0) port = std::stoi(to.substr(17));
    }
    WriteFileAtomic(dir.File("site.conf"), site);
    const std::string d = dir.path();
    WriteFileAtomic(dir.File("nginx.conf"),
                    std::string(::geteuid() == 0 ? "user nobody nogroup;\n" : "") + "daemon off;\npid " + d +
                        "/nginx.pid;\nerror_log " + d + "/error.log;\nevents {}\nhttp {\n" +
                        "include /etc/nginx/mime.types;\naccess_log off;\n" + "client_body_temp_path " + d +
                        "/body;\nproxy_temp_path " + d + "/proxy;\nfastcgi_temp_path " + d +
                        "/fastcgi;\nuwsgi_temp_path " + d + "/uwsgi;\nscgi_temp_path " + d +
                        "/scgi;\ninclude " + d + "/site.conf;\n}\n");
    const std::string conf = dir.File("nginx.conf"), log = dir.File("error.log");
    pid_ = ::fork();
    if (pid_ == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd >= 0) ::dup2(fd, 2);
        ::execl("/usr/sbin/nginx", "nginx", "-p", d.c_str(), "-c", conf.c_str(), "-e", log.c_str(), nullptr);
        ::_exit(127);
    }
    // Any reply will do (an HTTPS port answers a plain request with 400).
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (HttpGet(port, "/").first == 0) {
        if (std::chrono::steady_clock::now() > deadline || ::waitpid(pid_, nullptr, WNOHANG) != 0) {
            Stop();
            throw std::runtime_error("nginx did not start: " + Slurp(log));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

ShippedNginxSite::~ShippedNginxSite() {
    Stop();
}

void ShippedNginxSite::Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace kv::test
