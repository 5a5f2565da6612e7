#pragma once
// Helpers shared by the network tests: an event pump that counts its runs and ends a stuck wait,
// and a listener whose queue is full, so that a connect to it never completes.

#include <chrono>
#include <cstdint>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptServer.h"
#include "net/SockTransport.h"

namespace kv::test {

// An event pump for tests: counts its runs, runs an optional action each time, and cancels the
// object after `limit` so that a fault shows as a failed test, not a hang.
struct TestPump {
    int runs = 0;
    std::function<void()> action;
    std::chrono::steady_clock::time_point deadline;

    void Install(TSockTransport& t, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
        deadline = std::chrono::steady_clock::now() + limit;
        t.EventPump = [this, &t] {
            ++runs;
            if (action) action();
            if (std::chrono::steady_clock::now() > deadline) {
                t.Cancel();
                t.Abort();
            }
        };
    }
};

// A listening socket with backlog 0 whose queue holds one connection already: a further connect
// stays unanswered.
class FullListener {
  public:
    FullListener();
    ~FullListener();
    int port() const { return port_; }

  private:
    int listenFd_ = -1;
    int port_ = 0;
    std::vector<int> fillers_;
};

inline std::string RandomBytes(std::size_t n, unsigned seed = 7) {
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (auto& c : s)
        c = static_cast<char>(gen() & 0xFF);
    return s;
}

inline std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The text of the error that `f` ends with, "(no error)" when it ends normally.
inline std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

// A free port on 127.0.0.1 that refuses connections (listened on briefly, then closed).
int RefusingPort();

}  // namespace kv::test
