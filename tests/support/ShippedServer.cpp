#include "ShippedServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>

namespace kv::test {

using Clock = std::chrono::steady_clock;

ShippedServer::ShippedServer(const std::string& dataDir, const std::vector<std::string>& extraArgs) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    const std::string script = std::string(KV_SOURCE_DIR) + "/server/results-server.sh";
    std::vector<std::string> args = {script, "--dir", dataDir, "--ftp-port", "0", "--http-port", "0"};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_ = ::fork();
    if (pid_ < 0) {
        ::close(out[0]);
        ::close(out[1]);
        throw std::runtime_error("fork");
    }
    if (pid_ == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::dup2(out[1], 1);
        ::execv(script.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    std::string said;
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (said.find("READY ") == std::string::npos ||
           said.find('\n', said.find("READY ")) == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd p{out[0], POLLIN, 0};
        if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0) break;
        char buf[512];
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        said.append(buf, static_cast<size_t>(n));
    }
    ::close(out[0]);
    const auto ready = said.find("READY ");
    if (ready == std::string::npos ||
        std::sscanf(said.c_str() + ready, "READY ftp=%d http=%d", &ftp, &http) != 2) {
        Stop();
        throw std::runtime_error("the results server did not start: " + said);
    }
    banner = said;
}

ShippedServer::~ShippedServer() {
    Stop();
}

void ShippedServer::Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    pid_ = -1;
}

}  // namespace kv::test
