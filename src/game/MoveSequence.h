#pragma once
// A move as the frames a window shows one after another: the exchange, then the clearing, the
// falling and the refill of every pass, each followed by the wait before the next frame. The
// sequence acts on the game as it goes; it paints nothing and waits for nothing, so whoever plays
// it decides how the time passes.

#include <cstdint>

#include "base/Cell.h"
#include "game/UFunc.h"

namespace kv {

// The waits of a move: after the exchange, and after each step of a pass.
constexpr int kSwapPause = 300;
constexpr int kStepPause = 200;

struct MoveFrame {
    Game::BoardArray board{};  // the board to show
    int32_t score = 0;         // the score to show
    int delay = 0;             // milliseconds until the next frame; 0 on the last
    bool refused = false;      // the exchange made no run and was undone: the alert sounds
    bool last = false;         // the move is over; the movable balls are counted
    bool gameOver = false;     // last frame only: no ball has a move
};

class MoveSequence {
  public:
    // The second press of a move: SecondCell becomes `second`, the first is game.FirstCell. Cells
    // that are not neighbours (the same cell included) make a move of one frame that only counts.
    MoveSequence(Game& game, Cell second);

    bool Done() const { return stage_ == Stage::Done; }
    // Carries out the next step on the game and says what to show. Not to be called once Done.
    MoveFrame Next();

  private:
    enum class Stage { Swap, Judge, Clear, Drop, Refill, Done };
    MoveFrame Frame(int delay);
    MoveFrame Last(bool refused);
    Game& game_;
    Stage stage_ = Stage::Swap;
};

}  // namespace kv
