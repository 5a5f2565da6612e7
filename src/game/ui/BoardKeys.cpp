// The board from the keyboard: a cell cursor moved by the arrows, and Space or Enter pressing the
// ball under it through the same handler as a click.
#include <QPointer>
#include <Qt>
#include <algorithm>

#include "game/UFunc.h"
#include "game/ui/GameController.h"
#include "ui/MainView.h"
#include "ui/TShape.h"

namespace kv::ui {

void TGameController::ShowCursor(bool shown) {
    if (TShape* shape = view_.ShapeAt(cursorCol_, cursorRow_)) shape->SetCursorFrame(shown);
    cursorShown_ = shown;
}

void TGameController::MousePress(TShape* sender) {
    // A mouse player's board shows no cursor.
    if (cursorShown_) ShowCursor(false);
    ShapeMouseDown(sender);
}

bool TGameController::BoardKey(int key, bool autoRepeat) {
    int dc = 0, dr = 0;
    switch (key) {
        case Qt::Key_Left:
            dc = -1;
            break;
        case Qt::Key_Right:
            dc = 1;
            break;
        case Qt::Key_Up:
            dr = -1;
            break;
        case Qt::Key_Down:
            dr = 1;
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            break;
        default:
            return false;
    }
    // As presses are: a move being played out takes no other.
    if (MoveInProgress() || view_.Closing()) return true;
    if (dc != 0 || dr != 0) {
        if (!cursorShown_) {
            // The first arrow only shows the cursor: on the marked ball if there is one, so the
            // second press of a move begins beside it.
            if (game_.FirstChosen && OnBoard(game_.FirstCell.row, game_.FirstCell.col)) {
                cursorCol_ = game_.FirstCell.col;
                cursorRow_ = game_.FirstCell.row;
            }
            ShowCursor(true);
            return true;
        }
        ShowCursor(false);
        cursorCol_ = std::clamp(cursorCol_ + dc, 1, kBoardSize);
        cursorRow_ = std::clamp(cursorRow_ + dr, 1, kBoardSize);
        ShowCursor(true);
        return true;
    }
    // A held key would press the ball again and again; an invisible cursor names no ball.
    if (autoRepeat || !cursorShown_) return true;
    ShapeMouseDown(view_.ShapeAt(cursorCol_, cursorRow_));
    return true;
}

}  // namespace kv::ui
