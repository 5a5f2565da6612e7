#pragma once
// A scripted FTP-like server on 127.0.0.1 for what real servers won't do: odd replies, replies cut
// into pieces, closes at the wrong moment, data connections from a foreign address. The script runs
// in a thread of its own on blocking sockets with time-outs, so a test never hangs on it.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

struct ssl_st;
struct ssl_ctx_st;

namespace kv::test {

// Thrown inside a script when the client does not do what the script expects.
struct ScriptFailure {
    std::string what;
};

// A data connection as the server sees it.
class DataConn {
  public:
    explicit DataConn(int fd = -1) : fd_(fd) {}
    ~DataConn();
    DataConn(DataConn&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
    DataConn& operator=(DataConn&& o) noexcept;

    void Send(std::string_view bytes);
    std::string ReadAll();  // until the client closes
    void Close();
    void Reset();  // close with a reset
    bool Open() const { return fd_ >= 0; }

  private:
    int fd_;
};

class Peer {
  public:
    explicit Peer(int fd) : fd_(fd) {}
    ~Peer();
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    void Send(std::string_view bytes);
    // The next line from the client without its CR LF; ScriptFailure on time-out or close.
    std::string Line();
    // Reads a line and checks that it starts with `prefix`; returns it.
    std::string Expect(std::string_view prefix);
    // Everything the client sends until it closes.
    std::string ReadToEnd();
    // The usual login: greeting, USER, PASS. An AUTH TLS before USER is refused with 500, as a
    // server without TLS refuses it.
    void Login(std::string_view user = "kvelli99", std::string_view password = "quillon84");
    // True when the client closes the control connection within the time-out.
    bool WaitClosed(int timeoutMs = 5000);
    // The server's TLS handshake on the control connection (after a 234 to AUTH TLS), with the
    // certificate (chain) and key of these PEM files; from here on the dialogue goes over TLS.
    // False when the handshake failed.
    bool StartTls(const std::string& certFile, const std::string& keyFile);
    void Close();
    void Reset();

    // Answers a PASV line: listens on 127.0.0.1 and sends the 227 reply naming `address` (a server
    // behind its own NAT names a private one; tests name another 127.x address, so that nothing
    // leaves the machine).
    void AnswerPasv(std::string_view address = "127,0,0,1");
    DataConn AcceptPassive();
    // The passive start of a transfer: PASV expected and answered, a line starting with `command`
    // expected, `opening` (the 150 reply) sent, the data connection accepted.
    DataConn OpenPassive(std::string_view command,
                         std::string_view opening = "150 Opening data connection.\r\n");
    // Connects to the address of a PORT line, from `from` (a local address to bind).
    static DataConn ConnectActive(const std::string& portLine, const char* from = "127.0.0.1");
    static int PortOf(const std::string& portLine);

    std::vector<std::string> lines;  // everything the client said, in order

  private:
    long Receive(char* buf, std::size_t size);  // recv(), through TLS once it runs
    int fd_;
    int pasvFd_ = -1;
    ssl_st* ssl_ = nullptr;
    ssl_ctx_st* sslCtx_ = nullptr;
    std::string pending_;
};

class ScriptServer {
  public:
    using Script = std::function<void(Peer&)>;
    // Serves `connections` connections one after the other, each with the script.
    explicit ScriptServer(Script script, int connections = 1, int backlog = 4);
    ~ScriptServer();
    ScriptServer(const ScriptServer&) = delete;
    ScriptServer& operator=(const ScriptServer&) = delete;

    int port() const { return port_; }
    // Waits for the script to end; returns its failure, empty when it went as written.
    std::string Finish();
    std::vector<std::string> Lines();  // what the client said, over all connections

  private:
    void Run(Script script, int connections);

    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::string failure_;
    std::vector<std::string> lines_;
};

// Binds a TCP listening socket on 127.0.0.1 with the given backlog; returns the fd, sets port.
int ListenLoopback(int& port, int backlog);

}  // namespace kv::test
