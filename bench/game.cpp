// Timings of the board rules. Each also counts heap allocations inside its timed loop, which
// must stay at 0.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

#include "game/UFunc.h"

namespace {
std::atomic<long> g_allocs{0};
}  // namespace

// The counting operators below pair malloc with free; GCC 12 flags free() after an inlined
// operator new as a mismatch anyway.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t n) {
    g_allocs.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using kv::Game;

Game Dealt(uint64_t seed) {
    Game g;
    g.Seed(seed);
    g.DealBoard();
    return g;
}

void Report(benchmark::State& state, long allocsBefore) {
    const long n = g_allocs.load() - allocsBefore;
    state.counters["allocs"] = static_cast<double>(n);
    if (n != 0) state.SkipWithError("the timed loop allocated");
}

// A settled board: the common case after every move.
void BM_ClearRuns_Settled(benchmark::State& state) {
    Game g = Dealt(1);
    const long a = g_allocs.load();
    for (auto _ : state) {
        g.ClearRuns();
        benchmark::DoNotOptimize(g.RunsFound);
        benchmark::ClobberMemory();
    }
    Report(state, a);
}
BENCHMARK(BM_ClearRuns_Settled);

// Runs `step` on the board of `g` as it is now, restored (256 bytes) before each run.
template <class Step>
void OnRestoredBoard(benchmark::State& state, Game& g, Step step) {
    int32_t saved[kv::kBoardSize][kv::kBoardSize];
    std::memcpy(saved, g.Board, sizeof saved);
    const long a = g_allocs.load();
    for (auto _ : state) {
        std::memcpy(g.Board, saved, sizeof saved);
        step(g);
        benchmark::DoNotOptimize(g.Board);
        benchmark::ClobberMemory();
    }
    Report(state, a);
}

// A board with a row run and a column run; the board is restored each time.
void BM_ClearRuns_WithRuns(benchmark::State& state) {
    Game g = Dealt(2);
    for (int c = 2; c <= 6; ++c)
        g.At(3, c) = 4;
    for (int r = 5; r <= 8; ++r)
        g.At(r, 7) = 6;
    OnRestoredBoard(state, g, [](Game& game) { game.ClearRuns(); });
}
BENCHMARK(BM_ClearRuns_WithRuns);

// Gaps in every column, as after clearing; restored each time.
void BM_DropBalls(benchmark::State& state) {
    Game g = Dealt(3);
    for (int c = 1; c <= 8; ++c) {
        g.At(1 + (c % 6), c) = 0;
        g.At(3 + (c % 6) / 2, c) = 0;
        g.At(8, c) = c % 2 ? 0 : g.At(8, c);
    }
    OnRestoredBoard(state, g, [](Game& game) { game.DropBalls(); });
}
BENCHMARK(BM_DropBalls);

void BM_CountMovable(benchmark::State& state) {
    Game g = Dealt(4);
    const long a = g_allocs.load();
    for (auto _ : state) {
        g.CountMovable();
        benchmark::DoNotOptimize(g.MovableCount);
        benchmark::ClobberMemory();
    }
    Report(state, a);
}
BENCHMARK(BM_CountMovable);

// With a fixed seed: the rules alone.
void BM_DealBoard_FixedSeed(benchmark::State& state) {
    Game g;
    g.Seed(5);
    const long a = g_allocs.load();
    for (auto _ : state) {
        g.DealBoard();
        benchmark::DoNotOptimize(g.MovableCount);
        benchmark::ClobberMemory();
    }
    Report(state, a);
}
BENCHMARK(BM_DealBoard_FixedSeed);

// As the game does it: FillBoard re-seeds from the clock first.
void BM_DealBoard_ClockSeed(benchmark::State& state) {
    Game g;
    const long a = g_allocs.load();
    for (auto _ : state) {
        g.DealBoard();
        benchmark::DoNotOptimize(g.MovableCount);
        benchmark::ClobberMemory();
    }
    Report(state, a);
}
BENCHMARK(BM_DealBoard_ClockSeed);

}  // namespace
