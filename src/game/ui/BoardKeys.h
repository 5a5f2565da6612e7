#pragma once
// The board from the keyboard: a cell cursor moved by the arrows, and Space or Enter pressing the
// ball under it through the same handler as a click. The window draws the cursor where
// cursorChanged says.

#include <QObject>

#include "base/Cell.h"

namespace kv::ui {

class TGameController;

class TBoardKeys : public QObject {
    Q_OBJECT
  public:
    // `parent` owns it (the main window); the game controller outlives it.
    TBoardKeys(TGameController& game, QObject* parent);

    // The arrows show the cell cursor and move it; Space and Enter press the ball under it, as a
    // click does. Returns whether the key is one of these (also when it is ignored during a move).
    bool BoardKey(int key, bool autoRepeat);
    // A press of the mouse on a ball: the cursor hides, then the game takes the press.
    void MousePress(kv::Cell cell);
    // Shows the cursor on `cell` (the hint puts it on its ball, where a screen reader reads it).
    void PutCursor(kv::Cell cell);
    bool CursorShown() const { return cursorShown_; }
    kv::Cell Cursor() const { return cursor_; }

  signals:
    void cursorChanged(kv::Cell cell, bool shown);

  private:
    void ShowCursor(bool shown);
    TGameController& game_;
    bool cursorShown_ = false;
    kv::Cell cursor_{1, 1};
};

}  // namespace kv::ui
