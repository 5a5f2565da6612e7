#include "GamePlay.h"

#include <cstring>
#include <vector>

#include "game/MoveSequence.h"

namespace kv::test {

Press RandomPress(const Game& game, std::mt19937& rng) {
    auto cell = [&rng] {
        return Cell{static_cast<int32_t>(rng() % 8) + 1, static_cast<int32_t>(rng() % 8) + 1};
    };
    const unsigned kind = rng() % 10;
    const Cell first = cell();
    if (kind == 0) return {first, cell()};
    if (kind <= 2) {
        static constexpr Cell kSteps[] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
        const Cell step = kSteps[rng() % 4];
        const Cell second{first.row + step.row, first.col + step.col};
        if (OnBoard(second)) return {first, second};
    }
    // Any exchange that makes a run, not always the first: games then differ in how they end.
    std::vector<Press> runs;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            for (const Cell second : {Cell{r, c + 1}, Cell{r + 1, c}}) {
                if (!OnBoard(second)) continue;
                Game trial = game;
                trial.FirstCell = {r, c};
                trial.SecondCell = second;
                trial.SwapCells();
                trial.ClearRuns();
                if (trial.RunsFound) runs.push_back({{r, c}, second});
            }
    if (!runs.empty()) return runs[rng() % runs.size()];
    return {first, cell()};
}

bool PlayPress(Game& game, ProofRecorder& recorder, Press press) {
    game.FirstCell = press.first;
    game.FirstChosen = true;
    recorder.Move(game, press.second);
    MoveSequence move(game, press.second);
    bool over = false;
    while (!move.Done())
        over = move.Next().gameOver;
    game.FirstChosen = false;
    return over;
}

::testing::AssertionResult ReplaysTo(const std::optional<GameProof>& proof, const Game& game) {
    if (!proof) return ::testing::AssertionFailure() << "the game is unproven";
    ReplayResult r;
    try {
        r = ReplayProof(*proof);
    } catch (const ProofError& e) {
        return ::testing::AssertionFailure() << "the replay was refused: " << e.what();
    }
    if (std::memcmp(r.board, game.Board, sizeof r.board) != 0)
        return ::testing::AssertionFailure() << "the replay reached another board";
    if (r.score != game.Score || r.movable != game.MovableCount)
        return ::testing::AssertionFailure() << "the replay reached score " << r.score << " and " << r.movable
                                             << " movable, the game " << game.Score << " and "
                                             << game.MovableCount;
    if (r.finished != (game.MovableCount == 0)) return ::testing::AssertionFailure() << "the end differs";
    return ::testing::AssertionSuccess();
}

}  // namespace kv::test
