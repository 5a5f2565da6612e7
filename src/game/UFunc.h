#pragma once
// The one game in progress: the board, its counters and the state of a move, with the rules
// that act on them. Plain C++: no painting and no waiting happens here, and nothing allocates.

#include <cstdint>
#include <optional>
#include <random>

#include "base/Cell.h"

namespace kv {

constexpr int kBoardSize = 8;

// Colour indexes: 0 empty, 1..8 dealt, 9 and 10 only from a loaded game. How each looks is the
// board widget's (src/game/ui/BallLooks.h).
constexpr int kEmpty = 0;
constexpr int kColours = 8;
constexpr int kMaxColourIndex = 10;

// Whether (row, col) lies on the board.
constexpr bool OnBoard(int row, int col) {
    return row >= 1 && row <= kBoardSize && col >= 1 && col <= kBoardSize;
}
constexpr bool OnBoard(Cell cell) {
    return OnBoard(cell.row, cell.col);
}

// A ball that has a move, and the neighbour it trades places with in that move.
struct Hint {
    Cell ball;
    Cell partner;
    bool operator==(const Hint&) const = default;
};

class Game {
  public:
    using BoardArray = int32_t[kBoardSize][kBoardSize];  // [row-1][col-1]

    // Board, row by row; cells are addressed 1-based as (row, column).
    BoardArray Board{};
    int32_t Score = 0;
    int32_t MovableCount = 0;
    bool FirstChosen = false;
    Cell FirstCell{};
    Cell SecondCell{};
    bool RunsFound = true;

    int32_t& At(int row, int col) { return Board[row - 1][col - 1]; }
    int32_t At(int row, int col) const { return Board[row - 1][col - 1]; }

    // A fresh seed for a deal or for what follows a loaded game: from std::random_device (two
    // players dealing in the same millisecond get different games), or, while a test has fixed
    // the seed, the next of a sequence that starts with the fixed seed itself.
    uint64_t NewSeed();
    // Re-seeds the generator: every colour drawn from here on follows from `seed` alone.
    void Reseed(uint64_t seed);
    // The seed the generator was last seeded with (by Reseed, a deal or Seed).
    uint64_t LastSeed() const { return lastSeed_; }
    // For tests: a fixed seed. The generator is seeded with it, and NewSeed is reproducible.
    void Seed(uint64_t seed);
    // Back to seeds from std::random_device.
    void UnfixSeed();
    bool SeedFixed() const { return fixedSeed_; }

    // Re-seeds with NewSeed(), then a uniform random colour 1..8 in every cell.
    void FillBoard();
    // Exchanges FirstCell and SecondCell; does nothing if either lies off the board.
    void SwapCells();
    // Empties every cell in a run of three or more equal values (empty cells included).
    void ClearRuns();
    // Lets balls fall, column by column; a column stops once its top cell is empty.
    void DropBalls();
    // A random ball in every empty cell, 5 points each (Score saturates at its maximum).
    void RefillBoard();
    // A new settled board, MovableCount counted, Score 0: dealt from NewSeed(), or from `seed`
    // (the same seed deals the same board; LastSeed() then says which).
    void DealBoard();
    void DealBoard(uint64_t seed);
    // Whether the ball in `cell` has a move; false for a cell off the board.
    bool CanMove(Cell cell) const;
    void CountMovable();
    // The first ball, row by row from the top, for which CanMove holds, with the neighbour of
    // the move that makes its run. None exactly when CountMovable would count 0.
    std::optional<Hint> FindHint() const;

  private:
    // The neighbour the ball at (row, col) trades with to stand in a run, or nullopt.
    std::optional<Cell> MovePartner(Cell cell) const;
    int NextColour();  // 1..8
    void FillCells();
    std::mt19937 rng_{0};
    uint64_t lastSeed_ = 0;
    bool fixedSeed_ = false;
    uint64_t nextFixedSeed_ = 0;  // NewSeed's next value while the seed is fixed
};

}  // namespace kv
