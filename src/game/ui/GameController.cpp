#include "game/ui/GameController.h"

#include <QApplication>

#include "game/SaveGame.h"
#include "game/UFunc.h"
#include "ui/Dialogs.h"

namespace kv::ui {

TGameController::TGameController(kv::Game& game, QObject* parent) : QObject(parent), game_(game) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TGameController::Tick);
}

TGameController::Play TGameController::PlayState() const {
    if (move_) return Play::Moving;
    if (endWaiting_) return Play::EndWaiting;
    return game_.FirstChosen ? Play::Chosen : Play::Idle;
}

bool TGameController::MayAct() const {
    const Play play = PlayState();
    return (play == Play::Idle || play == Play::Chosen) && !exchangeRunning_;
}

std::optional<kv::Cell> TGameController::MarkedCell() const {
    if (PlayState() == Play::Chosen && markShown_) return game_.FirstCell;
    return std::nullopt;
}

void TGameController::LetGo() {
    if (!MayAct() || !game_.FirstChosen) return;
    game_.FirstChosen = false;
    markShown_ = false;
    emit selectionChanged();
}

void TGameController::ShapeMouseDown(kv::Cell cell) {
    if (!MayAct() || !OnBoard(cell)) return;
    if (!game_.FirstChosen) {
        game_.FirstCell = cell;
        game_.FirstChosen = true;
        markShown_ = true;
        emit selectionChanged();
        return;
    }
    markShown_ = false;
    emit selectionChanged();
    recorder_.Move(game_, cell);
    move_.emplace(game_, cell);
    Tick();
}

void TGameController::Pause(int ms) {
    timer_.start(ms);
}

void TGameController::StepNow() {
    if (!timer_.isActive()) return;
    timer_.stop();
    Tick();
}

void TGameController::Tick() {
    if (endWaiting_) {
        EndGame();
        return;
    }
    if (!move_) return;
    const MoveFrame frame = move_->Next();
    if (frame.refused) Ui().Beep();
    if (!frame.last) {
        emit boardChanged();
        emit scoreChanged(frame.score);
        Pause(frame.delay);
        return;
    }
    move_.reset();
    // Shown before a game's end too: an undone exchange must not stay on the screen behind its
    // windows, nor after an end that failed.
    emit boardChanged();
    emit scoreChanged(frame.score);
    emit movableChanged(game_.MovableCount);
    if (frame.gameOver) {
        // A failed end of game leaves the choice standing: the next press ends the game again.
        EndGame();
        return;
    }
    game_.FirstChosen = false;
}

void TGameController::EndGame() {
    // The frames run on inside a window the player opened during the move (records, About, a
    // chooser, an open menu) and inside an exchange's network waits; the end's own windows must
    // come up in none of them, so it looks again a little later.
    endWaiting_ = exchangeRunning_ || QApplication::activeModalWidget() || QApplication::activePopupWidget();
    if (endWaiting_) {
        Pause(kEndRetryMs);
        return;
    }
    // The last thing done here: the end of the game may even close the window.
    emit gameOver();
}

void TGameController::NewDeal() {
    recorder_.Deal(game_);
    // A ball chosen before is let go: the next press starts a move.
    game_.FirstChosen = false;
    markShown_ = false;
    ShowAll();
}

void TGameController::Load(const kv::SavedGame& saved, std::optional<kv::GameProof> proof) {
    ApplySavedGame(saved, game_);
    game_.FirstChosen = false;
    markShown_ = false;
    recorder_.Loaded(game_, std::move(proof));
    ShowAll();
}

void TGameController::ShowAll() {
    emit boardChanged();
    emit scoreChanged(game_.Score);
    emit movableChanged(game_.MovableCount);
    emit selectionChanged();
}

void TGameController::Stop() {
    timer_.stop();
    move_.reset();
    endWaiting_ = false;
}

}  // namespace kv::ui
