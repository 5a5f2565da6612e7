#include "game/MoveSequence.h"

#include <cstdlib>
#include <cstring>

namespace kv {

MoveSequence::MoveSequence(Game& game, Cell second) : game_(game) {
    game_.SecondCell = second;
}

MoveFrame MoveSequence::Frame(int delay) {
    MoveFrame f;
    std::memcpy(f.board, game_.Board, sizeof f.board);
    f.score = game_.Score;
    f.delay = delay;
    return f;
}

MoveFrame MoveSequence::Last(bool refused) {
    game_.CountMovable();
    stage_ = Stage::Done;
    MoveFrame f = Frame(0);
    f.refused = refused;
    f.last = true;
    f.gameOver = game_.MovableCount == 0;
    return f;
}

MoveFrame MoveSequence::Next() {
    Game& g = game_;
    switch (stage_) {
        case Stage::Swap: {
            const int dc = std::abs(g.FirstCell.col - g.SecondCell.col);
            const int dr = std::abs(g.FirstCell.row - g.SecondCell.row);
            if (dc + dr != 1) return Last(false);
            g.SwapCells();
            stage_ = Stage::Judge;
            return Frame(kSwapPause);
        }
        case Stage::Judge:
            g.ClearRuns();
            if (!g.RunsFound) {
                g.SwapCells();
                return Last(true);
            }
            stage_ = Stage::Clear;
            return Frame(kStepPause);
        case Stage::Clear:
            // The first pass finds only the cells the exchange emptied: a run of empty cells,
            // which keeps the loop going for one more pass over the refilled board.
            g.ClearRuns();
            stage_ = Stage::Drop;
            return Frame(kStepPause);
        case Stage::Drop:
            g.DropBalls();
            stage_ = Stage::Refill;
            return Frame(kStepPause);
        case Stage::Refill:
            g.RefillBoard();
            if (!g.RunsFound) return Last(false);
            stage_ = Stage::Clear;
            return Frame(kStepPause);
        case Stage::Done:
            break;
    }
    return Last(false);
}

}  // namespace kv
