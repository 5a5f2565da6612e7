#pragma once
// The error numbers of the transport: the WinSock numbering its texts are keyed by, the map from
// Linux errno values onto it, and the error classes. Plain functions, so that reply parsing can
// raise the same errors without the transport.

#include "base/Exception.h"

namespace kv {

// Socket and lookup failures.
class ESockError : public Exception {
  public:
    using Exception::Exception;
};

// A cancelled operation.
class EAbortError : public ESockError {
  public:
    using ESockError::ESockError;
};

// A wait that went past one of its bounds.
class ETimeOutError : public ESockError {
  public:
    using ESockError::ESockError;
};

// A TLS failure: a handshake that failed or stalled out, a broken record, a server that offers no
// TLS where it is required.
class ETlsError : public ESockError {
  public:
    using ESockError::ESockError;
};

// A server certificate that was not accepted: it does not verify against the trust store and
// the host, and no pinned fingerprint names it. The message names the host and the fingerprint
// seen, in the player's language.
class ECertificateError : public ETlsError {
  public:
    ECertificateError(const std::string& host, const std::string& fingerprint, const std::string& reason);
    const std::string& Host() const { return host_; }
    const std::string& Fingerprint() const { return fingerprint_; }

  private:
    std::string host_;
    std::string fingerprint_;
};

inline constexpr int kWouldBlock = 10035;
inline constexpr int kNotConnected = 10057;

// The WinSock number of a Linux errno value (10061 for ECONNREFUSED, ...); 20000 + errno for one
// that has no counterpart, so that it still shows as an error.
int WinSockErrorOf(int err);

// The WinSock lookup number (11001 ...) of a getaddrinfo() failure.
int WinSockErrorOfLookup(int eai);

// The text of an error number: "" for 0, "10061: Connection refused" for one of the table,
// "Unknown Error No. " and the number for any other.
std::string SockErrorText(int number);

}  // namespace kv
