#pragma once
// What the TLS tests need of the outside world: certificates made by the test with openssl (a CA,
// a server certificate it signed, a self-signed one), and vsftpd started on 127.0.0.1 with TLS
// required on control and data and session reuse required (its default), anonymous and writable.

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"

namespace kv::test {

// PEM files in a temporary directory. Both server certificates name 127.0.0.1 and localhost.
class TestCertificates {
  public:
    TestCertificates();
    std::string caFile;  // the CA's certificate: a trust store of one (SSL_CERT_FILE)
    std::string signedCert, signedKey;
    std::string selfCert, selfKey;
    std::string signedFingerprint, selfFingerprint;  // "AB:CD:..." as openssl prints them

  private:
    TempDir dir_;
};

struct VsftpdOptions {
    std::string cert, key;   // PEM files
    bool tls12Only = false;  // through OpenSSL's configuration: vsftpd 3.0.3 has no such setting
    std::vector<std::pair<std::string, std::string>> files;  // under the root, e.g. "WWW/records.rec"
};

class Vsftpd {
  public:
    // Throws std::runtime_error when the server does not come up.
    explicit Vsftpd(VsftpdOptions options);
    ~Vsftpd();
    Vsftpd(const Vsftpd&) = delete;
    Vsftpd& operator=(const Vsftpd&) = delete;

    int port() const { return port_; }
    std::string File(const std::string& relative) const { return root_ + "/" + relative; }
    std::string Read(const std::string& relative) const;

  private:
    TempDir dir_;
    std::string root_;
    pid_t pid_ = -1;
    int port_ = 0;
};

}  // namespace kv::test
