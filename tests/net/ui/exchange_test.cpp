// The results exchange through the real main window, against pyftpdlib on 127.0.0.1, with every
// message box scripted and counted. No test looks a name up: the host lookup is replaced.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "EnvGuard.h"
#include "MainWindowFixture.h"
#include "PyFtpd.h"
#include "ScriptServer.h"
#include "TlsPeers.h"
#include "app/ui/Kvelli99_U1.h"
#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "base/Settings.h"
#include "net/FtpClient.h"
#include "net/ui/Exchange.h"
#include "net/ui/USet.h"
#include "records/Html.h"
#include "records/Proofs.h"
#include "records/RecFile.h"
#include "ui/ErrorReport.h"

namespace kv::ui {
namespace {

using test::PyFtpd;
using test::PyFtpdOptions;

const QString kDownloadOk = QStringLiteral("Download is Successfull");
const QString kUploadOk = QStringLiteral("Upload is Successfull");
const std::vector<QString> kThreeBoxes = {kDownloadOk, kUploadOk, kUploadOk};

std::string Stored(std::initializer_list<std::string> plainLines) {
    std::string out;
    for (const auto& line : plainLines)
        out += NegateBytes(line) + "\r\n";
    return out;
}

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

std::string ReadFile(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

// As pyftpdlib stores text it received in its default ASCII mode.
std::string Unix(std::string s) {
    for (size_t p; (p = s.find("\r\n")) != std::string::npos;)
        s.erase(p, 1);
    return s;
}

bool IsReplyLine(const QString& text, const char* code) {
    return text.startsWith(QLatin1String(code) + u' ') && text.endsWith(QStringLiteral("\r\n"));
}

// A listener on 127.0.0.1 that never accepts: a connection to it completes, and then nothing is
// ever said. With `refuse` it is closed at once, so its port refuses connections.
class Listener {
  public:
    explicit Listener(bool refuse = false) {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(fd_, 4) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
            ADD_FAILURE() << "no listener";
        port_ = ntohs(a.sin_port);
        if (refuse) Close();
    }
    ~Listener() { Close(); }
    int port() const { return port_; }

  private:
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int fd_ = -1;
    int port_ = 0;
};

// The scripted dialogs, with a hook run at each message box (the exchange waits there).
class HookedDialogs : public test::ScriptedDialogs {
  public:
    std::function<void(const QString& text)> onMessage;
    MsgResult Message(QWidget* parent, const QString& title, const QString& text, MsgIcon icon,
                      MsgButtons buttons) override {
        MsgResult r = ScriptedDialogs::Message(parent, title, text, icon, buttons);
        if (onMessage) {
            auto hook = onMessage;
            hook(text);
        }
        return r;
    }
};

class ExchangeTest : public test::MainWindowFixture {
  protected:
    void SetUp() override {
        ::unsetenv(kResultsServerEnv);
        ::unsetenv(kResultsSiteEnv);
        ::unsetenv(kAdminEnv);
        TSockTransport::SetHostResolver([this](const std::string& name, in_addr&) {
            std::lock_guard lock(lookupsMutex);
            lookups.push_back(name);
            return EAI_NONAME;
        });
        MainWindowFixture::SetUp();
    }
    void TearDown() override {
        MainWindowFixture::TearDown();
        TSockTransport::SetHostResolver({});
        ::unsetenv(kResultsServerEnv);
        ::unsetenv(kResultsSiteEnv);
        ::unsetenv(kAdminEnv);
    }

    void PointAt(int port) {
        Form().ExchangeController().Ftp1->Host = "127.0.0.1";
        Form().ExchangeController().Ftp1->Port = port;
    }
    std::string Local(const std::string& name) const { return records.RecDir + "/" + name; }

    // Runs `trigger` with a watchdog: a wait that never ends fails the test instead of hanging it.
    void Run(const std::function<void()>& trigger) {
        QTimer dog;
        dog.setSingleShot(true);
        QObject::connect(&dog, &QTimer::timeout, [this] {
            ADD_FAILURE() << "the exchange did not end";
            if (HasForm() && Form().ExchangeController().Ftp1) {
                Form().ExchangeController().Ftp1->Cancel();
                Form().ExchangeController().Ftp1->Abort();
            }
        });
        dog.start(60000);
        trigger();
    }
    void N7() {
        Run([this] { Action("N7")->trigger(); });
    }
    // The settings window, filled in by `fill` and then closed by its button (or its close box).
    void N10(const std::function<void(TSetForm&)>& fill, bool byButton = true) {
        hooked.modalActions.push_back([fill, byButton](QDialog* w) {
            auto* form = static_cast<TSetForm*>(w);
            if (fill) fill(*form);
            if (byButton)
                form->Button1->click();
            else
                form->close();
        });
        // As the menu item runs it; the item itself is hidden outside administrator mode.
        Run([this] { Guarded([this] { Form().N10Click(); }, &Form()); });
    }

    HookedDialogs hooked;
    std::mutex lookupsMutex;
    std::vector<std::string> lookups;
};

TEST_F(ExchangeTest, SuccessMergesPublishesAndShowsThreeBoxesWhileASecondStartDoesNothing) {
    const std::string ivan = Cp("Иван"), olga = Cp("Ольга");
    const std::string local = Stored({ivan + "_100", "Bob_50"});
    Dir().Write("Kvelli99.rec", local);
    Dir().Write("kvelint.rec", Stored({"Older_1"}));
    PyFtpdOptions options;
    options.binaryByDefault = true;  // stored as sent
    options.files = {{"WWW/records.rec", Stored({"Carl_100", olga + "_70"})}};
    PyFtpd server(options);
    // The program's own server setting, as a player running the shipped server gives it.
    ::setenv(kResultsServerEnv, ("127.0.0.1:" + std::to_string(server.port())).c_str(), 1);
    RecreateForm();
    ASSERT_EQ(Form().ExchangeController().Ftp1->Port, server.port());

    std::vector<QString> statusAtBoxes;
    hooked.onMessage = [&](const QString&) {
        statusAtBoxes.push_back(StatusText());
        ASSERT_TRUE(Form().ExchangeController().ExchangeInProgress());
        Action("N7")->trigger();
        Form().N10Click();
    };
    N7();

    EXPECT_EQ(hooked.MessageTexts(), kThreeBoxes);
    for (const auto& m : hooked.messages)
        EXPECT_EQ(m.title, kAppTitle);
    EXPECT_TRUE(hooked.modalShown.empty());
    EXPECT_EQ(statusAtBoxes, std::vector<QString>(3, QString()));
    EXPECT_EQ(StatusText(), QString());
    EXPECT_FALSE(Form().ExchangeController().ExchangeInProgress());
    EXPECT_FALSE(Form().ExchangeController().Ftp1->Connected());

    const std::string merged = Stored({ivan + "_100", olga + "_70", "Bob_50"});
    EXPECT_EQ(ReadFile(Local("kvelint.rec")), merged);
    EXPECT_EQ(ReadFile(Local("Kvelli99.rec")), local);
    EXPECT_FALSE(std::filesystem::exists(Local("table.html")));
    EXPECT_EQ(server.Read("WWW/records.rec"), merged);

    // The page as the records core writes it from the merged table.
    test::TempDir other;
    WriteHtmlTable(Local("kvelint.rec"), other.File("table.html"));
    const std::string page = other.Read("table.html");
    EXPECT_EQ(server.Read("WWW/table.html"), page);
    EXPECT_LT(page.find(">" + ivan + "<"), page.find(">" + olga + "<"));
}

TEST_F(ExchangeTest, RefusedDownloadLeavesTheOldCopyAndUploadsNothing) {
    Dir().Write("kvelint.rec", "older copy");
    PyFtpd server;  // "WWW" without "records.rec"
    PointAt(server.port());
    N7();
    ASSERT_EQ(hooked.messages.size(), 1u);
    EXPECT_TRUE(IsReplyLine(hooked.messages[0].text, "550")) << hooked.messages[0].text.toStdString();
    EXPECT_EQ(Dir().Read("kvelint.rec"), "older copy");
    EXPECT_FALSE(server.Exists("WWW/records.rec"));
    EXPECT_FALSE(server.Exists("WWW/table.html"));
    EXPECT_EQ(StatusText(), QString());
    EXPECT_FALSE(Form().ExchangeController().Ftp1->Connected());
}

TEST_F(ExchangeTest, MissingLocalRecordsFailTheMergeAfterTheDownload) {
    std::filesystem::remove(Dir().File("Kvelli99.rec"));
    const std::string table = Stored({"Carl_100"});
    PyFtpdOptions options;
    options.files = {{"WWW/records.rec", table}};
    PyFtpd server(options);
    PointAt(server.port());
    N7();
    const auto texts = hooked.MessageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], kDownloadOk);
    EXPECT_TRUE(texts[1].contains(QStringLiteral("Kvelli99.rec"))) << texts[1].toStdString();
    EXPECT_TRUE(texts[1].endsWith(u'.'));
    EXPECT_EQ(server.Read("WWW/records.rec"), table);
    EXPECT_FALSE(server.Exists("WWW/table.html"));
    EXPECT_EQ(StatusText(), QString());
}

TEST_F(ExchangeTest, ConnectionFailuresShowTheirTextsInOrder) {
    // The settings window left as it starts: "EHost" is looked up, and fails.
    ::setenv(kAdminEnv, "1", 1);
    RecreateForm();
    EXPECT_TRUE(Action("N10")->isVisible());
    N10(nullptr);
    EXPECT_EQ(hooked.modalShown, std::vector<QString>{QStringLiteral("SetForm")});
    EXPECT_EQ(hooked.MessageTexts(), std::vector<QString>{QStringLiteral("Null Remote Address.")});
    {
        std::lock_guard lock(lookupsMutex);
        EXPECT_EQ(lookups, std::vector<std::string>{"EHost"});
    }
    EXPECT_EQ(StatusText(), QString());

    hooked.messages.clear();
    Listener refusing(true);
    PointAt(refusing.port());
    N7();
    EXPECT_EQ(hooked.MessageTexts(),
              (std::vector<QString>{QStringLiteral("Connect failed"), QStringLiteral("Connection Failed.")}));

    // Without administrator mode the item stays hidden.
    ::unsetenv(kAdminEnv);
    RecreateForm();
    EXPECT_FALSE(Action("N10")->isVisible());
}

TEST_F(ExchangeTest, SettingsWindowValuesStayForLaterExchanges) {
    PyFtpdOptions options;
    options.files = {{"WWW/records.rec", ""}};
    PyFtpd server(options);
    const QString address = QStringLiteral("127.0.0.1:%1").arg(server.port());
    Dir().Write("Kvelli99.rec", Stored({"Ann_10"}));

    // A wrong password, closed with the window's own close box: the exchange still runs.
    N10(
        [&](TSetForm& f) {
            EXPECT_EQ(f.windowTitle(), QStringLiteral("Настройка"));
            EXPECT_EQ(f.Edit1->text(), QStringLiteral("EHost"));
            EXPECT_EQ(f.Edit2->text(), QStringLiteral("EUser"));
            EXPECT_EQ(f.Edit3->text(), QStringLiteral("EPass"));
            f.Edit1->setText(address);
            f.Edit2->setText(QStringLiteral("kvelli99"));
            f.Edit3->setText(QStringLiteral("wrong"));
        },
        false);
    auto texts = hooked.MessageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], QStringLiteral("Connect failed"));
    EXPECT_TRUE(IsReplyLine(texts[1], "530")) << texts[1].toStdString();

    // N7 uses what was typed.
    hooked.messages.clear();
    N7();
    texts = hooked.MessageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_TRUE(IsReplyLine(texts[1], "530"));

    // The window keeps the fields; with the right password both items succeed.
    hooked.messages.clear();
    N10([&](TSetForm& f) {
        EXPECT_EQ(f.Edit1->text(), address);
        EXPECT_EQ(f.Edit3->text(), QStringLiteral("wrong"));
        f.Edit3->setText(QStringLiteral("quillon84"));
    });
    EXPECT_EQ(hooked.MessageTexts(), kThreeBoxes);
    hooked.messages.clear();
    server.Write("WWW/records.rec", "");
    N7();
    EXPECT_EQ(hooked.MessageTexts(), kThreeBoxes);
    EXPECT_EQ(server.Read("WWW/records.rec"), Unix(Stored({"Ann_10"})));
    EXPECT_EQ(StatusText(), QString());
}

TEST_F(ExchangeTest, RefusalsOnTheServerStopTheExchange) {
    const std::string table = Stored({"Carl_100"});
    {
        SCOPED_TRACE("no WWW");
        PyFtpdOptions options;
        options.makeWww = false;
        PyFtpd server(options);
        PointAt(server.port());
        N7();
        ASSERT_EQ(hooked.messages.size(), 1u);
        EXPECT_TRUE(IsReplyLine(hooked.messages[0].text, "550"));
        EXPECT_FALSE(std::filesystem::exists(Local("kvelint.rec")));
    }
    {
        SCOPED_TRACE("read-only WWW");
        hooked.messages.clear();
        PyFtpdOptions options;
        options.readOnlyWww = true;
        options.files = {{"WWW/records.rec", table}};
        PyFtpd server(options);
        PointAt(server.port());
        N7();
        const auto texts = hooked.MessageTexts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0], kDownloadOk);
        EXPECT_TRUE(IsReplyLine(texts[1], "550")) << texts[1].toStdString();
        EXPECT_EQ(server.Read("WWW/records.rec"), table);
        EXPECT_FALSE(server.Exists("WWW/table.html"));
        EXPECT_TRUE(std::filesystem::exists(Local("table.html")));
        EXPECT_EQ(StatusText(), QString());
    }
    {
        SCOPED_TRACE("server gone after the download");
        hooked.messages.clear();
        std::filesystem::remove(Local("table.html"));
        PyFtpdOptions options;
        options.files = {{"WWW/records.rec", table}};
        PyFtpd server(options);
        PointAt(server.port());
        hooked.onMessage = [&](const QString& text) {
            if (text == kDownloadOk) server.Stop();
        };
        N7();
        EXPECT_EQ(hooked.MessageTexts(),
                  (std::vector<QString>{kDownloadOk, QStringLiteral("Not Connected.")}));
        EXPECT_TRUE(std::filesystem::exists(Local("table.html")));
        EXPECT_EQ(StatusText(), QString());
        EXPECT_FALSE(Form().ExchangeController().ExchangeInProgress());
    }
}

// The proofs of the local entries an upload sends go first, as "records.prf"; a plain server that
// refuses them changes nothing of the exchange; a verifying server's verdict is told in one box,
// and only when it is one.
TEST_F(ExchangeTest, ProofsGoBeforeTheTableAndAVerdictIsToldOnce) {
    Dir().Write("Kvelli99.rec", Stored({"Ivan_100", "Bob_50"}));
    // 70 is no entry of the local table: its proof must not go out with the server's Olga_70.
    WriteProofs(Local("Kvelli99.prf"), {{100, "game of Ivan"}, {50, "game of Bob"}, {70, "stale"}});
    const std::string sentProofs = FormatProofs({{100, "game of Ivan"}, {50, "game of Bob"}});
    const QString told = QString::fromUtf8(
        "Сервер не принял в общую таблицу результатов: 3.\n"
        "1 — без записи игры: игра сыграна в старой версии, загружена из "
        "старого сохранения или результат вписан вручную.\n"
        "2 — эта игра уже есть в таблице под другим именем.");
    const struct {
        const char* what;
        std::string refuseStor, verdict;
        std::vector<std::string> received;
        std::vector<QString> boxes;
    } cases[] = {
        {"plain server", "", "", {"records.prf", "records.rec", "table.html"}, kThreeBoxes},
        {"refuses the proofs", "records.prf", "", {"records.rec", "table.html"}, kThreeBoxes},
        {"verifying server",
         "",
         "kvelli99-verdict unproven=1 forged=0 duplicate=2",
         {"records.prf", "records.rec", "table.html"},
         {kDownloadOk, kUploadOk, kUploadOk, told}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        hooked.messages.clear();
        PyFtpdOptions options;
        options.binaryByDefault = true;
        options.logReceived = true;
        options.refuseStor = c.refuseStor;
        options.verdict = c.verdict;
        options.files = {{"WWW/records.rec", Stored({"Carl_100", "Olga_70"})}};
        PyFtpd server(options);
        PointAt(server.port());
        N7();
        EXPECT_EQ(hooked.MessageTexts(), c.boxes);
        EXPECT_EQ(server.Received(), c.received);
        EXPECT_EQ(server.Read("WWW/records.rec"), Stored({"Ivan_100", "Olga_70", "Bob_50"}));
        EXPECT_EQ(server.Exists("WWW/records.prf"), c.refuseStor.empty());
        if (c.refuseStor.empty()) {
            EXPECT_EQ(server.Read("WWW/records.prf"), sentProofs);
        }
        EXPECT_EQ(ReadProofs(Local("kvelint.prf")), ParseProofs(sentProofs));
        EXPECT_EQ(StatusText(), QString());
    }
}

TEST_F(ExchangeTest, TextModeRoundTripKeepsEveryLetter) {
    // Every letter of Windows-1251, in names of at most 15 bytes, as the program stores them
    // (the few that the format cannot carry have stand-ins).
    std::string letters;
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string one(1, static_cast<char>(b));
        if (QString::fromStdString(Cp1251ToUtf8(one)).at(0).isLetter()) letters += one;
    }
    ASSERT_GE(letters.size(), 66u);
    std::string local;
    int score = 1000;
    for (size_t i = 0; i < letters.size(); i += 15, score -= 10)
        local += NegateBytes(RowName(letters.substr(i, 15)) + "_" + std::to_string(score)) + "\r\n";
    Dir().Write("Kvelli99.rec", local);
    PyFtpdOptions options;  // pyftpdlib's default ASCII mode
    options.files = {{"WWW/records.rec", ""}};
    PyFtpd server(options);
    PointAt(server.port());

    N7();
    ASSERT_EQ(hooked.MessageTexts(), kThreeBoxes);
    const std::string first = ReadFile(Local("kvelint.rec"));
    // Every line came through: the stand-ins keep line ends out of the names.
    ReadRecFile(records.RecPath(kNetRecFileName), records.Matr);
    EXPECT_EQ(FilledRows(records.Matr), static_cast<int>((letters.size() + 14) / 15));
    EXPECT_EQ(records.Matr[0].name, RowName(letters.substr(0, 15)));
    const std::string page = server.Read("WWW/table.html");

    // The next exchange brings the server's table back as it was sent.
    Dir().Write("Kvelli99.rec", "");
    hooked.messages.clear();
    std::string downloaded;
    hooked.onMessage = [&](const QString& text) {
        if (text == kDownloadOk) downloaded = ReadFile(Local("kvelint.rec"));
    };
    N7();
    EXPECT_EQ(hooked.MessageTexts(), kThreeBoxes);
    EXPECT_TRUE(downloaded == first);
    EXPECT_TRUE(ReadFile(Local("kvelint.rec")) == first);
    EXPECT_TRUE(server.Read("WWW/table.html") == page);
}

TEST_F(ExchangeTest, ClosingOrDestroyingTheWindowEndsAWaitingExchange) {
    Listener silent;  // connects, never greets
    PointAt(silent.port());
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(300, qApp, [this] { EXPECT_TRUE(CloseForm()); });
    N7();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(hooked.messages.empty()) << hooked.messages[0].text.toStdString();
    EXPECT_FALSE(Form().isVisible());
    EXPECT_FALSE(Form().ExchangeController().ExchangeInProgress());
    EXPECT_FALSE(Form().ExchangeController().Ftp1->Connected());
    EXPECT_EQ(StatusText(), QString());

    // The window destroyed from inside the wait: the client goes with it, and the exchange
    // returns without touching either.
    RecreateForm();
    PointAt(silent.port());
    TForm1& form = Form();
    clock.restart();
    QTimer::singleShot(300, qApp, [this] { DestroyForm(); });
    Run([&form] { form.N7Click(); });
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(HasForm());
    EXPECT_TRUE(hooked.messages.empty());
}

// A player behind a home router that masquerades, a server that refuses a PORT naming a private
// address (vsftpd's default): the exchange goes through in passive mode.
TEST_F(ExchangeTest, SucceedsThroughAServerThatRefusesForeignPort) {
    const std::string table = Stored({"Carl_100"});
    Dir().Write("Kvelli99.rec", Stored({"Bob_50"}));
    std::string storedProofs, storedTable, storedPage;
    test::ScriptServer server([&](test::Peer& p) {
        // Any PORT would name an address this server does not talk to.
        auto pasv = [&p](std::string_view command, std::string_view opening) {
            std::string line = p.Line();
            if (line.rfind("PORT", 0) == 0) p.Send("500 Illegal PORT command.\r\n");
            if (line != "PASV") throw test::ScriptFailure{"expected PASV, got " + line};
            p.AnswerPasv("127,0,0,3");  // stands for its private address; nobody listens there
            p.Expect(command);
            p.Send(opening);
            return p.AcceptPassive();
        };
        p.Login();
        p.Expect("CWD WWW");
        p.Send("250 Directory successfully changed.\r\n");
        pasv("RETR records.rec", "150 Opening BINARY mode data connection.\r\n").Send(table);
        p.Send("226 Transfer complete.\r\n");
        storedProofs = pasv("STOR records.prf", "150 Ok to send data.\r\n").ReadAll();
        p.Send("226 Transfer complete.\r\n");
        storedTable = pasv("STOR records.rec", "150 Ok to send data.\r\n").ReadAll();
        p.Send("226 Transfer complete.\r\n");
        storedPage = pasv("STOR table.html", "150 Ok to send data.\r\n").ReadAll();
        p.Send("226 Transfer complete.\r\n");
        p.Expect("QUIT");
        p.Send("221 Goodbye.\r\n");
    });
    PointAt(server.port());
    N7();
    EXPECT_EQ(server.Finish(), "");
    EXPECT_EQ(hooked.MessageTexts(), kThreeBoxes);
    EXPECT_EQ(storedProofs, FormatProofs({}));  // no game of this player has a proof
    EXPECT_EQ(storedTable, Stored({"Carl_100", "Bob_50"}));
    EXPECT_NE(storedPage.find("Carl"), std::string::npos);
}

// A server that answers and then falls silent: the exchange ends with a message within the bound,
// however long the server would have kept it.
TEST_F(ExchangeTest, ASilentServerEndsTheExchangeWithinTheBound) {
    Listener silent;  // connects, never greets
    PointAt(silent.port());
    Form().ExchangeController().Ftp1->IdleLimit = 500;
    QElapsedTimer clock;
    clock.start();
    N7();
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(hooked.MessageTexts(),
              std::vector<QString>{QStringLiteral("Connection Timed out (idle for 0.5 s)")});
    EXPECT_FALSE(Form().ExchangeController().Ftp1->Connected());
    EXPECT_EQ(StatusText(), QString());
}

// A server that requires TLS on control and data connections and session reuse (vsftpd): the
// exchange goes over TLS. A certificate that does not verify stops it before the login, in a box;
// pinned in the settings, it goes through.
TEST_F(ExchangeTest, OverTlsWithAServerThatRequiresIt) {
    test::TestCertificates certs;
    test::EnvGuard trust("SSL_CERT_FILE");
    ::setenv("SSL_CERT_FILE", certs.caFile.c_str(), 1);
    Dir().Write("Kvelli99.rec", Stored({"Bob_50"}));
    test::Vsftpd server(
        {certs.signedCert, certs.signedKey, false, {{"WWW/records.rec", Stored({"Carl_100"})}}});
    auto exchange = [&] {
        hooked.messages.clear();
        PointAt(server.port());
        Form().ExchangeController().Ftp1->UserID = "anonymous";
        N7();
    };
    exchange();
    EXPECT_EQ(hooked.MessageTexts(), kThreeBoxes);
    EXPECT_EQ(server.Read("WWW/records.rec"), Stored({"Carl_100", "Bob_50"}));

    ::setenv("SSL_CERT_FILE", "/dev/null", 1);  // a trust store without the CA
    Dir().Write("Kvelli99.rec", Stored({"Dan_70"}));
    exchange();
    ASSERT_EQ(hooked.messages.size(), 1u);
    // The client's whole refusal (its words are net/ftp_tls_test's).
    EXPECT_TRUE(hooked.messages[0].text.contains(QString::fromStdString(certs.signedFingerprint)));
    EXPECT_EQ(server.Read("WWW/records.rec"), Stored({"Carl_100", "Bob_50"}));

    std::filesystem::create_directories(std::filesystem::path(SettingsFilePath()).parent_path());
    WriteFileAtomic(SettingsFilePath(),
                    "[Server]\nTls=required\nTlsFingerprint=" + certs.signedFingerprint + "\n");
    RecreateForm();
    exchange();
    EXPECT_EQ(hooked.MessageTexts(), kThreeBoxes);
    EXPECT_EQ(server.Read("WWW/records.rec"), Stored({"Carl_100", "Dan_70", "Bob_50"}));
}

TEST_F(ExchangeTest, ResultsSiteAndServerAddresses) {
    Action("N9")->trigger();
    EXPECT_EQ(hooked.urls, std::vector<QString>{QString::fromStdString(kDefaultResultsSite)});
    // Read with the settings at start-up: a change counts from the next start on.
    ::setenv(kResultsSiteEnv, "http://club.example/table.html", 1);
    Action("N9")->trigger();
    EXPECT_EQ(hooked.urls.back(), QString::fromStdString(kDefaultResultsSite));
    RecreateForm();
    Action("N9")->trigger();
    EXPECT_EQ(hooked.urls.back(), QStringLiteral("http://club.example/table.html"));
    EXPECT_EQ(Form().ExchangeController().Ftp1->Host, kDefaultResultsHost);
    EXPECT_EQ(Form().ExchangeController().Ftp1->Port, 21);

    auto parsed = [](const std::string& text) {
        const ServerAddress a = ParseServerAddress(text);
        return a.host + "|" + std::to_string(a.port);
    };
    EXPECT_EQ(parsed("EHost"), "EHost|21");
    EXPECT_EQ(parsed("10.0.0.5:2121"), "10.0.0.5|2121");
    EXPECT_EQ(parsed("host:65536"), "host:65536|21");
    EXPECT_EQ(parsed("fe80::1"), "fe80::1|21");
}

}  // namespace
}  // namespace kv::ui
