// A move: the two clicks on balls, the exchange, and the played-out sequence of clearing,
// falling and refilling with its pauses.
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "app/ui/Kvelli99_U1.h"
#include "game/UFunc.h"
#include "ui/Dialogs.h"
#include "ui/TShape.h"

namespace kv::ui {

namespace {

std::function<void(int)>& PauseHook() {
    static std::function<void(int)> hook;
    return hook;
}

// The millisecond tick counter: 32 bits, so it wraps, as the system's did.
uint32_t TickCount() {
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// A wait is cut into slices so that a wrapped counter ends it promptly.
constexpr uint32_t kPauseSlice = 50;

}  // namespace

void SetPauseHook(std::function<void(int ms)> hook) {
    PauseHook() = std::move(hook);
}

// Marks a move as being played out for as long as it lives. The window may be destroyed
// meanwhile (closed in a pause), hence the guarded pointer.
class MoveGuard {
  public:
    explicit MoveGuard(TForm1* form) : form_(form) { ++form->moveDepth_; }
    ~MoveGuard() {
        if (form_) --form_->moveDepth_;
    }
    MoveGuard(const MoveGuard&) = delete;
    MoveGuard& operator=(const MoveGuard&) = delete;

  private:
    QPointer<TForm1> form_;
};

void TForm1::Pause(int ms) {
    // A copy: the hook may replace itself while it runs.
    if (auto hook = PauseHook()) {
        hook(ms);
        return;
    }
    if (ms <= 0) return;
    const QPointer<TForm1> self(this);
    const uint32_t start = TickCount();
    for (;;) {
        if (!self || closing_) return;
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

void TForm1::ShapeMouseDown(TShape* sender) {
    // While a move is played out the board may hold empty cells; a second move nested in its
    // pauses would act on that half-cleared board, so such presses are dropped.
    if (!sender || MoveInProgress() || closing_) return;
    kv::Game& g = TheGame();
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
    const QPointer<TForm1> self(this);
    auto wait = [&](int ms) {
        Pause(ms);
        return self && !closing_;
    };
    const int dc = std::abs(g.FirstCell.col - g.SecondCell.col);
    const int dr = std::abs(g.FirstCell.row - g.SecondCell.row);
    if (dc + dr == 1) {
        MoveGuard guard(this);
        g.SwapCells();
        ShowBoard();
        if (!wait(300)) return;
        g.ClearRuns();
        if (!g.RunsFound) {
            g.SwapCells();
            Ui().Beep();
        } else {
            do {
                ShowBoard();
                if (!wait(200)) return;
                g.ClearRuns();
                ShowBoard();
                if (!wait(200)) return;
                g.DropBalls();
                ShowBoard();
                if (!wait(200)) return;
                g.RefillBoard();
                SetScoreLabel(g.Score);
            } while (g.RunsFound);
        }
    }

    g.CountMovable();
    if (g.MovableCount > 0) {
        SetMovableLabel(g.MovableCount);
    } else {
        // A failed end of game leaves the choice standing: the next press ends the game again.
        const bool ended = EndOfGame();
        if (!self || closing_ || !ended) return;
    }
    ShowBoard();
    g.FirstChosen = false;
}

}  // namespace kv::ui
