// The transport's shared part: status, waits, errors, the socket's life, lookup and connection;
// sending, reading, file transfer, listen and accept.
#include "net/SockTransportImpl.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/utsname.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "net/HostLookup.h"

namespace kv {
namespace {

// A wait blocks at most this long in poll() before it runs the event pump again.
constexpr int kSliceMs = 10;
// While data flow, the pump runs no more often than this, so that it costs no throughput.
constexpr auto kPumpGap = std::chrono::milliseconds(5);

// Errors that WinSock reports through the connect notification rather than from connect() itself;
// Linux may give them at once on the loopback.
bool IsConnectOutcome(int err) {
    return err == ECONNREFUSED || err == ENETUNREACH || err == EHOSTUNREACH || err == ETIMEDOUT ||
           err == ECONNRESET;
}

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

// After a failed attempt the socket may still be connecting; a fresh one lets the next
// Connect start clean.
void TSockTransport::Impl::ResetAfterFailedConnect() {
    if (destroying || !owner) return;
    if (fd >= 0) ::close(fd);
    fd = -1;
    connected = false;
    NewSocket(false);
}

void TSockTransport::Impl::OnConnected() {
    connected = true;
    Raise(&TSockTransport::OnConnect);
}

TSockTransport::Impl::Lookup TSockTransport::Impl::Resolve() {
    Status(8, "Resolve Host");
    const std::string name = O().Proxy.empty() ? O().Host : O().Proxy;
    in_addr dotted{};
    if (::inet_pton(AF_INET, name.c_str(), &dotted) == 1) {
        remoteAddr = dotted;
        remoteKnown = dotted.s_addr != htonl(INADDR_ANY) && dotted.s_addr != htonl(INADDR_NONE);
        return remoteKnown ? Lookup::Found : Lookup::Failed;
    }
    remoteAddr = {};
    remoteKnown = false;
    if (name.empty()) return Lookup::Failed;

    signalled = false;
    auto job = StartLookup(name);
    if (!job) return Lookup::Failed;
    bool overdue = false;
    {
        TimerGuard timerGuard(*this);
        Bound bound(ConnectLimitMs());
        while (!job->done.load(std::memory_order_acquire) && !timedOut && !cancel && !overdue) {
            Pass(0, job->wake);
            overdue = bound.Passed();
        }
    }
    if (timedOut || overdue) {
        cancel = false;
        return Lookup::TimedOut;
    }
    if (cancel) {
        cancel = false;
        return Lookup::Canceled;
    }
    signalled = true;
    if (job->rc == 0) {
        remoteAddr = job->address;
        remoteKnown = remoteAddr.s_addr != htonl(INADDR_ANY);
        if (remoteKnown) {
            Raise(&TSockTransport::OnHostResolved);
            return Lookup::Found;
        }
    }
    eventOk = false;
    lastError = WinSockErrorOfLookup(job->rc);
    return Lookup::Failed;
}

void TSockTransport::Impl::ResolveHost() {
    switch (Resolve()) {
        case Lookup::Found:
            return;
        case Lookup::Failed:
            throw ESockError("Host Lookup Failed");
        case Lookup::TimedOut:
            throw ESockError("Host Lookup Timed Out");
        case Lookup::Canceled:
            throw ESockError("Host Lookup Canceled");
    }
}

void TSockTransport::Impl::Connect() {
    Status(8, "Connecting");
    cancel = false;
    PollNotifications();
    if (connected) throw ESockError("Already connected");
    for (int tries = 0;; ++tries) {
        Lookup outcome = Resolve();
        if (outcome == Lookup::TimedOut) throw ESockError("Host Lookup Timed Out");
        if (outcome == Lookup::Canceled) throw ESockError("Host Lookup Canceled");
        if (remoteKnown) break;
        auto onInvalid = O().OnInvalidHost;
        if (tries > 0 || !onInvalid) throw ESockError("Null Remote Address");
        bool handled = false;
        onInvalid(handled);
        if (!handled) throw ESockError("Null Remote Address");
    }
    remotePort = O().Proxy.empty() ? O().Port : O().ProxyPort;
    eventOk = true;
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(static_cast<std::uint16_t>(remotePort));
    sa.sin_addr = remoteAddr;
    used = true;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) == 0) {
        OnConnected();
    } else {
        int err = errno;
        if (IsConnectOutcome(err)) {
            eventOk = false;
            lastError = WinSockErrorOf(err);
        } else if (err != EINPROGRESS && err != EINTR) {
            // A connect that would block is normal; WinSock names it 10035.
            SocketError(err == EAGAIN ? EWOULDBLOCK : err);
        }
    }
    bool overdue = false;
    {
        TimerGuard timerGuard(*this);
        Bound bound(ConnectLimitMs());
        while (!connected && !timedOut && !cancel && eventOk && !overdue) {
            short revents = Pass(POLLOUT);
            if (cancel || timedOut) continue;
            if (revents == 0) {
                overdue = bound.Passed();
                continue;
            }
            int soError = 0;
            socklen_t len = sizeof soError;
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &len);
            if (soError != 0) {
                eventOk = false;
                lastError = WinSockErrorOf(soError);
            } else if (revents & POLLOUT) {
                OnConnected();
            } else if (revents & (POLLERR | POLLHUP | POLLNVAL)) {
                eventOk = false;
            }
        }
    }
    if (connected && !timedOut && !cancel && eventOk && !overdue) return;
    Raise(&TSockTransport::OnConnectionFailed);
    bool wasTimedOut = timedOut;
    bool wasCanceled = cancel;
    cancel = false;
    ResetAfterFailedConnect();
    if (wasTimedOut) throw ESockError("Connection Timed out");
    if (overdue) throw ETimeOutError("Connection Timed out");
    if (wasCanceled) throw ESockError("Connection Canceled");
    throw ESockError("Connection Failed");
}

void TSockTransport::Impl::CheckConnection() {
    Status(8, "Checking Connection");
    PollNotifications();
    for (int tries = 0; !connected; ++tries) {
        auto onRequired = O().OnConnectionRequired;
        if (tries > 0 || !onRequired) throw Exception("Not Connected");
        bool handled = false;
        onRequired(handled);
        if (!handled) throw Exception("Not Connected");
    }
}

// Sending, line and block reading, file transfer, listen and accept.
// Sends all of `length` bytes, waiting while the socket can take no more. Ends early on cancel.
void TSockTransport::Impl::SendAll(const char* bytes, std::size_t length) {
    std::size_t done = 0;
    Bound idle(IdleLimitMs());
    while (done < length && !cancel) {
        if (!connected || fd < 0) SocketErrorNumber(kNotConnected);
        ssize_t n = ::send(fd, bytes + done, length - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            idle.Again();
            continue;
        }
        if (n == 0) break;
        int err = errno;
        if (err == EINTR) continue;
        SocketError(err);  // returns only for a send that would block
        Pass(POLLOUT);
        if (idle.Passed()) IdleTimedOut(idle);
    }
}

void TSockTransport::Impl::SendBuffer(const char* bytes, std::size_t length, bool toZeroByte) {
    Status(4, "Sending Buffer");
    {
        TimerGuard timerGuard(*this);
        if (!cancel) {
            if (toZeroByte) length = ::strnlen(bytes, kSockBufferSize - 1);
            SendAll(bytes, length);
        }
    }
    CheckCancel("Socket send aborted");
}

void TSockTransport::Impl::Write(std::string_view text) {
    Status(8, "Write");
    BufferLease lease(*this);
    std::size_t n = std::min(text.size(), kSockBufferSize - 1);
    std::memcpy(lease.data(), text.data(), n);
    n = ::strnlen(lease.data(), n);
    SendBuffer(lease.data(), n, false);
}

// Takes exactly `n` bytes that a peek has shown to be waiting.
void TSockTransport::Impl::Take(char* into, std::size_t n) {
    std::size_t got = 0;
    while (got < n) {
        ssize_t r = ::recv(fd, into + got, n - got, 0);
        if (r > 0) {
            got += static_cast<std::size_t>(r);
        } else if (r < 0 && errno == EINTR) {
            continue;
        } else {
            SocketError(r < 0 ? errno : ENOTCONN);
            Pass(POLLIN);
            CheckCancel("Socket readln aborted");
        }
    }
}

std::string TSockTransport::Impl::ReadLn() {
    Status(8, "ReadLn");
    TimerGuard timerGuard(*this);
    BufferLease lease(*this);
    char* buf = lease.data();
    std::size_t have = 0;
    Bound idle(IdleLimitMs());
    for (;;) {
        std::size_t room = kSockBufferSize - have;
        // A line that does not fit the buffer is refused, never cut or overrun.
        if (room == 0) SocketErrorNumber(10040);
        ssize_t n = fd >= 0 ? ::recv(fd, buf + have, room, MSG_PEEK) : -1;
        int err = fd >= 0 ? errno : ENOTCONN;
        if (n == 0) {
            PeerClosed();
            return {};
        }
        if (n > 0) {
            std::size_t peeked = static_cast<std::size_t>(n);
            std::size_t len = LineLength(std::string_view(buf + have, peeked));
            if (len != std::string_view::npos) {
                Take(buf + have, len);
                return std::string(buf, have + len);
            }
            Take(buf + have, peeked);
            have += peeked;
            idle.Again();
            Pump();
            CheckCancel("Socket readln aborted");
            continue;
        }
        if (err == EINTR) continue;
        int number = WinSockErrorOf(err);
        if (number == kNotConnected) return {};
        SocketErrorNumber(number);
        Pass(POLLIN | POLLRDHUP);
        CheckCancel("Socket readln aborted");
        if (idle.Passed()) IdleTimedOut(idle);
    }
}

std::string TSockTransport::Impl::Read(std::size_t count) {
    Status(8, "Read( " + std::to_string(count) + " )");
    if (count == 0) {
        BufferLease lease(*this);
        ssize_t n = fd >= 0 ? ::recv(fd, lease.data(), kSockBufferSize, 0) : -1;
        if (n > 0) return std::string(lease.data(), static_cast<std::size_t>(n));
        if (n == 0) {
            PeerClosed();
            return {};
        }
        int number = WinSockErrorOf(fd >= 0 ? errno : ENOTCONN);
        if (number != kNotConnected) SocketErrorNumber(number);
        return {};
    }
    Bound idle(IdleLimitMs());
    int seen = 0;
    for (;;) {
        int waiting = 0;
        if (fd >= 0 && ::ioctl(fd, FIONREAD, &waiting) == 0 && waiting > seen) {
            seen = waiting;
            idle.Again();
        }
        if (fd >= 0 && waiting >= 0 && static_cast<std::size_t>(waiting) >= count) {
            std::string out(count, '\0');
            Take(out.data(), count);
            return out;
        }
        char c;
        ssize_t n = fd >= 0 ? ::recv(fd, &c, 1, MSG_PEEK) : -1;
        if (n == 0) {
            PeerClosed();
            return {};
        }
        short revents = 0;
        if (n < 0) {
            int number = WinSockErrorOf(fd >= 0 ? errno : ENOTCONN);
            if (number == kNotConnected) return {};
            SocketErrorNumber(number);
        }
        revents = Pass(POLLIN | POLLRDHUP);
        CheckCancel("Socket send aborted");
        // The peer has closed and what is left will never make up the count.
        if ((revents & (POLLRDHUP | POLLHUP)) && fd >= 0 && ::ioctl(fd, FIONREAD, &waiting) == 0 &&
            static_cast<std::size_t>(waiting) < count)
            return {};
        if (idle.Passed()) IdleTimedOut(idle);
    }
}

std::string TSockTransport::Impl::Transaction(std::string_view command) {
    Status(8, "Transaction");
    replyCode = 0;
    std::string line(command);
    line += "\r\n";
    Status(8, "Writeln");
    Write(line);
    std::string reply = ReadLn();
    replyText = reply;
    if (!reply.empty()) {
        Status(1, std::string(WithoutLineEnd(reply)));
        replyCode = ParseReplyCode(reply);
    }
    return reply;
}

void TSockTransport::Impl::SendFile(const std::string& path) {
    Status(8, "SendFile");
    int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) throw Exception("Cannot open file \"" + path + "\". " + std::strerror(errno));
    struct FileCloser {
        int fd;
        ~FileCloser() { ::close(fd); }
    } closer{file};
    struct stat st {};
    if (::fstat(file, &st) != 0)
        throw Exception("Cannot open file \"" + path + "\". " + std::strerror(errno));
    const std::int64_t size = st.st_size;
    std::int64_t position = 0;
    sentCount = 0;
    BufferLease lease(*this);
    char* buf = lease.data();
    Bound idle(IdleLimitMs());
    while (position < size && !cancel) {
        ssize_t got = ::read(file, buf, kSockBufferSize);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw Exception("Cannot read file \"" + path + "\". " + std::strerror(errno));
        }
        if (got == 0) break;  // the file became shorter meanwhile
        position += got;
        std::size_t done = 0;
        while (done < static_cast<std::size_t>(got) && !cancel) {
            if (!connected || fd < 0) SocketErrorNumber(kNotConnected);
            ssize_t n = ::send(fd, buf + done, static_cast<std::size_t>(got) - done, MSG_NOSIGNAL);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
                sentCount += n;
                idle.Again();
                Raise(&TSockTransport::OnPacketSent);
                Pump();
                continue;
            }
            if (n == 0) break;
            int err = errno;
            if (err == EINTR) continue;
            SocketError(err);
            Pass(POLLOUT);
            if (idle.Passed()) IdleTimedOut(idle);
        }
    }
    CheckCancel("Socket send aborted");
}

void TSockTransport::Impl::CaptureFile(const std::string& path, const std::string& shownName) {
    Status(8, "CaptureFile");
    receivedCount = 0;
    TimerGuard timerGuard(*this);
    int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (file < 0) throw Exception("Cannot create file \"" + shownName + "\". " + std::strerror(errno));
    struct FileCloser {
        int fd;
        ~FileCloser() {
            if (fd >= 0) ::close(fd);
        }
    } closer{file};
    auto writeError = [&shownName](int err) {
        return Exception("Cannot write file \"" + shownName + "\". " + std::strerror(err));
    };
    BufferLease lease(*this);
    char* buf = lease.data();
    Bound idle(IdleLimitMs());
    while (!cancel) {
        ssize_t n = fd >= 0 ? ::recv(fd, buf, kSockBufferSize, 0) : -1;
        if (n > 0) {
            std::size_t done = 0;
            while (done < static_cast<std::size_t>(n)) {
                ssize_t w = ::write(file, buf + done, static_cast<std::size_t>(n) - done);
                if (w < 0 && errno == EINTR) continue;
                if (w <= 0) throw writeError(w < 0 ? errno : ENOSPC);
                done += static_cast<std::size_t>(w);
            }
            receivedCount += n;
            idle.Again();
            Raise(&TSockTransport::OnPacketRecvd);
            if (cancel) break;
            TimerOn();
            Pump();
            continue;
        }
        if (n == 0) {
            PeerClosed();
            break;
        }
        int err = fd >= 0 ? errno : ENOTCONN;
        if (err == EINTR) continue;
        int number = WinSockErrorOf(err);
        if (number == kNotConnected) break;
        SocketErrorNumber(number);
        Pass(POLLIN | POLLRDHUP);
        if (idle.Passed()) IdleTimedOut(idle);
    }
    int file2 = closer.fd;
    closer.fd = -1;
    if (::close(file2) != 0) throw writeError(errno);
    CheckCancel("Socket send aborted");
}

int TSockTransport::Impl::LocalPort() const {
    sockaddr_in sa{};
    socklen_t len = sizeof sa;
    if (fd < 0 || ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len) != 0) return 0;
    return ntohs(sa.sin_port);
}

void TSockTransport::Impl::Listen() {
    Status(8, "Listening");
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_ANY);
    sa.sin_port = htons(static_cast<std::uint16_t>(O().Port));
    signalled = false;
    used = true;
    // A socket that cannot listen would leave the peer nothing to connect to: fail at once.
    if (::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) SocketError(errno);
    if (::listen(fd, 1) != 0) SocketError(errno);
    remoteAddr = sa.sin_addr;
    remoteKnown = false;
    remotePort = LocalPort();
}

void TSockTransport::Impl::Accept() {
    Status(4, "Accepting");
    in_addr allowed{};
    const bool filter = !O().AllowedPeer.empty();
    if (filter && ::inet_pton(AF_INET, O().AllowedPeer.c_str(), &allowed) != 1)
        throw ESockError("Error creating Data Connection");
    Bound bound(ConnectLimitMs());
    for (;;) {
        eventOk = true;
        while (!signalled && !cancel) {
            short revents = Pass(POLLIN);
            if (!revents && bound.Passed())
                throw ETimeOutError("Connection Timed out (no data connection within " +
                                    LimitText(bound.Ms()) + ")");
            if (revents & POLLIN) {
                signalled = true;
                connected = true;
            } else if (revents & (POLLERR | POLLNVAL | POLLHUP)) {
                eventOk = false;
                signalled = true;
            }
        }
        if (cancel) {
            cancel = false;
            throw ESockError("Accepting Canceled");
        }
        if (!eventOk) throw ESockError("Error creating Data Connection");
        sockaddr_in peer{};
        socklen_t len = sizeof peer;
        int accepted = ::accept4(fd, reinterpret_cast<sockaddr*>(&peer), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
        signalled = false;
        if (accepted < 0) {
            int err = errno;
            if (err == EAGAIN || err == EINTR || err == ECONNABORTED) continue;
            connected = false;
            SocketError(err);
            continue;
        }
        // Only the expected peer may feed or take a transfer; anyone else is turned away.
        if (filter && peer.sin_addr.s_addr != allowed.s_addr) {
            ::close(accepted);
            Status(4, "Refused connection from " + DottedAddress(peer.sin_addr));
            connected = false;
            continue;
        }
        if (cancel) {
            ::close(accepted);
            cancel = false;
            throw EAbortError("Socket send aborted");
        }
        ::close(fd);
        fd = accepted;
        used = true;
        connected = true;
        remoteAddr = peer.sin_addr;
        remoteKnown = true;
        remotePort = ntohs(peer.sin_port);
        return;
    }
}

bool TSockTransport::Impl::DataAvailable() {
    Status(8, "Data Available");
    if (fd < 0) return false;
    char c;
    ssize_t n = ::recv(fd, &c, 1, MSG_PEEK);
    if (n == 0) PeerClosed();
    return n > 0;
}

void TSockTransport::Impl::ClearInput() {
    Status(8, "Clearing Input");
    if (fd < 0) return;
    BufferLease lease(*this);
    [[maybe_unused]] ssize_t n = ::recv(fd, lease.data(), kSockBufferSize, 0);
}

}  // namespace kv
