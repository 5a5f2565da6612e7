#include "ScriptServer.h"

#include "NetTestUtil.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <sstream>

namespace kv::test {
namespace {

constexpr int kIoTimeoutMs = 10000;

void SetTimeouts(int fd) {
    timeval tv{kIoTimeoutMs / 1000, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
}

void SendAllOrFail(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw ScriptFailure{"send failed: " + std::string(std::strerror(errno))};
        done += static_cast<std::size_t>(n);
    }
}

void CloseWithReset(int& fd) {
    if (fd < 0) return;
    linger l{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
    ::close(fd);
    fd = -1;
}

int AcceptWithin(int listenFd, int timeoutMs) {
    pollfd p{listenFd, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0) return -1;
    int fd = ::accept(listenFd, nullptr, nullptr);
    if (fd >= 0) SetTimeouts(fd);
    return fd;
}

}  // namespace

int ListenLoopback(int& port, int backlog) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0 || ::listen(fd, backlog) != 0)
        throw std::runtime_error("cannot listen on 127.0.0.1");
    socklen_t len = sizeof sa;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len);
    port = ntohs(sa.sin_port);
    return fd;
}

// --- DataConn ---

DataConn::~DataConn() {
    Close();
}

DataConn& DataConn::operator=(DataConn&& o) noexcept {
    if (this != &o) {
        Close();
        fd_ = o.fd_;
        o.fd_ = -1;
    }
    return *this;
}

void DataConn::Send(std::string_view bytes) {
    if (fd_ < 0) throw ScriptFailure{"no data connection"};
    SendAllOrFail(fd_, bytes);
}

std::string DataConn::ReadAll() {
    if (fd_ < 0) throw ScriptFailure{"no data connection"};
    std::string all;
    char buf[65536];
    for (;;) {
        ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw ScriptFailure{"data read failed: " + std::string(std::strerror(errno))};
        if (n == 0) return all;
        all.append(buf, static_cast<std::size_t>(n));
    }
}

void DataConn::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void DataConn::Reset() {
    CloseWithReset(fd_);
}

// --- Peer ---

Peer::~Peer() {
    if (ssl_) SSL_free(ssl_);
    if (sslCtx_) SSL_CTX_free(sslCtx_);
    if (fd_ >= 0) ::close(fd_);
    if (pasvFd_ >= 0) ::close(pasvFd_);
}

void Peer::Send(std::string_view bytes) {
    if (fd_ < 0) throw ScriptFailure{"control connection closed"};
    if (!ssl_) return SendAllOrFail(fd_, bytes);
    if (!bytes.empty() && SSL_write(ssl_, bytes.data(), static_cast<int>(bytes.size())) <= 0)
        throw ScriptFailure{"TLS send failed"};
}

long Peer::Receive(char* buf, std::size_t size) {
    if (!ssl_) return ::recv(fd_, buf, size, 0);
    int n = SSL_read(ssl_, buf, static_cast<int>(size));
    if (n > 0) return n;
    int e = SSL_get_error(ssl_, n);
    ERR_clear_error();
    return e == SSL_ERROR_ZERO_RETURN || (e == SSL_ERROR_SYSCALL && errno == 0) ? 0 : -1;
}

bool Peer::StartTls(const std::string& certFile, const std::string& keyFile) {
    // OpenSSL writes with write(): a client that went away must not end the test with SIGPIPE.
    // Blocked in this (the script's) thread only, so that the client is still held to avoid it.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    sslCtx_ = SSL_CTX_new(TLS_server_method());
    if (!sslCtx_ || SSL_CTX_use_certificate_chain_file(sslCtx_, certFile.c_str()) != 1 ||
        SSL_CTX_use_PrivateKey_file(sslCtx_, keyFile.c_str(), SSL_FILETYPE_PEM) != 1)
        throw ScriptFailure{"cannot load " + certFile};
    ssl_ = SSL_new(sslCtx_);
    SSL_set_fd(ssl_, fd_);
    bool ok = SSL_accept(ssl_) == 1;
    ERR_clear_error();
    return ok;
}

std::string Peer::Line() {
    for (;;) {
        std::size_t lf = pending_.find('\n');
        if (lf != std::string::npos) {
            std::string line = pending_.substr(0, lf);
            pending_.erase(0, lf + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            return line;
        }
        if (fd_ < 0) throw ScriptFailure{"control connection closed"};
        char buf[4096];
        ssize_t n = Receive(buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) throw ScriptFailure{"client closed while the script waited for a line"};
        if (n < 0) throw ScriptFailure{"no line from the client: " + std::string(std::strerror(errno))};
        pending_.append(buf, static_cast<std::size_t>(n));
    }
}

std::string Peer::Expect(std::string_view prefix) {
    std::string line = Line();
    if (line.rfind(prefix, 0) != 0)
        throw ScriptFailure{"expected \"" + std::string(prefix) + "\", got \"" + line + "\""};
    return line;
}

void Peer::Login(std::string_view user, std::string_view password) {
    Send("220 Scripted server ready.\r\n");
    // A scripted server has no TLS: a client that asks (the game's default) is refused, as a
    // server without TLS refuses it.
    std::string line = Line();
    if (line == "AUTH TLS") {
        Send("500 AUTH not understood.\r\n");
        line = Line();
    }
    if (line != "USER " + std::string(user))
        throw ScriptFailure{"expected \"USER " + std::string(user) + "\", got \"" + line + "\""};
    Send("331 Password required.\r\n");
    Expect("PASS " + std::string(password));
    Send("230 Logged in.\r\n");
}

std::string Peer::ReadToEnd() {
    std::string all = std::move(pending_);
    pending_.clear();
    char buf[65536];
    while (fd_ >= 0) {
        ssize_t n = Receive(buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw ScriptFailure{"read failed: " + std::string(std::strerror(errno))};
        if (n == 0) break;
        all.append(buf, static_cast<std::size_t>(n));
    }
    return all;
}

bool Peer::WaitClosed(int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (fd_ >= 0) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        pollfd p{fd_, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
        char buf[4096];
        ssize_t n = Receive(buf, sizeof buf);
        if (n <= 0) return true;
    }
    return true;
}

void Peer::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

void Peer::Reset() {
    CloseWithReset(fd_);
}

void Peer::AnswerPasv(std::string_view address) {
    if (pasvFd_ >= 0) ::close(pasvFd_);
    int port = 0;
    pasvFd_ = ListenLoopback(port, 4);
    std::ostringstream reply;
    reply << "227 Entering Passive Mode (" << address << "," << (port >> 8) << "," << (port & 0xFF)
          << ").\r\n";
    Send(reply.str());
}

DataConn Peer::OpenPassive(std::string_view command, std::string_view opening) {
    Expect("PASV");
    AnswerPasv();
    Expect(command);
    Send(opening);
    return AcceptPassive();
}

DataConn Peer::AcceptPassive() {
    if (pasvFd_ < 0) throw ScriptFailure{"no PASV listener"};
    int fd = AcceptWithin(pasvFd_, kIoTimeoutMs);
    if (fd < 0) throw ScriptFailure{"the client made no passive data connection"};
    return DataConn(fd);
}

int Peer::PortOf(const std::string& portLine) {
    int n[6] = {};
    if (std::sscanf(portLine.c_str(), "PORT %d,%d,%d,%d,%d,%d", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5]) !=
        6)
        throw ScriptFailure{"bad PORT line: " + portLine};
    return n[4] * 256 + n[5];
}

DataConn Peer::ConnectActive(const std::string& portLine, const char* from) {
    int n[6] = {};
    if (std::sscanf(portLine.c_str(), "PORT %d,%d,%d,%d,%d,%d", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5]) !=
        6)
        throw ScriptFailure{"bad PORT line: " + portLine};
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    ::inet_pton(AF_INET, from, &local.sin_addr);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        ::close(fd);
        throw ScriptFailure{std::string("cannot bind ") + from};
    }
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<std::uint16_t>(n[4] * 256 + n[5]));
    std::string addr = std::to_string(n[0]) + "." + std::to_string(n[1]) + "." + std::to_string(n[2]) + "." +
                       std::to_string(n[3]);
    ::inet_pton(AF_INET, addr.c_str(), &to.sin_addr);
    SetTimeouts(fd);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
        ::close(fd);
        throw ScriptFailure{"cannot connect to " + portLine};
    }
    return DataConn(fd);
}

// --- ScriptServer ---

ScriptServer::ScriptServer(Script script, int connections, int backlog) {
    listenFd_ = ListenLoopback(port_, backlog);
    thread_ = std::thread([this, script = std::move(script), connections] { Run(script, connections); });
}

ScriptServer::~ScriptServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (listenFd_ >= 0) ::close(listenFd_);
}

void ScriptServer::Run(Script script, int connections) {
    for (int i = 0; i < connections; ++i) {
        int fd = -1;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (fd < 0 && !stop_ && std::chrono::steady_clock::now() < deadline)
            fd = AcceptWithin(listenFd_, 100);
        if (fd < 0) {
            if (!stop_) {
                std::lock_guard lock(mutex_);
                failure_ += "no connection from the client; ";
            }
            return;
        }
        Peer peer(fd);
        try {
            script(peer);
        } catch (const ScriptFailure& f) {
            std::lock_guard lock(mutex_);
            failure_ += f.what + "; ";
        } catch (const std::exception& e) {
            std::lock_guard lock(mutex_);
            failure_ += std::string(e.what()) + "; ";
        }
        std::lock_guard lock(mutex_);
        lines_.insert(lines_.end(), peer.lines.begin(), peer.lines.end());
    }
}

std::string ScriptServer::Finish() {
    if (thread_.joinable()) thread_.join();
    std::lock_guard lock(mutex_);
    return failure_;
}

std::vector<std::string> ScriptServer::Lines() {
    if (thread_.joinable()) thread_.join();
    std::lock_guard lock(mutex_);
    return lines_;
}

}  // namespace kv::test

// --- helpers of NetTestUtil.h ---

namespace kv::test {

FullListener::FullListener() {
    listenFd_ = ListenLoopback(port_, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<std::uint16_t>(port_));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    // Queue connections until one is left unanswered.
    for (int i = 0; i < 8; ++i) {
        int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        fillers_.push_back(fd);
        ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to);
        pollfd p{fd, POLLOUT, 0};
        if (::poll(&p, 1, 300) == 0) break;
    }
}

FullListener::~FullListener() {
    for (int fd : fillers_)
        ::close(fd);
    ::close(listenFd_);
}

int RefusingPort() {
    int port = 0;
    int fd = ListenLoopback(port, 1);
    ::close(fd);
    return port;
}

}  // namespace kv::test
