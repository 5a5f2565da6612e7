// Timings of the board rules. Each also counts heap allocations inside its timed loop, which
// must stay at 0.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <random>
#include <vector>

#include "game/MoveSequence.h"
#include "game/Proof.h"
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

// As the game does it: a seed from std::random_device first.
void BM_DealBoard_RandomSeed(benchmark::State& state) {
    Game g;
    const long a = g_allocs.load();
    for (auto _ : state) {
        g.DealBoard();
        benchmark::DoNotOptimize(g.MovableCount);
        benchmark::ClobberMemory();
    }
    Report(state, a);
}
BENCHMARK(BM_DealBoard_RandomSeed);

bool MakesRun(const Game& g, kv::Cell first, kv::Cell second) {
    Game trial = g;
    trial.FirstCell = first;
    trial.SecondCell = second;
    trial.SwapCells();
    trial.ClearRuns();
    return trial.RunsFound;
}

// The exchange of `ball` with a neighbour that makes a run, if there is one.
std::optional<kv::Cell> RunPartner(const Game& g, kv::Cell ball) {
    for (const kv::Cell step : {kv::Cell{0, 1}, kv::Cell{0, -1}, kv::Cell{1, 0}, kv::Cell{-1, 0}}) {
        const kv::Cell second{ball.row + step.row, ball.col + step.col};
        if (kv::OnBoard(second) && MakesRun(g, ball, second)) return second;
    }
    return std::nullopt;
}

// A whole game played to its end, as the window records it, by a player who makes a run with a
// ball pressed at random when it has one (else takes the hint), and every fifth press tries an
// exchange the rules may refuse.
kv::GameProof PlayedGame(uint64_t seed) {
    Game g;
    g.Seed(seed);
    kv::ProofRecorder rec;
    rec.Deal(g);
    std::mt19937 rng(static_cast<uint32_t>(seed));
    for (bool over = false; !over;) {
        kv::Cell first{static_cast<int32_t>(rng() % 8) + 1, static_cast<int32_t>(rng() % 7) + 1};
        kv::Cell second{first.row, first.col + 1};
        if (rng() % 5 != 0) {
            if (const auto partner = RunPartner(g, first)) {
                second = *partner;
            } else if (const auto hint = g.FindHint()) {
                first = hint->ball;
                second = hint->partner;
            }
        }
        g.FirstCell = first;
        g.FirstChosen = true;
        rec.Move(g, second);
        kv::MoveSequence move(g, second);
        while (!move.Done())
            over = move.Next().gameOver;
        g.FirstChosen = false;
    }
    return *rec.Proof();
}

// Replay of a whole typical game, as the results server does it for every new entry. The
// counters give the game's moves and the size of its proof's text.
void BM_ReplayProof_TypicalGame(benchmark::State& state) {
    std::vector<kv::GameProof> games;
    size_t moves = 0, bytes = 0;
    for (uint64_t seed = 1; seed <= 64; ++seed) {
        games.push_back(PlayedGame(seed));
        moves += games.back().segments[0].moves.size();
        bytes += kv::FormatProof(games.back()).size();
    }
    size_t i = 0;
    for (auto _ : state) {
        const kv::ReplayResult r = kv::ReplayProof(games[i++ % games.size()]);
        benchmark::DoNotOptimize(r.score);
    }
    state.counters["moves"] = static_cast<double>(moves) / static_cast<double>(games.size());
    state.counters["proof_bytes"] = static_cast<double>(bytes) / static_cast<double>(games.size());
}
BENCHMARK(BM_ReplayProof_TypicalGame)->Unit(benchmark::kMicrosecond);

// The dearest proof within the bounds that a hostile sender can make without playing: every
// move an exchange the rules refuse, as many as the bounds allow (accepted ones end the game),
// and every load the bounds allow.
void BM_ReplayProof_RefusedMovesAtTheBound(benchmark::State& state) {
    Game g;
    g.Seed(1);
    kv::ProofRecorder rec;
    rec.Deal(g);
    kv::GameProof proof = *rec.Proof();
    for (int r = 1; r <= kv::kBoardSize && proof.segments[0].moves.size() < kv::kMaxProofMoves; ++r)
        for (int c = 1; c < kv::kBoardSize; ++c)
            if (!MakesRun(g, {r, c}, {r, c + 1})) proof.segments[0].moves.push_back({{r, c}, {r, c + 1}});
    const auto refused = proof.segments[0].moves;
    while (proof.segments[0].moves.size() + refused.size() <= kv::kMaxProofMoves)
        proof.segments[0].moves.insert(proof.segments[0].moves.end(), refused.begin(), refused.end());
    for (uint64_t seed = 1; proof.segments.size() < kv::kMaxProofSegments; ++seed)
        proof.segments.push_back({seed, {}});
    if (!kv::WithinProofBounds(proof)) state.SkipWithError("past the bounds");
    for (auto _ : state) {
        const kv::ReplayResult r = kv::ReplayProof(proof);
        benchmark::DoNotOptimize(r.score);
    }
    state.counters["moves"] = static_cast<double>(proof.segments[0].moves.size());
}
BENCHMARK(BM_ReplayProof_RefusedMovesAtTheBound)->Unit(benchmark::kMicrosecond);

}  // namespace
