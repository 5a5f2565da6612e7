#pragma once
// The hint on request: one ball that can move and the neighbour it trades with, found by the same
// test that counts the movable balls, marked for a few seconds or until the next press. The
// window draws the marks where `marked` says.

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

#include "base/Cell.h"
#include "game/UFunc.h"

namespace kv::ui {

class TGameController;

class THint : public QObject {
    Q_OBJECT
  public:
    // How long the marks stay unless a press takes them away first.
    static constexpr int kShownMs = 3000;

    // `parent` owns it (the main window); the game controller outlives it.
    THint(TGameController& game, QObject* parent);

    // Marks the ball and its partner and returns them. Does nothing during a move or when no
    // ball can move (then nullopt).
    std::optional<kv::Hint> Show();
    // Takes the marks away: at the next press, when the board changes, or when the time is up.
    void Hide();
    std::optional<kv::Hint> Shown() const { return shown_; }

  signals:
    // A ball to mark with `note`, which is said after its name; an empty note takes the mark away.
    void marked(kv::Cell cell, const QString& note);

  private:
    TGameController& game_;
    QTimer timer_;
    std::optional<kv::Hint> shown_;
};

}  // namespace kv::ui
