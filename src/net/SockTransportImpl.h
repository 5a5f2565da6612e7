#pragma once
// The shared part of a transport: its state and operations. Kept alive by each running
// operation, so that the object may be destroyed from inside one of its waits (`owner` is then
// null). Seen only by the transport's own sources.

#include <unistd.h>

#include <sys/types.h>
#include <atomic>
#include <memory>

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "net/ReplyParse.h"
#include "net/SockTransport.h"

struct ssl_st;

namespace kv {

// The TLS context of a control connection and of its data connections: the trust settings, the
// session to resume and the certificate accepted (net/SockTls.cpp).
struct TlsShared;

struct TSockTransport::Impl {
    explicit Impl(TSockTransport* o) : owner(o), buffer(kSockBufferSize) {
        timer.SetEnabled(false);
        timer.SetOnTimer([this] { TimeOutTriggered(); });
    }
    ~Impl() {
        EndTls(false);
        if (fd >= 0) ::close(fd);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

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
    ssl_st* ssl = nullptr;           // TLS on the socket, once a handshake has begun
    std::shared_ptr<TlsShared> tls;  // with the session that data connections resume

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

    // A bound of a wait that TimeOut leaves open (IdleLimit, ConnectLimit): none for 0 ms,
    // counted anew by Again() whenever bytes move.
    class Bound {
      public:
        explicit Bound(int ms) : ms_(ms) { Again(); }
        void Again() {
            if (ms_ > 0) at_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms_);
        }
        bool Passed() const { return ms_ > 0 && std::chrono::steady_clock::now() >= at_; }
        int Ms() const { return ms_; }

      private:
        int ms_;
        std::chrono::steady_clock::time_point at_{};
    };
    int IdleLimitMs() const { return owner ? owner->IdleLimit : 0; }
    int ConnectLimitMs() const { return owner ? owner->ConnectLimit : 0; }
    // A connection silent past its idle bound is given up: the dialogue on it can't go on in
    // step, so it is closed before the error.
    [[noreturn]] void IdleTimedOut(const Bound& bound);

    TSockTransport& O();
    void Status(int level, const std::string& text);
    void Raise(TNotify TSockTransport::*member);
    void CheckCancel(const char* text);

    // Runs the event pump: after every idle slice, and while data flow no more often than kPumpGap.
    void Pump(bool idle = false);

    // One pass of a wait: blocks at most one slice for `events` on the socket (and for the timer
    // and `extraFd`), lets a due time-out fire, and runs the event pump. The object may be gone
    // when it returns: callers check the cancel flag next.
    short Pass(short events, int extraFd = -1);
    void SocketErrorNumber(int number, int ignore = kWouldBlock);
    void SocketError(int err) { SocketErrorNumber(WinSockErrorOf(err)); }

    void NewSocket(bool lingerOff);
    void StartSockets();
    void StopSockets();
    void TimerOn();
    void TimerOff();
    void TimeOutTriggered();
    void Cancel();
    void CloseSocket();

    // A close seen from the peer: the socket is closed unless bytes still wait to be read.
    void PeerClosed();

    // Takes up what the socket has to say while no operation watches it: a close or a reset by
    // the peer with nothing left to read.
    void PollNotifications();

    // After a failed attempt the socket may still be connecting; a fresh one lets the next
    // Connect start clean.
    void ResetAfterFailedConnect();
    void OnConnected();

    enum class Lookup { Found, Failed, TimedOut, Canceled };

    Lookup Resolve();
    void ResolveHost();
    void Connect();
    void CheckConnection();

    // Sends all of `length` bytes, waiting while the socket can take no more. Ends early on cancel.
    void SendAll(const char* bytes, std::size_t length);
    void SendBuffer(const char* bytes, std::size_t length, bool toZeroByte);
    void Write(std::string_view text);

    // Takes exactly `n` bytes that a peek has shown to be waiting.
    void Take(char* into, std::size_t n);
    std::string ReadLn();
    std::string Read(std::size_t count);
    std::string ReadTls(std::size_t count);
    std::string Transaction(std::string_view command);
    void SendFile(const std::string& path);
    void CaptureFile(const std::string& path, const std::string& shownName);

    int LocalPort() const;

    // The connection's bytes, through TLS once it runs: as recv() and send() on a non-blocking
    // socket (-1 with errno EAGAIN when they would block, 0 for the peer's close). A broken TLS
    // record throws ETlsError.
    ssize_t RecvBytes(char* into, std::size_t n, bool peek);
    ssize_t SendBytes(const char* bytes, std::size_t n);
    void StartTls(const TlsPeer& peer, std::shared_ptr<TlsShared> shared);
    void FinishTls();
    // Ends TLS on the socket; `notify` sends the close alert first (an orderly end).
    void EndTls(bool notify);

    void Listen();
    void Accept();
    bool DataAvailable();
    void ClearInput();
};

// "60 s", "0.3 s": a bound in the texts of its errors.
std::string LimitText(int ms);

// The event pump that new objects take.
std::function<void()> DefaultEventPump();
void SetDefaultEventPumpOf(std::function<void()> pump);

}  // namespace kv
