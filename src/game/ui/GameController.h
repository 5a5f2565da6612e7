#pragma once
// The game in the main window: the two presses of a move and the playing of its frames, one
// timer tick per frame. What changed is said through signals; the window connects them to its
// board and its counters. The keyboard (TBoardKeys) and the game files (TGameFiles) act through
// this controller.

#include <QObject>
#include <QTimer>
#include <optional>

#include "base/Cell.h"
#include "game/MoveSequence.h"

namespace kv {
class Game;
}

namespace kv::ui {

class TGameController : public QObject {
    Q_OBJECT
  public:
    // `parent` owns the controller (the main window); the game outlives it.
    TGameController(kv::Game& game, QObject* parent);

    kv::Game& State() const { return game_; }

    // A press on the ball in `cell`: the first marks it, the second plays the move out. Ignored
    // while a move is being played out: the board may hold empty cells then.
    void ShapeMouseDown(kv::Cell cell);
    // The one state that keeps presses and the commands that change or write the board away.
    bool MoveInProgress() const { return move_.has_value(); }
    // The ball chosen by a first press, while it waits for the second.
    std::optional<kv::Cell> MarkedCell() const;

    // A new settled board with score 0 and no choice, shown.
    void NewDeal();
    // The game was replaced as a whole (a loaded game): everything is shown again.
    void ShowAll();
    // The board was changed from outside: it is shown again.
    void ShowBoard() { emit boardChanged(); }
    // The window closes: a move being played out stops where it is, and nothing more is shown.
    void Stop();

    // For tests: the wait before the next frame of the move (-1 without one), and that frame at
    // once, as if the wait were over.
    int PendingPause() const { return timer_.isActive() ? timer_.interval() : -1; }
    void StepNow();

  signals:
    void boardChanged();
    void scoreChanged(int score);
    void movableChanged(int count);
    void selectionChanged();
    // No ball has a move: the end of the game (records, windows, a new deal) is the window's.
    void gameOver();

  private:
    // The next frame after `ms` milliseconds.
    void Pause(int ms);
    void Tick();
    kv::Game& game_;
    QTimer timer_;
    std::optional<kv::MoveSequence> move_;
    bool markShown_ = false;
};

}  // namespace kv::ui
