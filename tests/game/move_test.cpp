// The frames of a move on hand-made boards: their order, what each shows, the waits between them
// and the end of the game, without any window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/MoveSequence.h"

namespace kv {
namespace {

using Rows = std::vector<std::string>;

// Moves: (7,3) down to (8,3) makes 5 5 5 at the left of row 8; (2,8) up to (1,8) would make 2 2 2,
// so the board keeps a move after the first one.
const Rows kOneRun = {"12345228", "45678122", "78123456", "23456781",
                      "56781234", "81234567", "34567812", "55812345"};
// The same exchange completes 8 8 8 in row 7 and 5 5 5 in row 8.
const Rows kTwoRuns = {"12345228", "45678122", "78123456", "23456781",
                       "56781234", "81234567", "88567812", "55812345"};
// No run, and no ball has a move: each colour lies on its own diagonals.
const Rows kNoMoves = {"12345678", "45678123", "78123456", "23456781",
                       "56781234", "81234567", "34567812", "67812345"};

void Set(Game& g, const Rows& rows) {
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            g.At(r, c) = rows[r - 1][c - 1] - '0';
}

std::string Row(const MoveFrame& f, int row) {
    std::string out;
    for (int c = 0; c < kBoardSize; ++c)
        out += static_cast<char>('0' + f.board[row - 1][c]);
    return out;
}

// Every frame of the move from `first` to `second`.
std::vector<MoveFrame> Play(Game& g, Cell first, Cell second) {
    g.FirstCell = first;
    g.FirstChosen = true;
    MoveSequence move(g, second);
    std::vector<MoveFrame> frames;
    while (!move.Done() && frames.size() < 1000)
        frames.push_back(move.Next());
    return frames;
}

std::vector<int> Delays(const std::vector<MoveFrame>& frames) {
    std::vector<int> out;
    for (const MoveFrame& f : frames)
        out.push_back(f.delay);
    return out;
}

// The move (7,3) to (8,3) on `rows` with the first seed whose refill makes no new run.
std::vector<MoveFrame> PlayWithoutCascade(Game& g, const Rows& rows) {
    for (uint64_t seed = 1; seed < 50; ++seed) {
        g.Seed(seed);
        g.Score = 0;
        Set(g, rows);
        auto frames = Play(g, {7, 3}, {8, 3});
        if (frames.size() == 8) return frames;
    }
    ADD_FAILURE() << "every seed cascaded";
    return {};
}

TEST(MoveSequence, AnAcceptedMoveShowsTheExchangeThenTwoPassesWithTheirWaits) {
    Game g;
    const auto frames = PlayWithoutCascade(g, kOneRun);
    ASSERT_EQ(frames.size(), 8u);
    EXPECT_EQ(Delays(frames), (std::vector<int>{300, 200, 200, 200, 200, 200, 200, 0}));
    // The exchange, the cleared run (twice: the first pass finds only the emptied cells), the
    // fallen balls, then the refilled board.
    EXPECT_EQ(Row(frames[0], 8), "55512345");
    EXPECT_EQ(Row(frames[0], 7), "34867812");
    EXPECT_EQ(Row(frames[1], 8), "00012345");
    EXPECT_EQ(Row(frames[2], 8), "00012345");
    EXPECT_EQ(Row(frames[3], 8), "34812345");
    EXPECT_EQ(Row(frames[3], 1).substr(0, 3), "000");
    EXPECT_NE(Row(frames[4], 1).substr(0, 3).find_first_of('0'), 0u);
    // The score counts the new balls from the first refill on.
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(frames[i].score, i < 4 ? 0 : 15) << "frame " << i;
    EXPECT_EQ(g.Score, 15);
    for (size_t i = 0; i + 1 < frames.size(); ++i)
        EXPECT_FALSE(frames[i].last || frames[i].refused || frames[i].gameOver) << "frame " << i;
    EXPECT_TRUE(frames.back().last);
    EXPECT_FALSE(frames.back().gameOver);
    EXPECT_EQ(g.MovableCount, [&] {
        Game copy = g;
        copy.CountMovable();
        return copy.MovableCount;
    }());
    EXPECT_TRUE(g.FirstChosen);  // letting the choice go is the player's side
}

TEST(MoveSequence, BothRunsOfOneExchangeAreClearedTogether) {
    Game g;
    const auto frames = PlayWithoutCascade(g, kTwoRuns);
    ASSERT_EQ(frames.size(), 8u);
    EXPECT_EQ(Row(frames[1], 7).substr(0, 3), "000");
    EXPECT_EQ(Row(frames[1], 8).substr(0, 3), "000");
    EXPECT_EQ(frames.back().score, 30);
}

TEST(MoveSequence, ACascadeAddsAPassOfThreeWaits) {
    // Clearing 5 5 5 lets 3 8 8 fall into row 8 beside its 8: the second pass clears 8 8 8.
    Game g;
    g.Seed(7);
    Set(g, {"12345228", "45678122", "78123456", "23456781", "56781234", "81234567", "38567812", "55882345"});
    const auto frames = Play(g, {7, 3}, {8, 3});
    ASSERT_GE(frames.size(), 11u);
    EXPECT_EQ((frames.size() - 2) % 3, 0u);
    EXPECT_EQ(frames[0].delay, 300);
    for (size_t i = 1; i + 1 < frames.size(); ++i)
        EXPECT_EQ(frames[i].delay, 200) << "frame " << i;
    EXPECT_EQ(Row(frames[3], 8).substr(0, 4), "3888");  // fallen into a new run
    EXPECT_EQ(Row(frames[5], 8).substr(0, 4), "3000");  // cleared in the second pass
    EXPECT_GE(frames.back().score, 30);
    for (size_t i = 1; i < frames.size(); ++i)
        EXPECT_GE(frames[i].score, frames[i - 1].score);
}

TEST(MoveSequence, AnExchangeWithoutARunIsShownThenUndoneWithTheAlert) {
    Game g;
    Set(g, kOneRun);
    g.Score = 40;
    const auto frames = Play(g, {1, 1}, {2, 1});
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(Delays(frames), (std::vector<int>{300, 0}));
    EXPECT_EQ(Row(frames[0], 1).substr(0, 2), "42");
    EXPECT_EQ(Row(frames[0], 2).substr(0, 2), "15");
    EXPECT_FALSE(frames[0].refused);
    EXPECT_TRUE(frames[1].refused);
    EXPECT_TRUE(frames[1].last);
    EXPECT_EQ(Row(frames[1], 1), kOneRun[0]);
    EXPECT_EQ(Row(frames[1], 2), kOneRun[1]);
    EXPECT_EQ(frames[1].score, 40);
}

TEST(MoveSequence, CellsThatAreNotNeighboursOnlyCount) {
    for (const auto& [a, b] :
         {std::pair<Cell, Cell>{{7, 3}, {8, 4}}, {{7, 3}, {5, 3}}, {{1, 1}, {1, 3}}, {{4, 4}, {4, 4}}}) {
        Game g;
        Set(g, kOneRun);
        g.MovableCount = -1;
        const auto frames = Play(g, a, b);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_TRUE(frames[0].last);
        EXPECT_FALSE(frames[0].refused);
        EXPECT_EQ(frames[0].delay, 0);
        EXPECT_EQ(Row(frames[0], 8), kOneRun[7]);
        EXPECT_GT(g.MovableCount, 0);
        EXPECT_EQ(g.SecondCell, b);
    }
}

TEST(MoveSequence, TheLastFrameSaysTheGameIsOverWhenNoBallCanMove) {
    Game g;
    Set(g, kNoMoves);
    g.Score = 35;
    auto frames = Play(g, {1, 1}, {1, 3});
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(frames[0].gameOver);
    EXPECT_EQ(g.MovableCount, 0);
    // A refused exchange on such a board ends it too, after showing the exchange.
    frames = Play(g, {1, 1}, {1, 2});
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_FALSE(frames[0].gameOver);
    EXPECT_TRUE(frames[1].refused && frames[1].gameOver);
    EXPECT_EQ(frames[1].score, 35);
}

}  // namespace
}  // namespace kv
