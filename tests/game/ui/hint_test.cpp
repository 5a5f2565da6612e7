// The hint on request (H, or the last item of "?"), on the real main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <utility>

#include "MainWindowFixture.h"
#include "app/ui/Kvelli99_U1.h"
#include "game/UFunc.h"
#include "ui/TShape.h"

namespace kv::test {
namespace {

// Two exchanges make a run of 2s in row 6; the rows above hold no move.
const std::vector<std::string> kBoard = {
    "12345678", "45678123", "78123456", "23456781", "56782234", "81224567", "34567812", "67812345",
};

class Hint : public MainWindowFixture {
  protected:
    std::vector<std::pair<int, int>> Hinted() const {
        std::vector<std::pair<int, int>> out;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c)
                if (Shape(c, r)->Hint()) out.emplace_back(c, r);
        return out;
    }
    int FramedCount() const {
        int n = 0;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c)
                n += Shape(c, r)->CursorFrame();
        return n;
    }
};

// Whether exchanging the two cells of `b` makes a run through either of them.
bool MakesRun(std::vector<std::string> b, std::pair<int, int> x, std::pair<int, int> y) {
    std::swap(b[x.second - 1][x.first - 1], b[y.second - 1][y.first - 1]);
    for (auto [c, r] : {x, y}) {
        const char v = b[r - 1][c - 1];
        int across = 1, down = 1;
        for (int k = c - 1; k >= 1 && b[r - 1][k - 1] == v; --k)
            ++across;
        for (int k = c + 1; k <= 8 && b[r - 1][k - 1] == v; ++k)
            ++across;
        for (int k = r - 1; k >= 1 && b[k - 1][c - 1] == v; --k)
            ++down;
        for (int k = r + 1; k <= 8 && b[k - 1][c - 1] == v; ++k)
            ++down;
        if (across >= 3 || down >= 3) return true;
    }
    return false;
}

TEST_F(Hint, MarksABallThatCanMoveAndItsPartnerFramesTheBallAndChangesNothing) {
    SetBoard(kBoard);
    SetCounters(35, game.MovableCount);
    const std::string movable = MovableText().toStdString();
    SendKey(Qt::Key_H);

    const auto hinted = Hinted();
    ASSERT_EQ(hinted.size(), 2u);
    const auto [a, b] = std::pair{hinted[0], hinted[1]};
    EXPECT_EQ(std::abs(a.first - b.first) + std::abs(a.second - b.second), 1);
    EXPECT_TRUE(MakesRun(kBoard, a, b));
    // The ball says the way to its partner and carries the frame; the partner is only marked.
    ui::TShape* ball = Shape(a.first, a.second)->HintNote().contains(QStringLiteral("ход"))
                           ? Shape(a.first, a.second)
                           : Shape(b.first, b.second);
    ui::TShape* partner =
        ball == Shape(a.first, a.second) ? Shape(b.first, b.second) : Shape(a.first, a.second);
    const QString way = partner->BoardCell().row < ball->BoardCell().row ? QStringLiteral("ход вверх")
                        : partner->BoardCell().row > ball->BoardCell().row ? QStringLiteral("ход вниз")
                        : partner->BoardCell().col < ball->BoardCell().col ? QStringLiteral("ход влево")
                                                                           : QStringLiteral("ход вправо");
    EXPECT_TRUE(ball->AccessibleName().endsWith(QStringLiteral(", подсказка, ") + way))
        << ball->AccessibleName().toStdString();
    EXPECT_TRUE(partner->AccessibleName().endsWith(QStringLiteral(", подсказка")));
    EXPECT_TRUE(ball->CursorFrame());
    EXPECT_EQ(FramedCount(), 1);

    // Costs nothing: the board, the score, the count and the choice are as they were.
    EXPECT_EQ(Board(), kBoard);
    EXPECT_EQ(game.Score, 35);
    EXPECT_EQ(ScoreText(), QStringLiteral("35"));
    EXPECT_EQ(MovableText().toStdString(), movable);
    EXPECT_FALSE(game.FirstChosen);
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_TRUE(dialogs.messages.empty());

    // The next press takes it away; the menu item brings it back and lets the chosen ball go;
    // then the time takes it away.
    Click(8, 8);
    EXPECT_TRUE(Hinted().empty());
    ASSERT_TRUE(game.FirstChosen);
    Action(QStringLiteral("MnuHint"))->trigger();
    EXPECT_EQ(Hinted(), hinted);
    EXPECT_FALSE(game.FirstChosen);
    EXPECT_EQ(Shape(8, 8)->Shape(), ui::TShape::Kind::Circle);
    QElapsedTimer t;
    t.start();
    while (!Hinted().empty() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_TRUE(Hinted().empty());
    EXPECT_GE(t.elapsed(), 2000);
    EXPECT_EQ(Board(), kBoard);
}

TEST_F(Hint, NothingDuringAMoveOrWhenNoBallCanMove) {
    SetBoard(DeadBoard());
    SendKey(Qt::Key_H);
    Action(QStringLiteral("MnuHint"))->trigger();
    EXPECT_TRUE(Hinted().empty());
    EXPECT_EQ(FramedCount(), 0);
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Board(), DeadBoard());

    // In a move's waits the board may hold empty cells: H is ignored there.
    SetBoard(kBoard);
    int tried = 0;
    onPause = [&](int) {
        SendKey(Qt::Key_H);
        EXPECT_TRUE(Hinted().empty());
        ++tried;
    };
    Click(3, 6);  // the 2 at row 6, column 3 with the 2 below it is no run: refused after a wait
    Click(3, 7);
    onPause = nullptr;
    EXPECT_GT(tried, 0);
    EXPECT_TRUE(Hinted().empty());
}

}  // namespace
}  // namespace kv::test
