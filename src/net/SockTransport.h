#pragma once
// One TCP connection (IPv4) with blocking-style operations that keep the program alive: every wait
// blocks in poll() for at most one short slice and runs the event pump between slices, so windows
// repaint and menus work while the network is slow, and an idle wait uses no processor time.
//
// Everything runs on the thread that calls (the interface thread); only the host lookup runs in a
// worker thread, and its completion is taken up by the waiting thread.
//
// An object may be destroyed by a handler run from the event pump while one of its waits runs. The
// state lives in a shared part that the running operation keeps alive; destroying sets the cancel
// flag and cuts the link to the object, so the wait ends with EAbortError and touches nothing freed.

#include <netinet/in.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "net/SockErrors.h"
#include "net/ThreadTimer.h"

namespace kv {

// The peer of a TLS connection as the certificate must name it.
struct TlsPeer {
    std::string name;  // the host name, or the dotted address for a server named by its address
    // A SHA-256 fingerprint ("AB:CD:..." as `openssl x509 -fingerprint -sha256` prints it, colons
    // and case free) that makes a certificate acceptable although it does not verify.
    std::string pin;
};

// "AB:CD:...": a pinned fingerprint in the one form compared, "" for a text that is not one.
std::string NormalFingerprint(const std::string& text);

class TSockTransport {
  public:
    TSockTransport();
    virtual ~TSockTransport();
    TSockTransport(const TSockTransport&) = delete;
    TSockTransport& operator=(const TSockTransport&) = delete;

    // --- Properties ---
    std::string Host;  // host name or dotted IPv4 address of the peer
    int Port = 0;      // port of the peer; for a listening object the local port (0: any)
    int TimeOut = 0;   // bound of each wait in milliseconds; 0: no wait is bounded
    // The bounds of the waits that TimeOut leaves open, in milliseconds (0: none). A lookup, a
    // connect or a data connection to accept may take ConnectLimit; a connection may stay silent,
    // or take no bytes, for IdleLimit, counted anew whenever bytes move. Past a bound the wait
    // ends with ETimeOutError; a connection idle past its bound is closed.
    int ConnectLimit = 30000;
    int IdleLimit = 60000;
    int ReportLevel = 0;  // status texts up to this level are reported
    std::string Proxy;    // when set, lookup and connection go here instead of Host
    int ProxyPort = 0;
    // Run between the slices of every wait (the program runs its pending window events). Taken from
    // the default at creation.
    std::function<void()> EventPump;
    // When set (dotted IPv4), Accept takes a connection only from this address and closes others.
    std::string AllowedPeer;

    // --- Notifications (each may be unassigned) ---
    using TNotify = std::function<void(TSockTransport& sender)>;
    using THandled = std::function<void(bool& handled)>;
    TNotify OnConnect;           // the connection is established
    TNotify OnDisconnect;        // the socket was closed
    TNotify OnConnectionFailed;  // a connection attempt failed, before its error
    THandled OnInvalidHost;      // the host can't be resolved; true asks for one more lookup
    TNotify OnHostResolved;
    std::function<void(TSockTransport& sender, const std::string& status)> OnStatus;
    std::function<void(TSockTransport& sender, std::int16_t errNo, const std::string& errMsg)> OnError;
    TNotify OnPacketSent;   // after each send of SendFile
    TNotify OnPacketRecvd;  // after each block written by CaptureFile
    THandled OnConnectionRequired;

    // --- Operations ---
    void Connect();
    void Disconnect();
    void CheckConnection();  // kv::Exception "Not Connected" unless connected
    void Cancel();
    virtual void Abort();
    void SendBuffer(const char* bytes, std::size_t length);
    void Write(std::string_view text);
    void Writeln(std::string_view text);
    std::string Read(std::size_t count);  // 0: whatever is waiting
    std::string ReadLn();                 // one line with its line end; "" when the peer closed
    std::string Transaction(std::string_view command);
    void SendFile(const std::string& path);
    void CaptureFile(const std::string& path);
    // As above, naming `shownName` in its errors: a download written to a temporary file
    // reports the file the user asked for.
    void CaptureFile(const std::string& path, const std::string& shownName);
    void Listen();
    // Waits for a connection to the listening socket; the accepted one becomes this object's
    // socket and the listening one is closed.
    void Accept();
    bool DataAvailable();
    void ClearInput();
    void CloseSocket();
    void ResolveHost();
    std::string ErrorText(int number);
    std::string LocalAddressText() const;  // "127,0,0,1"
    std::string LocalPortText() const;     // ",4,1" for the port 1025
    int LocalPort() const;
    void SetLinger(bool on, int seconds);

    // --- TLS on the connection (OpenSSL; net/SockTls.cpp) ---
    // The client's handshake on the connected socket within the waits' bounds, then the check of
    // the server's certificate. A failure closes the connection first: nothing more is sent.
    // Throws ETlsError, ECertificateError, ETimeOutError (a stalled handshake) or EAbortError.
    void StartTls(const TlsPeer& peer);
    // The same on a data connection, resuming the TLS session of `control` (the FTP servers that
    // require it refuse a new session), and holding the server to the certificate accepted there.
    void StartTlsResuming(const TSockTransport& control);
    // The orderly end of TLS after a transfer: the close alert, then what the server still sends
    // (a TLS 1.3 ticket for the next data connection) until it closes too, within 2 s.
    void FinishTls();
    bool TlsActive() const;
    bool TlsResumed() const;              // the last handshake resumed a session
    std::string TlsProtocol() const;      // "TLSv1.3"; "" without TLS
    std::string PeerFingerprint() const;  // of the server's certificate; "" without TLS

    // --- State ---
    bool Connected();  // takes up a close by the peer first
    std::int16_t ReplyCode() const;
    const std::string& ReplyText() const;
    const std::string& StatusText() const;
    bool Canceled() const;
    bool TimedOut() const;
    int LastError() const;
    std::int64_t SentCount() const;
    std::int64_t ReceivedCount() const;
    std::string RemoteAddressText() const;  // dotted; "" when none is known
    int RemotePort() const;
    const std::vector<std::string>& Info() const;  // describes the socket layer

    static void SetDefaultEventPump(std::function<void()> pump);
    // The host lookup, run in a worker thread: 0 and the address, or an EAI_ error. The default
    // is getaddrinfo(); tests put in their own.
    using HostResolver = std::function<int(const std::string& name, in_addr& address)>;
    static void SetHostResolver(HostResolver resolver);

  protected:
    void Status(int level, const std::string& text);
    void ClearCancel();
    void ClearTimedOut();
    // From here on no notification is raised: the object is being destroyed.
    void BeginDestroy();
    // Keeps a reply read outside Transaction (the greeting) as the last reply.
    void SetReply(std::int16_t code, const std::string& text);

  private:
    struct Impl;
    // Runs an operation of the shared part, keeping it alive meanwhile.
    template <auto Op, typename... Args>
    decltype(auto) Run(Args&&... args);
    static std::shared_ptr<Impl> MakeImpl(TSockTransport* owner);
    std::shared_ptr<Impl> impl_;  // last: made after every property
};

}  // namespace kv
