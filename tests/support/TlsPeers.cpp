#include "TlsPeers.h"

#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "RunProgram.h"
#include "ScriptServer.h"

extern char** environ;

namespace kv::test {
namespace {

std::string Run(const std::string& command) {
    const auto r = RunProgram({"/bin/sh", "-c", command});
    if (r.status != 0) throw std::runtime_error("failed: " + command + ": " + r.err);
    return r.out;
}

std::string Fingerprint(const std::string& cert) {
    std::string out = Run("openssl x509 -noout -fingerprint -sha256 -in " + cert);
    auto eq = out.find('=');
    out = out.substr(eq + 1);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    ::chmod(path.c_str(), 0644);  // vsftpd lets anonymous read only what all may read
}

}  // namespace

TestCertificates::TestCertificates() {
    const std::string d = dir_.path() + "/";
    const std::string key = "-newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -days 2 ";
    const std::string names = "subjectAltName=IP:127.0.0.1,DNS:localhost";
    caFile = d + "ca.pem";
    signedCert = d + "signed.pem";
    signedKey = d + "signed.key";
    selfCert = d + "self.pem";
    selfKey = d + "self.key";
    Run("openssl req -x509 " + key + "-subj /CN=Kvelli-Test-CA -keyout " + d + "ca.key -out " + caFile);
    Run("openssl req " + key + "-subj /CN=127.0.0.1 -keyout " + signedKey + " -out " + d + "signed.csr");
    dir_.Write("ext.cnf", names + "\n");
    Run("openssl x509 -req -in " + d + "signed.csr -CA " + caFile + " -CAkey " + d +
        "ca.key -CAcreateserial -days 2 -extfile " + d + "ext.cnf -out " + signedCert);
    Run("openssl req -x509 " + key + "-subj /CN=127.0.0.1 -addext " + names + " -keyout " + selfKey +
        " -out " + selfCert);
    signedFingerprint = Fingerprint(signedCert);
    selfFingerprint = Fingerprint(selfCert);
}

Vsftpd::Vsftpd(VsftpdOptions options) {
    const std::string d = dir_.path();
    root_ = d + "/root";
    std::filesystem::create_directories(root_ + "/WWW");
    std::filesystem::create_directories(d + "/empty");
    for (const auto& [relative, bytes] : options.files)
        WriteFile(File(relative), bytes);
    ::chmod(root_.c_str(), 0555);
    ::chmod((root_ + "/WWW").c_str(), 0777);

    int probe = ListenLoopback(port_, 1);  // a free port, given up just before vsftpd takes it
    ::close(probe);
    std::ostringstream conf;
    conf << "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=" << port_
         << "\nbackground=NO\nanonymous_enable=YES\nlocal_enable=NO\nwrite_enable=YES\n"
            "anon_upload_enable=YES\nanon_other_write_enable=YES\nanon_root="
         << root_
         << "\nno_anon_password=YES\nanon_umask=022\nrun_as_launching_user=YES\nsecure_chroot_dir=" << d
         << "/empty\nseccomp_sandbox=NO\nconnect_from_port_20=NO\nxferlog_enable=NO\nallow_writeable_chroot="
            "YES\n"
            "ssl_enable=YES\nallow_anon_ssl=YES\nforce_anon_logins_ssl=YES\nforce_anon_data_ssl=YES\n"
            "require_ssl_reuse=YES\nssl_ciphers=HIGH\nrsa_cert_file="
         << options.cert << "\nrsa_private_key_file=" << options.key << "\n";
    dir_.Write("vsftpd.conf", conf.str());
    dir_.Write("tls12.cnf",
               "openssl_conf = conf\n[conf]\nssl_conf = ssl\n[ssl]\nsystem_default = sys\n[sys]\n"
               "MaxProtocol = TLSv1.2\n");

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("OPENSSL_CONF=", 0) != 0) env.emplace_back(*e);
    if (options.tls12Only) env.push_back("OPENSSL_CONF=" + d + "/tls12.cnf");
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = "/usr/sbin/vsftpd", confFile = d + "/vsftpd.conf";
    char* argv[] = {program.data(), confFile.data(), nullptr};

    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("cannot start vsftpd");
    if (pid_ == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // the server ends if the test dies
        ::execve(argv[0], argv, envp.data());
        ::_exit(127);
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_port = htons(static_cast<std::uint16_t>(port_));
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bool up = ::connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) == 0;
        ::close(fd);
        if (up) break;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_ || std::chrono::steady_clock::now() > deadline) {
            pid_ = -1;
            throw std::runtime_error("vsftpd did not start");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

Vsftpd::~Vsftpd() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    ::chmod(root_.c_str(), 0755);  // so that the directory can be removed
}

std::string Vsftpd::Read(const std::string& relative) const {
    std::ifstream in(File(relative), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + File(relative));
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace kv::test
