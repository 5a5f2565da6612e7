#include "GamePlay.h"

#include <cstring>

#include "game/MoveSequence.h"

namespace kv::test {

Press RandomPress(const Game& game, std::mt19937& rng) {
    auto cell = [&rng] {
        return Cell{static_cast<int32_t>(rng() % 8) + 1, static_cast<int32_t>(rng() % 8) + 1};
    };
    const Cell first = cell();
    const unsigned kind = rng() % 10;
    if (kind == 0) return {first, cell()};
    const Cell steps[] = {{first.row, first.col + 1}, {first.row + 1, first.col}, {first.row, first.col - 1}};
    for (const Cell second : steps) {
        if (!OnBoard(second)) continue;
        if (kind <= 2) return {first, second};
        Game trial = game;
        trial.FirstCell = first;
        trial.SecondCell = second;
        trial.SwapCells();
        trial.ClearRuns();
        if (trial.RunsFound) return {first, second};
    }
    const auto hint = game.FindHint();
    return hint ? Press{hint->ball, hint->partner} : Press{first, cell()};
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
    try {
        const ReplayResult r = ReplayProof(*proof);
        if (std::memcmp(r.board, game.Board, sizeof r.board) == 0 && r.score == game.Score &&
            r.movable == game.MovableCount && r.finished == (game.MovableCount == 0))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "the replay reached score " << r.score << ", " << r.movable << " movable; the game "
               << game.Score << ", " << game.MovableCount << " (or another board)";
    } catch (const ProofError& e) {
        return ::testing::AssertionFailure() << "the replay was refused: " << e.what();
    }
}

}  // namespace kv::test
