#pragma once
// The "Интернет" menu in the main window: the results exchange with its FTP client Ftp1 and its
// notifications, the administrator's settings window, and the results site (net/ui/ExchangeController.cpp).

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "net/ResultsConfig.h"

namespace kv {
class TFtpClient;
enum TCmdType : int;
struct ExchangeVerdict;
}  // namespace kv

namespace kv::ui {

class TMainView;
class TSetForm;

class TExchangeController : public QObject {
    Q_OBJECT
  public:
    // The records' part of an exchange, which the network side does not know: the merge of the
    // local records file into the downloaded table, and the page written from that table.
    struct Records {
        std::function<std::string()> dir;  // the records directory
        std::function<void(const std::string& localPath, const std::string& netPath)> merge;
        std::function<void(const std::string& netPath, const std::string& pagePath)> writePage;
        // The proofs file of the merged copy, sent before it; may be empty.
        std::function<std::string(const std::string& netPath)> proofsOf;
    };

    // `parent` owns the controller (the main window); the view outlives it. `where`: the results
    // server and site, as the settings read at start-up name them.
    TExchangeController(TMainView& view, Records records, ResultsConfig where, QObject* parent);
    ~TExchangeController() override;

    void CreateExchange();   // Ftp1 and SetForm, hidden
    void DestroyExchange();  // cancels a running exchange, frees Ftp1
    void N7Click();
    void N9Click();
    void N10Click();
    bool ExchangeInProgress() const { return exchangeDepth_ > 0; }
    // The window closes: a running exchange stops at its next wait, without a farewell to the
    // server, and nothing is shown any more.
    void Stop() { stopped_ = true; }
    // Notifications of Ftp1.
    void Ftp1Connect();
    void Ftp1ConnectionFailed();
    void Ftp1Success(kv::TCmdType transType);
    // After an exchange: how many of the sent results a verifying server did not take, and why.
    static QString VerdictText(const kv::ExchangeVerdict& verdict);

    // The FTP client of the results exchange, owned here.
    kv::TFtpClient* Ftp1 = nullptr;
    TSetForm* SetForm = nullptr;

  signals:
    // An exchange started (true) or ended (false); it waits on the network in between, with the
    // window's events going on.
    void runningChanged(bool running);

  private:
    friend class ExchangeGuard;
    void RunExchange(bool ownTexts, const std::function<void(TFtpClient&)>& configure);
    TMainView& view_;
    Records records_;
    ResultsConfig where_;
    int exchangeDepth_ = 0;
    bool stopped_ = false;
};

}  // namespace kv::ui
