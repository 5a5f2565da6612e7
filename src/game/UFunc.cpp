#include "game/UFunc.h"

#include <chrono>
#include <exception>
#include <limits>

namespace kv {

namespace {

// The SplitMix64 step: advances `state` and gives its mixed value.
uint64_t SplitMix(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A seed sequence on the stack: std::seed_seq keeps its values in a vector, and dealing a board
// (which re-seeds) must not allocate. Spreads all 64 bits of the seed over the generator's state.
// mt19937 and this sequence are fixed bit for bit, so a seed deals the same board on every
// machine: a replayed game depends on it.
struct SplitMixSeq {
    using result_type = uint32_t;
    uint64_t state;
    template <class It>
    void generate(It first, It last) {
        for (; first != last; ++first)
            *first = static_cast<result_type>(SplitMix(state));
    }
};

void SeedWith(std::mt19937& rng, uint64_t seed) {
    SplitMixSeq seq{seed};
    rng.seed(seq);
}

}  // namespace

uint64_t Game::NewSeed() {
    if (fixedSeed_) {
        const uint64_t seed = nextFixedSeed_;
        uint64_t state = seed;
        nextFixedSeed_ = SplitMix(state);
        return seed;
    }
    try {
        std::random_device device;
        return (static_cast<uint64_t>(device()) << 32) ^ device();
    } catch (const std::exception&) {
        // No random source: the clock's nanoseconds still deal a game, if not a unique one.
        return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    }
}

void Game::Reseed(uint64_t seed) {
    lastSeed_ = seed;
    SeedWith(rng_, seed);
}

void Game::Seed(uint64_t seed) {
    fixedSeed_ = true;
    nextFixedSeed_ = seed;
    Reseed(seed);
}

void Game::UnfixSeed() {
    fixedSeed_ = false;
}

int Game::NextColour() {
    // mt19937 yields 32 uniform bits; the top three are uniform over 0..7.
    return static_cast<int>(rng_() >> 29) + 1;
}

void Game::FillBoard() {
    Reseed(NewSeed());
    FillCells();
}

void Game::FillCells() {
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            At(r, c) = NextColour();
}

void Game::SwapCells() {
    // FirstCell and SecondCell start as (0, 0); a swap before any click must not reach past the grid.
    if (!OnBoard(FirstCell) || !OnBoard(SecondCell)) return;
    int32_t& a = At(FirstCell.row, FirstCell.col);
    int32_t& b = At(SecondCell.row, SecondCell.col);
    const int32_t t = a;
    a = b;
    b = t;
}

void Game::ClearRuns() {
    bool clear[kBoardSize][kBoardSize] = {};  // KeepMark: false = keep
    RunsFound = false;
    for (int r = 0; r < kBoardSize; ++r) {
        for (int c = 0; c + 2 < kBoardSize; ++c) {
            if (Board[r][c] == Board[r][c + 1] && Board[r][c] == Board[r][c + 2]) {
                clear[r][c] = clear[r][c + 1] = clear[r][c + 2] = true;
                RunsFound = true;
            }
        }
    }
    for (int c = 0; c < kBoardSize; ++c) {
        for (int r = 0; r + 2 < kBoardSize; ++r) {
            if (Board[r][c] == Board[r + 1][c] && Board[r][c] == Board[r + 2][c]) {
                clear[r][c] = clear[r + 1][c] = clear[r + 2][c] = true;
                RunsFound = true;
            }
        }
    }
    for (int r = 0; r < kBoardSize; ++r)
        for (int c = 0; c < kBoardSize; ++c)
            if (clear[r][c]) Board[r][c] = kEmpty;
}

void Game::DropBalls() {
    for (int c = 0; c < kBoardSize; ++c) {
        for (int pass = 0; pass < kBoardSize; ++pass) {
            // A column whose top cell is empty is finished, even if a gap remains lower down.
            if (Board[0][c] == kEmpty) break;
            for (int r = 1; r < kBoardSize; ++r) {
                if (Board[r][c] == kEmpty) {
                    Board[r][c] = Board[r - 1][c];
                    Board[r - 1][c] = kEmpty;
                }
            }
        }
    }
}

void Game::RefillBoard() {
    for (int r = 1; r <= kBoardSize; ++r) {
        for (int c = 1; c <= kBoardSize; ++c) {
            if (At(r, c) != kEmpty) continue;
            At(r, c) = NextColour();
            // A loaded game may carry any score; never let it wrap to a negative one.
            Score = Score > std::numeric_limits<int32_t>::max() - 5 ? std::numeric_limits<int32_t>::max()
                                                                    : Score + 5;
        }
    }
}

void Game::DealBoard() {
    DealBoard(NewSeed());
}

void Game::DealBoard(uint64_t seed) {
    Reseed(seed);
    FillCells();
    do {
        ClearRuns();
        DropBalls();
        RefillBoard();
    } while (RunsFound);
    CountMovable();
    Score = 0;
}

std::optional<Cell> Game::MovePartner(Cell cell) const {
    if (!OnBoard(cell)) return std::nullopt;
    const int row = cell.row, col = cell.col;
    const int32_t v = At(row, col);
    auto same = [&](int r, int c) { return OnBoard(r, c) && At(r, c) == v; };
    auto pair = [&](int r1, int c1, int r2, int c2) { return same(r1, c1) && same(r2, c2); };
    const int r = row, c = col;
    // Left, to (r, c-1).
    if (c > 1 && (pair(r - 1, c - 1, r + 1, c - 1) || pair(r - 1, c - 1, r - 2, c - 1) ||
                  pair(r + 1, c - 1, r + 2, c - 1) || pair(r, c - 2, r, c - 3)))
        return Cell{r, c - 1};
    // Right, to (r, c+1).
    if (c < kBoardSize && (pair(r - 1, c + 1, r + 1, c + 1) || pair(r - 1, c + 1, r - 2, c + 1) ||
                           pair(r + 1, c + 1, r + 2, c + 1) || pair(r, c + 2, r, c + 3)))
        return Cell{r, c + 1};
    // Up, to (r-1, c).
    if (r > 1 && (pair(r - 1, c - 1, r - 1, c + 1) || pair(r - 1, c - 1, r - 1, c - 2) ||
                  pair(r - 1, c + 1, r - 1, c + 2) || pair(r - 2, c, r - 3, c)))
        return Cell{r - 1, c};
    // Down, to (r+1, c).
    if (r < kBoardSize && (pair(r + 1, c - 1, r + 1, c + 1) || pair(r + 1, c - 1, r + 1, c - 2) ||
                           pair(r + 1, c + 1, r + 1, c + 2) || pair(r + 2, c, r + 3, c)))
        return Cell{r + 1, c};
    return std::nullopt;
}

bool Game::CanMove(Cell cell) const {
    return MovePartner(cell).has_value();
}

std::optional<Hint> Game::FindHint() const {
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (const auto partner = MovePartner({r, c})) return Hint{{r, c}, *partner};
    return std::nullopt;
}

void Game::CountMovable() {
    MovableCount = 0;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            if (CanMove({r, c})) ++MovableCount;
}

}  // namespace kv
