// The results exchange over FTP and its settings window.
#include "net/ui/Exchange.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <cstdlib>
#include <exception>
#include <functional>
#include <memory>

#include "app/ui/Kvelli99_U1.h"
#include "base/Cp1251.h"
#include "net/FtpClient.h"
#include "net/ResultsConfig.h"
#include "net/ResultsExchange.h"
#include "net/ui/USet.h"
#include "records/Html.h"
#include "records/RecFile.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"

namespace kv::ui {

namespace {

const QString kConnecting = QStringLiteral("Идет подключение ...");
const QString kConnected = QStringLiteral("Соединение прошло успешно.");

const std::string kUser = "kvelli99";
const std::string kPassword = "quillon84";

// The exchange stops without a word: the program is closing, or the client is gone.
struct ExchangeStopped {};

void ShowPlain(QWidget* parent, const QString& text) {
    Ui().Message(parent, kAppTitle, text, MsgIcon::None, MsgButtons::Ok);
}

// The records directory as an exchange began: WriteHtmlTable writes into RecDir, and the player
// may change it from a menu while the exchange waits; the page belongs beside this exchange's
// files. Held only for calls that run no events.
class RecDirAs {
  public:
    explicit RecDirAs(const std::string& dir) : saved_(RecDir) { RecDir = dir; }
    ~RecDirAs() { RecDir = saved_; }
    RecDirAs(const RecDirAs&) = delete;
    RecDirAs& operator=(const RecDirAs&) = delete;

  private:
    std::string saved_;
};

// Steps 3 to 14 of an exchange. `ownTexts`: the status texts between the transfers (N7 only);
// `configure` runs first inside the guarded block. The window may be closed, or even destroyed,
// from inside any wait: after every step that waits, nothing is touched unless it is still there.
void RunExchange(TForm1* form, bool ownTexts, const std::function<void(TFtpClient&)>& configure) {
    QPointer<TForm1> self(form);
    const std::string dir = RecDir;

    auto client = [&self]() -> TFtpClient& {
        if (!self || self->Closing() || !self->Ftp1) throw ExchangeStopped{};
        return *self->Ftp1;
    };
    auto status = [&self, ownTexts](const QString& text) {
        if (ownTexts && self) self->FTPState->setText(text);
    };

    std::exception_ptr failure;
    try {
        if (configure) configure(client());
        ExchangeSteps steps;
        steps.merge = [](const std::string& local, const std::string& net) { MergeRecFiles(local, net); };
        steps.writePage = [&dir](const std::string& net, const std::string&) {
            RecDirAs recDir(dir);
            WriteHtmlTable(net);
        };
        steps.status = [&status](const std::string& text) { status(QString::fromStdString(text)); };
        RunResultsExchange(client, dir, steps);
    } catch (const ExchangeStopped&) {
    } catch (...) {
        failure = std::current_exception();
    }

    if (!self) return;
    self->FTPState->clear();
    if (self->Ftp1) {
        if (self->Closing()) {
            // No farewell: the program is ending and waits for no server.
            self->Ftp1->CloseSocket();
        } else {
            try {
                self->Ftp1->Disconnect();
            } catch (...) {
                // The first failure is the one the player needs to see.
                if (!failure) failure = std::current_exception();
            }
        }
    }
    if (!self || self->Closing()) return;
    if (failure) std::rethrow_exception(failure);
}

}  // namespace

ServerAddress ParseServerAddress(const std::string& text, int defaultPort) {
    const ResultsServerAddress address = SplitServerAddress(text, defaultPort);
    return {address.host, address.port};
}

ServerAddress ResultsServer() {
    const ResultsConfig config = ReadResultsConfig();
    return {config.server.host, config.server.port};
}

QString ResultsSite() {
    return QString::fromStdString(ReadResultsConfig().site);
}

bool AdminMode() {
    const char* env = std::getenv(kAdminEnv);
    return env && std::string(env) == "1";
}

// Counts a running exchange; the window may be gone by the time it ends.
class ExchangeGuard {
  public:
    explicit ExchangeGuard(TForm1* form) : form_(form) { ++form->exchangeDepth_; }
    ~ExchangeGuard() {
        if (form_) --form_->exchangeDepth_;
    }
    ExchangeGuard(const ExchangeGuard&) = delete;
    ExchangeGuard& operator=(const ExchangeGuard&) = delete;

  private:
    QPointer<TForm1> form_;
};

void TForm1::CreateExchange() {
    if (!Ftp1) {
        // Every transport's waits run the window events, so the window stays alive meanwhile.
        TSockTransport::SetDefaultEventPump([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
        auto ftp = std::make_unique<TFtpClient>();
        const ServerAddress server = ResultsServer();
        ftp->Host = server.host;
        ftp->Port = server.port;
        ftp->UserID = kUser;
        ftp->Password = kPassword;
        ftp->Passive = true;
        ftp->FirewallType = FTUser;
        ftp->Proxy.clear();
        ftp->ProxyPort = 0;
        ftp->FWAuthenticate = false;
        ftp->TimeOut = 0;
        ftp->ReportLevel = 0;
        ftp->Vendor = 2411;
        ftp->ParseList = false;
        QPointer<TForm1> self(this);
        ftp->EventPump = [self] {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            // Closing the window ends every wait of the exchange (a wait may begin after the
            // close, so this holds on each run).
            if (self && self->Closing() && self->Ftp1) {
                self->Ftp1->Cancel();
                self->Ftp1->Abort();
            }
        };
        ftp->OnConnect = [this](TFtpClient&) { Ftp1Connect(); };
        ftp->OnConnectionFailed = [this](TSockTransport&) { Ftp1ConnectionFailed(); };
        ftp->OnSuccess = [this](TCmdType kind) { Ftp1Success(kind); };
        Ftp1 = ftp.release();
    }
    if (!SetForm) SetForm = new TSetForm(this);
    N10->setVisible(AdminMode());
}

void TForm1::DestroyExchange() {
    // Destroying the client ends its running wait with an abort; the exchange that waited finds
    // Ftp1 gone and stops.
    std::unique_ptr<TFtpClient> ftp(Ftp1);
    Ftp1 = nullptr;
    if (ftp) {
        ftp->Abort();
        ftp->Cancel();
    }
}

void TForm1::Ftp1Connect() {
    FTPState->setText(kConnected);
}

void TForm1::Ftp1ConnectionFailed() {
    if (Closing()) return;
    ShowPlain(this, QStringLiteral("Connect failed"));
}

void TForm1::Ftp1Success(TCmdType transType) {
    FTPState->clear();
    if (Closing()) return;
    if (transType == cmdDownload)
        ShowPlain(this, QStringLiteral("Download is Successfull"));
    else if (transType == cmdUpload)
        ShowPlain(this, QStringLiteral("Upload is Successfull"));
}

void TForm1::N7Click() {
    // One exchange at a time: both would drive the one client.
    if (ExchangeInProgress() || !Ftp1 || Closing()) return;
    ExchangeGuard guard(this);
    FTPState->setText(kConnecting);
    RunExchange(this, true, {});
}

void TForm1::N10Click() {
    if (ExchangeInProgress() || !Ftp1 || !SetForm || Closing()) return;
    ExchangeGuard guard(this);
    QPointer<TForm1> self(this);
    // However the window is closed, the exchange follows.
    Ui().ShowModal(SetForm);
    if (!self || Closing() || !Ftp1) return;
    FTPState->setText(kConnecting);
    RunExchange(this, false, [this](TFtpClient& ftp) {
        const ServerAddress server = ParseServerAddress(SetForm->Edit1->text().trimmed().toStdString());
        ftp.Host = server.host;
        ftp.Port = server.port;
        ftp.UserID = Utf8ToCp1251(SetForm->Edit2->text().toStdString());
        ftp.Password = Utf8ToCp1251(SetForm->Edit3->text().toStdString());
    });
}

void TForm1::N9Click() {
    Ui().OpenUrl(ResultsSite());
}

}  // namespace kv::ui
