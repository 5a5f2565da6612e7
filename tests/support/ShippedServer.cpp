#include "ShippedServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <latch>
#include <stdexcept>
#include <thread>

#include "TempDir.h"
#include "net/FtpClient.h"
#include "records/Html.h"
#include "records/RecFile.h"

namespace kv::test {

using Clock = std::chrono::steady_clock;

std::pair<int, std::string> HttpGet(int port, const std::string& path, std::string* headers) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
        const std::string request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
        if (::send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
            static_cast<ssize_t>(request.size())) {
            const auto deadline = Clock::now() + std::chrono::seconds(10);
            for (;;) {
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
                pollfd p{fd, POLLIN, 0};
                if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0) break;
                char buf[4096];
                const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
                if (n <= 0) break;
                reply.append(buf, static_cast<size_t>(n));
            }
        }
    }
    if (fd >= 0) ::close(fd);
    int code = 0;
    std::sscanf(reply.c_str(), "HTTP/%*s %d", &code);
    const auto body = reply.find("\r\n\r\n");
    if (headers) *headers = reply.substr(0, body);
    return {code, body == std::string::npos ? std::string() : reply.substr(body + 4)};
}

int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

std::string RecordsToolPath() {
    return std::string(KV_BINARY_DIR) + "/kvelli99-records";
}

ShippedServer::ShippedServer(const std::string& dataDir, const std::vector<std::string>& extraArgs,
                             const std::string& logPath, Proofs proofs) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    const std::string script = std::string(KV_SOURCE_DIR) + "/server/results-server.sh";
    std::vector<std::string> args = {script,        "--dir", dataDir,          "--ftp-port",     "0",
                                     "--http-port", "0",     "--records-tool", RecordsToolPath()};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    if (proofs == Proofs::kAcceptUnverified) args.push_back("--accept-unverified");
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
        if (!logPath.empty()) {
            const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
            if (log >= 0) ::dup2(log, 2);
        }
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

void ShippedServer::Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::string TableBytes(const std::vector<std::pair<std::string, int>>& entries) {
    std::string bytes;
    for (const auto& [name, score] : entries)
        bytes += NegateBytes(name + "_" + std::to_string(score)) + "\r\n";
    return bytes;
}

std::vector<std::pair<std::string, int>> TableRows(const std::string& path) {
    RecTable table{};
    ReadRecFile(path, table);
    std::vector<std::pair<std::string, int>> rows;
    for (int k = 0; k < FilledRows(table); ++k)
        rows.emplace_back(table[static_cast<size_t>(k)].name, table[static_cast<size_t>(k)].score);
    return rows;
}

ServerLogin::ServerLogin(int port, bool passive, const GameTls& tls) {
    ftp.Tls = tls.mode;
    ftp.TlsFingerprint = tls.fingerprint;
    ftp.Host = "127.0.0.1";
    ftp.Port = port;
    ftp.UserID = "kvelli99";
    ftp.Password = "quillon84";
    ftp.Passive = passive;
    ftp.TimeOut = 20000;
    ftp.Connect();
    ftp.ChangeDirectory("WWW");
}

ServerLogin::~ServerLogin() {
    try {
        ftp.Disconnect();
    } catch (const std::exception&) {
    }
}

std::vector<std::string> SimultaneousExchanges(const std::vector<std::string>& dirs,
                                               const std::function<int(int)>& port,
                                               const std::function<bool(int)>& passive) {
    const int n = static_cast<int>(dirs.size());
    std::latch start(n);
    std::vector<std::string> errors(dirs.size());
    std::vector<std::thread> threads;
    for (int i = 0; i < n; ++i) {
        threads.emplace_back([&, i] {
            start.arrive_and_wait();
            try {
                GameExchange(port(i), dirs[static_cast<size_t>(i)], passive(i));
            } catch (const std::exception& e) {
                errors[static_cast<size_t>(i)] = e.what();
            }
        });
    }
    for (auto& t : threads)
        t.join();
    return errors;
}

void GameExchange(int port, const std::string& dir, bool passive, const GameTls& tls) {
    ServerLogin s(port, passive, tls);
    const std::string net = dir + "/" + kNetRecFileName, page = dir + "/" + kHtmlFileName;
    s.ftp.Download("records.rec", net);
    MergeTable work{};
    MergeRecFiles(work, dir + "/" + kRecFileName, net);
    WriteHtmlTable(net, page);
    s.ftp.Upload(net, "records.rec");
    s.ftp.Upload(page, "table.html");
}

std::string DownloadTable(int port) {
    TempDir dir;
    {
        ServerLogin s(port, true);
        s.ftp.Download("records.rec", dir.File("records.rec"));
    }
    return dir.Read("records.rec");
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
