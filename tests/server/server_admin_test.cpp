// The results server as an administrator runs it: TLS for curl and for clients that start the
// data connection's handshake after the transfer command, the page over HTTPS through nginx, and
// what it says when it cannot start or cannot store.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "RunProgram.h"
#include "ShippedNginx.h"
#include "ShippedServer.h"
#include "TempDir.h"
#include "Tmpfs.h"
#include "base/AtomicFile.h"
#include "records/RecFile.h"

namespace kv {
namespace {

using test::RunProgram;
using test::ShippedServer;
using test::TableBytes;
using test::TableRows;
using test::TempDir;
using Rows = std::vector<std::pair<std::string, int>>;

std::string Slurp(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

// Python's ftplib as most FTPS clients go: the data connection's handshake after RETR or STOR,
// resuming the control connection's session; TLS 1.2 or 1.3 as argv[3] says. It prints the
// reply to PROT C, whether each data connection resumed the session, and the reply to an upload
// whose data connection was reset half-way.
constexpr const char* kPythonClient = R"(
import ftplib, io, socket, ssl, struct, sys
port, ca, version, table = int(sys.argv[1]), sys.argv[2], sys.argv[3], bytes.fromhex(sys.argv[4])
ctx = ssl.create_default_context(cafile=ca)
ctx.maximum_version = ctx.minimum_version = getattr(ssl.TLSVersion, version)
class Client(ftplib.FTP_TLS):
    def ntransfercmd(self, cmd, rest=None):
        conn, size = ftplib.FTP.ntransfercmd(self, cmd, rest)
        conn = self.context.wrap_socket(conn, server_hostname=self.host, session=self.sock.session)
        print("resumed" if conn.session_reused else "new session")
        return conn, size
f = Client(context=ctx, timeout=10)
f.connect("127.0.0.1", port)
f.auth()
f.login("kvelli99", "quillon84")
f.prot_p()
try:
    f.sendcmd("PROT C")
    print("PROT C taken")
except ftplib.error_perm as e:
    print(str(e)[:3])
f.retrbinary("RETR WWW/records.rec", lambda b: None)
f.storbinary("STOR WWW/records.rec", io.BytesIO(table))
conn = f.transfercmd("STOR WWW/records.rec")
conn.sendall(table[: len(table) // 2])
conn.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
conn.close()
try:
    f.voidresp()
except ftplib.Error as e:
    print(str(e)[:3])
)";

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

class ServerAdminTest : public ::testing::Test {
  protected:
    // A self-signed certificate for 127.0.0.1 and its key, in dir: (certificate, key).
    std::pair<std::string, std::string> Certificate(const std::string& name) {
        const std::string cert = certs.File(name + ".pem"), key = certs.File(name + ".key");
        const auto r = RunProgram({"/usr/bin/openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes",
                                   "-keyout", key, "-out", cert, "-days", "2", "-subj", "/CN=127.0.0.1",
                                   "-addext", "subjectAltName=IP:127.0.0.1"});
        EXPECT_EQ(r.status, 0) << r.err;
        return {cert, key};
    }
    // curl against the server's records.rec: its exit status and what it said.
    test::ProgramRun Curl(int port, std::vector<std::string> args) {
        args.insert(args.begin(), "/usr/bin/curl");
        args.insert(args.end(), {"-sS", "--max-time", "20", "-u", "kvelli99:quillon84"});
        args.push_back("ftp://127.0.0.1:" + std::to_string(port) + "/WWW/records.rec");
        return RunProgram(args, 30);
    }
    std::string Table() const { return data.File("WWW/records.rec"); }

    TempDir data, certs, files;
};

TEST_F(ServerAdminTest, TlsRequiredServesCurlAndClientsThatResumeTheSessionAfterTheCommand) {
    const auto [cert, key] = Certificate("server");
    ShippedServer server(data.path(), {"--tls-cert", cert, "--tls-key", key, "--tls-required"},
                         files.File("server.log"));
    EXPECT_NE(server.banner.find("TLS:   required"), std::string::npos) << server.banner;

    // curl starts the data connection's handshake before STOR and RETR.
    struct Case {
        const char* name;
        std::vector<std::string> tls;
        int status;
    };
    const std::vector<Case> cases = {
        {"curl TLS 1.3", {"--ssl-reqd", "--cacert", cert}, 0},
        {"curl TLS 1.2", {"--ssl-reqd", "--cacert", cert, "--tls-max", "1.2"}, 0},
        {"curl plain", {}, 67}};
    Rows sent;
    int score = 100;
    for (const auto& c : cases) {
        const std::string upload = files.File(c.name);
        WriteFileAtomic(upload, TableBytes({{"curl", ++score}}));
        auto r = Curl(server.ftp, [&] {
            auto a = c.tls;
            a.insert(a.end(), {"-T", upload});
            return a;
        }());
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.err;
        if (c.status != 0) continue;
        sent.insert(sent.begin(), {"curl", score});
        r = Curl(server.ftp, c.tls);
        EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
        EXPECT_EQ(r.out, Slurp(Table())) << c.name;
    }
    EXPECT_EQ(TableRows(Table()), sent) << "the plain upload was refused, the others merged";

    for (const auto& [version, player] : {std::pair{"TLSv1_2", "Python12"}, {"TLSv1_3", "Python13"}}) {
        const auto r = RunProgram({KV_PYTHON, "-c", kPythonClient, std::to_string(server.ftp), cert, version,
                                   Hex(TableBytes({{player, ++score}}))},
                                  60);
        // No way back to clear data; RETR, STOR, then the STOR that was reset: 426, not taken
        // for the end of the file.
        EXPECT_EQ(r.out, "534\nresumed\nresumed\nresumed\n426\n") << version << ": " << r.err;
    }
    EXPECT_EQ(TableRows(Table()).size(), sent.size() + 2);
    server.Stop();
    EXPECT_NE(Slurp(files.File("server.log")).find(": 1 entry received, 1 entered the table"),
              std::string::npos)
        << Slurp(files.File("server.log"));
}

// The game's own client with TLS required, its self-signed certificate pinned as players pin it,
// passive and active; without TLS it is turned away at the login.
TEST_F(ServerAdminTest, TheGamesExchangeGoesOverTlsToAServerThatRequiresIt) {
    const auto [cert, key] = Certificate("pinned");
    const auto printed =
        RunProgram({"/usr/bin/openssl", "x509", "-noout", "-fingerprint", "-sha256", "-in", cert});
    const auto equals = printed.out.find('=');
    ASSERT_NE(equals, std::string::npos) << printed.out << printed.err;
    const test::GameTls pinned{TlsMode::Required, printed.out.substr(equals + 1, 95)};
    ShippedServer server(data.path(), {"--tls-cert", cert, "--tls-key", key, "--tls-required"});
    const struct {
        const char* name;
        bool passive;
        test::GameTls tls;
        int score;
        const char* error;  // the start of what the exchange throws; empty: it goes through
    } cases[] = {{"passive", true, pinned, 700, ""},
                 {"active", false, pinned, 800, ""},
                 {"plain", true, {}, 900, "550"}};
    Rows sent;
    for (const auto& c : cases) {
        const std::string player = files.File(c.name);
        ASSERT_EQ(::mkdir(player.c_str(), 0700), 0);
        WriteFileAtomic(player + "/" + kRecFileName, TableBytes({{c.name, c.score}}));
        std::string error;
        try {
            test::GameExchange(server.ftp, player, c.passive, c.tls);
        } catch (const std::exception& e) {
            error = e.what();
        }
        EXPECT_EQ(error.substr(0, std::string(c.error).size()), c.error) << c.name << ": " << error;
        if (error.empty()) sent.insert(sent.begin(), {c.name, c.score});
    }
    EXPECT_EQ(TableRows(Table()), sent);
}

TEST_F(ServerAdminTest, WhatStopsTheStartIsSaidInOneLine) {
    const auto [cert, key] = Certificate("one");
    const auto other = Certificate("other");
    // An FTP port that is taken (as root one below 1024, where the server used to blame root).
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    for (int port = ::geteuid() == 0 ? 1000 : 0; port < 1024; ++port) {
        a.sin_port = htons(static_cast<uint16_t>(port));
        if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) break;
    }
    socklen_t len = sizeof a;
    ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len), 0);
    ASSERT_EQ(::listen(fd, 1), 0);
    const std::string taken = std::to_string(ntohs(a.sin_port));

    struct Case {
        std::vector<std::string> args;
        std::string said, notSaid;
    };
    const std::vector<Case> cases = {
        {{"--tls-required"}, "need --tls-cert", ""},
        {{"--tls-cert", certs.File("none.pem")}, "cannot read the certificate or key", "Traceback"},
        {{"--tls-cert", cert, "--tls-key", other.second}, "cannot use the certificate", "Traceback"},
        {{"--ftp-port", taken}, "Address already in use", ::geteuid() == 0 ? "need root" : ""},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string log = files.File("start" + std::to_string(i) + ".log");
        EXPECT_THROW(ShippedServer(data.path(), cases[i].args, log), std::runtime_error) << cases[i].said;
        EXPECT_NE(Slurp(log).find(cases[i].said), std::string::npos) << Slurp(log);
        if (!cases[i].notSaid.empty()) {
            EXPECT_EQ(Slurp(log).find(cases[i].notSaid), std::string::npos) << Slurp(log);
        }
    }
    ::close(fd);

    // Players reach a server on another address only when told where it is, port 21 or not.
    if (::geteuid() == 0) {
        try {
            ShippedServer elsewhere(data.path(), {"--address", "127.0.0.2", "--ftp-port", "21"});
            EXPECT_NE(elsewhere.banner.find("KVELLI99_RESULTS_SERVER=127.0.0.2:21"), std::string::npos)
                << elsewhere.banner;
            EXPECT_EQ(elsewhere.banner.find("as it is"), std::string::npos) << elsewhere.banner;
        } catch (const std::runtime_error& e) {
            std::printf("port 21 of 127.0.0.2 is taken here: %s\n", e.what());
        }
    }
}

TEST_F(ServerAdminTest, ADataDirectoryThatTakesNoFileIsRefusedAtStartAndAnUploadGets451) {
    test::Tmpfs disk(1024);
    if (!disk.Available()) GTEST_SKIP() << "mounting a tmpfs needs root";
    const std::string log = files.File("server.log");
    {
        ShippedServer server(disk.path(), {}, log);
        ASSERT_TRUE(disk.MakeReadOnly());
        WriteFileAtomic(files.File("up.rec"), TableBytes({{"Ann", 5}}));
        const auto r = Curl(server.ftp, {"-T", files.File("up.rec")});
        EXPECT_NE(r.err.find("451"), std::string::npos) << r.status << " " << r.err;
        EXPECT_EQ(Curl(server.ftp, {}).status, 0) << "the session went on, downloads too";
    }
    EXPECT_NE(Slurp(log).find("records.rec not stored: [Errno 30] Read-only file system"), std::string::npos)
        << Slurp(log);
    EXPECT_EQ(Slurp(log).find("Traceback"), std::string::npos) << Slurp(log);
    EXPECT_THROW(ShippedServer(disk.path(), {}, log), std::runtime_error);
    EXPECT_NE(Slurp(log).find("cannot prepare " + disk.path()), std::string::npos) << Slurp(log);
}

TEST_F(ServerAdminTest, TheShippedHttpsSiteServesThePageWithTheHostsCertificate) {
    if (!FileExists("/usr/sbin/nginx")) GTEST_SKIP() << "nginx is not installed (scripts/install-deps.sh)";
    const auto [cert, key] = Certificate("web");
    ShippedServer server(data.path());
    // nginx's workers run as nobody when we are root: the data must be readable for it.
    ::chmod(data.path().c_str(), 0755);
    TempDir conf;
    ::chmod(conf.path().c_str(), 0755);
    const std::string port = std::to_string(test::FreePort());
    test::ShippedNginxSite nginx("nginx-site-https.conf",
                                 {{"listen 443 ssl;", "listen 127.0.0.1:" + port + " ssl;"},
                                  {"listen [::]:443 ssl;", ""},
                                  {"/etc/kvelli99-server/tls/fullchain.pem", cert},
                                  {"/etc/kvelli99-server/tls/privkey.pem", key},
                                  {"root /var/lib/kvelli99-server/WWW;", "root " + data.File("WWW") + ";"}},
                                 conf);
    auto get = [&, ca = cert](const std::string& path) {
        return RunProgram({"/usr/bin/curl", "-sS", "--max-time", "20", "--cacert", ca, "-o", "/dev/null",
                           "-w", "%{http_code}", "https://127.0.0.1:" + port + path})
            .out;
    };
    const auto page =
        RunProgram({"/usr/bin/curl", "-sS", "--cacert", cert, "https://127.0.0.1:" + port + "/table.html"});
    EXPECT_EQ(page.status, 0) << page.err;
    EXPECT_EQ(page.out, Slurp(data.File("WWW/table.html")));
    EXPECT_EQ(get("/tr.gif"), "200");
    EXPECT_EQ(get("/"), "302");
    EXPECT_EQ(get("/records.rec"), "404");
}

}  // namespace
}  // namespace kv
