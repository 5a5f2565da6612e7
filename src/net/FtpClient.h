#pragma once
// The FTP client (RFC 959) of the results exchange: login (optionally through a proxy), single
// commands, STOR, RETR and QUIT. The client is the control connection itself; each transfer makes
// a second transport for its data connection and destroys it afterwards. It sends no TYPE, MODE or
// STRU, so every transfer uses the server's default representation.
//
// All operations block the calling (interface) thread while they keep running the event pump, and
// report through the notifications below and through errors. Like the transport, the client may be
// destroyed from inside one of its waits: the running operation then ends with EAbortError.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "net/SockTransport.h"

namespace kv {

// A command refused by the server; the text is the reply's first line as received, line end
// included.
class FTPException : public Exception {
  public:
    explicit FTPException(const std::string& replyLine) : Exception(replyLine) {}
    std::string ReplyLine() const { return what(); }
};

// The kind of a command or transfer, as the success and failure notifications report it.
enum TCmdType : int {
    cmdChangeDir = 0,
    cmdMakeDir = 1,
    cmdDelete = 2,
    cmdRemoveDir = 3,
    cmdDownload = 8,
    cmdUpload = 9,
    cmdDoCommand = 14,
    cmdCurrentDir = 15,
};

// Whether the connections go over TLS (explicit, RFC 4217: AUTH TLS, then PBSZ 0 and PROT P).
//   Off       the plain dialogue, byte for byte as without TLS
//   Auto      AUTH TLS after the greeting; a server that refuses it (4xx or 5xx) gets the plain
//             dialogue; once it has said yes, nothing goes in plain any more
//   Required  no login without TLS
enum class TlsMode { Off, Auto, Required };

// How the login passes a proxy named in Proxy.
enum TFirewallType : int { FTUser = 0, FtOpen = 1, FtSite = 2 };

// The kind of a command line, from its first word followed by a blank (case matters).
TCmdType CommandKind(std::string_view command);

class TFtpClient : public TSockTransport {
  public:
    TFtpClient();
    ~TFtpClient() override;

    // --- Properties (Port is 21 at creation) ---
    std::string UserID;
    std::string Password;
    // false: the client listens and sends PORT; true: PASV, the client connects, and a server that
    // refuses PASV (500 or more) gets PORT instead.
    bool Passive = false;
    TFirewallType FirewallType = FTUser;
    bool FWAuthenticate = false;
    std::string FWUserID;
    std::string FWPassword;
    TlsMode Tls = TlsMode::Off;
    // A SHA-256 fingerprint that makes the server's certificate acceptable when it does not verify
    // against the trust store and the host (a self-signed one); see TlsPeer.
    std::string TlsFingerprint;
    int Vendor = 2411;  // set back to 2411 at every logout; directory listings are not built
    bool ParseList = false;

    // --- Notifications (each may be unassigned) ---
    // Hides the transport's connect notification: raised after a complete login, not on the TCP
    // connection.
    std::function<void(TFtpClient& client)> OnConnect;
    std::function<void(TCmdType kind)> OnSuccess;
    std::function<void(bool& handled, TCmdType kind)> OnFailure;  // handled = true suppresses the error
    std::function<void(TCmdType kind)> OnUnSupportedFunction;     // replies 500 to 502, before OnFailure
    std::function<void(bool& handled)> OnAuthenticationNeeded;    // UserID or Password empty
    std::function<void(TFtpClient& client)> OnTransactionStart;
    std::function<void(TFtpClient& client)> OnTransactionStop;

    // --- Operations ---
    void Connect();
    void Disconnect();
    void SendCommand(const std::string& command);
    void ChangeDirectory(const std::string& directory);
    void Upload(const std::string& localPath, const std::string& remoteName);
    void Download(const std::string& remoteName, const std::string& localPath);
    // Cancels the running data transfer, if any (not the control connection).
    void Abort() override;
    // A command and its whole reply; returns the reply's first line.
    std::string Transaction(std::string_view command);
    // Reads the rest of a reply whose line is `line`; returns its last line.
    std::string ReadReplyRest(const std::string& line);

    // Bytes of the current or last transfer (informational).
    std::int64_t ByteCount() const;

  private:
    struct State;
    std::shared_ptr<State> state_;
};

}  // namespace kv
