#pragma once
// A ball control: one shape inside its rectangle, a circle of the shorter side or, while the ball
// is chosen, a rectangle filling the whole control, filled in the ball's colour (the face colour
// for an empty cell) and outlined 1 pixel wide in the face colour. It is told what it shows (its
// look, or that its cell is empty, and whether it is chosen) and infers none of it. It reports a
// press of any mouse button. Two additions, both off unless asked for: a
// symbol inside the ball, so that colours can be told apart without seeing them, and the
// keyboard's cell cursor, a ring on the ball's rim. The hint marks the corners of the cell. A
// ball knows its cell and says which cell was pressed.
//
// For assistive technology a ball is a button named by its colour and place ("синий шар, ряд 3,
// столбец 5"), checked while it is chosen, and focused while the cursor frames it.

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>

#include "base/Cell.h"

namespace kv::ui {

class TShape : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Circle, Rectangle };
    // Symbols that differ in outline, not only in size.
    enum class Mark { None, Disc, TriangleUp, Square, Plus, Diamond, Cross, Star, TriangleDown, Ring, Bar };

    // A ball as it is shown: its colour, the word said for it, and its symbol (None: none drawn).
    struct Look {
        QColor colour;
        QString word;
        Mark symbol = Mark::None;
    };

    explicit TShape(QWidget* parent = nullptr);

    // The ball to show, or nullopt for an empty cell; `chosen`: the selection mark of a move.
    void SetBall(const std::optional<Look>& look, bool chosen);
    bool Empty() const { return !look_; }
    bool Chosen() const { return chosen_; }
    Kind Shape() const { return chosen_ ? Kind::Rectangle : Kind::Circle; }
    // The colour the cell is filled with: the face colour when it is empty.
    QColor BrushColor() const;
    Mark Symbol() const { return look_ ? look_->symbol : Mark::None; }
    bool CursorFrame() const { return cursor_; }
    // Also moves the accessibility focus to this ball when shown.
    void SetCursorFrame(bool shown);
    kv::Cell BoardCell() const { return cell_; }
    void SetBoardCell(kv::Cell cell) { cell_ = cell; }

    // The hint: corner marks on a ball that can move and on the neighbour it trades with. The
    // note is said after the ball's name ("подсказка"); an empty note takes the hint away.
    bool Hint() const { return !hint_.isEmpty(); }
    QString HintNote() const { return hint_; }
    void SetHint(const QString& note);

    // What a screen reader says: the colour's word, the place, and whether the ball is chosen.
    QString AccessibleName() const;
    // Presses the ball as a click does (the accessible "press" action).
    void Press();

  signals:
    // Any button; the button, the modifiers and the position are not passed on.
    void Pressed(kv::Cell cell);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    // The name, if assistive technology is listening, to compare with after a change.
    QString SpokenName() const;
    // Tells assistive technology what changed, if its name or chosen state did.
    void Announce(const QString& oldName, bool wasChosen);
    QColor Face() const;
    std::optional<Look> look_;
    bool chosen_ = false;
    bool cursor_ = false;
    QString hint_;
    kv::Cell cell_{};
};

}  // namespace kv::ui
