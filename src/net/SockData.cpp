// The transport's data I/O: sending, line and block reading, file transfer.
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "net/SockTransportImpl.h"

namespace kv {

// Sends all of `length` bytes, waiting while the socket can take no more. Ends early on cancel.
void TSockTransport::Impl::SendAll(const char* bytes, std::size_t length) {
    std::size_t done = 0;
    Bound idle(IdleLimitMs());
    while (done < length && !cancel) {
        if (!connected || fd < 0) SocketErrorNumber(kNotConnected);
        ssize_t n = SendBytes(bytes + done, length - done);
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
        ssize_t r = RecvBytes(into + got, n - got, false);
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
        ssize_t n = RecvBytes(buf + have, room, true);
        int err = errno;
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
        ssize_t n = RecvBytes(lease.data(), kSockBufferSize, false);
        if (n > 0) return std::string(lease.data(), static_cast<std::size_t>(n));
        if (n == 0) {
            PeerClosed();
            return {};
        }
        int number = WinSockErrorOf(errno);
        if (number != kNotConnected) SocketErrorNumber(number);
        return {};
    }
    if (ssl) return ReadTls(count);
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

// Read(count) over TLS, where the socket's count of waiting bytes says nothing of the plain text:
// the bytes are taken as they come until the count is reached.
std::string TSockTransport::Impl::ReadTls(std::size_t count) {
    std::string out(count, '\0');
    std::size_t got = 0;
    Bound idle(IdleLimitMs());
    while (got < count) {
        ssize_t n = RecvBytes(out.data() + got, count - got, false);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
            idle.Again();
            continue;
        }
        if (n == 0) {
            PeerClosed();
            return {};
        }
        int number = WinSockErrorOf(errno);
        if (number == kNotConnected) return {};
        SocketErrorNumber(number);
        Pass(POLLIN | POLLRDHUP);
        CheckCancel("Socket send aborted");
        if (idle.Passed()) IdleTimedOut(idle);
    }
    return out;
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
            ssize_t n = SendBytes(buf + done, static_cast<std::size_t>(got) - done);
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
        ssize_t n = RecvBytes(buf, kSockBufferSize, false);
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
        int err = errno;
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

bool TSockTransport::Impl::DataAvailable() {
    Status(8, "Data Available");
    if (fd < 0) return false;
    char c;
    ssize_t n = RecvBytes(&c, 1, true);
    if (n == 0) PeerClosed();
    return n > 0;
}

void TSockTransport::Impl::ClearInput() {
    Status(8, "Clearing Input");
    if (fd < 0) return;
    BufferLease lease(*this);
    try {
        [[maybe_unused]] ssize_t n = RecvBytes(lease.data(), kSockBufferSize, false);
    } catch (const ETlsError&) {
        // Errors are ignored here; the next read meets them again.
    }
}

}  // namespace kv
