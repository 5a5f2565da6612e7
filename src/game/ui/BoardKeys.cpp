#include "game/ui/BoardKeys.h"

#include <Qt>
#include <algorithm>

#include "game/UFunc.h"
#include "game/ui/GameController.h"

namespace kv::ui {

TBoardKeys::TBoardKeys(TGameController& game, QObject* parent) : QObject(parent), game_(game) {}

void TBoardKeys::ShowCursor(bool shown) {
    cursorShown_ = shown;
    emit cursorChanged(cursor_, shown);
}

void TBoardKeys::PutCursor(kv::Cell cell) {
    if (!OnBoard(cell)) return;
    if (cursorShown_) ShowCursor(false);
    cursor_ = cell;
    ShowCursor(true);
}

void TBoardKeys::MousePress(kv::Cell cell) {
    // A mouse player's board shows no cursor.
    if (cursorShown_) ShowCursor(false);
    game_.ShapeMouseDown(cell);
}

bool TBoardKeys::BoardKey(int key, bool autoRepeat) {
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
    // As presses are: not while a move plays, its end waits or an exchange runs.
    if (!game_.MayAct()) return true;
    const kv::Game& g = game_.State();
    if (dc != 0 || dr != 0) {
        if (!cursorShown_) {
            // The first arrow only shows the cursor: on the marked ball if there is one, so the
            // second press of a move begins beside it.
            if (g.FirstChosen && OnBoard(g.FirstCell)) cursor_ = g.FirstCell;
            ShowCursor(true);
            return true;
        }
        ShowCursor(false);
        cursor_.col = std::clamp(cursor_.col + dc, 1, kBoardSize);
        cursor_.row = std::clamp(cursor_.row + dr, 1, kBoardSize);
        ShowCursor(true);
        return true;
    }
    // A held key would press the ball again and again; an invisible cursor names no ball.
    if (autoRepeat || !cursorShown_) return true;
    game_.ShapeMouseDown(cursor_);
    return true;
}

}  // namespace kv::ui
