#pragma once
// The game in the main window: the two presses of a move and the playing of its frames, one
// timer tick per frame. What changed is said through signals; the window connects them to its
// board and its counters. The keyboard (TBoardKeys) and the game files (TGameFiles) act through
// this controller.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "base/Cell.h"
#include "game/MoveSequence.h"
#include "game/Proof.h"

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
    // The move is over once its last frame is shown, even when its end of the game still waits.
    bool MoveInProgress() const { return move_.has_value(); }
    // The move ended the game while a modal window was open (one the player opened during the
    // move): the board stays as the last frame left it, with the choice standing, and gameOver
    // comes once no modal window is left. Presses and board commands are kept away meanwhile.
    bool EndWaiting() const { return endWaiting_; }
    // The ball chosen by a first press, while it waits for the second.
    std::optional<kv::Cell> MarkedCell() const;
    // A ball chosen by a first press is let go: the next press chooses again.
    void LetGo();

    // A new settled board with score 0 and no choice, shown. Its proof starts here.
    void NewDeal();
    // The game was replaced as a whole (a loaded game): everything is shown again.
    void ShowAll();
    // A saved game was put into the game. With the proof that replays to it, play goes on from a
    // fresh seed, the start of the proof's next segment; without one the result is unproven.
    void Loaded(std::optional<kv::GameProof> proof);
    // The proof of the game in progress: its deal, and every exchange since. nullopt: the result
    // is unproven (a game loaded without its proof, or one that outgrew the proof's bounds).
    const std::optional<kv::GameProof>& Proof() const { return recorder_.Proof(); }
    // The board was changed from outside: it is shown again.
    void ShowBoard() { emit boardChanged(); }
    // The window closes: a move being played out stops where it is, and nothing more is shown;
    // an end of the game that waits is dropped.
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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The next frame after `ms` milliseconds.
    void Pause(int ms);
    void Tick();
    // gameOver now, or once the modal window open now (and any opened after it) has closed.
    void EndGame();
    void BlockerGone();
    void Unwatch();
    kv::Game& game_;
    QTimer timer_;
    std::optional<kv::MoveSequence> move_;
    kv::ProofRecorder recorder_;
    bool markShown_ = false;
    bool endWaiting_ = false;
    QPointer<QWidget> blocker_;  // the modal window a waiting end watches
};

}  // namespace kv::ui
