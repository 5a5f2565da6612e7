// The transport's shared part: status, waits, errors and the socket's life. Connection set-up is in
// SockConnect.cpp, data I/O in SockData.cpp, TLS in SockTls.cpp.
#include "net/SockTransportImpl.h"

#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/utsname.h>

#include <cerrno>
#include <cstdio>
#include <mutex>

namespace kv {
namespace {

// A wait blocks at most this long in poll() before it runs the event pump again.
constexpr int kSliceMs = 10;
// While data flow, the pump runs no more often than this, so that it costs no throughput.
constexpr auto kPumpGap = std::chrono::milliseconds(5);

// The library is counted per process, as WinSock is.
std::mutex g_libMutex;
int g_libUsers = 0;
std::vector<std::string> g_libInfo;
std::function<void()> g_defaultPump;

std::vector<std::string> DescribeLibrary() {
    std::vector<std::string> info;
    info.push_back("Version= 1.1");
    info.push_back("High Version= 1.1");
    info.push_back("Description= POSIX sockets, IPv4");
    utsname u{};
    std::string system = "unknown";
    if (::uname(&u) == 0) system = std::string(u.sysname) + " " + u.release;
    info.push_back("System= " + system);
    rlimit lim{};
    std::string maxSockets = "unlimited";
    if (::getrlimit(RLIMIT_NOFILE, &lim) == 0 && lim.rlim_cur != RLIM_INFINITY)
        maxSockets = std::to_string(lim.rlim_cur);
    info.push_back("Max Sockets= " + maxSockets);
    info.push_back("Max Udp pack size= 65507");
    return info;
}

}  // namespace

std::string LimitText(int ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%g s", ms / 1000.0);
    return text;
}

std::function<void()> DefaultEventPump() {
    std::lock_guard lock(g_libMutex);
    return g_defaultPump;
}

void SetDefaultEventPumpOf(std::function<void()> pump) {
    std::lock_guard lock(g_libMutex);
    g_defaultPump = std::move(pump);
}

void TSockTransport::Impl::IdleTimedOut(const Bound& bound) {
    lastError = 10060;
    CloseSocket();
    throw ETimeOutError("Connection Timed out (idle for " + LimitText(bound.Ms()) + ")");
}

TSockTransport& TSockTransport::Impl::O() {
    if (!owner) throw EAbortError("Socket send aborted");
    return *owner;
}

void TSockTransport::Impl::Status(int level, const std::string& text) {
    statusText = text;
    if (destroying || !owner || level > owner->ReportLevel || !owner->OnStatus) return;
    auto onStatus = owner->OnStatus;
    try {
        onStatus(*owner, text);
    } catch (...) {
        // A failing status handler must not change the outcome of the operation.
    }
}

void TSockTransport::Impl::Raise(TNotify TSockTransport::*member) {
    if (destroying || !owner) return;
    auto f = owner->*member;
    if (f) f(*owner);
}

void TSockTransport::Impl::CheckCancel(const char* text) {
    if (cancel) {
        cancel = false;
        throw EAbortError(text);
    }
}

// Runs the event pump: after every idle slice, and while data flow no more often than kPumpGap.
void TSockTransport::Impl::Pump(bool idle) {
    auto now = std::chrono::steady_clock::now();
    if (!idle && now - lastPump < kPumpGap) return;
    lastPump = now;
    if (!owner) return;
    auto pump = owner->EventPump;
    if (pump) pump();
}

// One pass of a wait: blocks at most one slice for `events` on the socket (and for the timer
// and `extraFd`), lets a due time-out fire, and runs the event pump. The object may be gone
// when it returns: callers check the cancel flag next.
short TSockTransport::Impl::Pass(short events, int extraFd) {
    pollfd p[3];
    nfds_t n = 0;
    int sock = -1;
    if (fd >= 0 && events != 0) {
        p[n] = {fd, events, 0};
        sock = static_cast<int>(n++);
    }
    if (int t = timer.Handle(); t >= 0) p[n++] = {t, POLLIN, 0};
    if (extraFd >= 0) p[n++] = {extraFd, POLLIN, 0};
    int r = ::poll(p, n, kSliceMs);
    short revents = (r > 0 && sock >= 0) ? p[sock].revents : 0;
    timer.Check();
    Pump(r == 0);
    return revents;
}

void TSockTransport::Impl::SocketErrorNumber(int number, int ignore) {
    lastError = number;
    if (number == ignore || number <= 10000) return;
    std::string text = SockErrorText(number);
    if (!destroying && owner && owner->OnError) {
        auto onError = owner->OnError;
        onError(*owner, static_cast<std::int16_t>(number), text);
    }
    throw ESockError(text);
}

void TSockTransport::Impl::NewSocket(bool lingerOff) {
    fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    used = false;
    if (fd < 0) SocketError(errno);
    if (lingerOff) {
        // A close ends the connection at once, dropping unsent data.
        linger l{1, 0};
        if (::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l) != 0) SocketError(errno);
    }
}

void TSockTransport::Impl::StartSockets() {
    Status(8, "Initializing Winsock");
    {
        std::lock_guard lock(g_libMutex);
        if (g_libUsers == 0 && g_libInfo.empty()) g_libInfo = DescribeLibrary();
        ++g_libUsers;
        counted = true;
        info = g_libInfo;
    }
    try {
        NewSocket(true);
    } catch (...) {
        StopSockets();
        throw ESockError("Initializaton of windows sockets failed");
    }
}

void TSockTransport::Impl::StopSockets() {
    std::lock_guard lock(g_libMutex);
    if (counted) --g_libUsers;
    counted = false;
}

void TSockTransport::Impl::TimerOn() {
    Status(8, "Timer On");
    timedOut = false;
    int timeOut = owner ? owner->TimeOut : 0;
    timer.SetInterval(timeOut > 0 ? static_cast<unsigned>(timeOut) : 0u);
    timer.SetEnabled(true);
}

void TSockTransport::Impl::TimerOff() {
    Status(8, "Timer Off");
    timer.SetEnabled(false);
}

void TSockTransport::Impl::TimeOutTriggered() {
    Status(8, "Timer Triggered");
    TimerOff();
    timedOut = true;
    signalled = true;
    if (owner && !destroying)
        owner->Abort();
    else
        Cancel();
}

void TSockTransport::Impl::Cancel() {
    Status(8, "Canceling");
    cancel = true;
}

void TSockTransport::Impl::CloseSocket() {
    Status(4, "Request Close Socket");
    connected = false;
    if (fd < 0) return;
    bool wasUsed = used;
    EndTls(true);
    int r = ::close(fd);
    int err = errno;
    fd = -1;
    used = false;
    if (destroying) return;
    // The new socket comes first, so that a handler of OnDisconnect can connect again.
    NewSocket(false);
    if (r != 0 && err != EINTR) SocketError(err);
    if (wasUsed) Raise(&TSockTransport::OnDisconnect);
}

// A close seen from the peer: the socket is closed unless bytes still wait to be read.
void TSockTransport::Impl::PeerClosed() {
    if (connected) CloseSocket();
}

// Takes up what the socket has to say while no operation watches it: a close or a reset by
// the peer with nothing left to read.
void TSockTransport::Impl::PollNotifications() {
    if (!connected || fd < 0) return;
    pollfd p{fd, POLLIN | POLLRDHUP, 0};
    if (::poll(&p, 1, 0) <= 0) return;
    char c;
    ssize_t n = ::recv(fd, &c, 1, MSG_PEEK);
    if (n == 0) {
        CloseSocket();
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
        eventOk = false;
        lastError = WinSockErrorOf(errno);
        CloseSocket();
    }
}

}  // namespace kv
