// Explicit TLS (AUTH TLS) in the FTP client: real servers that require it on control and data
// connections, and a scripted server for certificates and for what real servers don't do.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "EnvGuard.h"
#include "NetTestUtil.h"
#include "PyFtpd.h"
#include "ScriptServer.h"
#include "TempDir.h"
#include "TlsPeers.h"
#include "net/FtpClient.h"

namespace kv {
namespace {

using test::ErrorOf;

// The certificates of the test binary, made once.
const test::TestCertificates& Certs() {
    static const test::TestCertificates certs;
    return certs;
}

struct TlsClient {
    TFtpClient ftp;
    test::TestPump pump;
    test::EnvGuard trust{"SSL_CERT_FILE"};

    // `trustCa`: the test CA is the trust store; otherwise an empty one.
    TlsClient(int port, TlsMode mode, bool trustCa, const std::string& user = "kvelli99") {
        ::setenv("SSL_CERT_FILE", trustCa ? Certs().caFile.c_str() : "/dev/null", 1);
        ftp.Host = "127.0.0.1";
        ftp.Port = port;
        ftp.UserID = user;
        ftp.Password = "quillon84";
        ftp.Tls = mode;
        pump.Install(ftp, std::chrono::seconds(60));
    }
};

// --- Real servers: every data connection over TLS, resuming the control connection's session ---

struct RealCase {
    const char* name;
    bool vsftpd;  // else pyftpdlib
    bool tls12Only;
    bool passive;
    const char* protocol;
};

class TlsRealServer : public ::testing::TestWithParam<RealCase> {};

INSTANTIATE_TEST_SUITE_P(Servers, TlsRealServer,
                         ::testing::Values(RealCase{"Vsftpd13Passive", true, false, true, "TLSv1.3"},
                                           RealCase{"Vsftpd13Active", true, false, false, "TLSv1.3"},
                                           RealCase{"Vsftpd12Passive", true, true, true, "TLSv1.2"},
                                           RealCase{"Vsftpd12Active", true, true, false, "TLSv1.2"},
                                           RealCase{"PyftpdlibPassive", false, false, true, "TLSv1.3"}),
                         [](const auto& info) { return info.param.name; });

TEST_P(TlsRealServer, SessionOfDownloadsAndUploads) {
    const RealCase& c = GetParam();
    const std::string table = "Carl_100\r\n";
    std::unique_ptr<test::Vsftpd> vs;
    std::unique_ptr<test::PyFtpd> py;
    if (c.vsftpd) {
        vs = std::make_unique<test::Vsftpd>(test::VsftpdOptions{
            Certs().signedCert, Certs().signedKey, c.tls12Only, {{"WWW/records.rec", table}}});
    } else {
        test::PyFtpdOptions o;
        o.binaryByDefault = true;
        o.files = {{"WWW/records.rec", table}};
        o.tlsCert = Certs().signedCert;
        o.tlsKey = Certs().signedKey;
        py = std::make_unique<test::PyFtpd>(o);
    }
    auto stored = [&](const std::string& name) {
        return vs ? vs->Read("WWW/" + name) : py->Read("WWW/" + name);
    };
    test::TempDir dir;
    const std::string blob = test::RandomBytes(1024 * 1024 + 3, 5);
    dir.Write("blob.bin", blob);

    TlsClient t(vs ? vs->port() : py->port(), TlsMode::Required, true, vs ? "anonymous" : "kvelli99");
    t.ftp.Passive = c.passive;
    t.ftp.Connect();
    EXPECT_EQ(t.ftp.TlsProtocol(), c.protocol);
    t.ftp.ChangeDirectory("WWW");
    // Four data connections on one session: vsftpd refuses any that is not resumed.
    t.ftp.Download("records.rec", dir.File("kvelint.rec"));
    t.ftp.Upload(dir.File("blob.bin"), "blob.bin");
    t.ftp.Upload(dir.File("kvelint.rec"), "copy.rec");
    t.ftp.Download("blob.bin", dir.File("back.bin"));
    t.ftp.Disconnect();
    EXPECT_EQ(dir.Read("kvelint.rec"), table);
    EXPECT_TRUE(stored("blob.bin") == blob);
    EXPECT_EQ(stored("copy.rec"), table);
    EXPECT_TRUE(dir.Read("back.bin") == blob);
}

// --- A scripted server: certificates, policies and broken handshakes ---

enum class After234 { Handshake, Close, Garbage, Stall };

struct ScriptCase {
    const char* name;
    TlsMode mode;
    bool refuseAuth;  // 500 to AUTH TLS
    After234 after;
    bool selfSigned;
    bool trustCa;
    std::string pin;
    bool download;      // a RETR whose data connection comes in plain after PROT P
    std::string error;  // the start of the error; empty: the login succeeds
};

// Answers the login, PBSZ, PROT, one passive RETR (its data in plain) and QUIT, until the client
// goes away.
void Respond(test::Peer& p) {
    try {
        for (;;) {
            const std::string line = p.Line();
            if (line.rfind("USER ", 0) == 0) {
                p.Send("331 Password required.\r\n");
            } else if (line.rfind("PASS ", 0) == 0) {
                p.Send("230 Logged in.\r\n");
            } else if (line == "PBSZ 0" || line == "PROT P") {
                p.Send("200 OK.\r\n");
            } else if (line == "PASV") {
                p.AnswerPasv();
                p.Expect("RETR ");
                p.Send("150 Opening data connection.\r\n");
                test::DataConn data = p.AcceptPassive();
                data.Send("Mallory_999999\r\n");
                data.Close();
                p.Send("226 Transfer complete.\r\n");
            } else if (line == "QUIT") {
                p.Send("221 Goodbye.\r\n");
                return;
            } else {
                p.Send("502 Not implemented.\r\n");
            }
        }
    } catch (const test::ScriptFailure&) {
        // The client went away.
    }
}

class TlsScripted : public ::testing::TestWithParam<ScriptCase> {};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char ch) { return std::tolower(ch); });
    s.erase(std::remove(s.begin(), s.end(), ':'), s.end());
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TlsScripted,
    ::testing::Values(
        ScriptCase{"TrustedThroughTheCa", TlsMode::Required, false, After234::Handshake, false, true, "",
                   false, ""},
        ScriptCase{"UntrustedCaRefused", TlsMode::Auto, false, After234::Handshake, false, false, "", false,
                   "Сертификат сервера 127.0.0.1"},
        ScriptCase{"SelfSignedRefused", TlsMode::Required, false, After234::Handshake, true, true, "", false,
                   "Сертификат сервера 127.0.0.1 не прошёл проверку (self-signed certificate)"},
        ScriptCase{"SelfSignedPinned", TlsMode::Required, false, After234::Handshake, true, false, "self",
                   false, ""},
        ScriptCase{"SelfSignedOtherPin", TlsMode::Required, false, After234::Handshake, true, false, "signed",
                   false, "Сертификат сервера"},
        ScriptCase{"ClosedAfter234", TlsMode::Auto, false, After234::Close, false, true, "", false,
                   "TLS handshake with 127.0.0.1 failed: "},  // a close, or the reset of the hello
        ScriptCase{"GarbageInsteadOfHandshake", TlsMode::Auto, false, After234::Garbage, false, true, "",
                   false, "TLS handshake with 127.0.0.1 failed: "},
        ScriptCase{"StalledHandshake", TlsMode::Auto, false, After234::Stall, false, true, "", false,
                   "Connection Timed out (idle for 0.5 s)"},
        ScriptCase{"PlainDataAfterProtP", TlsMode::Required, false, After234::Handshake, false, true, "",
                   true, "TLS handshake on the data connection failed: "},
        ScriptCase{"AutoGoesPlainWhenRefused", TlsMode::Auto, true, After234::Handshake, false, true, "",
                   false, ""},
        ScriptCase{"RequiredEndsWhenRefused", TlsMode::Required, true, After234::Handshake, false, true, "",
                   false, "TLS is required, but the server refuses it: 500 AUTH not understood."},
        ScriptCase{"OffAsksNothing", TlsMode::Off, false, After234::Handshake, false, true, "", false, ""}),
    [](const auto& info) { return info.param.name; });

TEST_P(TlsScripted, LoginOrClearError) {
    const ScriptCase& c = GetParam();
    const std::string cert = c.selfSigned ? Certs().selfCert : Certs().signedCert;
    const std::string key = c.selfSigned ? Certs().selfKey : Certs().signedKey;
    test::ScriptServer server([&](test::Peer& p) {
        p.Send("220 Scripted server ready.\r\n");
        if (c.mode != TlsMode::Off) {
            p.Expect("AUTH TLS");
            if (c.refuseAuth) {
                p.Send("500 AUTH not understood.\r\n");
                return Respond(p);
            }
            p.Send("234 Proceed with negotiation.\r\n");
            switch (c.after) {
                case After234::Close:
                    return p.Close();
                case After234::Garbage:
                    p.Send(std::string(2000, 'x') + "\r\n");
                    break;
                case After234::Stall:
                    p.WaitClosed(5000);
                    return;
                case After234::Handshake:
                    if (!p.StartTls(cert, key)) return;
                    break;
            }
        }
        Respond(p);
    });
    test::TempDir dir;
    dir.Write("kvelint.rec", "Old_1\r\n");
    TlsClient t(server.port(), c.mode, c.trustCa);
    t.ftp.IdleLimit = 500;
    t.ftp.Passive = true;
    t.ftp.TlsFingerprint = c.pin == "self"     ? Lower(Certs().selfFingerprint)
                           : c.pin == "signed" ? Certs().signedFingerprint
                                               : "";
    const std::string error = ErrorOf([&] {
        t.ftp.Connect();
        if (c.download) t.ftp.Download("records.rec", dir.File("kvelint.rec"));
    });
    t.ftp.Disconnect();
    EXPECT_EQ(server.Finish(), "");
    const std::vector<std::string> lines = server.Lines();
    if (c.error.empty())
        EXPECT_EQ(error, "(no error)");
    else
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    // The box names what was seen, and the key that would accept it.
    if (c.error.rfind("Сертификат", 0) == 0) {
        EXPECT_NE(error.find(c.selfSigned ? Certs().selfFingerprint : Certs().signedFingerprint),
                  std::string::npos);
        EXPECT_NE(error.find("TlsFingerprint"), std::string::npos);
    }
    // The password goes only over a connection that verified, or in the clear when asked to.
    const bool userSent = c.error.empty() || c.download;
    EXPECT_EQ(std::any_of(lines.begin(), lines.end(), [](auto& l) { return l.rfind("USER", 0) == 0; }),
              userSent);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "AUTH TLS"), c.mode == TlsMode::Off ? 0 : 1);
    if (c.mode == TlsMode::Off) {  // byte for byte the dialogue without TLS
        EXPECT_EQ(lines, (std::vector<std::string>{"USER kvelli99", "PASS quillon84", "QUIT"}));
    }
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "PROT P"),
              userSent && !c.refuseAuth && c.mode != TlsMode::Off ? 1 : 0);
    EXPECT_EQ(dir.Read("kvelint.rec"), "Old_1\r\n");
}

}  // namespace
}  // namespace kv
