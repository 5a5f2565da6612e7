// The board widget and the one table of ball looks it paints from: each colour index has its
// colour, its spoken word and its symbol; the board shows what it is told and names the cell
// that was pressed.
#include <gtest/gtest.h>

#include <QSet>
#include <climits>

#include "game/UFunc.h"
#include "game/ui/BallLooks.h"
#include "game/ui/Board.h"
#include "ui/TShape.h"

namespace kv::ui {
namespace {

TEST(BallLooks, EveryIndexHasItsColourWordAndSymbolAndForeignValuesAreDarkGrey) {
    struct Row {
        int value;
        QRgb rgb;
        const char* word;
    };
    const Row rows[] = {
        {1, 0x0000FF, "синий"},
        {2, 0xFF0000, "красный"},
        {3, 0x008000, "зелёный"},
        {4, 0x000000, "чёрный"},
        {5, 0xFFFF00, "жёлтый"},
        {6, 0x00FFFF, "голубой"},
        {7, 0x808080, "серый"},
        {8, 0xFF00FF, "пурпурный"},
        {9, 0x800000, "бордовый"},
        {10, 0x00FF00, "салатовый"},
        {-1, 0x404040, "тёмно-серый"},
        {11, 0x404040, "тёмно-серый"},
        {INT_MIN, 0x404040, "тёмно-серый"},
        {INT_MAX, 0x404040, "тёмно-серый"},
    };
    EXPECT_FALSE(BallLookOf(kEmpty));
    EXPECT_FALSE(ShownLook(kEmpty, true));
    QSet<int> symbols;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.value);
        const std::optional<BallLook> look = BallLookOf(r.value);
        ASSERT_TRUE(look);
        EXPECT_EQ(look->rgb, r.rgb);
        EXPECT_STREQ(look->word, r.word);
        const std::optional<TShape::Look> shown = ShownLook(r.value, true);
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->colour, QColor::fromRgb(r.rgb));
        EXPECT_EQ(shown->word, QString::fromUtf8(r.word));  // the source language is in force
        EXPECT_EQ(ShownLook(r.value, false)->symbol, TShape::Mark::None);
        // A symbol of its own for every colour a game can hold; none for a foreign value.
        if (r.value >= 1 && r.value <= kMaxColourIndex) {
            EXPECT_NE(shown->symbol, TShape::Mark::None);
            symbols.insert(int(shown->symbol));
        } else {
            EXPECT_EQ(shown->symbol, TShape::Mark::None);
        }
    }
    EXPECT_EQ(symbols.size(), kMaxColourIndex);
}

TEST(Board, ShowsWhatItIsToldAndSaysWhichCellWasPressed) {
    TBoard board(nullptr);
    Game::BoardArray values{};
    for (int r = 0; r < kBoardSize; ++r)
        for (int c = 0; c < kBoardSize; ++c)
            values[r][c] = (r * kBoardSize + c) % (kMaxColourIndex + 1);
    const Cell chosen{3, 5};
    board.ShowBalls(values, chosen);
    std::vector<Cell> pressed;
    QObject::connect(&board, &TBoard::Pressed, [&](Cell cell) { pressed.push_back(cell); });
    for (const bool symbols : {false, true}) {
        board.ShowSymbols(symbols);
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c) {
                SCOPED_TRACE(testing::Message()
                             << "row " << r << ", column " << c << ", symbols " << symbols);
                auto* ball = board.findChild<TShape*>(QStringLiteral("s%1%2").arg(c).arg(r));
                ASSERT_NE(ball, nullptr);
                const int value = values[r - 1][c - 1];
                const std::optional<TShape::Look> look = ShownLook(value, symbols);
                EXPECT_EQ(ball->Empty(), !look);
                if (look) {
                    EXPECT_EQ(ball->BrushColor(), look->colour);
                }
                EXPECT_EQ(ball->Symbol(), look ? look->symbol : TShape::Mark::None);
                EXPECT_EQ(ball->Chosen(), (Cell{r, c} == chosen));
                ball->Press();
                ASSERT_FALSE(pressed.empty());
                EXPECT_EQ(pressed.back(), (Cell{r, c}));
            }
    }
}

}  // namespace
}  // namespace kv::ui
