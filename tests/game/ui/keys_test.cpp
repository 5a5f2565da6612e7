// The board from the keyboard, through key events sent to the real main window.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <filesystem>
#include <utility>

#include "MainWindowFixture.h"
#include "app/ui/Kvelli99_U1.h"
#include "game/SaveGame.h"
#include "game/UFunc.h"
#include "ui/TShape.h"

namespace kv::test {
namespace {

using ui::TShape;

// As in the move tests: the move (3,7) to (3,8) makes a run, and another move stays.
const std::vector<std::string> kOneRun = {
    "12345228", "45678122", "78123456", "23456781", "56781234", "81234567", "34567812", "55812345",
};

class Keys : public MainWindowFixture {
  protected:
    // The cells that show the cursor's frame.
    std::vector<std::pair<int, int>> Framed() const {
        std::vector<std::pair<int, int>> out;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c)
                if (Shape(c, r)->CursorFrame()) out.emplace_back(c, r);
        return out;
    }

    // Arrows only: the first shows the cursor where it stands, the others move it.
    void CursorTo(int col, int row) {
        if (Framed().empty()) SendKey(Qt::Key_Left);
        for (int guard = 0; guard < 32 && HasForm(); ++guard) {
            ASSERT_EQ(Framed().size(), 1u);
            const auto [c, r] = Framed()[0];
            if (c == col && r == row) return;
            SendKey(c < col ? Qt::Key_Right : c > col ? Qt::Key_Left : r < row ? Qt::Key_Down : Qt::Key_Up);
        }
        FAIL() << "the cursor did not reach " << col << "," << row;
    }

    QImage Picture() const { return Child("Panel1")->grab().toImage(); }
};

// A neighbour exchange that makes a run of three, on the board as the fixture reads it.
bool FindMove(std::vector<std::string> b, int& c1, int& r1, int& c2, int& r2) {
    auto run = [&b] {
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) {
                if (c + 2 < 8 && b[r][c] == b[r][c + 1] && b[r][c] == b[r][c + 2]) return true;
                if (r + 2 < 8 && b[r][c] == b[r + 1][c] && b[r][c] == b[r + 2][c]) return true;
            }
        return false;
    };
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            for (auto [dc, dr] : {std::pair{1, 0}, std::pair{0, 1}}) {
                if (c + dc > 7 || r + dr > 7) continue;
                std::swap(b[r][c], b[r + dr][c + dc]);
                const bool found = run();
                std::swap(b[r][c], b[r + dr][c + dc]);
                if (found) {
                    c1 = c + 1, r1 = r + 1, c2 = c + dc + 1, r2 = r + dr + 1;
                    return true;
                }
            }
    return false;
}

TEST_F(Keys, TheCursorShowsAtTheFirstArrowStaysOnTheBoardAndAMouseClickHidesIt) {
    SetBoard(kOneRun);
    const QImage design = Picture();
    EXPECT_TRUE(Framed().empty());
    SendKey(Qt::Key_Space);  // no cursor, no ball pressed
    EXPECT_FALSE(game.FirstChosen);

    SendKey(Qt::Key_Right);
    EXPECT_EQ(Framed(), (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_NE(Picture(), design);
    SendKey(Qt::Key_Up);
    SendKey(Qt::Key_Left);
    EXPECT_EQ(Framed(), (std::vector<std::pair<int, int>>{{1, 1}}));
    for (int i = 0; i < 9; ++i) {
        SendKey(Qt::Key_Right);
        SendKey(Qt::Key_Down);
    }
    EXPECT_EQ(Framed(), (std::vector<std::pair<int, int>>{{8, 8}}));
    // The frame keeps the ball's colour in view, also on a ball marked for a move.
    SendKey(Qt::Key_Space);
    const QImage marked = Shape(8, 8)->grab().toImage();
    const QColor ball = Shape(8, 8)->BrushColor();
    EXPECT_EQ(marked.pixelColor(marked.width() / 2, marked.height() / 2), ball);
    EXPECT_EQ(marked.pixelColor(marked.width() / 6, marked.height() / 2), ball);

    // Mouse clicks mark and unmark: the board is the design's again, pixel for pixel.
    Click(4, 4);
    EXPECT_TRUE(Framed().empty());
    EXPECT_FALSE(game.FirstChosen);  // the second press, on another ball far away
    EXPECT_EQ(Picture(), design);
    // The next arrow shows it again where it was.
    SendKey(Qt::Key_Down);
    EXPECT_EQ(Framed(), (std::vector<std::pair<int, int>>{{8, 8}}));
}

TEST_F(Keys, SpaceAndEnterPressTheBallUnderTheCursorAsClicksDo) {
    // A refused exchange: one alert, the board as it was.
    SetBoard(kOneRun);
    CursorTo(1, 1);
    SendKey(Qt::Key_Space);
    EXPECT_TRUE(game.FirstChosen);
    EXPECT_EQ(Shape(1, 1)->Shape(), TShape::Kind::Rectangle);
    SendKey(Qt::Key_Space, Qt::NoModifier, true);  // a held key presses once
    EXPECT_TRUE(game.FirstChosen);
    CursorTo(2, 1);
    SendKey(Qt::Key_Return);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(Board(), kOneRun);
    EXPECT_FALSE(game.FirstChosen);

    // A move made with keys ends as the same move made with clicks, refill and all.
    game.Seed(7);
    game.Score = 0;
    SetBoard(kOneRun);
    pauses.clear();
    CursorTo(3, 7);
    SendKey(Qt::Key_Enter, Qt::KeypadModifier);
    CursorTo(3, 8);
    SendKey(Qt::Key_Space);
    const auto byKeys = Board();
    const auto keyPauses = pauses;
    const int keyScore = game.Score;
    EXPECT_GE(keyScore, 15);

    game.Seed(7);
    game.Score = 0;
    SetBoard(kOneRun);
    pauses.clear();
    Click(3, 7);
    Click(3, 8);
    EXPECT_EQ(Board(), byKeys);
    EXPECT_EQ(pauses, keyPauses);
    EXPECT_EQ(game.Score, keyScore);
    EXPECT_EQ(ScoreText(), QString::number(keyScore));
}

TEST_F(Keys, KeysOnTheBoardAreIgnoredWhileAMoveIsPlayedOut) {
    SetBoard(kOneRun);
    CursorTo(3, 7);
    SendKey(Qt::Key_Space);
    SendKey(Qt::Key_Down);
    int inPause = 0;
    onPause = [&](int) {
        if (inPause++ > 0) return;
        SendKey(Qt::Key_Right);
        SendKey(Qt::Key_Space);
        SendKey(Qt::Key_Up);
        SendKey(Qt::Key_Return);
    };
    SendKey(Qt::Key_Space);
    onPause = nullptr;
    EXPECT_FALSE(game.FirstChosen);  // no press nested in the move started another
    EXPECT_EQ(Framed(), (std::vector<std::pair<int, int>>{{3, 8}}));
}

TEST_F(Keys, AWholeGameIsPlayedNamedAndSavedFromTheKeyboard) {
    dialogs.inputAnswers.push_back({true, QStringLiteral("Keyboard")});
    int moves = 0;
    while (dialogs.inputPrompts.empty()) {
        ASSERT_LT(moves, 3000) << "the game did not end";
        int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
        ASSERT_TRUE(FindMove(Board(), c1, r1, c2, r2))
            << "no move found, movable " << MovableText().toStdString();
        ASSERT_NE(MovableText(), "0");
        CursorTo(c1, r1);
        SendKey(Qt::Key_Space);
        CursorTo(c2, r2);
        const int before = game.Score;
        SendKey(Qt::Key_Return);
        ASSERT_TRUE(dialogs.inputPrompts.size() == 1 || game.Score > before) << "move " << moves;
        ++moves;
    }
    EXPECT_GT(moves, 1);
    ASSERT_TRUE(HasForm());
    bool entered = false;
    for (const auto& e : records.Matr)
        entered = entered || (e.name == "Keyboard" && e.score > 0);
    EXPECT_TRUE(entered);
    EXPECT_EQ(ScoreText(), "0");  // a new deal

    const std::string saved = Dir().File("by-keys.sav");
    dialogs.saveAnswers.push_back(QString::fromStdString(saved));
    SendKey(Qt::Key_F2);
    ASSERT_EQ(dialogs.saveCalls.size(), 1u);
    ASSERT_TRUE(std::filesystem::exists(saved));
    kv::Game loaded;
    LoadSavedGame(loaded, saved);
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            EXPECT_EQ(loaded.At(r, c), game.At(r, c));
}

}  // namespace
}  // namespace kv::test
