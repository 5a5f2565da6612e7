#pragma once
// A real FTP server for tests: Debian's pyftpdlib, started on 127.0.0.1 at a free port with a home
// directory holding "WWW", and killed when the object goes. The account is "kvelli99" /
// "quillon84" unless the options say otherwise.

#include <sys/types.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"

namespace kv::test {

struct PyFtpdOptions {
    std::string user = "kvelli99";
    std::string password = "quillon84";
    // The home directory; empty: a temporary one of its own, removed at teardown.
    std::string home;
    bool makeWww = true;
    // "WWW" and everything below it may be listed and read but not written.
    bool readOnlyWww = false;
    // pyftpdlib starts each session in ASCII and converts line ends; this starts it in binary.
    bool binaryByDefault = false;
    // Files placed before the server starts: path relative to the home, contents.
    std::vector<std::pair<std::string, std::string>> files;
    // Passive data ports; 0: any.
    int passivePortFirst = 0;
    int passivePortLast = 0;
    // The address its PASV replies name (pyftpdlib's masquerade_address), as a server behind NAT
    // names its outside one; empty: its own.
    std::string masqueradeAddress;
    // No PASV or EPSV: "500 Command "PASV" not understood.", as a server without passive mode.
    bool noPassive = false;
    // PEM files: TLS (pyftpdlib's TLS_FTPHandler) required on control and data connections.
    std::string tlsCert, tlsKey;
    // The server's log of commands goes to standard error.
    bool verbose = false;
};

class PyFtpd {
  public:
    // Throws std::runtime_error when the server does not come up.
    explicit PyFtpd(PyFtpdOptions options = {});
    ~PyFtpd();
    PyFtpd(const PyFtpd&) = delete;
    PyFtpd& operator=(const PyFtpd&) = delete;

    int port() const { return port_; }
    const std::string& home() const { return home_; }
    std::string File(const std::string& relative) const { return home_ + "/" + relative; }
    // Contents of a file under the home (throws if missing).
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;
    void Write(const std::string& relative, const std::string& bytes) const;

    void Stop();

  private:
    std::unique_ptr<TempDir> tempHome_;
    std::string home_;
    pid_t pid_ = -1;
    int stdinFd_ = -1;
    int port_ = 0;
};

}  // namespace kv::test
