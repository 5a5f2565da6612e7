#include "PyFtpd.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace kv::test {
namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

PyFtpd::PyFtpd(PyFtpdOptions options) {
    if (options.home.empty()) {
        tempHome_ = std::make_unique<TempDir>();
        home_ = tempHome_->path();
    } else {
        home_ = options.home;
        std::filesystem::create_directories(home_);
    }
    if (options.makeWww) std::filesystem::create_directories(home_ + "/WWW");
    for (const auto& [relative, bytes] : options.files)
        WriteFile(File(relative), bytes);

    std::vector<std::string> args = {KV_PYTHON,    std::string(KV_SOURCE_DIR) + "/tests/support/ftpd.py",
                                     "--home",     home_,
                                     "--user",     options.user,
                                     "--password", options.password};
    if (options.readOnlyWww) args.push_back("--read-only-www");
    if (options.binaryByDefault) args.push_back("--binary");
    if (options.passivePortFirst > 0)
        args.push_back("--passive-ports=" + std::to_string(options.passivePortFirst) + "-" +
                       std::to_string(options.passivePortLast));
    if (!options.masqueradeAddress.empty()) args.push_back("--masquerade=" + options.masqueradeAddress);
    if (options.noPassive) args.push_back("--no-passive");
    if (!options.tlsCert.empty()) {
        args.push_back("--tls-cert=" + options.tlsCert);
        args.push_back("--tls-key=" + options.tlsKey);
    }
    if (options.verbose) args.push_back("--verbose");
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int in[2], out[2];
    if (::pipe2(in, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    int rc = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    if (rc != 0) {
        ::close(in[1]);
        ::close(out[0]);
        pid_ = -1;
        throw std::runtime_error("cannot start pyftpdlib");
    }
    // The server's standard input stays open as long as this object: if the test dies, it ends.
    stdinFd_ = in[1];

    std::string said;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (said.find('\n') == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        pollfd p{out[0], POLLIN, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
        char buf[256];
        ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        said.append(buf, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    if (said.rfind("PORT ", 0) != 0) {
        Stop();
        throw std::runtime_error("pyftpdlib did not start: " + said);
    }
    port_ = std::stoi(said.substr(5));
}

PyFtpd::~PyFtpd() {
    Stop();
}

void PyFtpd::Stop() {
    if (stdinFd_ >= 0) {
        ::close(stdinFd_);
        stdinFd_ = -1;
    }
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    pid_ = -1;
}

std::string PyFtpd::Read(const std::string& relative) const {
    std::ifstream in(File(relative), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + File(relative));
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool PyFtpd::Exists(const std::string& relative) const {
    return std::filesystem::exists(File(relative));
}

void PyFtpd::Write(const std::string& relative, const std::string& bytes) const {
    WriteFile(File(relative), bytes);
}

}  // namespace kv::test
