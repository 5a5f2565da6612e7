// The board and the results exchange, as the window wires them: while an exchange waits on the
// network the board waits too, as during a move. A press, a key or a board command plays nothing
// inside it, and a game that a move ended meanwhile ends after it, not inside its wait.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "MainWindowFixture.h"
#include "ScriptServer.h"
#include "net/FtpClient.h"
#include "net/ui/ExchangeController.h"
#include "ui/TShape.h"

namespace kv::test {
namespace {

class BusyBoard : public MainWindowFixture {
  protected:
    // An exchange with a server that takes the connection and never greets: it waits on the
    // network for half a second, then fails with a message box.
    void SendToSilentServer() {
        ScriptServer silent([](Peer& p) { p.WaitClosed(5000); });
        TFtpClient& ftp = *Form().ExchangeController().Ftp1;
        ftp.Host = "127.0.0.1";
        ftp.Port = silent.port();
        ftp.IdleLimit = 500;
        Action("N7")->trigger();
        silent.Finish();
    }
};

TEST_F(BusyBoard, NothingIsPlayedInsideAnExchange) {
    SetBoard(DeadBoard());  // a move here would end the game
    bool during = false;
    QTimer::singleShot(100, qApp, [&] {
        during = Form().ExchangeController().ExchangeInProgress();
        Click(1, 1);
        Click(3, 1);
        SendKey(Qt::Key_Left);
        SendKey(Qt::Key_Space);
        Action("MnuNew")->trigger();
        Action("MnuHint")->trigger();
    });
    SendToSilentServer();
    EXPECT_TRUE(during);
    EXPECT_EQ(dialogs.messages.size(), 1u);  // the time-out
    EXPECT_FALSE(game.FirstChosen);
    EXPECT_FALSE(Shape(1, 1)->Chosen());
    EXPECT_FALSE(Shape(1, 1)->CursorFrame());
    EXPECT_TRUE(dialogs.inputPrompts.empty());
    EXPECT_TRUE(dialogs.modalShown.empty());
    EXPECT_EQ(Board(), DeadBoard());
    // Once it is over the board takes presses again.
    Click(1, 1);
    EXPECT_TRUE(Shape(1, 1)->Chosen());
}

TEST_F(BusyBoard, AGameThatEndsDuringAnExchangeEndsAfterIt) {
    // A refused exchange on a board without moves, just before the results exchange: its last
    // frame comes inside the exchange's wait, the end of the game (name, records, deal) after it.
    SetBoard(DeadBoard());
    realTime = true;
    bool endInside = true;
    dialogs.whileMessageShown = [&] { endInside = !dialogs.inputPrompts.empty(); };
    dialogs.inputAnswers.push_back({true, QStringLiteral("Tester")});
    Click(1, 1);
    Click(2, 1);
    SendToSilentServer();
    EXPECT_FALSE(endInside);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!dialogs.inputPrompts.empty()) loop.quit();
    });
    poll.start(20);
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(dialogs.inputPrompts.size(), 1u);
    EXPECT_NE(Board(), DeadBoard());  // a new deal
}

}  // namespace
}  // namespace kv::test
