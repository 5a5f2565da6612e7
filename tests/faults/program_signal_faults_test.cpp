// The program itself under a file-size limit: a write past the limit must fail with an error (which
// every writer reports, the old file intact), not end the program with SIGXFSZ and lose the game.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "TempDir.h"

namespace kv {
namespace {

// The set of ignored signals of a process, from /proc; 0 if it cannot be read.
unsigned long long IgnoredSignals(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("SigIgn:", 0) == 0) return std::stoull(line.substr(7), nullptr, 16);
    return 0;
}

TEST(ProgramSignals, AFileSizeLimitIsAnErrorNotTheEnd) {
    test::TempDir dir;
    dir.Write("Kvelli99.rec", "");  // a quiet start
    pid_t kid = ::fork();
    ASSERT_GE(kid, 0);
    if (kid == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
        if (::chdir(dir.path().c_str()) != 0) ::_exit(126);
        int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        rlimit lim{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &lim);
        ::execl(KV_EXECUTABLE, KV_EXECUTABLE, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // Past exec the signal dispositions are the program's own; it sets them as it starts.
    const unsigned long long xfsz = 1ULL << (SIGXFSZ - 1);
    const std::string proc = "/proc/" + std::to_string(kid);
    bool ignored = false;
    std::string exe;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!ignored && std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(kid, &status, WNOHANG) == kid) {
            ADD_FAILURE() << "the program ended at its start, status " << status;
            return;
        }
        char buf[4096];
        ssize_t n = ::readlink((proc + "/exe").c_str(), buf, sizeof buf - 1);
        exe = n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
        if (exe == KV_EXECUTABLE) ignored = (IgnoredSignals(kid) & xfsz) != 0;
        if (!ignored) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(kid, SIGKILL);
    ::waitpid(kid, nullptr, 0);
    EXPECT_EQ(exe, KV_EXECUTABLE);
    EXPECT_TRUE(ignored) << "SIGXFSZ is not ignored: a save past the limit ends the program";
}

}  // namespace
}  // namespace kv
