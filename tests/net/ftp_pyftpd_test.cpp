// The FTP client against a real server (pyftpdlib on 127.0.0.1), in active and in passive mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "NetTestUtil.h"
#include "PyFtpd.h"
#include "TempDir.h"
#include "net/FtpClient.h"

namespace kv {
namespace {

using test::ErrorOf;
using test::PyFtpd;
using test::PyFtpdOptions;
using test::TestPump;

struct RealClient {
    TFtpClient ftp;
    TestPump pump;
    std::vector<std::string> statuses;
    std::vector<int> successes;

    RealClient(const PyFtpd& server, bool passive) {
        ftp.Host = "127.0.0.1";
        ftp.Port = server.port();
        ftp.UserID = "kvelli99";
        ftp.Password = "quillon84";
        ftp.Passive = passive;
        ftp.ReportLevel = 1;
        ftp.OnStatus = [this](TSockTransport&, const std::string& s) { statuses.push_back(s); };
        ftp.OnSuccess = [this](TCmdType k) { successes.push_back(k); };
        pump.Install(ftp, std::chrono::seconds(60));
    }
};

class RealServer : public ::testing::TestWithParam<bool> {};

INSTANTIATE_TEST_SUITE_P(Modes, RealServer, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Passive" : "Active"; });

TEST_P(RealServer, SessionWithTextAndBinaryFilesAndASecondLogin) {
    PyFtpdOptions options;
    options.binaryByDefault = true;  // as a server without line-end conversion stores them
    options.files = {{"WWW/records.rec", "Player_100\r\nOther_50\r\n"}};
    PyFtpd server(options);
    test::TempDir dir;
    const std::string binary = test::RandomBytes(2 * 1024 * 1024 + 5, 11);
    dir.Write("blob.bin", binary);
    dir.Write("table.html", "<html>\r\n<body>table</body>\r\n</html>\r\n");

    // The local copy is a link into a shared folder: the download replaces what it leads to.
    std::filesystem::create_directories(dir.File("shared"));
    dir.Write("shared/kvelint.rec", "old\r\n");
    std::filesystem::create_symlink("shared/kvelint.rec", dir.File("kvelint.rec"));

    RealClient c(server, GetParam());
    c.ftp.Connect();
    c.ftp.ChangeDirectory("WWW");
    c.ftp.Download("records.rec", dir.File("kvelint.rec"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("kvelint.rec")));
    EXPECT_EQ(dir.Read("shared/kvelint.rec"), "Player_100\r\nOther_50\r\n");
    EXPECT_EQ(c.ftp.ByteCount(), 22);
    c.ftp.Upload(dir.File("blob.bin"), "blob.bin");
    EXPECT_EQ(c.ftp.ByteCount(), static_cast<std::int64_t>(binary.size()));
    c.ftp.Upload(dir.File("table.html"), "");
    c.ftp.Download("blob.bin", dir.File("back.bin"));
    EXPECT_EQ(c.ftp.ByteCount(), static_cast<std::int64_t>(binary.size()));
    c.ftp.Disconnect();
    EXPECT_FALSE(c.ftp.Connected());
    EXPECT_TRUE(server.Read("WWW/blob.bin") == binary);
    EXPECT_TRUE(dir.Read("back.bin") == binary);
    EXPECT_EQ(server.Read("WWW/table.html"), "<html>\r\n<body>table</body>\r\n</html>\r\n");
    EXPECT_EQ(c.successes, (std::vector<int>{cmdChangeDir, cmdDownload, cmdUpload, cmdUpload, cmdDownload}));
    EXPECT_NE(std::find(c.statuses.begin(), c.statuses.end(), "Received 22 Bytes"), c.statuses.end());
    EXPECT_NE(std::find(c.statuses.begin(), c.statuses.end(), "QUIT"), c.statuses.end());

    // After a disconnect the same client logs in again.
    c.ftp.Connect();
    c.ftp.ChangeDirectory("WWW");
    c.ftp.Download("table.html", dir.File("table2.html"));
    EXPECT_EQ(dir.Read("table2.html"), dir.Read("table.html"));
    c.ftp.Disconnect();
}

TEST_P(RealServer, TextModeRoundTripsLineEnds) {
    // pyftpdlib starts in ASCII: it stores with its own line ends and sends CR LF back.
    PyFtpd server;
    test::TempDir dir;
    dir.Write("kvelint.rec", "Player_100\r\nOther_50\r\n");
    RealClient c(server, GetParam());
    c.ftp.Connect();
    c.ftp.ChangeDirectory("WWW");
    c.ftp.Upload(dir.File("kvelint.rec"), "records.rec");
    EXPECT_EQ(server.Read("WWW/records.rec"), "Player_100\nOther_50\n");
    c.ftp.Download("records.rec", dir.File("back.rec"));
    EXPECT_EQ(dir.Read("back.rec"), "Player_100\r\nOther_50\r\n");
    c.ftp.Disconnect();
}

// A server behind NAT that names another address in its PASV replies (a loopback one here, so that
// a client using it reaches nothing off this machine), and one without passive mode.
TEST(RealServerPassiveFirst, ForeignPasvAddressAndNoPasvAtAll) {
    test::TempDir dir;
    dir.Write("kvelint.rec", "Player_100\r\n");
    for (bool noPassive : {false, true}) {
        PyFtpdOptions options;
        options.binaryByDefault = true;
        options.masqueradeAddress = "127.0.0.2";
        options.noPassive = noPassive;
        PyFtpd server(options);
        RealClient c(server, true);
        c.ftp.Connect();
        c.ftp.ChangeDirectory("WWW");
        c.ftp.Upload(dir.File("kvelint.rec"), "records.rec");
        c.ftp.Download("records.rec", dir.File("back.rec"));
        c.ftp.Disconnect();
        EXPECT_EQ(server.Read("WWW/records.rec"), "Player_100\r\n") << noPassive;
        EXPECT_EQ(dir.Read("back.rec"), "Player_100\r\n") << noPassive;
        EXPECT_EQ(c.successes, (std::vector<int>{cmdChangeDir, cmdUpload, cmdDownload})) << noPassive;
        const bool sentPort = std::any_of(c.statuses.begin(), c.statuses.end(),
                                          [](const std::string& s) { return s.rfind("200 Active", 0) == 0; });
        EXPECT_EQ(sentPort, noPassive);
        const bool named = std::any_of(c.statuses.begin(), c.statuses.end(), [](const std::string& s) {
            return s.rfind("227", 0) == 0 && s.find("127,0,0,2,") != std::string::npos;
        });
        EXPECT_EQ(named, !noPassive);
    }
}

TEST_P(RealServer, RefusalsCarryTheServersReply) {
    PyFtpdOptions options;
    options.readOnlyWww = true;
    options.files = {{"WWW/records.rec", "Player_100\r\n"}};
    PyFtpd server(options);
    test::TempDir dir;
    dir.Write("kvelint.rec", "old table");

    RealClient wrong(server, GetParam());
    int failed = 0;
    wrong.ftp.OnConnectionFailed = [&](TSockTransport&) { ++failed; };
    wrong.ftp.Password = "wrong";
    EXPECT_EQ(ErrorOf([&] { wrong.ftp.Connect(); }).substr(0, 4), "530 ");
    EXPECT_EQ(failed, 1);
    EXPECT_FALSE(wrong.ftp.Connected());

    RealClient c(server, GetParam());
    c.ftp.Connect();
    std::string reply = ErrorOf([&] { c.ftp.ChangeDirectory("nowhere"); });
    EXPECT_EQ(reply.substr(0, 4), "550 ");
    EXPECT_EQ(reply.substr(reply.size() - 2), "\r\n");
    c.ftp.ChangeDirectory("WWW");
    EXPECT_EQ(ErrorOf([&] { c.ftp.Download("missing.rec", dir.File("kvelint.rec")); }).substr(0, 4), "550 ");
    EXPECT_EQ(dir.Read("kvelint.rec"), "old table");
    EXPECT_EQ(ErrorOf([&] { c.ftp.Upload(dir.File("kvelint.rec"), "records.rec"); }).substr(0, 4), "550 ");
    EXPECT_EQ(server.Read("WWW/records.rec"), "Player_100\r\n");
    // The session goes on after the refusals.
    c.ftp.Download("records.rec", dir.File("kvelint.rec"));
    EXPECT_EQ(dir.Read("kvelint.rec"), "Player_100\r\n");
    c.ftp.Disconnect();
    EXPECT_EQ(c.successes, (std::vector<int>{cmdChangeDir, cmdDownload}));
}

}  // namespace
}  // namespace kv
