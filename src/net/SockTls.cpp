// TLS on the transport's socket, with OpenSSL: the client's handshake inside the transport's
// bounded waits, the check of the server's certificate (trust store and host, or a pinned
// fingerprint), the session that data connections resume, and the bytes through TLS.
#include <arpa/inet.h>
#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <vector>

#include "net/SockTransportImpl.h"

namespace kv {

struct TlsShared {
    SSL_CTX* ctx = nullptr;
    // Sessions to resume, newest last, not used yet: the control connection's (with TLS 1.3 they
    // come in tickets after the handshake) and those that resumed data connections were given.
    // A server that keeps its tickets itself takes each once only (vsftpd), so a data connection
    // takes a fresh one while there is one, else the one used last (a reusable TLS 1.2 session,
    // or a ticket the server holds no count of).
    std::vector<SSL_SESSION*> fresh;
    SSL_SESSION* last = nullptr;
    std::string fingerprint;  // of the certificate accepted on the control connection

    TlsShared() = default;
    TlsShared(const TlsShared&) = delete;
    TlsShared& operator=(const TlsShared&) = delete;
    ~TlsShared() {
        for (SSL_SESSION* s : fresh)
            SSL_SESSION_free(s);
        if (last) SSL_SESSION_free(last);
        if (ctx) SSL_CTX_free(ctx);
    }
};

namespace {

const char kCertificatePattern[] = KV_TRANSLATE_NOOP(
    "kv::Text",
    "Сертификат сервера %1 не прошёл проверку (%2).\nЕго отпечаток SHA-256: %3\nЕсли вы доверяете этому "
    "серверу, впишите этот отпечаток в ключ TlsFingerprint раздела [Server] файла настроек kvelli99.INI.");

// The socket under TLS: send() without SIGPIPE (a peer gone away is an error, not the end of
// the program), recv() as it is.
int FdOf(BIO* b) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(BIO_get_data(b)));
}

int BioWrite(BIO* b, const char* in, int n) {
    BIO_clear_retry_flags(b);
    ssize_t r = ::send(FdOf(b), in, static_cast<std::size_t>(n), MSG_NOSIGNAL);
    if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) BIO_set_retry_write(b);
    return static_cast<int>(r);
}

int BioRead(BIO* b, char* out, int n) {
    BIO_clear_retry_flags(b);
    ssize_t r = ::recv(FdOf(b), out, static_cast<std::size_t>(n), 0);
    if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) BIO_set_retry_read(b);
    return static_cast<int>(r);
}

long BioCtrl(BIO*, int cmd, long, void*) {
    return cmd == BIO_CTRL_FLUSH ? 1 : 0;
}

int BioCreate(BIO* b) {
    BIO_set_init(b, 1);
    return 1;
}

const BIO_METHOD* SocketBio() {
    static BIO_METHOD* const method = [] {
        BIO_METHOD* m = BIO_meth_new(BIO_get_new_index() | BIO_TYPE_SOURCE_SINK, "kv socket");
        if (m) {
            BIO_meth_set_write(m, BioWrite);
            BIO_meth_set_read(m, BioRead);
            BIO_meth_set_ctrl(m, BioCtrl);
            BIO_meth_set_create(m, BioCreate);
        }
        return m;
    }();
    return method;
}

// The reason OpenSSL gives for its last failure; `fallback` when it gives none.
std::string OpenSslReason(const char* fallback) {
    unsigned long e = ERR_peek_last_error();
    ERR_clear_error();
    const char* reason = e ? ERR_reason_error_string(e) : nullptr;
    return reason ? reason : fallback;
}

// A new session (TLS 1.3: a ticket after the handshake) joins those to resume.
int KeepSession(SSL* ssl, SSL_SESSION* session) {
    auto* shared = static_cast<TlsShared*>(SSL_get_app_data(ssl));
    if (!shared) return 0;
    constexpr std::size_t kKept = 8;
    if (shared->fresh.size() == kKept) {
        SSL_SESSION_free(shared->fresh.front());
        shared->fresh.erase(shared->fresh.begin());
    }
    shared->fresh.push_back(session);
    return 1;  // the reference is ours now
}

// The session a new data connection resumes.
SSL_SESSION* SessionToResume(TlsShared& shared) {
    if (!shared.fresh.empty()) {
        if (shared.last) SSL_SESSION_free(shared.last);
        shared.last = shared.fresh.back();
        shared.fresh.pop_back();
    }
    return shared.last;
}

std::shared_ptr<TlsShared> MakeShared() {
    auto shared = std::make_shared<TlsShared>();
    SSL_CTX* ctx = SSL_CTX_new(TLS_client_method());
    if (!ctx) throw ETlsError("TLS: " + OpenSslReason("no context"));
    shared->ctx = ctx;
    SSL_CTX_set_min_proto_version(ctx, TLS1_2_VERSION);
    // The system's trust store; SSL_CERT_FILE and SSL_CERT_DIR name others.
    SSL_CTX_set_default_verify_paths(ctx);
    // The handshake goes on whatever the certificate; it is judged afterwards, where a pinned
    // fingerprint can still accept it and the refusal can name what was seen.
    SSL_CTX_set_verify(ctx, SSL_VERIFY_NONE, nullptr);
    // A server that closes a data connection without the close alert has still sent all; the
    // FTP reply and the announced size judge the transfer.
    SSL_CTX_set_options(ctx, SSL_OP_IGNORE_UNEXPECTED_EOF);
    SSL_CTX_set_mode(ctx, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    SSL_CTX_set_session_cache_mode(ctx, SSL_SESS_CACHE_CLIENT | SSL_SESS_CACHE_NO_INTERNAL_STORE);
    SSL_CTX_sess_set_new_cb(ctx, KeepSession);
    ERR_clear_error();
    return shared;
}

std::string FingerprintOf(X509* cert) {
    unsigned char md[EVP_MAX_MD_SIZE];
    unsigned int len = 0;
    if (!cert || X509_digest(cert, EVP_sha256(), md, &len) != 1) return {};
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned int i = 0; i < len; ++i) {
        if (i) out += ':';
        out += hex[md[i] >> 4];
        out += hex[md[i] & 0xF];
    }
    return out;
}

}  // namespace

ECertificateError::ECertificateError(const std::string& host, const std::string& fingerprint,
                                     const std::string& reason)
    : ETlsError(kCertificatePattern, {host, reason, fingerprint}), host_(host), fingerprint_(fingerprint) {}

std::string NormalFingerprint(const std::string& text) {
    std::string hex;
    const auto eq = text.rfind('=');  // "sha256 Fingerprint=AB:CD:..." as openssl prints it
    for (char c : text.substr(eq == std::string::npos ? 0 : eq + 1)) {
        if (c == ':' || std::isspace(static_cast<unsigned char>(c))) continue;
        if (!std::isxdigit(static_cast<unsigned char>(c))) return {};
        hex += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (hex.size() != 64) return {};
    std::string out;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        if (i) out += ':';
        out += hex.substr(i, 2);
    }
    return out;
}

// The outcome of a TLS read or write that moved nothing, as recv() or send() would give it.
static ssize_t TlsOutcome(SSL* ssl, int r) {
    switch (SSL_get_error(ssl, r)) {
        case SSL_ERROR_WANT_READ:
        case SSL_ERROR_WANT_WRITE:
            errno = EAGAIN;
            return -1;
        case SSL_ERROR_ZERO_RETURN:
            return 0;
        case SSL_ERROR_SYSCALL:
            ERR_clear_error();
            if (errno == 0) return 0;  // the peer closed
            return -1;
        default:
            throw ETlsError("TLS error on the connection: " + OpenSslReason("broken record"));
    }
}

ssize_t TSockTransport::Impl::RecvBytes(char* into, std::size_t n, bool peek) {
    if (fd < 0) {
        errno = ENOTCONN;
        return -1;
    }
    if (!ssl) return ::recv(fd, into, n, peek ? MSG_PEEK : 0);
    const int want = static_cast<int>(std::min<std::size_t>(n, INT_MAX));
    ERR_clear_error();
    errno = 0;
    int r = peek ? SSL_peek(ssl, into, want) : SSL_read(ssl, into, want);
    return r > 0 ? r : TlsOutcome(ssl, r);
}

ssize_t TSockTransport::Impl::SendBytes(const char* bytes, std::size_t n) {
    if (fd < 0) {
        errno = ENOTCONN;
        return -1;
    }
    if (!ssl) return ::send(fd, bytes, n, MSG_NOSIGNAL);
    ERR_clear_error();
    errno = 0;
    int r = SSL_write(ssl, bytes, static_cast<int>(std::min<std::size_t>(n, INT_MAX)));
    return r > 0 ? r : TlsOutcome(ssl, r);
}

void TSockTransport::Impl::EndTls(bool notify) {
    if (!ssl) return;
    if (notify && fd >= 0 && SSL_is_init_finished(ssl)) {
        SSL_shutdown(ssl);  // the close alert, once, without waiting for the peer's
        // What the peer sent meanwhile (a TLS 1.3 ticket) is taken, so that the close ends the
        // stream in order instead of resetting it.
        char sink[4096];
        while (::recv(fd, sink, sizeof sink, MSG_DONTWAIT) > 0) {
        }
    }
    SSL_free(ssl);
    ssl = nullptr;
    tls.reset();
    ERR_clear_error();
}

// Waits at most this long for the server's end of TLS after ours.
constexpr int kFinishMs = 2000;

void TSockTransport::Impl::FinishTls() {
    if (!ssl || fd < 0 || !SSL_is_init_finished(ssl)) return;
    ERR_clear_error();
    SSL_shutdown(ssl);
    Bound bound(IdleLimitMs() > 0 ? std::min(IdleLimitMs(), kFinishMs) : kFinishMs);
    char sink[4096];
    for (;;) {
        ERR_clear_error();
        int r = SSL_read(ssl, sink, sizeof sink);
        if (r > 0) continue;
        int e = SSL_get_error(ssl, r);
        // The server's close alert or its close ends it; so does an error: the data are out.
        if (e != SSL_ERROR_WANT_READ && e != SSL_ERROR_WANT_WRITE) break;
        Pass(POLLIN | POLLRDHUP);
        if (cancel || timedOut || bound.Passed()) break;
    }
    ERR_clear_error();
}

void TSockTransport::Impl::StartTls(const TlsPeer& peer, std::shared_ptr<TlsShared> shared) {
    Status(8, "Starting TLS");
    if (!connected || fd < 0) SocketErrorNumber(kNotConnected);
    const bool resuming = shared != nullptr;
    if (!shared) shared = MakeShared();
    EndTls(false);
    BIO* bio = SocketBio() ? BIO_new(SocketBio()) : nullptr;
    ssl = bio ? SSL_new(shared->ctx) : nullptr;
    if (!ssl) {
        if (bio) BIO_free(bio);
        throw ETlsError("TLS: " + OpenSslReason("no connection object"));
    }
    BIO_set_data(bio, reinterpret_cast<void*>(static_cast<std::intptr_t>(fd)));
    SSL_set_bio(ssl, bio, bio);
    tls = shared;
    in_addr address{};
    SSL_set_app_data(ssl, shared.get());
    if (resuming) {
        if (SSL_SESSION* session = SessionToResume(*shared)) SSL_set_session(ssl, session);
    } else {
        if (::inet_pton(AF_INET, peer.name.c_str(), &address) == 1) {
            X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl), peer.name.c_str());
        } else {
            SSL_set_tlsext_host_name(ssl, peer.name.c_str());
            SSL_set1_host(ssl, peer.name.c_str());
        }
    }

    const std::string handshake =
        resuming ? std::string("TLS handshake on the data connection") : "TLS handshake with " + peer.name;
    // A failed handshake ends the connection: nothing more may cross it.
    auto fail = [this](auto&& error) {
        EndTls(false);
        CloseSocket();
        throw error;
    };
    {
        TimerGuard timerGuard(*this);
        Bound idle(IdleLimitMs());
        for (;;) {
            ERR_clear_error();
            errno = 0;
            int r = SSL_connect(ssl);
            if (r == 1) break;
            int e = SSL_get_error(ssl, r);
            if (e == SSL_ERROR_WANT_READ || e == SSL_ERROR_WANT_WRITE) {
                Pass(e == SSL_ERROR_WANT_READ ? POLLIN | POLLRDHUP : POLLOUT);
                if (cancel) {
                    cancel = false;
                    fail(EAbortError("Socket readln aborted"));
                }
                if (timedOut) fail(ETimeOutError("Connection Timed out"));
                if (idle.Passed()) {
                    EndTls(false);
                    IdleTimedOut(idle);
                }
                continue;
            }
            std::string why;
            if (e == SSL_ERROR_SSL)
                why = OpenSslReason("protocol error");
            else if (e == SSL_ERROR_SYSCALL && errno != 0)
                why = SockErrorText(WinSockErrorOf(errno));
            else
                why = "the server closed the connection";
            ERR_clear_error();
            fail(ETlsError(handshake + " failed: " + why));
        }
    }

    const std::string seen = FingerprintOf(SSL_get0_peer_certificate(ssl));
    if (resuming) {
        // The data come from the server whose certificate the control connection accepted.
        if (seen != shared->fingerprint)
            fail(ETlsError("TLS: the data connection's certificate is not the control connection's"));
        return;
    }
    if (seen.empty()) fail(ETlsError(handshake + " failed: no certificate"));
    const long verified = SSL_get_verify_result(ssl);
    const std::string pin = NormalFingerprint(peer.pin);
    if (verified != X509_V_OK && (pin.empty() || pin != seen))
        fail(ECertificateError(peer.name, seen, X509_verify_cert_error_string(verified)));
    shared->fingerprint = seen;
}

void TSockTransport::StartTls(const TlsPeer& peer) {
    auto keep = impl_;
    keep->StartTls(peer, nullptr);
}

void TSockTransport::StartTlsResuming(const TSockTransport& control) {
    auto keep = impl_;
    if (!control.impl_->tls) throw ETlsError("TLS: the control connection has no TLS session");
    keep->StartTls(TlsPeer{}, control.impl_->tls);
}

void TSockTransport::FinishTls() {
    auto keep = impl_;
    keep->FinishTls();
}

bool TSockTransport::TlsActive() const {
    return impl_->ssl != nullptr;
}

bool TSockTransport::TlsResumed() const {
    return impl_->ssl && SSL_session_reused(impl_->ssl) == 1;
}

std::string TSockTransport::TlsProtocol() const {
    return impl_->ssl ? SSL_get_version(impl_->ssl) : "";
}

std::string TSockTransport::PeerFingerprint() const {
    return impl_->ssl ? FingerprintOf(SSL_get0_peer_certificate(impl_->ssl)) : "";
}

}  // namespace kv
