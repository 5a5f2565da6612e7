// The results server as it ships, over real FTP sessions on 127.0.0.1: it keeps the table
// (merges under a lock, refuses what is no table), writes the page itself, and takes the options
// of a host on the internet.
#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <latch>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ShippedNginx.h"
#include "ShippedServer.h"
#include "TempDir.h"
#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "net/FtpClient.h"
#include "records/Html.h"
#include "records/RecFile.h"

namespace kv {
namespace {

using test::HttpGet;
using test::ShippedServer;
using test::TempDir;

std::string Slurp(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

std::string Table(const std::vector<RecEntry>& entries) {
    std::string bytes;
    for (const auto& e : entries)
        bytes += NegateBytes(e.name + "_" + std::to_string(e.score)) + "\r\n";
    return bytes;
}

std::vector<RecEntry> Rows(const std::string& path) {
    RecTable table{};
    ReadRecFile(path, table);
    return {table.begin(), table.begin() + FilledRows(table)};
}

// A TCP connection to 127.0.0.1:port; -1 if none.
int Dial(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

using Login = test::ServerLogin;

// A bare FTP session that reads every reply, the one after a transfer included (the game's
// client does not look at that one).
class RawFtp {
  public:
    explicit RawFtp(int port, bool login = true) : fd_(Dial(port)) {
        greeting = Reply();
        if (!login || greeting.rfind("220", 0) != 0) return;
        Cmd("USER kvelli99");
        Cmd("PASS quillon84");
        Cmd("CWD WWW");
    }
    ~RawFtp() {
        if (fd_ >= 0) ::close(fd_);
    }
    RawFtp(const RawFtp&) = delete;
    RawFtp& operator=(const RawFtp&) = delete;

    std::string Cmd(const std::string& line) {
        const std::string out = line + "\r\n";
        if (::send(fd_, out.data(), out.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(out.size())) return "";
        return Reply();
    }

    // STOR through PASV: the reply after the data, or the refusal of the command. breakOff sends
    // half the bytes and resets the data connection.
    std::string Store(const std::string& bytes, const std::string& remote, bool breakOff = false) {
        const std::string pasv = Cmd("PASV");
        int h[4], p1 = 0, p2 = 0;
        if (std::sscanf(pasv.c_str(), "227 %*[^(](%d,%d,%d,%d,%d,%d)", &h[0], &h[1], &h[2], &h[3], &p1,
                        &p2) != 6)
            return pasv;
        const int data = Dial(p1 * 256 + p2);
        const std::string started = Cmd("STOR " + remote);
        if (started.rfind("150", 0) != 0 && started.rfind("125", 0) != 0) {
            ::close(data);
            return started;
        }
        const size_t n = breakOff ? bytes.size() / 2 : bytes.size();
        for (size_t sent = 0; sent < n;) {
            const ssize_t k = ::send(data, bytes.data() + sent, n - sent, MSG_NOSIGNAL);
            if (k <= 0) break;
            sent += static_cast<size_t>(k);
        }
        if (breakOff) {
            // Once the server has read what came (a reset before that may lose the data unread).
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            linger reset{1, 0};
            ::setsockopt(data, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        }
        ::close(data);
        return Reply();
    }

    std::string greeting;

  private:
    // The last line of a reply ("ddd text"), within 20 s; empty if none came.
    std::string Reply() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (;;) {
            const auto end = buffer_.find("\r\n");
            if (end != std::string::npos) {
                std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 2);
                if (line.size() >= 4 && line[3] == ' ') return line;
                continue;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  deadline - std::chrono::steady_clock::now())
                                  .count();
            pollfd p{fd_, POLLIN, 0};
            if (fd_ < 0 || left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0) return "";
            char buf[1024];
            const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
            if (n <= 0) return "";
            buffer_.append(buf, static_cast<size_t>(n));
        }
    }

    int fd_;
    std::string buffer_;
};

class ResultsServerTest : public ::testing::Test {
  protected:
    std::string Www(const std::string& name) const { return data.File("WWW/" + name); }
    TempDir data, players;
};

TEST_F(ResultsServerTest, SimultaneousExchangesKeepEveryBestResult) {
    constexpr int kPlayers = 40;
    ShippedServer server(data.path(), {"--max-connections", "100", "--max-per-address", "100"},
                         data.File("server.log"));
    // Player i scored 100 + 7 i, so the best 20 are the last 20 players; half use passive mode.
    std::vector<std::string> dirs;
    for (int i = 0; i < kPlayers; ++i) {
        dirs.push_back(players.File("p" + std::to_string(i)));
        std::filesystem::create_directories(dirs.back());
        WriteFileAtomic(dirs.back() + "/" + kRecFileName, Table({{"p" + std::to_string(i), 100 + 7 * i}}));
    }
    const auto errors = test::SimultaneousExchanges(
        dirs, [&](int) { return server.ftp; }, [](int i) { return i % 2 == 0; });
    EXPECT_EQ(std::count(errors.begin(), errors.end(), ""), kPlayers)
        << *std::find_if(errors.begin(), errors.end(), [](auto& e) { return !e.empty(); });

    std::vector<RecEntry> best;
    for (int i = kPlayers - 1; i >= kPlayers - kMatrRows; --i)
        best.push_back({"p" + std::to_string(i), 100 + 7 * i});
    EXPECT_EQ(Rows(Www("records.rec")), best);
    // The page follows the table it was written from.
    WriteHtmlTable(Www("records.rec"), data.File("expected.html"));
    EXPECT_EQ(Slurp(Www("table.html")), Slurp(data.File("expected.html")));

    // One line per exchange, with the peer and the counts; each player's own entry entered.
    server.Stop();
    const std::string log = Slurp(data.File("server.log"));
    int lines = 0;
    for (size_t at = log.find("exchange 127.0.0.1:"); at != std::string::npos;
         at = log.find("exchange 127.0.0.1:", at + 1))
        ++lines;
    EXPECT_EQ(lines, kPlayers) << log;
    // "1 entry" or "N entries", as many as each player's table held when it was sent.
    EXPECT_TRUE(log.find(" entry received, ") != std::string::npos ||
                log.find(" entries received, ") != std::string::npos)
        << log;
    EXPECT_NE(log.find(" entered the table"), std::string::npos) << log;
}

TEST_F(ResultsServerTest, UploadsThatAreNoBetterTableChangeNothing) {
    ShippedServer server(data.path());
    const std::vector<RecEntry> three = {{"Ann", 900}, {"Bob", 500}, {"Cy", 100}};
    RawFtp session(server.ftp);
    EXPECT_EQ(session.Store(Table(three), "records.rec").substr(0, 4), "226 ");
    const std::string table = Slurp(Www("records.rec")), page = Slurp(Www("table.html"));
    EXPECT_EQ(table, Table(three));

    std::string widest;
    for (int i = 0; i < kMatrRows; ++i)
        widest += NegateBytes("abcdefghijklmno_" + std::to_string(-1000000000 - i)) + "\r\n";
    const std::string full = Table(three);
    struct Case {
        const char* what;
        std::string bytes;
        std::string reply;
    };
    const std::vector<Case> cases = {
        // Tables the format reads: merged, and they take nobody out.
        {"empty", "", "226 "},
        {"one entry", Table({{"Cy", 100}}), "226 "},
        {"cut at a line end", full.substr(0, full.find('\n') + 1), "226 "},
        // Files it does not read: refused, the table and page as they were. "Cy_10" reads, but
        // has lost its line end.
        {"cut in a line", full.substr(0, full.size() - 3),
         "550 Not a records table: records.rec: line 3: no line end, the table is cut short"},
        {"garbage", "\x01\x02garbage\r\nmore\r\n", "550 Not a records table: records.rec: line 1: no entry"},
        {"text mode", NegateBytes("Zed_5000") + "\n", "550 Not a records table: records.rec: line 1: "},
        {"oversized", widest + "\r\n", "550 Not a records table: records.rec: larger than any records table"},
        {"huge", std::string(300 * 1024, '\xA1'), "552 "},
    };
    for (const auto& c : cases) {
        const std::string reply = session.Store(c.bytes, "records.rec");
        EXPECT_EQ(reply.rfind(c.reply, 0), 0u) << c.what << ": " << reply;
        EXPECT_EQ(Slurp(Www("records.rec")), table) << c.what;
        EXPECT_EQ(Slurp(Www("table.html")), page) << c.what;
    }
    // A connection that breaks during the upload leaves nothing behind either.
    EXPECT_EQ(
        session.Store(Table({{"Zed", 5000}, {"Yan", 4000}, {"Xu", 3000}}), "records.rec", true).substr(0, 4),
        "426 ");
    EXPECT_EQ(Slurp(Www("records.rec")), table);
    for (const auto& entry : std::filesystem::directory_iterator(data.File("WWW")))
        EXPECT_EQ(entry.path().filename().string().find(".part"), std::string::npos) << entry.path();
    // Only the table and the page may be stored, and nothing appended.
    EXPECT_EQ(session.Store(Table(three), "evil.html").substr(0, 4), "553 ");
    EXPECT_EQ(session.Cmd("APPE records.rec").substr(0, 1), "5");
    EXPECT_FALSE(FileExists(Www("evil.html")));
}

TEST_F(ResultsServerTest, ThePageServedIsTheServersOwn) {
    {
        // What an older server left: a page taken from a player, and the table in text mode.
        std::filesystem::create_directories(data.File("WWW"));
        WriteFileAtomic(Www("records.rec"), NegateBytes("Ann_900") + "\n");
        WriteFileAtomic(Www("table.html"), "<script>old()</script>");
    }
    ShippedServer server(data.path());
    // A page client that sends nothing, or half a request, is let go after a while: each one
    // held for good takes a thread and a descriptor, and enough of them starve the FTP side.
    const auto held = std::chrono::steady_clock::now();
    const int idle = Dial(server.http), half = Dial(server.http);
    ASSERT_GE(idle, 0);
    ASSERT_GE(half, 0);
    const std::string start = "GET /table.html HTTP/1.0\r\n";
    ASSERT_EQ(::send(half, start.data(), start.size(), MSG_NOSIGNAL), static_cast<ssize_t>(start.size()));
    EXPECT_EQ(HttpGet(server.http, "/table.html").second.find("<script>"), std::string::npos);
    EXPECT_EQ(Slurp(Www("records.rec")), Table({{"Ann", 900}}));

    const std::string name = Utf8ToCp1251("<script>Пётр");
    WriteFileAtomic(players.File(kRecFileName), Table({{name, 1200}}));
    test::GameExchange(server.ftp, players.path(), true);
    // What the player sent as the page is discarded after its 226.
    EXPECT_EQ(RawFtp(server.ftp).Store("<html><script>steal()</script></html>", "table.html").substr(0, 4),
              "226 ");

    EXPECT_EQ(Rows(Www("records.rec")), (std::vector<RecEntry>{{name, 1200}, {"Ann", 900}}));
    // A text-mode copy put back while the server runs is mended at the next merge, not refused.
    const std::string crlf = Slurp(Www("records.rec"));
    std::string lf;
    for (const char c : crlf)
        if (c != '\r') lf += c;
    WriteFileAtomic(Www("records.rec"), lf);
    EXPECT_EQ(RawFtp(server.ftp).Store(Table({{"Cy", 100}}), "records.rec").substr(0, 4), "226 ");
    EXPECT_EQ(Slurp(Www("records.rec")), crlf + NegateBytes("Cy_100") + "\r\n");
    auto [code, page] = HttpGet(server.http, "/table.html");
    EXPECT_EQ(code, 200);
    WriteHtmlTable(Www("records.rec"), data.File("expected.html"));
    EXPECT_EQ(page, Slurp(data.File("expected.html")));
    EXPECT_NE(page.find(">&lt;script&gt;" + Utf8ToCp1251("Пётр") + "</FONT>"), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("steal"), std::string::npos);

    // The web side serves the page and its pictures, and nothing else of WWW.
    EXPECT_EQ(HttpGet(server.http, "/tr.gif"), std::make_pair(200, Slurp(Www("tr.gif"))));
    for (const char* path : {"/records.rec", "/records.rec.lock", "/../merge.lock", "/WWW/table.html"})
        EXPECT_EQ(HttpGet(server.http, path).first, 404) << path;

    for (const int fd : {idle, half}) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            held + std::chrono::seconds(25) - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        EXPECT_EQ(::poll(&p, 1, static_cast<int>(std::max<int64_t>(left.count(), 0))), 1)
            << "a silent page client is still held";
        char c = 0;
        EXPECT_EQ(::recv(fd, &c, 1, MSG_DONTWAIT), 0);
        ::close(fd);
    }
}

TEST_F(ResultsServerTest, PassivePortsAnnouncedAddressAndConnectionLimits) {
    // A free port, most likely with free ones after it.
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len), 0);
    ::close(fd);
    const int first = std::min(ntohs(a.sin_port), uint16_t{65000});
    const std::string range = std::to_string(first) + "-" + std::to_string(first + 4);
    ShippedServer server(
        data.path(), {"--passive-ports", range, "--announce-address", "127.0.0.9", "--max-per-address", "2"});
    EXPECT_NE(server.banner.find("PASV:  ports " + range + ", announced as 127.0.0.9"), std::string::npos)
        << server.banner;
    {
        // A wrong password is refused, and the connection may log in after it.
        RawFtp retry(server.ftp, false);
        for (const auto& [cmd, reply] :
             std::vector<std::pair<std::string, std::string>>{{"USER kvelli99", "331 "},
                                                              {"PASS wrong", "530 "},
                                                              {"USER kvelli99", "331 "},
                                                              {"PASS quillon84", "230 "}})
            EXPECT_EQ(retry.Cmd(cmd).substr(0, 4), reply) << cmd;
    }
    {
        Login one(server.ftp, true);
        const std::string reply = one.ftp.Transaction("PASV");
        int h[4] = {}, p1 = 0, p2 = 0;
        ASSERT_EQ(
            std::sscanf(reply.c_str(), "227 %*[^(](%d,%d,%d,%d,%d,%d)", &h[0], &h[1], &h[2], &h[3], &p1, &p2),
            6)
            << reply;
        EXPECT_EQ(std::vector<int>(h, h + 4), (std::vector<int>{127, 0, 0, 9}));
        EXPECT_GE(p1 * 256 + p2, first);
        EXPECT_LE(p1 * 256 + p2, first + 4);

        Login two(server.ftp);
        try {
            Login three(server.ftp);
            ADD_FAILURE() << "a third connection from one address got in";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, 4), "421 ") << e.what();
        }
    }

    // What a host cannot run with stops the start, with the reason.
    for (const auto& args : std::vector<std::vector<std::string>>{{"--passive-ports", "70000-70010"},
                                                                  {"--announce-address", "example.org"},
                                                                  {"--max-per-address", "0"}})
        EXPECT_THROW(ShippedServer(data.path(), args), std::runtime_error) << args[0];
    WriteFileAtomic(Www("records.rec"), "not a table\r\n");
    try {
        ShippedServer damaged(data.path(), {}, data.File("damaged.log"));
        ADD_FAILURE() << "started on a damaged table";
    } catch (const std::runtime_error&) {
    }
    EXPECT_NE(Slurp(data.File("damaged.log")).find("repair it with: kvelli99-records repair"),
              std::string::npos);
    // A FIFO in the table's place stops the start too, at once, instead of waiting for a writer.
    std::filesystem::remove(Www("records.rec"));
    ASSERT_EQ(::mkfifo(Www("records.rec").c_str(), 0600), 0);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_THROW(ShippedServer(data.path(), {}, data.File("fifo.log")), std::runtime_error);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
    EXPECT_NE(Slurp(data.File("fifo.log")).find("records.rec: cannot be read: not a regular file"),
              std::string::npos)
        << Slurp(data.File("fifo.log"));
}

TEST_F(ResultsServerTest, TheShippedNginxSiteServesThePageFromTheDataDirectory) {
    if (!FileExists("/usr/sbin/nginx"))
        GTEST_SKIP() << "nginx is not installed (scripts/install-deps.sh installs it)";
    ShippedServer server(data.path());
    // nginx's workers run as nobody when we are root: the data must be readable for it.
    ::chmod(data.path().c_str(), 0755);
    TempDir conf;
    ::chmod(conf.path().c_str(), 0755);
    const int port = test::FreePort();
    test::ShippedNginxSite nginx("nginx-site.conf",
                                 {{"listen 80;", "listen 127.0.0.1:" + std::to_string(port) + ";"},
                                  {"listen [::]:80;", ""},
                                  {"root /var/lib/kvelli99-server/WWW;", "root " + data.File("WWW") + ";"}},
                                 conf);

    WriteFileAtomic(players.File(kRecFileName), Table({{"Ann", 900}}));
    test::GameExchange(server.ftp, players.path(), true);
    std::string headers;
    auto [code, page] = HttpGet(port, "/table.html", &headers);
    EXPECT_EQ(code, 200);
    EXPECT_EQ(page, Slurp(Www("table.html")));
    EXPECT_NE(page.find(">Ann</FONT>"), std::string::npos);
    EXPECT_NE(headers.find("Cache-Control: public, max-age=2"), std::string::npos) << headers;
    // The next result is on the page at once: nginx keeps no copy of its own.
    WriteFileAtomic(players.File(kRecFileName), Table({{"Bob", 1900}}));
    test::GameExchange(server.ftp, players.path(), false);
    EXPECT_NE(HttpGet(port, "/table.html").second.find(">Bob</FONT>"), std::string::npos);

    EXPECT_EQ(HttpGet(port, "/tr.gif", &headers), std::make_pair(200, Slurp(Www("tr.gif"))));
    EXPECT_NE(headers.find("Cache-Control: public, max-age=86400"), std::string::npos) << headers;
    EXPECT_EQ(HttpGet(port, "/", &headers).first, 302);
    EXPECT_NE(headers.find("/table.html"), std::string::npos) << headers;
    for (const char* path : {"/records.rec", "/records.rec.lock", "/WWW/table.html", "/.records.rec.1.part"})
        EXPECT_EQ(HttpGet(port, path).first, 404) << path;
    EXPECT_EQ(HttpGet(port, "/../merge.lock").first, 400);
}

}  // namespace
}  // namespace kv
