// A move: the two clicks on balls, the exchange, and the played-out sequence of clearing,
// falling and refilling with its pauses.
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>

#include "game/UFunc.h"
#include "game/ui/GameController.h"
#include "ui/Dialogs.h"
#include "ui/MainView.h"
#include "ui/TShape.h"

namespace kv::ui {

namespace {

// The millisecond tick counter: 32 bits, so it wraps, as the system's did.
uint32_t TickCount() {
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// A wait is cut into slices so that a wrapped counter ends it promptly.
constexpr uint32_t kPauseSlice = 50;

}  // namespace

// Marks a move as being played out for as long as it lives. The window, and the controller with
// it, may be destroyed meanwhile (closed in a pause), hence the guarded pointer.
class MoveGuard {
  public:
    explicit MoveGuard(TGameController* moves) : moves_(moves) { ++moves->moveDepth_; }
    ~MoveGuard() {
        if (moves_) --moves_->moveDepth_;
    }
    MoveGuard(const MoveGuard&) = delete;
    MoveGuard& operator=(const MoveGuard&) = delete;

  private:
    QPointer<TGameController> moves_;
};

TGameController::TGameController(TMainView& view, kv::Game& game, QObject* parent)
    : QObject(parent), view_(view), game_(game) {}

void TGameController::KvelMatr(const QString& name, int& col, int& row) {
    col = name.size() > 1 ? name[1].digitValue() : 0;
    row = name.size() > 2 ? name[2].digitValue() : 0;
}

void TGameController::Pause(int ms) {
    // A copy: the hook may replace itself while it runs.
    if (auto hook = PauseHook) {
        hook(ms);
        return;
    }
    if (ms <= 0) return;
    const QPointer<TGameController> self(this);
    const uint32_t start = TickCount();
    for (;;) {
        if (!self || view_.Closing()) return;
        const uint32_t now = TickCount();
        if (now < start) return;  // the counter wrapped
        const uint32_t elapsed = now - start;
        if (elapsed >= static_cast<uint32_t>(ms)) return;
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(std::min(static_cast<uint32_t>(ms) - elapsed, kPauseSlice)),
                           Qt::PreciseTimer, &loop, &QEventLoop::quit);
        // -1: no loop may run any more, the application is quitting.
        if (loop.exec() < 0) return;
    }
}

void TGameController::ShapeMouseDown(TShape* sender) {
    // While a move is played out the board may hold empty cells; a second move nested in its
    // pauses would act on that half-cleared board, so such presses are dropped.
    if (!sender || MoveInProgress() || view_.Closing()) return;
    kv::Game& g = game_;
    sender->ToggleShape();
    int col = 0, row = 0;
    KvelMatr(sender->objectName(), col, row);
    if (!g.FirstChosen) {
        g.FirstCell = {col, row};
        g.FirstChosen = true;
        return;
    }
    g.SecondCell = {col, row};

    // The window can be closed, even destroyed, in any pause; nothing of it is touched after.
    const QPointer<TGameController> self(this);
    auto wait = [&](int ms) {
        Pause(ms);
        return self && !view_.Closing();
    };
    const int dc = std::abs(g.FirstCell.col - g.SecondCell.col);
    const int dr = std::abs(g.FirstCell.row - g.SecondCell.row);
    if (dc + dr == 1) {
        MoveGuard guard(this);
        g.SwapCells();
        view_.ShowBoard();
        if (!wait(300)) return;
        g.ClearRuns();
        if (!g.RunsFound) {
            g.SwapCells();
            Ui().Beep();
        } else {
            do {
                view_.ShowBoard();
                if (!wait(200)) return;
                g.ClearRuns();
                view_.ShowBoard();
                if (!wait(200)) return;
                g.DropBalls();
                view_.ShowBoard();
                if (!wait(200)) return;
                g.RefillBoard();
                view_.SetScoreLabel(g.Score);
            } while (g.RunsFound);
        }
    }

    g.CountMovable();
    if (g.MovableCount > 0) {
        view_.SetMovableLabel(g.MovableCount);
    } else {
        // A failed end of game leaves the choice standing: the next press ends the game again.
        const bool ended = view_.EndOfGame();
        if (!self || view_.Closing() || !ended) return;
    }
    view_.ShowBoard();
    g.FirstChosen = false;
}

}  // namespace kv::ui
