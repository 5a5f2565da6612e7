// The results server shipped in server/: started by its script on free high ports, it takes an
// exchange from the real main window and serves the page it got.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAction>
#include <chrono>
#include <filesystem>

#include "MainWindowFixture.h"
#include "ShippedServer.h"
#include "app/ui/Kvelli99_U1.h"
#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "net/FtpClient.h"
#include "records/RecFile.h"

namespace kv::ui {
namespace {

using Clock = std::chrono::steady_clock;

std::string Slurp(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

using test::ShippedServer;

// One HTTP/1.0 GET on 127.0.0.1: the status code and the body.
std::pair<int, std::string> HttpGet(int port, const std::string& path) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    if (fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
        const std::string request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
        if (::send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
            static_cast<ssize_t>(request.size())) {
            const auto deadline = Clock::now() + std::chrono::seconds(10);
            for (;;) {
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
                pollfd p{fd, POLLIN, 0};
                if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0) break;
                char buf[4096];
                const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
                if (n <= 0) break;
                reply.append(buf, static_cast<size_t>(n));
            }
        }
    }
    if (fd >= 0) ::close(fd);
    int code = 0;
    std::sscanf(reply.c_str(), "HTTP/%*s %d", &code);
    const auto body = reply.find("\r\n\r\n");
    return {code, body == std::string::npos ? std::string() : reply.substr(body + 4)};
}

class ShippedServerTest : public test::MainWindowFixture {};

TEST_F(ShippedServerTest, TakesAnExchangeAndServesThePage) {
    test::TempDir data;
    const std::string www = data.File("WWW");
    auto server = std::make_unique<ShippedServer>(data.path());
    EXPECT_NE(server->banner.find("KVELLI99_RESULTS_SERVER=127.0.0.1:" + std::to_string(server->ftp)),
              std::string::npos)
        << server->banner;
    EXPECT_EQ(Slurp(www + "/records.rec"), "");
    for (const char* asset : {"back.gif", "styles.css", "tr.gif", "tn.gif", "ts.gif"})
        EXPECT_EQ(Slurp(www + "/" + asset), Slurp(std::string(KV_SOURCE_DIR) + "/server/www/" + asset))
            << asset;

    const std::string name = Utf8ToCp1251("Пётр");
    Dir().Write("Kvelli99.rec", NegateBytes(name + "_300") + "\r\n");
    Form().ExchangeController().Ftp1->Host = "127.0.0.1";
    Form().ExchangeController().Ftp1->Port = server->ftp;
    Form().N7->trigger();
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<QString>{QStringLiteral("Download is Successfull"),
                                                            QStringLiteral("Upload is Successfull"),
                                                            QStringLiteral("Upload is Successfull")}));
    // Stored in text mode, with the server's line ends.
    EXPECT_EQ(Slurp(www + "/records.rec"), NegateBytes(name + "_300") + "\n");

    auto [code, page] = HttpGet(server->http, "/table.html");
    EXPECT_EQ(code, 200);
    EXPECT_EQ(page, Slurp(www + "/table.html"));
    EXPECT_NE(page.find(">" + name + "</FONT>"), std::string::npos);
    EXPECT_EQ(HttpGet(server->http, "/tr.gif"), std::make_pair(200, Slurp(www + "/tr.gif")));
    EXPECT_EQ(HttpGet(server->http, "/").first, 302);
    EXPECT_EQ(HttpGet(server->http, "/../records.rec").first, 404);

    // Only the table and the page may be stored.
    TFtpClient other;
    other.Host = "127.0.0.1";
    other.Port = server->ftp;
    other.UserID = "kvelli99";
    other.Password = "quillon84";
    other.Connect();
    other.ChangeDirectory("WWW");
    try {
        other.Upload(Dir().File("Kvelli99.rec"), "evil.html");
        ADD_FAILURE() << "stored";
    } catch (const FTPException& e) {
        EXPECT_EQ(e.ReplyLine().substr(0, 4), "553 ");
    }
    other.Disconnect();
    EXPECT_FALSE(std::filesystem::exists(www + "/evil.html"));

    // A new start keeps the table it has.
    server.reset();
    server = std::make_unique<ShippedServer>(data.path());
    EXPECT_EQ(Slurp(www + "/records.rec"), NegateBytes(name + "_300") + "\n");
}

}  // namespace
}  // namespace kv::ui
