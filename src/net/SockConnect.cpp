// The transport's connection set-up: lookup, connect, the connection check, listen and accept.
#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>

#include "net/HostLookup.h"
#include "net/SockTransportImpl.h"

namespace kv {
namespace {

// Errors that WinSock reports through the connect notification rather than from connect() itself;
// Linux may give them at once on the loopback.
bool IsConnectOutcome(int err) {
    return err == ECONNREFUSED || err == ENETUNREACH || err == EHOSTUNREACH || err == ETIMEDOUT ||
           err == ECONNRESET;
}

}  // namespace

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

}  // namespace kv
