// The results exchange's workflow against real and scripted servers, with small stand-ins for the
// records work: what reaches the server, and that nothing does after a failed step.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "NetTestUtil.h"
#include "PyFtpd.h"
#include "ScriptServer.h"
#include "TempDir.h"
#include "base/AtomicFile.h"
#include "net/ResultsExchange.h"

namespace kv {
namespace {

using test::ErrorOf;
using test::Peer;
using test::PyFtpd;
using test::PyFtpdOptions;
using test::ScriptServer;

// The stand-ins: the merge appends the local records to the server's, the page wraps the table.
struct Exchange {
    TFtpClient ftp;
    test::TestPump pump;
    std::vector<std::string> calls;  // "merge", "page", and the status texts
    ExchangeSteps steps;
    bool failMerge = false;

    explicit Exchange(int port) {
        ftp.Host = "127.0.0.1";
        ftp.Port = port;
        ftp.UserID = "kvelli99";
        ftp.Password = "quillon84";
        ftp.Passive = true;
        pump.Install(ftp);
        steps.merge = [this](const std::string& local, const std::string& net) {
            calls.push_back("merge");
            if (failMerge) throw Exception("merge failed");
            WriteFileAtomic(net, test::Slurp(net) + test::Slurp(local));
        };
        steps.writePage = [this](const std::string& net, const std::string& page) {
            calls.push_back("page");
            WriteFileAtomic(page, "<table>" + test::Slurp(net) + "</table>");
        };
        steps.status = [this](const std::string& text) { calls.push_back(text); };
    }
    void Run(const std::string& dir, const std::function<void()>& beforeEachStep = {}) {
        RunResultsExchange(
            [&]() -> TFtpClient& {
                if (beforeEachStep) beforeEachStep();
                return ftp;
            },
            dir, steps);
    }
};

TEST(ResultsExchange, TheMergedTableAndItsPageReachTheServer) {
    PyFtpdOptions options;
    options.binaryByDefault = true;
    options.files = {{"WWW/records.rec", "server\r\n"}, {"WWW/table.html", "old page"}};
    PyFtpd server(options);
    test::TempDir dir;
    dir.Write("Kvelli99.rec", "local\r\n");
    Exchange x(server.port());
    x.Run(dir.path());
    EXPECT_EQ(server.Read("WWW/records.rec"), "server\r\nlocal\r\n");
    EXPECT_EQ(server.Read("WWW/table.html"), "<table>server\r\nlocal\r\n</table>");
    EXPECT_EQ(dir.Read("kvelint.rec"), "server\r\nlocal\r\n");
    EXPECT_FALSE(dir.Exists("table.html"));
    EXPECT_EQ(dir.Read("Kvelli99.rec"), "local\r\n");
    EXPECT_EQ(x.calls,
              (std::vector<std::string>{"Считывание рекордов ...", "merge", "page", "Запись рекордов ...",
                                        "Запись таблицы ...", "Запись прошла успешно."}));
    // The caller says goodbye.
    EXPECT_TRUE(x.ftp.Connected());
    x.ftp.Disconnect();
}

TEST(ResultsExchange, NothingIsUploadedAfterAFailedStep) {
    // The server breaks the download off after half its table.
    ScriptServer broken([](Peer& p) {
        p.Login();
        p.Expect("CWD WWW");
        p.Send("250 Directory changed.\r\n");
        {
            test::DataConn d =
                p.OpenPassive("RETR records.rec", "150 Opening data connection (40 bytes).\r\n");
            d.Send("Player_100\r\n");
        }
        p.Send("426 Connection closed; transfer aborted.\r\n");
        p.Expect("QUIT");
        p.Send("221 Goodbye.\r\n");
    });
    test::TempDir dir;
    dir.Write("Kvelli99.rec", "local\r\n");
    dir.Write("kvelint.rec", "last table\r\n");
    {
        Exchange x(broken.port());
        EXPECT_EQ(ErrorOf([&] { x.Run(dir.path()); }), "426 Connection closed; transfer aborted.\r\n");
        x.ftp.Disconnect();
        EXPECT_TRUE(x.calls.empty());
    }
    EXPECT_EQ(broken.Finish(), "");
    EXPECT_EQ(dir.Read("kvelint.rec"), "last table\r\n");

    PyFtpdOptions options;
    options.binaryByDefault = true;
    options.files = {{"WWW/records.rec", "server\r\n"}, {"WWW/table.html", "old page"}};
    PyFtpd server(options);
    {
        // The merge fails.
        Exchange x(server.port());
        x.failMerge = true;
        EXPECT_EQ(ErrorOf([&] { x.Run(dir.path()); }), "merge failed");
        EXPECT_EQ(x.calls, (std::vector<std::string>{"Считывание рекордов ...", "merge"}));
        x.ftp.Disconnect();
    }
    {
        // The window is closed during the download: the exchange stops before the merge.
        Exchange x(server.port());
        int steps = 0;
        auto closed = [&] {
            if (++steps > 3) throw std::runtime_error("closed");
        };
        EXPECT_EQ(ErrorOf([&] { x.Run(dir.path(), closed); }), "closed");
        EXPECT_TRUE(x.calls.empty());
        x.ftp.Disconnect();
    }
    EXPECT_EQ(server.Read("WWW/records.rec"), "server\r\n");
    EXPECT_EQ(server.Read("WWW/table.html"), "old page");
}

// A verifying server's verdict is read only in its one strict form: a hostile or plain server's
// closing text neither crashes the reading nor makes it tell the player something else.
TEST(ResultsExchange, VerdictIsReadOnlyInItsStrictForm) {
    using V = ExchangeVerdict;
    const std::string longLine(70000, '7');
    const struct {
        std::string reply;
        std::optional<V> verdict;
    } cases[] = {
        {"226 Table merged; kvelli99-verdict unproven=1 forged=0 duplicate=2\r\n", V{1, 0, 2}},
        {"226-Table merged.\r\nkvelli99-verdict unproven=0 forged=20 duplicate=0\r\n226 Done.\r\n",
         V{0, 20, 0}},
        {"226 kvelli99-verdict unproven=3 forged=4 duplicate=5.\r\n", V{3, 4, 5}},
        {"226 kvelli99-verdict unproven=1 forged=0 duplicate=0", V{1, 0, 0}},
        {"226 Transfer complete.\r\n", std::nullopt},
        {"", std::nullopt},
        {"226 kvelli99-verdict\r\n", std::nullopt},
        {"226 kvelli99-verdict unproven=1 forged=0\r\n", std::nullopt},
        {"226 kvelli99-verdict unproven=-1 forged=0 duplicate=0\r\n", std::nullopt},
        {"226 kvelli99-verdict unproven=01 forged=0 duplicate=0\r\n", std::nullopt},
        {"226 kvelli99-verdict unproven=100 forged=0 duplicate=0\r\n", std::nullopt},
        {"226 kvelli99-verdict unproven=" + longLine + " forged=0 duplicate=0\r\n", std::nullopt},
        {"226 kvelli99-verdict unproven=10 forged=10 duplicate=1\r\n", std::nullopt},  // 21 > a table
        {"226 kvelli99-verdict unproven=1 forged=0 duplicate=0x\r\n", std::nullopt},
        {"226 kvelli99-verdict  unproven=1 forged=0 duplicate=0\r\n", std::nullopt},
        {"226 notkvelli99-verdict unproven=1 forged=0 duplicate=0\r\n", std::nullopt},
        {"226 kvelli99-verdict unproven=1 forged=0 duplicate=0 kvelli99-verdict unproven=0 forged=0 "
         "duplicate=0\r\n",
         std::nullopt},
        {"226 kvelli99-verdict forged=1 unproven=0 duplicate=0\r\n", std::nullopt},
        {std::string("226 kvelli99-verdict unproven=1") + '\0' + " forged=0 duplicate=0\r\n", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseVerdict(c.reply), c.verdict) << c.reply.substr(0, 80);
}

}  // namespace
}  // namespace kv
