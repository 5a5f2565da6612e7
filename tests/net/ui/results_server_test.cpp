// The results server shipped in server/: started by its script on free high ports, it takes an
// exchange from the real main window and serves the page it wrote from its table.
#include <gtest/gtest.h>

#include <QAction>
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

std::string Slurp(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

using test::HttpGet;
using test::ShippedServer;

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
    Action("N7")->trigger();
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<QString>{QStringLiteral("Download is Successfull"),
                                                            QStringLiteral("Upload is Successfull"),
                                                            QStringLiteral("Upload is Successfull")}));
    // Merged into the server's table, which keeps the format's line ends.
    EXPECT_EQ(Slurp(www + "/records.rec"), NegateBytes(name + "_300") + "\r\n");

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
    EXPECT_EQ(Slurp(www + "/records.rec"), NegateBytes(name + "_300") + "\r\n");
}

}  // namespace
}  // namespace kv::ui
