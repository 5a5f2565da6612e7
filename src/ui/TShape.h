#pragma once
// A ball control: one shape inside its rectangle, a circle of the shorter side or a rectangle
// filling the whole control, filled in one colour and outlined 1 pixel wide in the window's face
// colour. It reports a press of any mouse button. Two additions, both off unless asked for: a
// symbol inside the ball, so that colours can be told apart without seeing them, and the
// keyboard's cell cursor, a ring on the ball's rim. The hint marks the corners of the cell. A
// ball knows its cell and says which cell was pressed.
//
// For assistive technology a ball is a button named by its colour and place ("синий шар, ряд 3,
// столбец 5"), checked while it is chosen, and focused while the cursor frames it.

#include <QColor>
#include <QWidget>

#include "base/Cell.h"

namespace kv::ui {

class TShape : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Circle, Rectangle };
    // Symbols that differ in outline, not only in size.
    enum class Mark { None, Disc, TriangleUp, Square, Plus, Diamond, Cross, Star, TriangleDown, Ring, Bar };

    explicit TShape(QWidget* parent = nullptr);

    Kind Shape() const { return kind_; }
    void SetShape(Kind kind);
    QColor BrushColor() const { return brush_; }
    void SetBrushColor(const QColor& colour);
    QColor PenColor() const { return pen_; }
    void SetPenColor(const QColor& colour);
    Mark Symbol() const { return mark_; }
    void SetSymbol(Mark mark);
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

    // The selection mark of a move is the rectangle.
    bool Chosen() const { return kind_ == Kind::Rectangle; }
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
    Kind kind_ = Kind::Circle;
    QColor brush_ = Qt::white;
    QColor pen_ = Qt::black;
    Mark mark_ = Mark::None;
    bool cursor_ = false;
    QString hint_;
    kv::Cell cell_{};
};

}  // namespace kv::ui
