// The board rules on hand-made boards, and a property check of the deal against a brute force.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "game/UFunc.h"

namespace kv {
namespace {

using Grid = std::array<std::array<int32_t, kBoardSize>, kBoardSize>;  // [row-1][col-1]

Grid Snapshot(const Game& g) {
    Grid out{};
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            out[r - 1][c - 1] = g.At(r, c);
    return out;
}

// A board of 64 different values: no run and no move anywhere, so a test sees only what it places.
void FillDistinct(Game& g) {
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            g.At(r, c) = 100 + 8 * (r - 1) + (c - 1);
}

// Column c from top to bottom.
void SetColumn(Game& g, int c, const std::array<int32_t, kBoardSize>& v) {
    for (int r = 1; r <= kBoardSize; ++r)
        g.At(r, c) = v[r - 1];
}
std::array<int32_t, kBoardSize> GetColumn(const Game& g, int c) {
    std::array<int32_t, kBoardSize> v{};
    for (int r = 1; r <= kBoardSize; ++r)
        v[r - 1] = g.At(r, c);
    return v;
}

// Length of the line of equal values through (r, c), along one axis.
int LineLength(const Grid& b, int r, int c, int dr, int dc) {
    const int32_t v = b[r][c];
    int n = 1;
    for (int rr = r + dr, cc = c + dc;
         rr >= 0 && rr < kBoardSize && cc >= 0 && cc < kBoardSize && b[rr][cc] == v; rr += dr, cc += dc)
        ++n;
    for (int rr = r - dr, cc = c - dc;
         rr >= 0 && rr < kBoardSize && cc >= 0 && cc < kBoardSize && b[rr][cc] == v; rr -= dr, cc -= dc)
        ++n;
    return n;
}
bool InRun(const Grid& b, int r, int c) {
    return LineLength(b, r, c, 0, 1) >= 3 || LineLength(b, r, c, 1, 0) >= 3;
}
bool AnyRun(const Grid& b) {
    for (int r = 0; r < kBoardSize; ++r)
        for (int c = 0; c < kBoardSize; ++c)
            if (InRun(b, r, c)) return true;
    return false;
}

// Whether the ball at 0-based (r, c) stands in a run after trading places with some neighbour.
bool BruteMovable(const Grid& b, int r, int c) {
    static constexpr int kDirs[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    for (const auto& d : kDirs) {
        const int nr = r + d[0], nc = c + d[1];
        if (nr < 0 || nr >= kBoardSize || nc < 0 || nc >= kBoardSize) continue;
        Grid t = b;
        std::swap(t[r][c], t[nr][nc]);
        if (InRun(t, nr, nc)) return true;
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// DropBalls

TEST(DropBalls, TheThreeColumnsFallAsDocumented) {
    Game g;
    FillDistinct(g);
    const int A = 1, B = 2, C = 3, D = 4, E = 5, F = 6, G = 7, H = 8;
    SetColumn(g, 1, {A, B, C, 0, D, E, F, G});
    SetColumn(g, 4, {A, 0, B, 0, C, D, E, F});
    SetColumn(g, 8, {0, 0, 0, D, E, 0, G, H});
    const Grid before = Snapshot(g);
    g.DropBalls();
    EXPECT_EQ(GetColumn(g, 1), (std::array<int32_t, 8>{0, A, B, C, D, E, F, G}));
    // Two gaps: the top empties first, so the lower gap stays between balls.
    EXPECT_EQ(GetColumn(g, 4), (std::array<int32_t, 8>{0, A, 0, B, C, D, E, F}));
    EXPECT_EQ(GetColumn(g, 8), (std::array<int32_t, 8>{0, 0, 0, D, E, 0, G, H}));
    // Full columns do not move.
    for (int c : {2, 3, 5, 6, 7})
        for (int r = 1; r <= kBoardSize; ++r)
            EXPECT_EQ(g.At(r, c), before[r - 1][c - 1]) << r << "," << c;
}

TEST(DropBalls, ABallFallsThroughSeveralEmptyCellsAndAnEmptyColumnStays) {
    Game g;
    FillDistinct(g);
    SetColumn(g, 2, {7, 0, 0, 0, 0, 0, 0, 0});
    SetColumn(g, 3, {0, 0, 0, 0, 0, 0, 0, 0});
    SetColumn(g, 5, {1, 2, 3, 4, 5, 0, 0, 0});
    g.DropBalls();
    EXPECT_EQ(GetColumn(g, 2), (std::array<int32_t, 8>{0, 0, 0, 0, 0, 0, 0, 7}));
    EXPECT_EQ(GetColumn(g, 3), (std::array<int32_t, 8>{}));
    EXPECT_EQ(GetColumn(g, 5), (std::array<int32_t, 8>{0, 0, 0, 1, 2, 3, 4, 5}));
}

TEST(DropBalls, PropertiesOverRandomColumns) {
    std::mt19937 rng(12345);
    for (int iter = 0; iter < 3000; ++iter) {
        Game g;
        std::array<int32_t, kBoardSize> col{};
        for (auto& v : col)
            v = (rng() % 3 == 0) ? 0 : static_cast<int32_t>(1 + rng() % 8);
        // Every other run: one block of empty cells at a random place, balls elsewhere.
        const bool oneBlock = iter % 2 == 0;
        if (oneBlock) {
            const int from = static_cast<int>(rng() % 8), len = 1 + static_cast<int>(rng() % (8 - from));
            for (int r = 0; r < kBoardSize; ++r)
                col[r] = (r >= from && r < from + len) ? 0 : static_cast<int32_t>(1 + rng() % 8);
        }
        SetColumn(g, 6, col);
        g.DropBalls();
        const auto out = GetColumn(g, 6);

        std::vector<int32_t> ballsIn, ballsOut;
        for (auto v : col)
            if (v) ballsIn.push_back(v);
        for (auto v : out)
            if (v) ballsOut.push_back(v);
        ASSERT_EQ(ballsIn, ballsOut) << "balls lost or reordered, iteration " << iter;
        if (col[0] == 0) {
            ASSERT_EQ(out, col) << "a column with an empty top must stay, iteration " << iter;
        }
        if (oneBlock && col[0] != 0) {
            // One gap: every ball ends at the bottom.
            const size_t empties = kBoardSize - ballsIn.size();
            for (size_t r = 0; r < kBoardSize; ++r) {
                ASSERT_EQ(out[r] == 0, r < empties) << "iteration " << iter << " row " << r + 1;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// ClearRuns, and the points of the refill that follows it

TEST(ClearRuns, FiveInARowClearsAllFiveAndScores25) {
    Game g;
    FillDistinct(g);
    const int32_t row3[8] = {1, 1, 1, 1, 1, 2, 3, 4};
    for (int c = 1; c <= 8; ++c)
        g.At(3, c) = row3[c - 1];
    const Grid before = Snapshot(g);
    g.Score = 40;
    g.RunsFound = false;
    g.ClearRuns();
    EXPECT_TRUE(g.RunsFound);
    for (int c = 1; c <= 8; ++c)
        EXPECT_EQ(g.At(3, c), c <= 5 ? 0 : row3[c - 1]) << c;
    g.DropBalls();
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(g.At(1, c), 0);
        EXPECT_EQ(g.At(2, c), before[0][c - 1]);
        EXPECT_EQ(g.At(3, c), before[1][c - 1]);
    }
    g.Seed(1);
    g.RefillBoard();
    EXPECT_EQ(g.Score, 65);
    for (int c = 1; c <= 5; ++c) {
        EXPECT_GE(g.At(1, c), 1);
        EXPECT_LE(g.At(1, c), 8);
    }
}

TEST(ClearRuns, CrossingRunsEmptyTheSharedCellOnceFor25Points) {
    Game g;
    FillDistinct(g);
    for (int c = 2; c <= 4; ++c)
        g.At(4, c) = 5;  // row run
    for (int r = 4; r <= 6; ++r)
        g.At(r, 2) = 5;  // column run sharing (4, 2)
    g.ClearRuns();
    EXPECT_TRUE(g.RunsFound);
    int empty = 0;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            empty += g.At(r, c) == 0;
    EXPECT_EQ(empty, 5);
    g.DropBalls();
    g.Seed(2);
    g.RefillBoard();
    EXPECT_EQ(g.Score, 25);
}

TEST(ClearRuns, RunsAtTheFarEdgesAndOfAnyStoredValue) {
    Game g;
    FillDistinct(g);
    for (int c = 6; c <= 8; ++c)
        g.At(8, c) = 9;  // last three columns of the last row
    for (int r = 6; r <= 8; ++r)
        g.At(r, 1) = -3;                               // last three rows of the first column
    g.At(1, 1) = g.At(2, 2) = g.At(3, 3) = 4;          // a diagonal is no run
    g.At(5, 5) = g.At(5, 6) = 7;                       // two are no run
    g.At(2, 8) = g.At(3, 8) = g.At(4, 8) = INT32_MIN;  // whatever a loaded game holds
    g.ClearRuns();
    EXPECT_TRUE(g.RunsFound);
    for (int c = 6; c <= 8; ++c)
        EXPECT_EQ(g.At(8, c), 0);
    for (int r = 6; r <= 8; ++r)
        EXPECT_EQ(g.At(r, 1), 0);
    for (int r = 2; r <= 4; ++r)
        EXPECT_EQ(g.At(r, 8), 0);
    EXPECT_EQ(g.At(1, 1), 4);
    EXPECT_EQ(g.At(2, 2), 4);
    EXPECT_EQ(g.At(3, 3), 4);
    EXPECT_EQ(g.At(5, 5), 7);
    EXPECT_EQ(g.At(5, 6), 7);
}

TEST(ClearRuns, ALineOfEmptyCellsIsARunThatChangesNothing) {
    for (bool vertical : {false, true}) {
        Game g;
        FillDistinct(g);
        for (int i = 3; i <= 5; ++i)
            (vertical ? g.At(i, 7) : g.At(5, i)) = 0;
        const Grid before = Snapshot(g);
        g.RunsFound = false;
        g.ClearRuns();
        EXPECT_TRUE(g.RunsFound) << vertical;
        EXPECT_EQ(Snapshot(g), before) << vertical;
    }
}

TEST(ClearRuns, ASettledBoardIsLeftAloneAndEarnsNothing) {
    Game g;
    FillDistinct(g);
    const Grid before = Snapshot(g);
    g.Score = 120;
    g.RunsFound = true;
    g.ClearRuns();
    EXPECT_FALSE(g.RunsFound);
    g.DropBalls();
    g.RefillBoard();
    EXPECT_EQ(Snapshot(g), before);
    EXPECT_EQ(g.Score, 120);
}

// ---------------------------------------------------------------------------------------------
// RefillBoard and the random source

TEST(RefillBoard, FillsRowByRowLeftToRightFromTheSharedStream) {
    // The same seed draws the same colours; with an all-empty board the k-th draw lands in the
    // k-th cell, so a board with gaps must get the first draws in its gaps, in reading order.
    Game full;
    full.Seed(99);
    full.RefillBoard();
    EXPECT_EQ(full.Score, 320);

    Game gaps;
    FillDistinct(gaps);
    const std::vector<std::pair<int, int>> holes = {{1, 8}, {2, 1}, {2, 2}, {5, 4}, {8, 8}};
    for (auto [r, c] : holes)
        gaps.At(r, c) = 0;
    gaps.Seed(99);
    gaps.RefillBoard();
    EXPECT_EQ(gaps.Score, 25);
    for (size_t k = 0; k < holes.size(); ++k) {
        const int r = holes[k].first, c = holes[k].second;
        EXPECT_EQ(gaps.At(r, c), full.At(1 + static_cast<int>(k) / 8, 1 + static_cast<int>(k) % 8))
            << "hole " << k;
    }
    // FillBoard draws from the same generator in the same order.
    Game fill;
    fill.Seed(99);
    fill.FillBoard();
    EXPECT_EQ(Snapshot(fill), Snapshot(full));
    // ...and RefillBoard continues that stream instead of starting it again.
    std::memset(fill.Board, 0, sizeof fill.Board);
    fill.RefillBoard();
    Game twice;
    twice.Seed(99);
    twice.RefillBoard();
    std::memset(twice.Board, 0, sizeof twice.Board);
    twice.RefillBoard();
    EXPECT_EQ(Snapshot(fill), Snapshot(twice));
    EXPECT_NE(Snapshot(fill), Snapshot(full));
}

TEST(RefillBoard, ScoreStopsAtItsMaximumInsteadOfWrapping) {
    Game g;
    g.Seed(3);
    g.Score = INT32_MAX - 7;  // a loaded game may carry any score
    g.RefillBoard();          // 64 balls
    EXPECT_EQ(g.Score, INT32_MAX);
    g.Score = -20;
    std::memset(g.Board, 0, sizeof g.Board);
    g.At(1, 1) = 3;
    g.RefillBoard();
    EXPECT_EQ(g.Score, -20 + 63 * 5);
}

TEST(FillBoard, DealsOnlyColoursOneToEightAboutEquallyOften) {
    Game g;
    g.Seed(2024);
    std::array<long, 11> count{};
    long other = 0;
    const int fills = 2000;
    for (int i = 0; i < fills; ++i) {
        g.FillBoard();
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) {
                const int32_t v = g.At(r, c);
                if (v >= 0 && v <= 10)
                    ++count[v];
                else
                    ++other;
            }
    }
    EXPECT_EQ(count[0], 0);
    EXPECT_EQ(count[9], 0);
    EXPECT_EQ(count[10], 0);
    EXPECT_EQ(other, 0);
    const double expected = fills * 64 / 8.0;
    double chi2 = 0;
    for (int v = 1; v <= 8; ++v)
        chi2 += (count[v] - expected) * (count[v] - expected) / expected;
    EXPECT_LT(chi2, 24.3) << "7 degrees of freedom, p = 0.001";  // uniform
    // Each cell on its own is uniform too (a fault in the order would skew single cells).
    std::array<std::array<int, 9>, 64> perCell{};
    for (int i = 0; i < fills; ++i) {
        g.FillBoard();
        for (int k = 0; k < 64; ++k)
            ++perCell[k][g.At(1 + k / 8, 1 + k % 8)];
    }
    for (int k = 0; k < 64; ++k)
        for (int v = 1; v <= 8; ++v)
            EXPECT_GT(perCell[k][v], fills / 8 / 2) << "cell " << k << " colour " << v;
}

TEST(FillBoard, ReseedsAtRandomUnlessATestFixedTheSeed) {
    Game a, b;
    a.Seed(77);
    b.Seed(77);
    a.FillBoard();
    a.FillBoard();
    b.FillBoard();
    b.FillBoard();
    EXPECT_EQ(Snapshot(a), Snapshot(b));

    Game c, d;
    EXPECT_FALSE(c.SeedFixed());
    // Two players dealing in the same millisecond must not get the same game.
    c.FillBoard();
    d.FillBoard();
    EXPECT_NE(Snapshot(c), Snapshot(d)) << "fills in the same millisecond came out alike";
    EXPECT_NE(c.LastSeed(), d.LastSeed());

    b.UnfixSeed();
    EXPECT_FALSE(b.SeedFixed());
}

TEST(SwapCells, SameCellTwiceAndOffBoardCells) {
    Game g;
    FillDistinct(g);
    const Grid before = Snapshot(g);
    // Before any click both cells are (0, 0): nothing may be touched.
    g.SwapCells();
    EXPECT_EQ(Snapshot(g), before);
    g.FirstCell = {4, 3};
    g.SecondCell = {4, 3};
    g.SwapCells();
    EXPECT_EQ(Snapshot(g), before);
    g.SecondCell = {4, 4};
    g.SwapCells();
    EXPECT_EQ(g.At(4, 3), before[3][3]);
    EXPECT_EQ(g.At(4, 4), before[3][2]);
    g.SwapCells();
    EXPECT_EQ(Snapshot(g), before);
    for (Cell bad : {Cell{9, 1}, Cell{1, 9}, Cell{0, 5}, Cell{5, -1}}) {
        g.SecondCell = bad;
        g.SwapCells();
        EXPECT_EQ(Snapshot(g), before);
    }
}

// ---------------------------------------------------------------------------------------------
// CanMove and CountMovable

TEST(CanMove, AlternatingTopRowsGiveTwelveMovableBalls) {
    Game g;
    FillDistinct(g);
    EXPECT_FALSE(g.FindHint().has_value());
    for (int c = 1; c <= 8; ++c) {
        g.At(1, c) = c % 2 ? 1 : 2;
        g.At(2, c) = c % 2 ? 2 : 1;
    }
    EXPECT_TRUE(g.CanMove({1, 2}));  // down: (2, 1) and (2, 3) are 2
    // The corner balls have only one partner on the board in each direction.
    EXPECT_FALSE(g.CanMove({1, 1}));
    EXPECT_FALSE(g.CanMove({1, 8}));
    EXPECT_FALSE(g.CanMove({2, 1}));
    EXPECT_FALSE(g.CanMove({2, 8}));
    g.CountMovable();
    EXPECT_EQ(g.MovableCount, 12);                    // columns 2..7 of both rows
    EXPECT_EQ(g.FindHint(), (Hint{{1, 2}, {2, 2}}));  // down: (2, 1) and (2, 3) are 2
}

// The sixteen patterns: the move, then the two partner cells, relative to the ball.
struct Pattern {
    int dr, dc;
    int p1r, p1c, p2r, p2c;
};
constexpr Pattern kPatterns[16] = {
    {0, -1, -1, -1, 1, -1}, {0, -1, -1, -1, -2, -1}, {0, -1, 1, -1, 2, -1}, {0, -1, 0, -2, 0, -3},
    {0, 1, -1, 1, 1, 1},    {0, 1, -1, 1, -2, 1},    {0, 1, 1, 1, 2, 1},    {0, 1, 0, 2, 0, 3},
    {-1, 0, -1, -1, -1, 1}, {-1, 0, -1, -1, -1, -2}, {-1, 0, -1, 1, -1, 2}, {-1, 0, -2, 0, -3, 0},
    {1, 0, 1, -1, 1, 1},    {1, 0, 1, -1, 1, -2},    {1, 0, 1, 1, 1, 2},    {1, 0, 2, 0, 3, 0},
};

// Storage just before the grid, so that a read above row 1 finds the ball's colour too.
struct Padded {
    int32_t before[2 * kBoardSize];
    Game g;
};

TEST(CanMove, BallsOnTheEdgesLookOnlyAtCellsOnTheBoard) {
    // For every pattern with a partner off the board, put the ball's colour wherever an unchecked
    // index would land: the on-board partner, the cell a row-major index wraps to, the storage
    // before the grid and the counters after it. None of that is a move.
    int exercised = 0;
    for (int32_t v : {9, 0}) {
        for (int r = 1; r <= kBoardSize; ++r) {
            for (int c = 1; c <= kBoardSize; ++c) {
                for (const Pattern& p : kPatterns) {
                    const int pr[2] = {r + p.p1r, r + p.p2r}, pc[2] = {c + p.p1c, c + p.p2c};
                    if (OnBoard(pr[0], pc[0]) && OnBoard(pr[1], pc[1])) continue;
                    auto pad = std::make_unique<Padded>();
                    for (auto& x : pad->before)
                        x = v;
                    Game& g = pad->g;
                    FillDistinct(g);
                    g.Score = g.MovableCount = v;
                    g.FirstCell = g.SecondCell = {v, v};
                    g.At(r, c) = v;
                    for (int k = 0; k < 2; ++k) {
                        const int flat = (pr[k] - 1) * kBoardSize + (pc[k] - 1);
                        if (OnBoard(pr[k], pc[k]))
                            g.At(pr[k], pc[k]) = v;
                        else if (flat >= 0 && flat < 64 && flat != (r - 1) * kBoardSize + (c - 1))
                            g.Board[flat / kBoardSize][flat % kBoardSize] = v;
                    }
                    if (BruteMovable(Snapshot(g), r - 1, c - 1)) continue;  // the wrap made a real move
                    ++exercised;
                    EXPECT_FALSE(g.CanMove({r, c}))
                        << "ball " << r << "," << c << " colour " << v << " partners " << pr[0] << ","
                        << pc[0] << " and " << pr[1] << "," << pc[1];
                }
            }
        }
    }
    EXPECT_GT(exercised, 200);

    Game g;
    FillDistinct(g);
    for (int k = -3; k <= 12; ++k) {
        EXPECT_FALSE(g.CanMove({0, k}));
        EXPECT_FALSE(g.CanMove({k, 0}));
        EXPECT_FALSE(g.CanMove({9, k}));
        EXPECT_FALSE(g.CanMove({k, 9}));
    }
}

TEST(CanMove, EachDirectionAndEachPatternOnItsOwn) {
    // For a ball in the middle, place one pattern's two partners and nothing else.
    int ballFirst = 0;
    for (size_t i = 0; i < std::size(kPatterns); ++i) {
        const Pattern& k = kPatterns[i];
        Game g;
        FillDistinct(g);
        g.At(4, 4) = 9;
        g.At(4 + k.p1r, 4 + k.p1c) = 9;
        g.At(4 + k.p2r, 4 + k.p2c) = 9;
        EXPECT_TRUE(g.CanMove({4, 4})) << "pattern " << i;
        EXPECT_TRUE(BruteMovable(Snapshot(g), 3, 3)) << "pattern " << i;
        // The hint names the ball and the neighbour of this pattern's move. Partners above the
        // ball are passed first, so the ball may not be the first that can move: look at it alone.
        const auto hint = g.FindHint();
        ASSERT_TRUE(hint.has_value()) << "pattern " << i;
        if (hint->ball == Cell{4, 4}) {
            EXPECT_EQ(hint->partner, (Cell{4 + k.dr, 4 + k.dc})) << "pattern " << i;
            ++ballFirst;
        }
        // One partner alone is not enough.
        g.At(4 + k.p2r, 4 + k.p2c) = 1;
        EXPECT_FALSE(g.CanMove({4, 4})) << "pattern " << i;
        EXPECT_FALSE(g.FindHint().has_value()) << "pattern " << i;
    }
    EXPECT_GE(ballFirst, 8);  // every direction among them
}

// ---------------------------------------------------------------------------------------------
// DealBoard over many boards, against a brute force that tries every exchange

TEST(DealBoard, SettledBoardsWhoseMovableCountMatchesTryingEveryExchange) {
    Game g;
    int zeroMoves = 0;
    long totalMovable = 0;
    for (uint64_t seed = 1; seed <= 2000; ++seed) {
        g.Seed(seed * 0x9E3779B97F4A7C15ull);
        g.Score = 555;
        g.MovableCount = -1;
        g.DealBoard();
        ASSERT_EQ(g.Score, 0) << seed;
        ASSERT_FALSE(g.RunsFound) << seed;
        const Grid b = Snapshot(g);
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) {
                ASSERT_GE(b[r][c], 1) << seed;
                ASSERT_LE(b[r][c], 8) << seed;
            }
        ASSERT_FALSE(AnyRun(b)) << "seed " << seed;
        int brute = 0;
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) {
                const bool m = BruteMovable(b, r, c);
                brute += m;
                ASSERT_EQ(g.CanMove({r + 1, c + 1}), m)
                    << "seed " << seed << " cell " << r + 1 << "," << c + 1;
            }
        ASSERT_EQ(g.MovableCount, brute) << "seed " << seed;
        // The hint: there exactly when a ball can move; the first such ball in reading order, and
        // trading with its partner, a neighbour, puts it in a run.
        const auto hint = g.FindHint();
        ASSERT_EQ(hint.has_value(), brute > 0) << "seed " << seed;
        if (hint) {
            const int hr = hint->ball.row - 1, hc = hint->ball.col - 1;
            const int pr = hint->partner.row - 1, pc = hint->partner.col - 1;
            ASSERT_TRUE(BruteMovable(b, hr, hc)) << "seed " << seed;
            for (int k = 0; k < hr * 8 + hc; ++k)
                ASSERT_FALSE(BruteMovable(b, k / 8, k % 8)) << "seed " << seed << " cell " << k;
            ASSERT_TRUE(OnBoard(pr + 1, pc + 1)) << "seed " << seed;
            ASSERT_EQ(std::abs(hr - pr) + std::abs(hc - pc), 1) << "seed " << seed;
            Grid t = b;
            std::swap(t[hr][hc], t[pr][pc]);
            ASSERT_TRUE(InRun(t, pr, pc)) << "seed " << seed;
            ASSERT_EQ(Snapshot(g), b) << "the hint changed the board, seed " << seed;
        }
        zeroMoves += brute == 0;
        totalMovable += brute;
    }
    // Random deals are busy boards: the check above must not have run on trivial ones.
    EXPECT_GT(totalMovable, 2000L * 5);
    EXPECT_LT(zeroMoves, 100);
}

TEST(DealBoard, ASeedDealsTheSameBoardAgain) {
    Game a, b;
    a.Seed(4242);
    b.Seed(4242);
    a.DealBoard();
    b.DealBoard();
    EXPECT_EQ(Snapshot(a), Snapshot(b));
    EXPECT_EQ(a.MovableCount, b.MovableCount);
    a.DealBoard();
    EXPECT_NE(Snapshot(a), Snapshot(b));
}

// ---------------------------------------------------------------------------------------------
// Colours and the one game

TEST(Colours, ANewGameStartsWithNoChoice) {
    EXPECT_TRUE(Game{}.RunsFound);
    EXPECT_FALSE(Game{}.FirstChosen);
}

}  // namespace
}  // namespace kv
