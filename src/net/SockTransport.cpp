#include "net/SockTransport.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/timerfd.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>

#include "net/ReplyParse.h"

namespace kv {
namespace {

// A wait blocks at most this long in poll() before it runs the event pump again.
constexpr int kSliceMs = 10;
// While data flow, the pump runs no more often than this, so that it costs no throughput.
constexpr auto kPumpGap = std::chrono::milliseconds(5);

constexpr int kWouldBlock = 10035;
constexpr int kNotConnected = 10057;

struct ErrnoMapping {
    int err;
    int winsock;
};

// Linux errno values onto the numbers of the WinSock error table, which the texts are keyed by.
constexpr ErrnoMapping kErrnoMap[] = {
    {EINTR, 10004},           {EBADF, 10009},           {EACCES, 10013},        {EPERM, 10013},
    {EFAULT, 10014},          {EINVAL, 10022},          {EMFILE, 10024},        {ENFILE, 10024},
    {EWOULDBLOCK, 10035},     {EINPROGRESS, 10036},     {EALREADY, 10037},      {ENOTSOCK, 10038},
    {EDESTADDRREQ, 10039},    {EMSGSIZE, 10040},        {EPROTOTYPE, 10041},    {ENOPROTOOPT, 10042},
    {EPROTONOSUPPORT, 10043}, {ESOCKTNOSUPPORT, 10044}, {EOPNOTSUPP, 10045},    {EPFNOSUPPORT, 10046},
    {EAFNOSUPPORT, 10047},    {EADDRINUSE, 10048},      {EADDRNOTAVAIL, 10049}, {ENETDOWN, 10050},
    {ENETUNREACH, 10051},     {ENETRESET, 10052},       {ECONNABORTED, 10053},  {ECONNRESET, 10054},
    {EPIPE, 10054},           {ENOBUFS, 10055},         {ENOMEM, 10055},        {EISCONN, 10056},
    {ENOTCONN, 10057},        {ESHUTDOWN, 10058},       {ETOOMANYREFS, 10059},  {ETIMEDOUT, 10060},
    {ECONNREFUSED, 10061},    {ELOOP, 10062},           {ENAMETOOLONG, 10063},  {EHOSTDOWN, 10064},
    {EHOSTUNREACH, 10065},    {ENOTEMPTY, 10066},       {EUSERS, 10068},        {EDQUOT, 10069},
    {ESTALE, 10070},          {EREMOTE, 10071},
};

struct ErrorEntry {
    int number;
    const char* text;
};

constexpr ErrorEntry kErrorTexts[] = {
    {10004, "Interrupted system call"},
    {10009, "Bad file number"},
    {10013, "Permission denied"},
    {10014, "Bad address"},
    {10022, "Invalid argument"},
    {10024, "Too many open files"},
    {10035, "Operation would block"},
    {10036, "Operation now in progress"},
    {10037, "Operation already in progress"},
    {10038, "Socket operation on non-socket"},
    {10039, "Destination address required"},
    {10040, "Message too long"},
    {10041, "Wrong protocol type for socket"},
    {10042, "Bad protocol option"},
    {10043, "Protocol not supported"},
    {10044, "Socket type not supported"},
    {10045, "Operation not supported on socket"},
    {10046, "Protocol family not supported"},
    {10047, "Address family not supported by protocol family"},
    {10048, "Address already in use"},
    {10049, "Can't assign requested address"},
    {10050, "Network is down"},
    {10051, "Network is unreachable"},
    {10052, "Network dropped connection or reset"},
    {10053, "Software caused connection abort"},
    {10054, "Connection reset by peer"},
    {10055, "No buffer space available"},
    {10056, "Socket is already connected"},
    {10057, "Socket is not connected"},
    {10058, "Can't send after socket shutdown"},
    {10059, "Too many references, can't splice"},
    {10060, "Connection timed out"},
    {10061, "Connection refused"},
    {10062, "Too many levels of symbolic links"},
    {10063, "File name too long"},
    {10064, "Host is down"},
    {10065, "No route to Host"},
    {10066, "Directory not empty"},
    {10067, "Too many processes"},
    {10068, "Too many users"},
    {10069, "Disc quota exceeded"},
    {10070, "Stale NFS file handle"},
    {10071, "Too many levels of remote in path"},
    {10091, "Network subsystem is unavailable"},
    {10092, "Incompatible version of WINSOCK.DLL"},
    {10093, "Successful WSAStartup not yet performed"},
    {11001, "Host not found"},
    {11002, "Non-Authoritative Host not found"},
    {11003, "Non-Recoverable error: FORMERR, REFUSED, NOTIMP"},
    {11004, "Valid name, no data record of requested type"},
};
static_assert(sizeof(kErrorTexts) / sizeof(kErrorTexts[0]) == 50);

// Lookup failures onto the WinSock lookup numbers.
int WinSockErrorOfLookup(int eai) {
    switch (eai) {
        case EAI_NONAME:
            return 11001;
        case EAI_AGAIN:
            return 11002;
        case EAI_FAIL:
            return 11003;
#ifdef EAI_NODATA
        case EAI_NODATA:
            return 11004;
#endif
        case EAI_SYSTEM:
            return WinSockErrorOf(errno);
        default:
            return 11003;
    }
}

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

std::mutex g_defaultsMutex;
std::function<void()> g_defaultPump;
TSockTransport::HostResolver g_resolver;

int DefaultResolve(const std::string& name, in_addr& address) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* result = nullptr;
    int rc = ::getaddrinfo(name.c_str(), nullptr, &hints, &result);
    if (rc != 0) return rc;
    int out = EAI_NONAME;
    for (addrinfo* a = result; a; a = a->ai_next) {
        if (a->ai_family == AF_INET && a->ai_addr) {
            address = reinterpret_cast<sockaddr_in*>(a->ai_addr)->sin_addr;
            out = 0;
            break;
        }
    }
    ::freeaddrinfo(result);
    return out;
}

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

std::string Dotted(in_addr a) {
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &a, text, sizeof text);
    return text;
}

// A host lookup in flight. Shared by the waiting object and the worker thread, so that either may
// go first; the worker signals `wake` when done.
struct LookupJob {
    std::atomic<bool> done{false};
    int rc = EAI_FAIL;
    in_addr address{};
    int wake = -1;
    ~LookupJob() {
        if (wake >= 0) ::close(wake);
    }
};

}  // namespace

int WinSockErrorOf(int err) {
    for (const auto& m : kErrnoMap)
        if (m.err == err) return m.winsock;
    return 20000 + err;
}

std::string SockErrorText(int number) {
    if (number == 0) return {};
    for (const auto& e : kErrorTexts)
        if (e.number == number) return std::to_string(number) + ": " + e.text;
    return "Unknown Error No. " + std::to_string(number);
}

// ---------------------------------------------------------------------------------------------
// TThreadTimer

TThreadTimer::TThreadTimer() = default;

TThreadTimer::~TThreadTimer() {
    if (fd_ >= 0) ::close(fd_);
}

void TThreadTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void TThreadTimer::SetInterval(unsigned milliseconds) {
    interval_ = milliseconds;
    Restart();
}

void TThreadTimer::SetOnTimer(std::function<void()> onTimer) {
    onTimer_ = std::move(onTimer);
    Restart();
}

void TThreadTimer::Restart() {
    bool wanted = interval_ > 0 && enabled_ && onTimer_;
    if (!wanted) {
        if (running_) {
            itimerspec off{};
            ::timerfd_settime(fd_, 0, &off, nullptr);
        }
        running_ = false;
        return;
    }
    if (fd_ < 0) {
        fd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (fd_ < 0) {
            running_ = false;
            throw Exception("No Timer");
        }
    }
    itimerspec period{};
    period.it_value.tv_sec = interval_ / 1000;
    period.it_value.tv_nsec = static_cast<long>(interval_ % 1000) * 1000000L;
    period.it_interval = period.it_value;
    if (::timerfd_settime(fd_, 0, &period, nullptr) != 0) {
        running_ = false;
        throw Exception("No Timer");
    }
    running_ = true;
}

void TThreadTimer::Check() {
    if (!running_) return;
    std::uint64_t ticks = 0;
    if (::read(fd_, &ticks, sizeof ticks) == static_cast<ssize_t>(sizeof ticks) && ticks > 0) {
        auto onTimer = onTimer_;
        if (onTimer) onTimer();
    }
}

// ---------------------------------------------------------------------------------------------
// The shared part of a transport

struct TSockTransport::Impl {
    explicit Impl(TSockTransport* o) : owner(o), buffer(kSockBufferSize) {
        timer.SetEnabled(false);
        timer.SetOnTimer([this] { TimeOutTriggered(); });
    }
    ~Impl() {
        if (fd >= 0) ::close(fd);
    }

    TSockTransport* owner;  // null once the object is destroyed
    bool destroying = false;
    bool counted = false;

    int fd = -1;
    bool used = false;  // connected, connecting or bound since the socket was made
    bool connected = false;
    std::atomic<bool> cancel{false};
    bool timedOut = false;
    bool eventOk = true;
    bool signalled = false;
    int lastError = 0;
    std::int16_t replyCode = 0;
    std::string replyText;
    std::string statusText;
    std::int64_t sentCount = 0;
    std::int64_t receivedCount = 0;
    std::vector<char> buffer;
    bool bufferBusy = false;
    in_addr remoteAddr{};
    bool remoteKnown = false;
    int remotePort = 0;
    TThreadTimer timer;
    std::vector<std::string> info;
    std::chrono::steady_clock::time_point lastPump{};

    // The object's buffer, or a spare one when an operation nested in a wait of another still
    // holds data in it.
    class BufferLease {
      public:
        explicit BufferLease(Impl& s) : s_(s) {
            if (!s.bufferBusy) {
                s.bufferBusy = true;
                own_ = true;
                data_ = s.buffer.data();
            } else {
                spare_.resize(kSockBufferSize);
                data_ = spare_.data();
            }
        }
        ~BufferLease() {
            if (own_) s_.bufferBusy = false;
        }
        BufferLease(const BufferLease&) = delete;
        BufferLease& operator=(const BufferLease&) = delete;
        char* data() { return data_; }

      private:
        Impl& s_;
        bool own_ = false;
        char* data_ = nullptr;
        std::vector<char> spare_;
    };

    class TimerGuard {
      public:
        explicit TimerGuard(Impl& s) : s_(s) { s_.TimerOn(); }
        ~TimerGuard() { s_.TimerOff(); }
        TimerGuard(const TimerGuard&) = delete;
        TimerGuard& operator=(const TimerGuard&) = delete;

      private:
        Impl& s_;
    };

    TSockTransport& O() {
        if (!owner) throw EAbortError("Socket send aborted");
        return *owner;
    }

    void Status(int level, const std::string& text) {
        statusText = text;
        if (destroying || !owner || level > owner->ReportLevel || !owner->OnStatus) return;
        auto onStatus = owner->OnStatus;
        try {
            onStatus(*owner, text);
        } catch (...) {
            // A failing status handler must not change the outcome of the operation.
        }
    }

    void Raise(TNotify TSockTransport::*member) {
        if (destroying || !owner) return;
        auto f = owner->*member;
        if (f) f(*owner);
    }

    void CheckCancel(const char* text) {
        if (cancel) {
            cancel = false;
            throw EAbortError(text);
        }
    }

    // Runs the event pump: after every idle slice, and while data flow no more often than kPumpGap.
    void Pump(bool idle = false) {
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
    short Pass(short events, int extraFd = -1) {
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

    void SocketErrorNumber(int number, int ignore = kWouldBlock) {
        lastError = number;
        if (number == ignore || number <= 10000) return;
        std::string text = SockErrorText(number);
        if (!destroying && owner && owner->OnError) {
            auto onError = owner->OnError;
            onError(*owner, static_cast<std::int16_t>(number), text);
        }
        throw ESockError(text);
    }
    void SocketError(int err) { SocketErrorNumber(WinSockErrorOf(err)); }

    void NewSocket(bool lingerOff) {
        fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        used = false;
        if (fd < 0) SocketError(errno);
        if (lingerOff) {
            // A close ends the connection at once, dropping unsent data.
            linger l{1, 0};
            if (::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l) != 0) SocketError(errno);
        }
    }

    void StartSockets() {
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

    void StopSockets() {
        std::lock_guard lock(g_libMutex);
        if (counted) --g_libUsers;
        counted = false;
    }

    void TimerOn() {
        Status(8, "Timer On");
        timedOut = false;
        int timeOut = owner ? owner->TimeOut : 0;
        timer.SetInterval(timeOut > 0 ? static_cast<unsigned>(timeOut) : 0u);
        timer.SetEnabled(true);
    }

    void TimerOff() {
        Status(8, "Timer Off");
        timer.SetEnabled(false);
    }

    void TimeOutTriggered() {
        Status(8, "Timer Triggered");
        TimerOff();
        timedOut = true;
        signalled = true;
        if (owner && !destroying)
            owner->Abort();
        else
            Cancel();
    }

    void Cancel() {
        Status(8, "Canceling");
        cancel = true;
    }

    void CloseSocket() {
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
    void PeerClosed() {
        if (connected) CloseSocket();
    }

    // Takes up what the socket has to say while no operation watches it: a close or a reset by
    // the peer with nothing left to read.
    void PollNotifications() {
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
    void ResetAfterFailedConnect() {
        if (destroying || !owner) return;
        if (fd >= 0) ::close(fd);
        fd = -1;
        connected = false;
        NewSocket(false);
    }

    void OnConnected() {
        connected = true;
        Raise(&TSockTransport::OnConnect);
    }

    enum class Lookup { Found, Failed, TimedOut, Canceled };

    Lookup Resolve() {
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

        auto job = std::make_shared<LookupJob>();
        job->wake = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
        if (job->wake < 0) return Lookup::Failed;
        HostResolver resolver;
        {
            std::lock_guard lock(g_defaultsMutex);
            resolver = g_resolver;
        }
        if (!resolver) resolver = DefaultResolve;
        signalled = false;
        try {
            std::thread([job, name, resolver] {
                in_addr address{};
                int rc = EAI_FAIL;
                try {
                    rc = resolver(name, address);
                } catch (...) {
                }
                job->address = address;
                job->rc = rc;
                job->done.store(true, std::memory_order_release);
                std::uint64_t one = 1;
                [[maybe_unused]] ssize_t w = ::write(job->wake, &one, sizeof one);
            }).detach();
        } catch (const std::system_error&) {
            return Lookup::Failed;
        }
        {
            TimerGuard timerGuard(*this);
            while (!job->done.load(std::memory_order_acquire) && !timedOut && !cancel)
                Pass(0, job->wake);
        }
        if (timedOut) {
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

    void ResolveHost() {
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

    void Connect() {
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
        {
            TimerGuard timerGuard(*this);
            while (!connected && !timedOut && !cancel && eventOk) {
                short revents = Pass(POLLOUT);
                if (cancel || timedOut || revents == 0) continue;
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
        if (connected && !timedOut && !cancel && eventOk) return;
        Raise(&TSockTransport::OnConnectionFailed);
        bool wasTimedOut = timedOut;
        bool wasCanceled = cancel;
        cancel = false;
        ResetAfterFailedConnect();
        if (wasTimedOut) throw ESockError("Connection Timed out");
        if (wasCanceled) throw ESockError("Connection Canceled");
        throw ESockError("Connection Failed");
    }

    void CheckConnection() {
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

    // Sends all of `length` bytes, waiting while the socket can take no more. Ends early on cancel.
    void SendAll(const char* bytes, std::size_t length) {
        std::size_t done = 0;
        while (done < length && !cancel) {
            if (!connected || fd < 0) SocketErrorNumber(kNotConnected);
            ssize_t n = ::send(fd, bytes + done, length - done, MSG_NOSIGNAL);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
                continue;
            }
            if (n == 0) break;
            int err = errno;
            if (err == EINTR) continue;
            SocketError(err);  // returns only for a send that would block
            Pass(POLLOUT);
        }
    }

    void SendBuffer(const char* bytes, std::size_t length, bool toZeroByte) {
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

    void Write(std::string_view text) {
        Status(8, "Write");
        BufferLease lease(*this);
        std::size_t n = std::min(text.size(), kSockBufferSize - 1);
        std::memcpy(lease.data(), text.data(), n);
        n = ::strnlen(lease.data(), n);
        SendBuffer(lease.data(), n, false);
    }

    // Takes exactly `n` bytes that a peek has shown to be waiting.
    void Take(char* into, std::size_t n) {
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

    std::string ReadLn() {
        Status(8, "ReadLn");
        TimerGuard timerGuard(*this);
        BufferLease lease(*this);
        char* buf = lease.data();
        std::size_t have = 0;
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
        }
    }

    std::string Read(std::size_t count) {
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
        for (;;) {
            int waiting = 0;
            if (fd >= 0 && ::ioctl(fd, FIONREAD, &waiting) == 0 && waiting >= 0 &&
                static_cast<std::size_t>(waiting) >= count) {
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
        }
    }

    std::string Transaction(std::string_view command) {
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

    void SendFile(const std::string& path) {
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
                    Raise(&TSockTransport::OnPacketSent);
                    Pump();
                    continue;
                }
                if (n == 0) break;
                int err = errno;
                if (err == EINTR) continue;
                SocketError(err);
                Pass(POLLOUT);
            }
        }
        CheckCancel("Socket send aborted");
    }

    void CaptureFile(const std::string& path, const std::string& shownName) {
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
        }
        int file2 = closer.fd;
        closer.fd = -1;
        if (::close(file2) != 0) throw writeError(errno);
        CheckCancel("Socket send aborted");
    }

    int LocalPort() const {
        sockaddr_in sa{};
        socklen_t len = sizeof sa;
        if (fd < 0 || ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len) != 0) return 0;
        return ntohs(sa.sin_port);
    }

    void Listen() {
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

    void Accept() {
        Status(4, "Accepting");
        in_addr allowed{};
        const bool filter = !O().AllowedPeer.empty();
        if (filter && ::inet_pton(AF_INET, O().AllowedPeer.c_str(), &allowed) != 1)
            throw ESockError("Error creating Data Connection");
        for (;;) {
            eventOk = true;
            while (!signalled && !cancel) {
                short revents = Pass(POLLIN);
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
            int accepted =
                ::accept4(fd, reinterpret_cast<sockaddr*>(&peer), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
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
                Status(4, "Refused connection from " + Dotted(peer.sin_addr));
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

    bool DataAvailable() {
        Status(8, "Data Available");
        if (fd < 0) return false;
        char c;
        ssize_t n = ::recv(fd, &c, 1, MSG_PEEK);
        if (n == 0) PeerClosed();
        return n > 0;
    }

    void ClearInput() {
        Status(8, "Clearing Input");
        if (fd < 0) return;
        BufferLease lease(*this);
        [[maybe_unused]] ssize_t n = ::recv(fd, lease.data(), kSockBufferSize, 0);
    }
};

// ---------------------------------------------------------------------------------------------
// TSockTransport: every operation keeps the shared part alive while it runs, so that the object
// may be destroyed from inside one of its waits.

namespace {

// The shared part is made, and the socket layer started, before the object's body runs: a start
// that fails then leaves nothing half-made behind.
std::function<void()> DefaultPump() {
    std::lock_guard lock(g_defaultsMutex);
    return g_defaultPump;
}

}  // namespace

std::shared_ptr<TSockTransport::Impl> TSockTransport::MakeImpl(TSockTransport* owner) {
    auto impl = std::make_shared<Impl>(owner);
    impl->Status(8, "Create");
    impl->StartSockets();
    return impl;
}

TSockTransport::TSockTransport() : EventPump(DefaultPump()), impl_(MakeImpl(this)) {}

TSockTransport::~TSockTransport() {
    Impl& s = *impl_;
    s.destroying = true;
    s.Status(8, "Destroy");
    s.Status(8, "Abort");
    s.Cancel();
    s.owner = nullptr;
    s.timer.SetEnabled(false);
    if (s.fd >= 0) ::close(s.fd);
    s.fd = -1;
    s.connected = false;
    s.StopSockets();
}

void TSockTransport::Connect() {
    auto keep = impl_;
    keep->Connect();
}

void TSockTransport::Disconnect() {
    auto keep = impl_;
    keep->Status(8, "Disconnecting");
    keep->CloseSocket();
}

void TSockTransport::CheckConnection() {
    auto keep = impl_;
    keep->CheckConnection();
}

void TSockTransport::Cancel() {
    impl_->Cancel();
}

void TSockTransport::Abort() {
    impl_->Status(8, "Abort");
    impl_->Cancel();
}

void TSockTransport::SendBuffer(const char* bytes, std::size_t length) {
    auto keep = impl_;
    keep->SendBuffer(bytes, length, length == 0);
}

void TSockTransport::Write(std::string_view text) {
    auto keep = impl_;
    keep->Write(text);
}

void TSockTransport::Writeln(std::string_view text) {
    auto keep = impl_;
    keep->Status(8, "Writeln");
    std::string line(text);
    line += "\r\n";
    keep->Write(line);
}

std::string TSockTransport::Read(std::size_t count) {
    auto keep = impl_;
    return keep->Read(count);
}

std::string TSockTransport::ReadLn() {
    auto keep = impl_;
    return keep->ReadLn();
}

std::string TSockTransport::Transaction(std::string_view command) {
    auto keep = impl_;
    return keep->Transaction(command);
}

void TSockTransport::SendFile(const std::string& path) {
    auto keep = impl_;
    keep->SendFile(path);
}

void TSockTransport::CaptureFile(const std::string& path) {
    CaptureFile(path, path);
}

void TSockTransport::CaptureFile(const std::string& path, const std::string& shownName) {
    auto keep = impl_;
    keep->CaptureFile(path, shownName);
}

void TSockTransport::Listen() {
    impl_->Listen();
}

void TSockTransport::Accept() {
    auto keep = impl_;
    keep->Accept();
}

bool TSockTransport::DataAvailable() {
    auto keep = impl_;
    return keep->DataAvailable();
}

void TSockTransport::ClearInput() {
    impl_->ClearInput();
}

void TSockTransport::CloseSocket() {
    auto keep = impl_;
    keep->CloseSocket();
}

void TSockTransport::ResolveHost() {
    auto keep = impl_;
    keep->ResolveHost();
}

std::string TSockTransport::ErrorText(int number) {
    impl_->Status(8, "Looking Up Error Message");
    return SockErrorText(number);
}

std::string TSockTransport::LocalAddressText() const {
    sockaddr_in sa{};
    socklen_t len = sizeof sa;
    if (impl_->fd >= 0) ::getsockname(impl_->fd, reinterpret_cast<sockaddr*>(&sa), &len);
    std::string text = Dotted(sa.sin_addr);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string TSockTransport::LocalPortText() const {
    int port = impl_->LocalPort();
    return "," + std::to_string(port >> 8) + "," + std::to_string(port & 0xFF);
}

int TSockTransport::LocalPort() const {
    return impl_->LocalPort();
}

void TSockTransport::SetLinger(bool on, int seconds) {
    linger l{on ? 1 : 0, seconds};
    if (impl_->fd >= 0 && ::setsockopt(impl_->fd, SOL_SOCKET, SO_LINGER, &l, sizeof l) != 0)
        impl_->SocketError(errno);
}

bool TSockTransport::Connected() {
    auto keep = impl_;
    keep->PollNotifications();
    return keep->connected;
}

std::int16_t TSockTransport::ReplyCode() const {
    return impl_->replyCode;
}
const std::string& TSockTransport::ReplyText() const {
    return impl_->replyText;
}
const std::string& TSockTransport::StatusText() const {
    return impl_->statusText;
}
bool TSockTransport::Canceled() const {
    return impl_->cancel;
}
bool TSockTransport::TimedOut() const {
    return impl_->timedOut;
}
int TSockTransport::LastError() const {
    return impl_->lastError;
}
std::int64_t TSockTransport::SentCount() const {
    return impl_->sentCount;
}
std::int64_t TSockTransport::ReceivedCount() const {
    return impl_->receivedCount;
}
std::string TSockTransport::RemoteAddressText() const {
    return impl_->remoteKnown ? Dotted(impl_->remoteAddr) : std::string();
}
int TSockTransport::RemotePort() const {
    return impl_->remotePort;
}
const std::vector<std::string>& TSockTransport::Info() const {
    return impl_->info;
}

void TSockTransport::Status(int level, const std::string& text) {
    impl_->Status(level, text);
}
void TSockTransport::ClearCancel() {
    impl_->cancel = false;
}
void TSockTransport::ClearTimedOut() {
    impl_->timedOut = false;
}
void TSockTransport::BeginDestroy() {
    impl_->destroying = true;
}
void TSockTransport::SetReply(std::int16_t code, const std::string& text) {
    impl_->replyCode = code;
    impl_->replyText = text;
}

void TSockTransport::SetDefaultEventPump(std::function<void()> pump) {
    std::lock_guard lock(g_defaultsMutex);
    g_defaultPump = std::move(pump);
}

void TSockTransport::SetHostResolver(HostResolver resolver) {
    std::lock_guard lock(g_defaultsMutex);
    g_resolver = std::move(resolver);
}

}  // namespace kv
