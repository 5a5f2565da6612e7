#include "game/ui/Hint.h"

#include <QCoreApplication>

#include "game/ui/GameController.h"

namespace kv::ui {

THint::THint(TGameController& game, QObject* parent) : QObject(parent), game_(game) {
    timer_.setSingleShot(true);
    timer_.setInterval(kShownMs);
    connect(&timer_, &QTimer::timeout, this, &THint::Hide);
    // A press chooses a ball or plays a move: either way the hint has done its work.
    connect(&game_, &TGameController::selectionChanged, this, &THint::Hide);
    connect(&game_, &TGameController::boardChanged, this, &THint::Hide);
}

std::optional<kv::Hint> THint::Show() {
    // A board being played out may hold empty cells: no hint on it.
    if (!game_.MayAct()) return std::nullopt;
    Hide();
    // A ball chosen before is let go: the next presses, on the hinted balls, make the hinted move.
    game_.LetGo();
    const std::optional<kv::Hint> hint = game_.State().FindHint();
    if (!hint) return std::nullopt;
    const kv::Cell b = hint->ball, p = hint->partner;
    // The way to the partner, said with the ball: a player who hears the board need not search.
    const QString way = p.row < b.row ? QCoreApplication::translate("kv::ui::THint", "подсказка, ход вверх")
                        : p.row > b.row ? QCoreApplication::translate("kv::ui::THint", "подсказка, ход вниз")
                        : p.col < b.col
                            ? QCoreApplication::translate("kv::ui::THint", "подсказка, ход влево")
                            : QCoreApplication::translate("kv::ui::THint", "подсказка, ход вправо");
    shown_ = hint;
    emit marked(b, way);
    emit marked(p, QCoreApplication::translate("kv::ui::THint", "подсказка"));
    timer_.start();
    return hint;
}

void THint::Hide() {
    timer_.stop();
    if (!shown_) return;
    const kv::Hint h = *shown_;
    shown_.reset();
    emit marked(h.ball, QString());
    emit marked(h.partner, QString());
}

}  // namespace kv::ui
