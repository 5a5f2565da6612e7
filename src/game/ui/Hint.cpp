#include "game/ui/Hint.h"

#include "game/UFunc.h"
#include "ui/MainView.h"
#include "ui/TShape.h"

namespace kv::ui {

THint::THint(TMainView& view, const kv::Game& game, QObject* parent)
    : QObject(parent), view_(view), game_(game) {
    timer_.setSingleShot(true);
    timer_.setInterval(kShownMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Hide(); });
}

void THint::Mark(int col, int row, const QString& note) {
    if (TShape* shape = view_.ShapeAt(col, row)) shape->SetHint(note);
}

bool THint::Show(int& col, int& row) {
    // A board being played out may hold empty cells: no hint on it.
    if (view_.MoveInProgress() || view_.Closing()) return false;
    Hide();
    const auto hint = game_.FindHint();
    if (!hint) return false;
    const Cell b = hint->ball, p = hint->partner;
    // The way to the partner, said with the ball: a player who hears the board needs no search.
    const QString way = p.row < b.row   ? tr("подсказка, ход вверх")
                        : p.row > b.row ? tr("подсказка, ход вниз")
                        : p.col < b.col ? tr("подсказка, ход влево")
                                        : tr("подсказка, ход вправо");
    Mark(b.col, b.row, way);
    Mark(p.col, p.row, tr("подсказка"));
    cells_[0][0] = b.col;
    cells_[0][1] = b.row;
    cells_[1][0] = p.col;
    cells_[1][1] = p.row;
    shown_ = true;
    timer_.start();
    col = b.col;
    row = b.row;
    return true;
}

void THint::Hide() {
    timer_.stop();
    if (!shown_) return;
    shown_ = false;
    for (const auto& cell : cells_)
        Mark(cell[0], cell[1], QString());
}

}  // namespace kv::ui
