#include "game/ui/GameController.h"

#include <QApplication>
#include <QEvent>

#include "game/UFunc.h"
#include "ui/Dialogs.h"

namespace kv::ui {

TGameController::TGameController(kv::Game& game, QObject* parent) : QObject(parent), game_(game) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TGameController::Tick);
}

std::optional<kv::Cell> TGameController::MarkedCell() const {
    if (game_.FirstChosen && markShown_) return game_.FirstCell;
    return std::nullopt;
}

void TGameController::LetGo() {
    if (MoveInProgress() || endWaiting_ || !game_.FirstChosen) return;
    game_.FirstChosen = false;
    markShown_ = false;
    emit selectionChanged();
}

void TGameController::ShapeMouseDown(kv::Cell cell) {
    // A waiting end holds the dead board with its choice: a press would end the game twice.
    if (MoveInProgress() || endWaiting_ || !OnBoard(cell)) return;
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
    if (frame.gameOver) {
        // A failed end of game leaves the choice standing: the next press ends the game again.
        // The last thing done here: the end of the game may even close the window.
        EndGame();
        return;
    }
    emit movableChanged(game_.MovableCount);
    game_.FirstChosen = false;
}

void TGameController::EndGame() {
    // The frames ran on inside a window the player opened during the move (records, About,
    // settings...): the end's own windows must not come up on top of it, nor run it again.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        endWaiting_ = true;
        Unwatch();
        blocker_ = modal;
        modal->installEventFilter(this);
        connect(modal, &QObject::destroyed, this, &TGameController::BlockerGone);
        return;
    }
    endWaiting_ = false;
    emit gameOver();
}

bool TGameController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched == blocker_) BlockerGone();
    return QObject::eventFilter(watched, event);
}

void TGameController::BlockerGone() {
    Unwatch();
    // Asked again from the event loop, once the code that showed the window has gone on from it:
    // the end then runs, or waits for the next modal window (one it opened, or the one below).
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (endWaiting_ && !blocker_) EndGame();
        },
        Qt::QueuedConnection);
}

void TGameController::Unwatch() {
    if (!blocker_) return;
    blocker_->removeEventFilter(this);
    disconnect(blocker_, nullptr, this, nullptr);
    blocker_ = nullptr;
}

void TGameController::NewDeal() {
    recorder_.Deal(game_);
    // A ball chosen before is let go: the next press starts a move.
    game_.FirstChosen = false;
    ShowAll();
}

void TGameController::ShowAll() {
    emit boardChanged();
    emit scoreChanged(game_.Score);
    emit movableChanged(game_.MovableCount);
    emit selectionChanged();
}

void TGameController::Loaded(std::optional<kv::GameProof> proof) {
    recorder_.Loaded(game_, std::move(proof));
}

void TGameController::Stop() {
    timer_.stop();
    move_.reset();
    endWaiting_ = false;
    Unwatch();
}

}  // namespace kv::ui
