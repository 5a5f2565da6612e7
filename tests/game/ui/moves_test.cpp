// Moves played with real mouse presses on the ball controls of the main window.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QTimer>
#include <filesystem>

#include "MainWindowFixture.h"
#include "app/ui/Kvelli99_U1.h"
#include "game/UFunc.h"
#include "ui/TShadowLabel.h"
#include "ui/TShape.h"

namespace kv::test {
namespace {

using ui::TShape;

// No run anywhere, and no ball has a move: each colour lies on its own diagonals.
const std::vector<std::string> kNoMoves = {
    "12345678", "45678123", "78123456", "23456781", "56781234", "81234567", "34567812", "67812345",
};
// Moves: (3,7) down to (3,8) makes 5 5 5 at the left of row 8; far from it, (8,2) up to (8,1)
// makes 2 2 2, so the board still has a move after the first one.
const std::vector<std::string> kOneRun = {
    "12345228", "45678122", "78123456", "23456781", "56781234", "81234567", "34567812", "55812345",
};
// Exchanging (3,7) and (3,8) completes a run for both balls: 8 8 8 in row 7, 5 5 5 in row 8.
const std::vector<std::string> kTwoRuns = {
    "12345228", "45678122", "78123456", "23456781", "56781234", "81234567", "88567812", "55812345",
};

const std::vector<int> kMoveWithoutCascade = {300, 200, 200, 200, 200, 200, 200};

class Moves : public MainWindowFixture {
  protected:
    kv::Game& G() { return game; }

    // Plays the move (3,7) to (3,8) on `board` with the first seed whose refill makes no new run,
    // so that exactly the cleared cells are scored.
    void PlayWithoutCascade(const std::vector<std::string>& board, Qt::MouseButton button = Qt::LeftButton) {
        for (uint64_t seed = 1; seed < 50; ++seed) {
            G().Seed(seed);
            G().Score = 0;
            SetBoard(board);
            pauses.clear();
            Click(3, 7, button);
            Click(3, 8, button);
            if (pauses.size() == kMoveWithoutCascade.size()) return;
        }
        FAIL() << "every seed cascaded";
    }
};

TEST_F(Moves, AFirstClickMarksTheBallAndASecondOnTheSameBallUnmarksIt) {
    SetBoard(kOneRun);
    Child<ui::TShadowLabel>("RxLabel4")->setText("stale");
    Click(4, 2);
    EXPECT_EQ(Shape(4, 2)->Shape(), TShape::Kind::Rectangle);
    EXPECT_TRUE(G().FirstChosen);
    EXPECT_EQ(G().FirstCell, (kv::Cell{2, 4}));
    EXPECT_EQ(Board(), kOneRun);

    Click(4, 2);
    EXPECT_EQ(Shape(4, 2)->Shape(), TShape::Kind::Circle);
    EXPECT_FALSE(G().FirstChosen);
    EXPECT_EQ(Board(), kOneRun);
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_TRUE(pauses.empty());
    ASSERT_GT(G().MovableCount, 0);
    EXPECT_EQ(MovableText(), QString::number(G().MovableCount));  // counted and shown again
}

TEST_F(Moves, NonNeighboursAndDiagonalsExchangeNothingAndMakeNoSound) {
    SetBoard(kOneRun);
    const std::pair<kv::Cell, kv::Cell> pairs[] = {
        {{3, 7}, {4, 8}},  // diagonal
        {{3, 7}, {3, 5}},  // two rows apart
        {{1, 1}, {3, 1}},  // two columns apart
        {{1, 1}, {8, 8}},
    };
    for (const auto& [a, b] : pairs) {
        Click(a.col, a.row);
        Click(b.col, b.row);
        EXPECT_EQ(Board(), kOneRun) << a.col << a.row << " " << b.col << b.row;
        EXPECT_FALSE(G().FirstChosen);
        EXPECT_EQ(Shape(a.col, a.row)->Shape(), TShape::Kind::Circle);
        EXPECT_EQ(Shape(b.col, b.row)->Shape(), TShape::Kind::Circle);
    }
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_TRUE(pauses.empty());
    EXPECT_EQ(G().Score, 0);
}

TEST_F(Moves, ARefusedExchangeIsShownThenUndoneWithOneAlert) {
    SetBoard(kOneRun);
    G().Score = 40;
    std::vector<std::string> shownDuringPause;
    onPause = [&](int) { shownDuringPause = Board(); };
    Click(1, 1);
    Click(1, 2);
    EXPECT_EQ(pauses, std::vector<int>{300});
    ASSERT_FALSE(shownDuringPause.empty());
    EXPECT_EQ(shownDuringPause[0].substr(0, 2), "42");  // the exchange stood during the pause
    EXPECT_EQ(shownDuringPause[1].substr(0, 2), "15");
    EXPECT_EQ(Board(), kOneRun);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(G().Score, 40);
    EXPECT_FALSE(G().FirstChosen);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Moves, ARunOfThreeScoresFifteenWithThePausesOfAMove) {
    std::vector<QString> scoreAtPause;
    std::vector<std::string> bottomRowAtPause;
    onPause = [&](int) {
        scoreAtPause.push_back(ScoreText());
        bottomRowAtPause.push_back(Board()[7]);
    };
    PlayWithoutCascade(kOneRun);
    EXPECT_EQ(pauses, kMoveWithoutCascade);
    EXPECT_EQ(G().Score, 15);
    EXPECT_EQ(ScoreText(), "15");
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_FALSE(G().FirstChosen);

    // What each pause showed: the exchange, the cleared run (twice: its first repetition's
    // clearing finds only the empty cells), the fallen balls, and then the settled board.
    ASSERT_GE(bottomRowAtPause.size(), 4u);
    EXPECT_EQ(bottomRowAtPause[0], "55512345");
    EXPECT_EQ(bottomRowAtPause[1], "00012345");
    EXPECT_EQ(bottomRowAtPause[2], "00012345");
    EXPECT_EQ(bottomRowAtPause[3], "34812345");
    // The score is shown after the first refill, before the second repetition's pauses.
    EXPECT_EQ(scoreAtPause[3], "0");
    EXPECT_EQ(scoreAtPause[4], "15");

    // The three columns fell by one and three new balls came in at the top.
    const auto board = Board();
    EXPECT_EQ(board[1].substr(0, 3), "123");
    EXPECT_EQ(board[0].substr(3), "45228");
    for (int c = 0; c < 3; ++c)
        EXPECT_TRUE(board[0][c] >= '1' && board[0][c] <= '8');
    for (int s = 0; s < 64; ++s)
        EXPECT_EQ(Shape(s % 8 + 1, s / 8 + 1)->Shape(), TShape::Kind::Circle);
}

TEST_F(Moves, AnExchangeThatCompletesTwoRunsClearsBoth) {
    PlayWithoutCascade(kTwoRuns);
    EXPECT_EQ(G().Score, 30);
    const auto board = Board();
    EXPECT_EQ(board[7].substr(0, 3), "812");  // rows 5 and 6 fell by two
    EXPECT_EQ(board[6].substr(0, 3), "567");
}

TEST_F(Moves, ACascadeAddsARepetitionOfThreePauses) {
    // Clearing 5 5 5 at the bottom of columns 1 to 3 lets 3 8 8 fall into row 8, next to its 8:
    // the second repetition clears 8 8 8, and the loop goes on.
    SetBoard(
        {"12345228", "45678122", "78123456", "23456781", "56781234", "81234567", "38567812", "55882345"});
    Click(3, 7);
    Click(3, 8);
    ASSERT_GE(pauses.size(), 10u);
    EXPECT_EQ((pauses.size() - 1) % 3, 0u);
    EXPECT_EQ(pauses[0], 300);
    for (size_t i = 1; i < pauses.size(); ++i)
        EXPECT_EQ(pauses[i], 200);
    EXPECT_GE(G().Score, 30);
    EXPECT_EQ(ScoreText(), QString::number(G().Score));
}

TEST_F(Moves, AnyMouseButtonActsAlike) {
    SetBoard(kOneRun);
    const kv::Game before = G();
    Click(3, 7, Qt::LeftButton);
    Click(3, 8, Qt::LeftButton);
    const auto leftBoard = Board();
    const int leftScore = G().Score;
    ASSERT_GT(leftScore, 0);

    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        G() = before;
        Form().GameController().ShowAll();
        Click(3, 7, b);
        EXPECT_EQ(Shape(3, 7)->Shape(), TShape::Kind::Rectangle);
        Click(3, 8, b);
        EXPECT_EQ(Board(), leftBoard);
        EXPECT_EQ(G().Score, leftScore);
    }
}

TEST_F(Moves, PressesAndBoardCommandsDuringAMoveAreIgnored) {
    SetBoard(kOneRun);
    bool sawMove = false;
    std::vector<std::string> before, after;
    onPause = [&](int) {
        if (pauses.size() != 2) return;  // in the middle: the run is cleared, the board has holes
        sawMove = Moving();
        before = Board();
        Click(5, 5);
        Click(5, 6);
        Action("MnuNew")->trigger();
        Action("MnuSave")->trigger();
        Action("MnuLoad")->trigger();
        Action("N5")->trigger();
        after = Board();
        EXPECT_EQ(Shape(5, 5)->Shape(), TShape::Kind::Circle);
    };
    Click(3, 7);
    Click(3, 8);
    EXPECT_TRUE(sawMove);
    EXPECT_EQ(after, before);
    EXPECT_EQ(before[7].substr(0, 3), "000");
    EXPECT_GE(pauses.size(), kMoveWithoutCascade.size());
    EXPECT_TRUE(dialogs.saveCalls.empty());
    EXPECT_TRUE(dialogs.openCalls.empty());
    EXPECT_TRUE(dialogs.modalShown.empty());
    EXPECT_TRUE(Action("N4")->isChecked());  // the menu did not move the mark either
    EXPECT_FALSE(Action("N5")->isChecked());
    EXPECT_FALSE(Moving());
    EXPECT_FALSE(G().FirstChosen);
    // Balls take presses again once the move is over.
    Click(5, 5);
    EXPECT_EQ(Shape(5, 5)->Shape(), TShape::Kind::Rectangle);
}

TEST_F(Moves, ClosingTheWindowInAPauseEndsTheMove) {
    SetBoard(kOneRun);
    onPause = [&](int) { CloseForm(); };
    Click(3, 7);
    Click(3, 8);
    EXPECT_EQ(pauses, std::vector<int>{300});
    EXPECT_FALSE(Form().isVisible());
    EXPECT_FALSE(Moving());
    EXPECT_TRUE(std::filesystem::exists(ConfigHome() + "/software/quorvane/kvelli/storage.ini"));

    // The close reports a settings file it cannot write: while the player reads that, the move
    // does not go on (nor could it end the game and ask for a name in the middle of the close).
    RecreateForm();
    const std::string settings = ConfigHome() + "/kvelli99/kvelli99.INI";
    std::filesystem::remove(settings);
    std::filesystem::create_directories(settings);
    SetBoard(kNoMoves);
    G().FirstChosen = false;  // the dropped move's choice
    pauses.clear();
    int framesDuringMessage = 0;
    dialogs.whileMessageShown = [&] { framesDuringMessage += StepFrames(); };
    Click(1, 1);
    Click(2, 1);  // refused after its wait; with no move left it would end the game
    dialogs.whileMessageShown = nullptr;
    EXPECT_EQ(pauses, std::vector<int>{300});
    EXPECT_EQ(framesDuringMessage, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Unable to write to "));
    EXPECT_TRUE(dialogs.inputPrompts.empty());
    EXPECT_TRUE(dialogs.modalShown.empty());
    EXPECT_FALSE(Form().isVisible());
}

TEST_F(Moves, DestroyingTheWindowInAPauseIsSafe) {
    SetBoard(kOneRun);
    onPause = [&](int) {
        if (pauses.size() == 3) DestroyForm();
    };
    Click(3, 7);
    Click(3, 8);
    EXPECT_EQ(pauses.size(), 3u);
    EXPECT_FALSE(HasForm());
}

TEST_F(Moves, ABoardWithoutMovesEndsTheGameAtTheSecondClick) {
    SetBoard(kNoMoves);
    G().Score = 35;
    dialogs.inputAnswers.push_back({true, QStringLiteral("Tester")});
    // In the order the player sees it: the counter reaches 0, then the game ends (its first
    // step asks for the name), then the new deal's count.
    std::vector<std::pair<int, size_t>> counts;  // the count, and the names asked for by then
    QObject::connect(&Form().GameController(), &ui::TGameController::movableChanged, &Form(),
                     [&](int n) { counts.emplace_back(n, dialogs.inputPrompts.size()); });
    Click(1, 1);
    EXPECT_TRUE(dialogs.modalShown.empty());  // a first click tests nothing
    Click(3, 1);
    ASSERT_EQ(counts.size(), 2u);
    EXPECT_EQ(counts[0], (std::pair<int, size_t>{0, 0}));
    EXPECT_EQ(counts[1], (std::pair<int, size_t>{G().MovableCount, 1}));
    EXPECT_FALSE(dialogs.modalShown.empty());  // the records window
    EXPECT_FALSE(G().FirstChosen);
    EXPECT_EQ(ScoreText(), "0");
    EXPECT_EQ(G().Score, 0);
    EXPECT_EQ(MovableText(), QString::number(G().MovableCount));
    EXPECT_NE(Board(), kNoMoves);  // a new deal
}

TEST_F(Moves, AGameThatEndsUnderAModalWindowEndsOnceItIsClosed) {
    // F5 in the wait of an exchange that is refused on a board without moves: the last frame
    // comes under the records window, even under a window that one opened in turn, and the end
    // waits for both to close.
    int frames = 0;
    bool endUnderWindow = true, moving = true;
    std::vector<std::string> painted;
    auto playUnderRecords = [&](const std::function<void()>& beforeClose) {
        SetBoard(kNoMoves);
        G().FirstChosen = false;
        G().Score = 35;
        onPause = [&](int) {
            onPause = nullptr;
            Action("MnuRec")->trigger();
        };
        dialogs.modalActions.push_back([&, beforeClose](QDialog* window) {
            QDialog inner(window);
            QTimer::singleShot(0, &inner, [&] {
                frames = StepFrames();
                inner.reject();
            });
            inner.exec();
            QCoreApplication::processEvents();
            endUnderWindow = !dialogs.inputPrompts.empty() || dialogs.modalShown.size() > 1;
            painted = PaintedBoard();
            moving = Moving();
            if (beforeClose) beforeClose();
            window->reject();
        });
        Click(1, 1);
        Click(2, 1);
        QCoreApplication::processEvents();
    };

    QString resultTitle;
    dialogs.inputAnswers.push_back({true, QStringLiteral("Tester")});
    playUnderRecords([&] {
        dialogs.modalActions.push_back([&](QDialog* window) {
            resultTitle = window->windowTitle();
            window->reject();
        });
    });
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(painted, kNoMoves);  // the last frame reached the screen under the windows
    EXPECT_FALSE(moving);
    EXPECT_FALSE(endUnderWindow);
    // Then the end, once and as always: the name, the records window with the result, the
    // advertisement, a new deal.
    EXPECT_EQ(dialogs.inputPrompts.size(), 1u);
    EXPECT_EQ(dialogs.modalShown, (std::vector<QString>{"Form2", "Form2", "ReclamaForm"}));
    EXPECT_TRUE(resultTitle.endsWith(QStringLiteral(": 35"))) << resultTitle.toStdString();
    EXPECT_FALSE(G().FirstChosen);
    EXPECT_EQ(G().Score, 0);
    EXPECT_NE(Board(), kNoMoves);

    // The main window closed while the end waits: nothing of the end runs.
    dialogs.modalShown.clear();
    dialogs.inputPrompts.clear();
    frames = 0;
    playUnderRecords([&] { CloseForm(); });
    EXPECT_EQ(frames, 1);
    EXPECT_FALSE(Form().isVisible());
    EXPECT_TRUE(dialogs.inputPrompts.empty());
    EXPECT_EQ(dialogs.modalShown, std::vector<QString>{"Form2"});
    EXPECT_EQ(Board(), kNoMoves);
}

TEST_F(Moves, AGameThatEndsUnderAnOpenMenuEndsOnceItCloses) {
    SetBoard(kNoMoves);
    G().FirstChosen = false;
    dialogs.inputAnswers.push_back({true, QStringLiteral("Tester")});
    auto* menu = Form().findChild<QMenu*>(QStringLiteral("Game"));
    onPause = [&](int) {
        onPause = nullptr;
        menu->popup(Form().mapToGlobal(QPoint(0, 0)));
    };
    Click(1, 1);
    Click(2, 1);  // refused; with no move left it ends the game
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(dialogs.inputPrompts.empty());
    EXPECT_EQ(Form().GameController().PlayState(), ui::TGameController::Play::EndWaiting);
    menu->hide();
    PlayOut();
    EXPECT_EQ(dialogs.inputPrompts.size(), 1u);
    EXPECT_NE(Board(), kNoMoves);
}

TEST_F(Moves, AFailedEndOfGameLeavesTheChoiceStanding) {
    // The records file cannot be written: a directory stands in its place.
    std::filesystem::remove(Dir().File("Kvelli99.rec"));
    std::filesystem::create_directories(Dir().File("Kvelli99.rec"));
    SetBoard(kNoMoves);
    Click(1, 1);
    // A press on a ball that is no neighbour, then (the choice still standing) on a neighbour
    // whose exchange is refused: the board shows the game as it is, not the undone exchange.
    for (const int col : {3, 2}) {
        SCOPED_TRACE(col);
        dialogs.inputAnswers.push_back({true, QStringLiteral("Tester")});
        const size_t shown = dialogs.messages.size();
        Click(col, 1);
        ASSERT_EQ(dialogs.messages.size(), shown + 1);
        EXPECT_EQ(dialogs.messages.back().icon, ui::MsgIcon::Error);
        EXPECT_TRUE(G().FirstChosen);  // so the next press ends the game again
        EXPECT_EQ(Board(), kNoMoves);
        EXPECT_EQ(PaintedBoard(), kNoMoves);
    }
}

// The real timer: the frames reach the screen at their times, and the waits use no CPU.
class RealTime : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        realTime = true;
    }
    static double CpuSeconds() {
        rusage ru{};
        getrusage(RUSAGE_SELF, &ru);
        return ru.ru_utime.tv_sec + ru.ru_stime.tv_sec + (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
    }
    // Runs the events until the move is over or `limit` ms have passed.
    void WaitForTheMove(int limit) {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (!Moving()) loop.quit();
        });
        poll.start(20);
        QTimer::singleShot(limit, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

TEST_F(RealTime, TheFramesOfAMoveReachTheScreenAtTheirTimesWithoutSpinning) {
    game.Seed(3);
    SetBoard(kOneRun);
    std::vector<qint64> shown;
    std::vector<std::string> bottom;
    QElapsedTimer clock;
    QObject::connect(&Form().GameController(), &ui::TGameController::boardChanged, &Form(), [&] {
        shown.push_back(clock.elapsed());
        bottom.push_back(Board()[7]);
    });
    Click(3, 7);
    const double cpu = CpuSeconds();
    clock.start();
    Click(3, 8);
    EXPECT_TRUE(Moving());  // the press returned at once
    WaitForTheMove(5000);
    const double used = CpuSeconds() - cpu;
    ASSERT_FALSE(Moving());
    ASSERT_GE(shown.size(), 8u);
    EXPECT_LT(shown[0], 100);  // the exchange, at once
    EXPECT_EQ(bottom[0], "55512345");
    EXPECT_GE(shown[1], 299);  // the cleared run after 300 ms
    EXPECT_EQ(bottom[1], "00012345");
    for (size_t i = 2; i < shown.size(); ++i)
        EXPECT_GE(shown[i] - shown[i - 1], 199) << "frame " << i;
    EXPECT_GE(shown.back(), 1499);
    EXPECT_LT(shown.back(), 4000);
    EXPECT_EQ(ScoreText(), QString::number(game.Score));
    EXPECT_FALSE(game.FirstChosen);
    EXPECT_LT(used, 0.2) << "the move used " << used << " s of CPU";
}

TEST_F(RealTime, ClosingTheWindowStopsTheTimer) {
    SetBoard(kOneRun);
    Click(3, 7);
    Click(3, 8);
    const auto during = Board();
    int changes = 0;
    QObject::connect(&Form().GameController(), &ui::TGameController::boardChanged, &Form(),
                     [&] { ++changes; });
    ASSERT_TRUE(CloseForm());
    EXPECT_FALSE(Moving());
    QEventLoop loop;
    QTimer::singleShot(600, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Board(), during);  // nothing ran on after the close
}

}  // namespace
}  // namespace kv::test
