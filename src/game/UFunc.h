#pragma once
// The one game in progress: the board, its counters and the state of a move, with the rules
// that act on them. Plain C++: no painting and no waiting happens here.

#include <cstdint>
#include <random>

namespace kv {

constexpr int kBoardSize = 8;

// Colour indexes: 0 empty, 1..8 dealt, 9 and 10 only from a loaded game.
constexpr int kEmpty = 0;
constexpr int kColours = 8;

struct Cell {
    int32_t col = 0;  // 1..8
    int32_t row = 0;  // 1..8
    bool operator==(const Cell&) const = default;
};

struct RGB {
    uint8_t r, g, b;
};

// Display colour of a cell value; std::nullopt-like `isFace` for 0 (the window's face colour).
struct ColourEntry {
    bool isFace;
    RGB rgb;
};
// Index 0..10; any other value maps to a colour of its own (ColourOf handles it).
ColourEntry ColourOf(int32_t value);

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

    // Seeds the generator from the time of day in milliseconds.
    void SeedFromClock();
    // For tests: a fixed seed.
    void Seed(uint64_t seed);

    void FillBoard();
    void SwapCells();
    void ClearRuns();
    void DropBalls();
    void RefillBoard();
    void DealBoard();
    bool CanMove(int col, int row) const;
    void CountMovable();

  private:
    int NextColour();  // 1..8
    std::mt19937 rng_{0};
    bool fixedSeed_ = false;
};

// The game of this run.
Game& TheGame();

}  // namespace kv
