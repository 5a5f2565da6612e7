#pragma once
// The game in the main window, and the one owner of every change to it: the two presses of a
// move and the playing of its frames (one timer tick per frame), a new deal, a loaded game, the
// end of a game. What changed is said through signals; the window connects them to its board and
// its counters. The keyboard (TBoardKeys), the hint (THint) and the game files (TGameFiles) act
// through this controller.

#include <QObject>
#include <QTimer>
#include <optional>

#include "base/Cell.h"
#include "game/MoveSequence.h"
#include "game/Proof.h"

namespace kv {
class Game;
struct SavedGame;
}  // namespace kv

namespace kv::ui {

class TGameController : public QObject {
    Q_OBJECT
  public:
    // The state of play. Chosen is the design's FirstChosen, FirstCell the ball.
    enum class Play {
        Idle,        // waiting for the first ball
        Chosen,      // a ball chosen, waiting for the second
        Moving,      // a move's frames are being played out
        EndWaiting,  // the move ended the game while another window or an exchange was running
    };

    // `parent` owns the controller (the main window); the game (the program's) outlives it.
    TGameController(kv::Game& game, QObject* parent);

    const kv::Game& State() const { return game_; }
    Play PlayState() const;
    // The one answer to "may the player act now", asked by every press, key, hint and command
    // that changes or writes the board: not while a move plays, its end waits, or an exchange
    // runs (the board may hold empty cells, and the end must not run inside the exchange).
    bool MayAct() const;
    // The results exchange started or ended (the window wires its controller here).
    void SetExchangeRunning(bool running) { exchangeRunning_ = running; }

    // A press on the ball in `cell`: the first marks it, the second plays the move out.
    void ShapeMouseDown(kv::Cell cell);
    // The ball chosen by a first press, while it waits for the second.
    std::optional<kv::Cell> MarkedCell() const;
    // A ball chosen by a first press is let go: the next press chooses again.
    void LetGo();

    // A new settled board with score 0 and no choice, shown. Its proof starts here.
    void NewDeal();
    // A saved game takes the place of the game, shown, with no choice. With the proof that
    // replays to it, play goes on from a fresh seed, the start of the proof's next segment;
    // without one the result is unproven.
    void Load(const kv::SavedGame& saved, std::optional<kv::GameProof> proof);
    // Everything is shown again, as it is (after a file chooser, or a load that failed).
    void ShowAll();
    // The proof of the game in progress: its deal, and every exchange since. nullopt: the result
    // is unproven (a game loaded without its proof, or one that outgrew the proof's bounds).
    const std::optional<kv::GameProof>& Proof() const { return recorder_.Proof(); }
    // The window closes: a move being played out stops where it is, and nothing more is shown;
    // an end of the game that waits is dropped.
    void Stop();

    // For tests: the wait before the next tick (a frame, or the next look of a waiting end; -1
    // without one), and that tick at once, as if the wait were over.
    int PendingPause() const { return timer_.isActive() ? timer_.interval() : -1; }
    void StepNow();

  signals:
    void boardChanged();
    void scoreChanged(int score);
    void movableChanged(int count);
    void selectionChanged();
    // No ball has a move, and the counter says 0: the end of the game (records, windows, a new
    // deal) is the window's. A failure there leaves the choice standing.
    void gameOver();

  private:
    // How often a waiting end looks again whether it may run.
    static constexpr int kEndRetryMs = 100;
    // The next tick after `ms` milliseconds.
    void Pause(int ms);
    void Tick();
    // gameOver now, or (the end waiting) at the first tick with no modal window and no exchange.
    void EndGame();
    kv::Game& game_;
    QTimer timer_;
    std::optional<kv::MoveSequence> move_;  // while Moving
    kv::ProofRecorder recorder_;
    bool markShown_ = false;
    bool endWaiting_ = false;
    bool exchangeRunning_ = false;
};

}  // namespace kv::ui
