// The FTP client against a scripted server: replies real servers won't give, closes at the wrong
// moment, data connections from elsewhere, and handlers that re-enter or destroy the client.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "NetTestUtil.h"
#include "ScriptServer.h"
#include "TempDir.h"
#include "net/FtpClient.h"
#include "net/ReplyParse.h"

namespace kv {
namespace {

using namespace std::chrono_literals;
using test::DataConn;
using test::ErrorOf;
using test::Peer;
using test::ScriptServer;
using test::TestPump;

// The client as the program sets it up, with every notification recorded.
struct Client {
    TFtpClient ftp;
    TestPump pump;
    std::vector<std::string> statuses;
    std::vector<std::string> events;

    explicit Client(int port, bool passive = false) {
        ftp.Host = "127.0.0.1";
        ftp.Port = port;
        ftp.UserID = "kvelli99";
        ftp.Password = "quillon84";
        ftp.Passive = passive;
        ftp.ReportLevel = 1;
        ftp.OnStatus = [this](TSockTransport&, const std::string& s) { statuses.push_back(s); };
        ftp.OnConnect = [this](TFtpClient&) { events.push_back("connect"); };
        ftp.OnConnectionFailed = [this](TSockTransport&) { events.push_back("connection failed"); };
        ftp.OnSuccess = [this](TCmdType k) { events.push_back("success " + std::to_string(k)); };
        ftp.OnUnSupportedFunction = [this](TCmdType k) {
            events.push_back("unsupported " + std::to_string(k));
        };
        ftp.OnTransactionStart = [this](TFtpClient&) { events.push_back("start"); };
        ftp.OnTransactionStop = [this](TFtpClient&) { events.push_back("stop"); };
        pump.Install(ftp);
    }
    bool Said(const std::string& status) const {
        return std::find(statuses.begin(), statuses.end(), status) != statuses.end();
    }
};

void Quit(Peer& p) {
    p.Expect("QUIT");
    try {
        p.Send("221 Goodbye.\r\n");
    } catch (const test::ScriptFailure&) {
        // The client may already have closed with a reset.
    }
}

// Only the target itself in the directory: no temporary file was left behind.
std::size_t EntriesIn(const std::string& dir) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
}

TEST(FtpLogin, MultiLineRepliesAndAPasswordNeverReported) {
    ScriptServer server([](Peer& p) {
        p.Send("220-Welcome to the results server\r\n220-Be nice\r\n220 Ready.\r\n");
        p.Expect("USER kvelli99");
        p.Send("331 Password required for kvelli99.\r\n");
        p.Expect("PASS quillon84");
        p.Send("230-Welcome, player\r\n230 Logged in.\r\n");
        p.Expect("NOOP");
        p.Send("200 NOOP ok.\r\n");
        Quit(p);
    });
    Client c(server.port());
    c.ftp.ReportLevel = 8;
    c.ftp.Connect();
    EXPECT_TRUE(c.ftp.Connected());
    c.ftp.SendCommand("NOOP");
    EXPECT_EQ(c.ftp.ReplyCode(), 200);  // the rest of the 230 reply did not stand in for it
    c.ftp.Disconnect();
    EXPECT_FALSE(c.ftp.Connected());
    EXPECT_EQ(c.events, (std::vector<std::string>{"connect", "success 14"}));
    for (const char* s : {"220-Welcome to the results server", "220-Be nice", "220 Ready.", "USER kvelli99",
                          "PASS ", "230-Welcome, player", "230 Logged in.", "QUIT", "221 Goodbye."})
        EXPECT_TRUE(c.Said(s)) << s;
    for (const auto& s : c.statuses)
        EXPECT_EQ(s.find("quillon84"), std::string::npos) << s;
    EXPECT_EQ(c.ftp.Vendor, 2411);
    EXPECT_EQ(server.Finish(), "");
}

TEST(FtpLogin, ReplyCodesOfUserAndPass) {
    ScriptServer server(
        [](Peer& p) {
            static int round = 0;
            switch (round++) {
                case 0:  // USER answered with 230: no PASS
                    p.Send("220 Ready.\r\n");
                    p.Expect("USER kvelli99");
                    p.Send("230 No password needed.\r\n");
                    break;
                case 1:  // PASS refused
                    p.Send("220 Ready.\r\n");
                    p.Expect("USER kvelli99");
                    p.Send("331 Password required.\r\n");
                    p.Expect("PASS quillon84");
                    p.Send("530 Login incorrect.\r\n");
                    break;
                case 2:  // exactly 400 is no refusal at login
                    p.Send("400 Odd greeting.\r\n");
                    p.Expect("USER kvelli99");
                    p.Send("400 Odd but fine.\r\n");
                    p.Expect("NOOP");
                    p.Send("400 But not for a command.\r\n");
                    break;
                default:  // a greeting above 400
                    p.Send("421 Too many users.\r\n");
                    break;
            }
            Quit(p);
        },
        4);
    {
        Client c(server.port());
        c.ftp.Connect();
        EXPECT_EQ(c.events, (std::vector<std::string>{"connect"}));
        c.ftp.Disconnect();
    }
    {
        Client c(server.port());
        EXPECT_EQ(ErrorOf([&] { c.ftp.Connect(); }), "530 Login incorrect.\r\n");
        EXPECT_EQ(c.events, (std::vector<std::string>{"connection failed"}));
        EXPECT_FALSE(c.ftp.Connected());
        EXPECT_TRUE(c.Said("Disconnected"));
    }
    {
        Client c(server.port());
        c.ftp.Connect();
        EXPECT_EQ(c.events, (std::vector<std::string>{"connect"}));
        try {
            c.ftp.SendCommand("NOOP");
            FAIL() << "a command answered with 400 was taken";
        } catch (const FTPException& e) {
            EXPECT_EQ(e.ReplyLine(), "400 But not for a command.\r\n");
        }
        c.ftp.Disconnect();
    }
    {
        Client c(server.port());
        EXPECT_EQ(ErrorOf([&] { c.ftp.Connect(); }), "421 Too many users.\r\n");
        EXPECT_EQ(c.events, (std::vector<std::string>{"connection failed"}));
        EXPECT_FALSE(c.ftp.Connected());
    }
    auto lines = server.Lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "PASS quillon84"), 1);
    EXPECT_EQ(server.Finish(), "");
}

TEST(FtpLogin, ServersThatCloseOrSendHostileReplies) {
    ScriptServer server(
        [](Peer& p) {
            static int round = 0;
            switch (round++) {
                case 0:
                    p.Close();
                    return;  // gone before its greeting
                case 1:
                    p.Send(std::string(70000, 'x') + "\r\n");
                    break;
                case 2:  // gone instead of answering USER: no login
                    p.Send("220 Ready.\r\n");
                    p.Expect("USER kvelli99");
                    p.Close();
                    return;
                case 3:  // gone instead of answering RETR: no wait for a data connection
                    p.Login();
                    p.Expect("PORT ");
                    p.Send("200 PORT command successful.\r\n");
                    p.Expect("RETR records.rec");
                    p.Close();
                    return;
                default:
                    p.Send("220 Ready.\r\n");
                    p.Expect("USER kvelli99");
                    p.Send("99999 What?\r\n");
                    break;
            }
            Quit(p);
        },
        5);
    {
        Client c(server.port());
        EXPECT_EQ(ErrorOf([&] { c.ftp.Connect(); }), "10057: Socket is not connected");
        EXPECT_EQ(c.ftp.ReplyCode(), 0);
        EXPECT_FALSE(c.ftp.Connected());
        EXPECT_TRUE(c.events.empty());
    }
    {
        Client c(server.port());
        EXPECT_EQ(ErrorOf([&] { c.ftp.Connect(); }), "10040: Message too long");
        EXPECT_FALSE(c.ftp.Connected());
    }
    {
        Client c(server.port());
        EXPECT_EQ(ErrorOf([&] { c.ftp.Connect(); }), "Not Connected");
        EXPECT_TRUE(c.events.empty());
        EXPECT_FALSE(c.ftp.Connected());
    }
    {
        test::TempDir dir;
        Client c(server.port());
        c.ftp.Connect();
        EXPECT_EQ(ErrorOf([&] { c.ftp.Download("records.rec", dir.File("kvelint.rec")); }), "Not Connected");
        EXPECT_FALSE(dir.Exists("kvelint.rec"));
    }
    {
        Client c(server.port());
        EXPECT_THROW(c.ftp.Connect(), EConvertError);
        EXPECT_FALSE(c.ftp.Connected());
        EXPECT_TRUE(c.events.empty());
    }
    EXPECT_EQ(server.Finish(), "");
}

TEST(FtpLogin, ProxyAndFirewallVariants) {
    ScriptServer server(
        [](Peer& p) {
            static int round = 0;
            p.Send("220 Proxy ready.\r\n");
            switch (round++) {
                case 0:
                    p.Expect("USER kvelli99@ftp.results.test");
                    break;
                case 1:
                    p.Expect("OPEN ftp.results.test");
                    p.Send("220 Connected.\r\n");
                    p.Expect("USER kvelli99");
                    break;
                case 2:
                    p.Expect("SITE ftp.results.test");
                    p.Send("220 Connected.\r\n");
                    p.Expect("USER kvelli99");
                    break;
                default:
                    p.Expect("USER fwuser");
                    p.Send("331 Firewall password.\r\n");
                    p.Expect("PASS fwsecret");
                    p.Send("230 Through the firewall.\r\n");
                    p.Expect("USER kvelli99");
                    break;
            }
            p.Send("331 Password required.\r\n");
            p.Expect("PASS quillon84");
            p.Send("230 Logged in.\r\n");
            Quit(p);
        },
        4);
    for (TFirewallType type : {FTUser, FtOpen, FtSite}) {
        Client c(0);
        // The proxy is reached; the results server's name goes to it and is never looked up here.
        c.ftp.Host = "ftp.results.test";
        c.ftp.Proxy = "127.0.0.1";
        c.ftp.ProxyPort = server.port();
        c.ftp.FirewallType = type;
        c.ftp.Connect();
        EXPECT_EQ(c.events, (std::vector<std::string>{"connect"})) << type;
        c.ftp.Disconnect();
    }
    Client c(server.port());
    c.ftp.FWAuthenticate = true;
    c.ftp.FWUserID = "fwuser";
    c.ftp.FWPassword = "fwsecret";
    c.ftp.Connect();
    EXPECT_EQ(c.events, (std::vector<std::string>{"connect"}));
    c.ftp.Disconnect();
    EXPECT_EQ(server.Finish(), "");
}

TEST(FtpLogin, AuthenticationNeededWhenAValueIsMissing) {
    ScriptServer server([](Peer& p) {
        p.Send("220 Ready.\r\n");
        p.Expect("USER kvelli99");
        p.Send("230 Fine without.\r\n");
        Quit(p);
    });
    Client c(server.port());
    c.ftp.Password = "";
    int asked = 0;
    c.ftp.OnAuthenticationNeeded = [&](bool&) { ++asked; };
    c.ftp.Connect();
    EXPECT_EQ(asked, 1);
    c.ftp.Disconnect();
    EXPECT_EQ(server.Finish(), "");
}

TEST(FtpCommand, KindsRefusalsAndTheHandledFlag) {
    ScriptServer server([](Peer& p) {
        p.Login();
        const std::pair<const char*, const char*> dialogue[] = {
            {"CWD WWW", "250 Directory changed.\r\n"},
            {"CWD nowhere", "550 No such directory.\r\n"},
            {"MKD x", "550 Permission denied.\r\n"},
            {"SITE HELP", "502 Not implemented.\r\n"},
            {"PWD", "257 \"/WWW\" is current.\r\n"},
            {"DELE a", "250 Deleted.\r\n"},
            {"RMD d", "250 Removed.\r\n"},
        };
        for (const auto& [command, reply] : dialogue) {
            p.Expect(command);
            p.Send(reply);
        }
        p.Expect("QUIT");
        p.Send("500 QUIT refused.\r\n");
        p.WaitClosed();
    });
    Client c(server.port());
    c.ftp.Connect();
    c.ftp.ChangeDirectory("WWW");
    try {
        c.ftp.ChangeDirectory("nowhere");
        FAIL() << "no refusal";
    } catch (const FTPException& e) {
        EXPECT_EQ(e.ReplyLine(), "550 No such directory.\r\n");
    }
    c.ftp.OnFailure = [&](bool& handled, TCmdType k) {
        c.events.push_back("failure " + std::to_string(k));
        handled = true;
    };
    c.ftp.SendCommand("MKD x");
    c.ftp.SendCommand("SITE HELP");
    c.ftp.SendCommand("PWD");
    c.ftp.SendCommand("DELE a");
    c.ftp.SendCommand("RMD d");
    EXPECT_EQ(c.events, (std::vector<std::string>{"connect", "success 0", "failure 1", "unsupported 14",
                                                  "failure 14", "success 15", "success 2", "success 3"}));
    // A refused QUIT is reported after the socket has been closed.
    c.ftp.Vendor = 5;
    EXPECT_EQ(ErrorOf([&] { c.ftp.Disconnect(); }), "500 QUIT refused.\r\n");
    EXPECT_FALSE(c.ftp.Connected());
    EXPECT_EQ(c.ftp.Vendor, 2411);
    EXPECT_EQ(ErrorOf([&] { c.ftp.SendCommand("NOOP"); }), "Not Connected");
    EXPECT_EQ(server.Finish(), "");
}

TEST(FtpDownload, ActiveModeWithAndWithoutAByteCount) {
    std::string portLine;
    ScriptServer server([&](Peer& p) {
        p.Login();
        for (int i = 0; i < 2; ++i) {
            portLine = p.Expect("PORT ");
            p.Send("200 PORT command successful.\r\n");
            p.Expect("RETR records.rec");
            p.Send(i == 0 ? "150 Opening data connection for records.rec (11 bytes).\r\n"
                          : "150 Opening data connection for records.rec.\r\n");
            DataConn d = Peer::ConnectActive(portLine);
            d.Send(i == 0 ? "hello world" : "second");
            d.Close();
            p.Send(i == 0 ? "226 Transfer complete.\r\n" : "426 Connection closed; transfer aborted.\r\n");
        }
        Quit(p);
    });
    test::TempDir dir;
    Client c(server.port());
    std::vector<std::int64_t> countsAtStart;
    c.ftp.OnTransactionStart = [&](TFtpClient& f) { countsAtStart.push_back(f.ByteCount()); };
    c.ftp.Connect();
    c.ftp.Download("records.rec", dir.File("kvelint.rec"));
    EXPECT_EQ(dir.Read("kvelint.rec"), "hello world");
    EXPECT_EQ(c.ftp.ByteCount(), 11);
    EXPECT_TRUE(c.Said("Received 11 Bytes"));
    // A closing reply of 426: the server broke the transfer off, and what came is not kept.
    EXPECT_EQ(ErrorOf([&] { c.ftp.Download("records.rec", dir.File("kvelint.rec")); }),
              "426 Connection closed; transfer aborted.\r\n");
    EXPECT_EQ(dir.Read("kvelint.rec"), "hello world");
    EXPECT_EQ(countsAtStart, (std::vector<std::int64_t>{11, 0}));
    EXPECT_EQ(c.events, (std::vector<std::string>{"connect", "stop", "success 8", "stop"}));
    c.ftp.Disconnect();
    EXPECT_EQ(server.Finish(), "");
    // The PORT command names the control connection's local address.
    EXPECT_EQ(portLine.rfind("PORT 127,0,0,1,", 0), 0u);
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(FtpDownload, ActiveModeTurnsAwayAForeignDataConnection) {
    bool foreignClosed = false;
    ScriptServer server([&](Peer& p) {
        p.Login();
        std::string portLine = p.Expect("PORT ");
        p.Send("200 PORT command successful.\r\n");
        p.Expect("RETR records.rec");
        p.Send("150 Opening data connection.\r\n");
        // Someone else on the network gets in first: 127.0.0.2 is not the server's address.
        DataConn intruder = Peer::ConnectActive(portLine, "127.0.0.2");
        try {
            // The client may turn it away before the send: then the send meets the reset.
            intruder.Send("forged records");
            foreignClosed = intruder.ReadAll().empty();
        } catch (const test::ScriptFailure&) {
            foreignClosed = true;  // closed with a reset
        }
        DataConn d = Peer::ConnectActive(portLine, "127.0.0.1");
        d.Send("genuine records");
        d.Close();
        p.Send("226 Transfer complete.\r\n");
        Quit(p);
    });
    test::TempDir dir;
    Client c(server.port());
    c.ftp.Connect();
    c.ftp.Download("records.rec", dir.File("kvelint.rec"));
    EXPECT_EQ(dir.Read("kvelint.rec"), "genuine records");
    c.ftp.Disconnect();
    EXPECT_EQ(server.Finish(), "");
    EXPECT_TRUE(foreignClosed);
}

TEST(FtpDownload, RefusedOrBrokenTransfersLeaveTheLocalFileAlone) {
    ScriptServer server([](Peer& p) {
        p.Login();
        p.Expect("PASV");
        p.AnswerPasv();
        p.Expect("RETR records.rec");
        p.Send("550 records.rec: No such file.\r\n");
        p.Expect("PASV");
        p.Send("227 Entering Passive Mode (127,0,0,1,a,b).\r\n");
        p.Expect("PASV");
        p.Send("227 Entering Passive Mode (127,0,0,1,4,1.\r\n");
        // The server dies half-way through a transfer.
        DataConn d = p.OpenPassive("RETR records.rec", "150 Opening data connection (100000 bytes).\r\n");
        d.Send(std::string(50000, 'r'));
        d.Close();
        p.Close();
    });
    test::TempDir dir;
    dir.Write("kvelint.rec", "old table");
    Client c(server.port(), true);
    std::vector<int> offered;
    c.ftp.Connect();
    EXPECT_EQ(ErrorOf([&] { c.ftp.Download("records.rec", dir.File("kvelint.rec")); }),
              "550 records.rec: No such file.\r\n");
    c.ftp.OnFailure = [&](bool&, TCmdType k) { offered.push_back(k); };
    EXPECT_EQ(ErrorOf([&] { c.ftp.Download("records.rec", dir.File("kvelint.rec")); }),
              "'a' is not a valid integer value");
    EXPECT_THROW(c.ftp.Download("records.rec", dir.File("kvelint.rec")), EConvertError);
    EXPECT_EQ(ErrorOf([&] { c.ftp.Download("records.rec", dir.File("kvelint.rec")); }), "Not Connected");
    EXPECT_EQ(offered, (std::vector<int>{8, 8, 8}));
    EXPECT_EQ(dir.Read("kvelint.rec"), "old table");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
    EXPECT_EQ(std::count(c.events.begin(), c.events.end(), "success 8"), 0);
    EXPECT_FALSE(c.ftp.Connected());
    EXPECT_EQ(server.Finish(), "");
}

// Behind a home router that masquerades, a server refuses a PORT naming the private address (as
// vsftpd does); passive mode goes through. A server that refuses PASV still gets PORT.
TEST(FtpTransfer, PassiveFirstWithPortAsTheFallback) {
    std::string stored;
    ScriptServer server([&](Peer& p) {
        p.Login();
        // A server behind its own NAT names a private address, or none at all. Here another
        // loopback address stands for the private one: nobody listens there, and a client that
        // used it would reach nothing off this machine.
        p.Expect("PASV");
        p.AnswerPasv("127,0,0,2");
        p.Expect("RETR records.rec");
        p.Send("150 Opening data connection for records.rec (5 bytes).\r\n");
        p.AcceptPassive().Send("table");
        p.Send("226 Transfer complete.\r\n");
        p.Expect("PASV");
        p.AnswerPasv("0,0,0,0");
        p.Expect("STOR records.rec");
        p.Send("150 Ok to send data.\r\n");
        stored = p.AcceptPassive().ReadAll();
        p.Send("226 Transfer complete.\r\n");
        // A server without passive mode.
        p.Expect("PASV");
        p.Send("500 Unknown command.\r\n");
        std::string portLine = p.Expect("PORT ");
        p.Send("200 PORT command successful.\r\n");
        p.Expect("RETR records.rec");
        p.Send("150 Opening data connection.\r\n");
        Peer::ConnectActive(portLine).Send("active");
        p.Send("226 Transfer complete.\r\n");
        Quit(p);
    });
    test::TempDir dir;
    Client c(server.port(), true);
    std::vector<int> offered;
    c.ftp.OnFailure = [&](bool&, TCmdType k) { offered.push_back(k); };
    c.ftp.Connect();
    c.ftp.Download("records.rec", dir.File("kvelint.rec"));
    EXPECT_EQ(dir.Read("kvelint.rec"), "table");
    c.ftp.Upload(dir.File("kvelint.rec"), "records.rec");
    c.ftp.Download("records.rec", dir.File("kvelint.rec"));
    EXPECT_EQ(dir.Read("kvelint.rec"), "active");
    c.ftp.Disconnect();
    EXPECT_EQ(server.Finish(), "");
    EXPECT_EQ(stored, "table");
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(std::count(c.events.begin(), c.events.end(), "success 8"), 2);
    for (const auto& line : server.Lines())
        EXPECT_NE(line.rfind("TYPE", 0), 0u) << line;
}

// A server that breaks a transfer off has not transferred: nothing of it is kept or confirmed.
TEST(FtpTransfer, BrokenOffTransfersAreFailures) {
    ScriptServer server([](Peer& p) {
        p.Login();
        {
            DataConn d = p.OpenPassive("RETR records.rec", "150 Opening data connection (20 bytes).\r\n");
            d.Send("half a ta");
        }
        p.Send("426 Connection closed; transfer aborted.\r\n");
        {
            DataConn d = p.OpenPassive("RETR records.rec", "150 Opening data connection (20 bytes).\r\n");
            d.Send("half a ta");
        }
        p.Send("226 Transfer complete.\r\n");
        p.OpenPassive("STOR records.rec", "150 Ok to send data.\r\n").ReadAll();
        p.Send("451 Failure writing to local file.\r\n");
        Quit(p);
    });
    test::TempDir dir;
    dir.Write("kvelint.rec", "old table");
    Client c(server.port(), true);
    c.ftp.Connect();
    EXPECT_EQ(ErrorOf([&] { c.ftp.Download("records.rec", dir.File("kvelint.rec")); }),
              "426 Connection closed; transfer aborted.\r\n");
    EXPECT_EQ(ErrorOf([&] { c.ftp.Download("records.rec", dir.File("kvelint.rec")); }),
              "Transfer incomplete: received 9 of 20 bytes");
    EXPECT_EQ(dir.Read("kvelint.rec"), "old table");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
    EXPECT_THROW(c.ftp.Upload(dir.File("kvelint.rec"), "records.rec"), FTPException);
    c.ftp.Disconnect();
    EXPECT_EQ(server.Finish(), "");
    EXPECT_EQ(std::count_if(c.events.begin(), c.events.end(),
                            [](const std::string& e) { return e.rfind("success", 0) == 0; }),
              0);
}

// TimeOut 0 leaves the waits open; the bounds still end them, and the connection is given up, so
// that no farewell waits once more.
TEST(FtpTransfer, SilentServersEndWithinTheBound) {
    ScriptServer server(
        [](Peer& p) {
            static int round = 0;
            switch (round++) {
                case 0: {  // 150 and then silence
                    p.Login();
                    DataConn d = p.OpenPassive("RETR records.rec");
                    p.WaitClosed();
                    return;
                }
                case 1:  // the data connection never comes
                    p.Login();
                    p.Expect("PORT ");
                    p.Send("200 PORT command successful.\r\n");
                    p.Expect("RETR records.rec");
                    p.Send("150 Opening data connection.\r\n");
                    p.WaitClosed();
                    return;
                default:  // no answer to USER
                    p.Send("220 Ready.\r\n");
                    p.Expect("USER kvelli99");
                    p.WaitClosed();
                    return;
            }
        },
        3);
    test::TempDir dir;
    for (int round = 0; round < 3; ++round) {
        Client c(server.port(), round == 0);
        c.ftp.IdleLimit = 300;
        c.ftp.ConnectLimit = 300;
        const auto start = std::chrono::steady_clock::now();
        std::string error;
        if (round < 2) {
            c.ftp.Connect();
            error = ErrorOf([&] { c.ftp.Download("records.rec", dir.File("kvelint.rec")); });
        } else {
            error = ErrorOf([&] { c.ftp.Connect(); });
        }
        c.ftp.Disconnect();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 2s) << round;
        EXPECT_EQ(error, round == 1 ? "Connection Timed out (no data connection within 0.3 s)"
                                    : "Connection Timed out (idle for 0.3 s)")
            << round;
        EXPECT_FALSE(c.ftp.Connected());
        EXPECT_LT(c.pump.runs, 200) << "the wait spun";
    }
    EXPECT_FALSE(dir.Exists("kvelint.rec"));
    EXPECT_EQ(EntriesIn(dir.path()), 0u);
    EXPECT_EQ(server.Finish(), "");
    // A connect that is never answered.
    test::FullListener full;
    TSockTransport t;
    t.Host = "127.0.0.1";
    t.Port = full.port();
    t.ConnectLimit = 300;
    EXPECT_EQ(ErrorOf([&] { t.Connect(); }), "Connection Timed out");
}

TEST(FtpUpload, WholeFilesInBothModesAndRefusals) {
    const std::string payload = test::RandomBytes(700 * 1024 + 3);
    std::string stored1, stored2;
    ScriptServer server([&](Peer& p) {
        p.Login();
        DataConn d1 = p.OpenPassive("STOR records.rec", "150 Ok to send data.\r\n");
        stored1 = d1.ReadAll();
        p.Send("226 Transfer complete.\r\n");
        // An empty remote name stores under the local file's own name.
        std::string portLine = p.Expect("PORT ");
        p.Send("200 PORT command successful.\r\n");
        p.Expect("STOR table.html");
        p.Send("150 Ok to send data.\r\n");
        DataConn d2 = Peer::ConnectActive(portLine);
        stored2 = d2.ReadAll();
        p.Send("226 Transfer complete.\r\n");
        p.Expect("PORT ");
        p.Send("200 PORT command successful.\r\n");
        p.Expect("STOR records.rec");
        p.Send("553 Could not create file.\r\n");
        p.Expect("PORT ");
        p.Send("200 PORT command successful.\r\n");
        p.Expect("STOR records.rec");
        p.Send("502 STOR not implemented.\r\n");
        Quit(p);  // a missing local file sent nothing at all
    });
    test::TempDir dir;
    dir.Write("kvelint.rec", payload);
    dir.Write("table.html", "<html></html>\r\n");
    Client c(server.port(), true);
    c.ftp.Connect();
    c.ftp.Upload(dir.File("kvelint.rec"), "records.rec");
    EXPECT_EQ(c.ftp.ByteCount(), static_cast<std::int64_t>(payload.size()));
    c.ftp.Passive = false;
    c.ftp.Upload(dir.File("table.html"), "");
    EXPECT_TRUE(c.Said("STOR " + dir.File("table.html")));
    EXPECT_EQ(ErrorOf([&] { c.ftp.Upload(dir.File("kvelint.rec"), "records.rec"); }),
              "553 Could not create file.\r\n");
    EXPECT_THROW(c.ftp.Upload(dir.File("kvelint.rec"), "records.rec"), FTPException);
    EXPECT_EQ(ErrorOf([&] {
                  c.ftp.Upload(dir.File("missing.rec"), "records.rec");
              }).rfind("Cannot open file \"" + dir.File("missing.rec") + "\"", 0),
              0u);
    c.ftp.Disconnect();
    EXPECT_EQ(server.Finish(), "");
    EXPECT_TRUE(stored1 == payload);
    EXPECT_EQ(stored2, "<html></html>\r\n");
    EXPECT_EQ(c.events, (std::vector<std::string>{"connect", "start", "stop", "success 9", "start", "stop",
                                                  "success 9", "unsupported 9"}));
}

TEST(FtpTransfer, TimeOutBoundsTheSilenceOfTheDataConnection) {
    ScriptServer server([](Peer& p) {
        p.Login();
        DataConn d = p.OpenPassive("RETR records.rec");
        d.Send("a little");
        // Then nothing, until the client gives up on the data connection.
        try {
            d.ReadAll();
        } catch (const test::ScriptFailure&) {
        }
        p.Send("426 Connection closed; transfer aborted.\r\n");
        Quit(p);
    });
    test::TempDir dir;
    Client c(server.port(), true);
    c.ftp.TimeOut = 300;
    c.ftp.Connect();
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ErrorOf([&] { c.ftp.Download("records.rec", dir.File("kvelint.rec")); }),
              "Socket send aborted");
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    EXPECT_FALSE(dir.Exists("kvelint.rec"));
    EXPECT_EQ(c.ftp.ReadLn(), "426 Connection closed; transfer aborted.\r\n");
    c.ftp.Disconnect();
    EXPECT_EQ(server.Finish(), "");
}

TEST(FtpTransfer, AbortAndCancelAreNoSuccess) {
    ScriptServer server([](Peer& p) {
        p.Login();
        // Abort: the data connection goes, the control connection stays.
        {
            DataConn d = p.OpenPassive("RETR records.rec");
            d.Send(std::string(1000, 'a'));
            try {
                d.ReadAll();
            } catch (const test::ScriptFailure&) {
            }
        }
        p.Send("426 Transfer aborted.\r\n");
        p.Expect("NOOP");
        p.Send("200 Still here.\r\n");
        // The client's own cancel: the data run to their end, yet nothing is kept and ABOR follows.
        {
            DataConn d = p.OpenPassive("RETR records.rec");
            d.Send("all of it");
        }
        p.Send("226 Transfer complete.\r\n");
        p.Expect("ABOR");
        p.Send("226 ABOR command successful.\r\n");
        Quit(p);
    });
    test::TempDir dir;
    dir.Write("kvelint.rec", "old table");
    Client c(server.port(), true);
    c.ftp.Connect();
    c.ftp.OnPacketRecvd = [&](TSockTransport&) { c.ftp.Abort(); };
    EXPECT_EQ(ErrorOf([&] { c.ftp.Download("records.rec", dir.File("kvelint.rec")); }),
              "Socket send aborted");
    EXPECT_EQ(c.ftp.ReadLn(), "426 Transfer aborted.\r\n");
    c.ftp.SendCommand("NOOP");
    c.ftp.OnPacketRecvd = [&](TSockTransport&) { c.ftp.Cancel(); };
    EXPECT_EQ(ErrorOf([&] { c.ftp.Download("records.rec", dir.File("kvelint.rec")); }),
              "Socket send aborted");
    EXPECT_EQ(dir.Read("kvelint.rec"), "old table");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
    EXPECT_EQ(std::count(c.events.begin(), c.events.end(), "success 8"), 0);
    c.ftp.Disconnect();
    EXPECT_EQ(server.Finish(), "");
}

// Closing the program from a handler run inside a wait destroys the client under its own feet.
TEST(FtpTransfer, DestroyedInsideItsWaits) {
    ScriptServer server(
        [](Peer& p) {
            static int round = 0;
            if (round++ == 0) {
                p.WaitClosed();  // never greets
                return;
            }
            p.Login();
            DataConn d = p.OpenPassive("RETR records.rec");
            d.Send(std::string(5000, 'a'));
            try {
                d.ReadAll();
            } catch (const test::ScriptFailure&) {
            }
            p.WaitClosed();
        },
        2);
    test::TempDir dir;
    dir.Write("kvelint.rec", "old table");
    for (int round = 0; round < 2; ++round) {
        auto* ftp = new TFtpClient;
        ftp->Host = "127.0.0.1";
        ftp->Port = server.port();
        ftp->UserID = "kvelli99";
        ftp->Password = "quillon84";
        ftp->Passive = true;
        bool receiving = false;
        bool deleted = false;
        TestPump pump;
        pump.action = [&] {
            if ((round == 0 && pump.runs == 5) || (receiving && !deleted)) {
                deleted = true;
                delete ftp;
            }
        };
        pump.Install(*ftp);
        ftp->OnPacketRecvd = [&](TSockTransport&) { receiving = true; };
        if (round == 0) {
            EXPECT_THROW(ftp->Connect(), EAbortError);
        } else {
            ftp->Connect();
            EXPECT_THROW(ftp->Download("records.rec", dir.File("kvelint.rec")), EAbortError);
        }
        EXPECT_TRUE(deleted);
    }
    EXPECT_EQ(dir.Read("kvelint.rec"), "old table");
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
    EXPECT_EQ(server.Finish(), "");
}

// A handler may start another transfer while one runs; the lock lets it, and the first transfer's
// data connection survives it.
TEST(FtpTransfer, NestedTransferFromAHandler) {
    const std::string outer = test::RandomBytes(300 * 1024, 3);
    std::string stored;
    ScriptServer server([&](Peer& p) {
        p.Login();
        DataConn a = p.OpenPassive("STOR records.rec", "150 Ok to send data.\r\n");
        {
            DataConn b = p.OpenPassive("RETR inner.rec");
            b.Send("inner data");
        }
        p.Send("226 Transfer complete.\r\n");
        stored = a.ReadAll();
        p.Send("226 Transfer complete.\r\n");
        Quit(p);
    });
    test::TempDir dir;
    dir.Write("kvelint.rec", outer);
    Client c(server.port(), true);
    bool nested = false;
    c.ftp.OnTransactionStart = [&](TFtpClient& f) {
        if (nested) return;
        nested = true;
        f.Download("inner.rec", dir.File("inner.rec"));
    };
    c.ftp.Connect();
    c.ftp.Upload(dir.File("kvelint.rec"), "records.rec");
    c.ftp.Disconnect();
    EXPECT_EQ(server.Finish(), "");
    EXPECT_EQ(dir.Read("inner.rec"), "inner data");
    EXPECT_TRUE(stored == outer);
    EXPECT_EQ(c.events, (std::vector<std::string>{"connect", "stop", "success 8", "stop", "success 9"}));
}

}  // namespace
}  // namespace kv
