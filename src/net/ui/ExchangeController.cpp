// The results exchange over FTP and its settings window.
#include "net/ui/ExchangeController.h"

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
#include <optional>
#include <utility>

#include "base/Cp1251.h"
#include "net/FtpClient.h"
#include "net/ResultsConfig.h"
#include "net/ResultsExchange.h"
#include "net/ui/USet.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/MainView.h"
#include "ui/Translations.h"

namespace kv::ui {

namespace {

const TrText kConnecting{"kv::ui::TExchangeController",
                         QT_TRANSLATE_NOOP("kv::ui::TExchangeController", "Идет подключение ...")};
const TrText kConnected{"kv::ui::TExchangeController",
                        QT_TRANSLATE_NOOP("kv::ui::TExchangeController", "Соединение прошло успешно.")};

// The verdict of a verifying results server, line by line; only the reasons that apply are shown.
const TrText kVerdictHead{
    "kv::ui::TExchangeController",
    QT_TRANSLATE_NOOP("kv::ui::TExchangeController", "Сервер не принял в общую таблицу результатов: %1.")};
const TrText kVerdictUnproven{
    "kv::ui::TExchangeController",
    QT_TRANSLATE_NOOP("kv::ui::TExchangeController",
                      "%1 — без записи игры: игра сыграна в старой версии, "
                      "загружена из старого сохранения или результат вписан вручную.")};
const TrText kVerdictForged{
    "kv::ui::TExchangeController",
    QT_TRANSLATE_NOOP("kv::ui::TExchangeController", "%1 — запись игры не приводит к такому счёту.")};
const TrText kVerdictDuplicate{
    "kv::ui::TExchangeController",
    QT_TRANSLATE_NOOP("kv::ui::TExchangeController", "%1 — эта игра уже есть в таблице под другим именем.")};

const std::string kUser = "kvelli99";
const std::string kPassword = "quillon84";

// The exchange stops without a word: the program is closing, or the client is gone.
struct ExchangeStopped {};

void ShowPlain(QWidget* parent, const QString& text) {
    Ui().Message(parent, kAppTitle, text, MsgIcon::None, MsgButtons::Ok);
}

}  // namespace

// The exchange after its first status text, through the network core's workflow, with the
// records' part given by the window. `ownTexts`: the status texts between the transfers (N7
// only); `configure` runs first inside the guarded block. The
// window may be closed, or even destroyed, from inside any wait: after every step that waits,
// nothing is touched unless it is still there.
void TExchangeController::RunExchange(bool ownTexts, const std::function<void(TFtpClient&)>& configure) {
    QPointer<TExchangeController> self(this);
    // The records directory as the exchange began: the player may change it from a menu while
    // the exchange waits, and the page belongs beside this exchange's files.
    const std::string dir = records_.dir();

    auto client = [&self]() -> TFtpClient& {
        if (!self || self->stopped_ || !self->Ftp1) throw ExchangeStopped{};
        return *self->Ftp1;
    };
    auto status = [&self, ownTexts](const QString& text) {
        if (ownTexts && self) self->view_.SetStatus(text);
    };

    std::exception_ptr failure;
    std::optional<ExchangeVerdict> verdict;
    try {
        if (configure) configure(client());
        ExchangeSteps steps;
        steps.merge = records_.merge;
        steps.writePage = records_.writePage;
        steps.proofsOf = records_.proofsOf;
        steps.status = [&status](const std::string& text) { status(CoreText(text)); };
        verdict = RunResultsExchange(client, dir, steps);
    } catch (const ExchangeStopped&) {
    } catch (...) {
        failure = std::current_exception();
    }

    if (!self) return;
    view_.SetStatus(QString());
    if (Ftp1) {
        if (stopped_) {
            // No farewell: the program is ending and waits for no server.
            Ftp1->CloseSocket();
        } else {
            try {
                Ftp1->Disconnect();
            } catch (...) {
                // The first failure is the one the player needs to see.
                if (!failure) failure = std::current_exception();
            }
        }
    }
    if (!self || stopped_) return;
    if (failure) std::rethrow_exception(failure);
    if (verdict && verdict->Refused() > 0)
        Ui().Message(view_.DialogParent(), kAppTitle, VerdictText(*verdict), MsgIcon::Information,
                     MsgButtons::Ok);
}

QString TExchangeController::VerdictText(const ExchangeVerdict& verdict) {
    QString text = kVerdictHead.Text().arg(verdict.Refused());
    const std::pair<uint32_t, const TrText*> reasons[] = {{verdict.unproven, &kVerdictUnproven},
                                                          {verdict.forged, &kVerdictForged},
                                                          {verdict.duplicate, &kVerdictDuplicate}};
    for (const auto& [count, reason] : reasons)
        if (count > 0) text += QStringLiteral("\n") + reason->Text().arg(count);
    return text;
}

// Counts a running exchange; the window may be gone by the time it ends.
class ExchangeGuard {
  public:
    explicit ExchangeGuard(TExchangeController* exchange) : exchange_(exchange) {
        if (++exchange->exchangeDepth_ == 1) emit exchange->runningChanged(true);
    }
    ~ExchangeGuard() {
        if (exchange_ && --exchange_->exchangeDepth_ == 0) emit exchange_->runningChanged(false);
    }
    ExchangeGuard(const ExchangeGuard&) = delete;
    ExchangeGuard& operator=(const ExchangeGuard&) = delete;

  private:
    QPointer<TExchangeController> exchange_;
};

TExchangeController::TExchangeController(TMainView& view, Records records, ResultsConfig where,
                                         QObject* parent)
    : QObject(parent), view_(view), records_(std::move(records)), where_(std::move(where)) {}

TExchangeController::~TExchangeController() {
    DestroyExchange();
}

void TExchangeController::CreateExchange() {
    if (!Ftp1) {
        // Every transport's waits run the window events, so the window stays alive meanwhile.
        TSockTransport::SetDefaultEventPump([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
        auto ftp = std::make_unique<TFtpClient>();
        ftp->Host = where_.server.host;
        ftp->Port = where_.server.port;
        ftp->UserID = kUser;
        ftp->Password = kPassword;
        ftp->Passive = true;
        ftp->Tls = where_.tls;
        ftp->TlsFingerprint = where_.tlsFingerprint;
        ftp->FirewallType = FTUser;
        ftp->Proxy.clear();
        ftp->ProxyPort = 0;
        ftp->FWAuthenticate = false;
        ftp->TimeOut = 0;
        ftp->ReportLevel = 0;
        ftp->Vendor = 2411;
        ftp->ParseList = false;
        QPointer<TExchangeController> self(this);
        ftp->EventPump = [self] {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            // Closing the window ends every wait of the exchange (a wait may begin after the
            // close, so this holds on each run).
            if (self && self->stopped_ && self->Ftp1) {
                self->Ftp1->Cancel();
                self->Ftp1->Abort();
            }
        };
        ftp->OnConnect = [this](TFtpClient&) { Ftp1Connect(); };
        ftp->OnConnectionFailed = [this](TSockTransport&) { Ftp1ConnectionFailed(); };
        ftp->OnSuccess = [this](TCmdType kind) { Ftp1Success(kind); };
        Ftp1 = ftp.release();
    }
    if (!SetForm) SetForm = new TSetForm(view_.DialogParent());
}

void TExchangeController::DestroyExchange() {
    // Destroying the client ends its running wait with an abort; the exchange that waited finds
    // Ftp1 gone and stops.
    std::unique_ptr<TFtpClient> ftp(Ftp1);
    Ftp1 = nullptr;
    if (ftp) {
        ftp->Abort();
        ftp->Cancel();
    }
}

void TExchangeController::Ftp1Connect() {
    view_.SetStatus(kConnected);
}

void TExchangeController::Ftp1ConnectionFailed() {
    if (stopped_) return;
    ShowPlain(view_.DialogParent(), QStringLiteral("Connect failed"));
}

void TExchangeController::Ftp1Success(TCmdType transType) {
    view_.SetStatus(QString());
    if (stopped_) return;
    if (transType == cmdDownload)
        ShowPlain(view_.DialogParent(), QStringLiteral("Download is Successfull"));
    else if (transType == cmdUpload)
        ShowPlain(view_.DialogParent(), QStringLiteral("Upload is Successfull"));
}

void TExchangeController::N7Click() {
    // One exchange at a time: both would drive the one client.
    if (ExchangeInProgress() || !Ftp1 || stopped_) return;
    ExchangeGuard guard(this);
    view_.SetStatus(kConnecting);
    RunExchange(true, {});
}

void TExchangeController::N10Click() {
    if (ExchangeInProgress() || !Ftp1 || !SetForm || stopped_) return;
    ExchangeGuard guard(this);
    QPointer<TExchangeController> self(this);
    // However the window is closed, the exchange follows.
    Ui().ShowModal(SetForm);
    if (!self || stopped_ || !Ftp1) return;
    view_.SetStatus(kConnecting);
    RunExchange(false, [this](TFtpClient& ftp) {
        const ServerAddress server = ParseServerAddress(SetForm->Edit1->text().trimmed().toStdString());
        ftp.Host = server.host;
        ftp.Port = server.port;
        ftp.UserID = Utf8ToCp1251(SetForm->Edit2->text().toStdString());
        ftp.Password = Utf8ToCp1251(SetForm->Edit3->text().toStdString());
    });
}

void TExchangeController::N9Click() {
    Ui().OpenUrl(QString::fromStdString(where_.site));
}

}  // namespace kv::ui
