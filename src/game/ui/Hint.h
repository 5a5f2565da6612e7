#pragma once
// The hint on request: marks one ball that can move and the neighbour it trades with, found by
// the same test that counts the movable balls, for a few seconds or until the next press.

#include <QObject>
#include <QTimer>

namespace kv {
class Game;
}

namespace kv::ui {

class TMainView;

class THint : public QObject {
    Q_OBJECT
  public:
    // How long the marks stay unless a press takes them away first.
    static constexpr int kShownMs = 3000;

    // `parent` owns it (the game controller); view and game outlive it.
    THint(TMainView& view, const kv::Game& game, QObject* parent);

    // Marks the ball and its partner. Does nothing during a move, while the window closes, or
    // when no ball can move. Returns whether it marked them; the ball's cell is then in col, row.
    bool Show(int& col, int& row);
    // Takes the marks away (at the next press, a new board, or when the time is up).
    void Hide();
    bool Shown() const { return shown_; }

  private:
    void Mark(int col, int row, const QString& note);
    TMainView& view_;
    const kv::Game& game_;
    QTimer timer_;
    bool shown_ = false;
    int cells_[2][2] = {};  // [ball, partner][col, row]
};

}  // namespace kv::ui
