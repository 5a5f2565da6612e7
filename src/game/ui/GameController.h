#pragma once
// The game's commands in the main window: the two clicks of a move with its played-out sequence
// (game/ui/Moves.cpp), the same clicks from the keyboard (game/ui/BoardKeys.cpp), a new game and
// saved games (game/ui/NewGame.cpp).

#include <QObject>
#include <QString>
#include <functional>

namespace kv {
class Game;
}

namespace kv::ui {

class TMainView;
class TShape;

class TGameController : public QObject {
  public:
    // `parent` owns the controller (the main window); view and game outlive it.
    TGameController(TMainView& view, kv::Game& game, QObject* parent);

    // --- Moves ---
    void ShapeMouseDown(TShape* sender);
    // Waits `ms` on the millisecond clock, dispatching events meanwhile, without spinning.
    void Pause(int ms);
    bool MoveInProgress() const { return moveDepth_ > 0; }
    // Tests replace the waits of a move: while set, Pause(ms) calls it instead of waiting. The
    // hook may dispatch events or press balls itself.
    std::function<void(int ms)> PauseHook;

    // --- The keyboard on the board ---
    // The arrows show the cell cursor and move it; Space and Enter press the ball under it, as a
    // click does. Returns whether the key is one of these (also when it is ignored during a move).
    bool BoardKey(int key, bool autoRepeat);
    // A press of the mouse on a ball: the cursor hides, then ShapeMouseDown.
    void MousePress(TShape* sender);
    bool CursorShown() const { return cursorShown_; }
    int CursorCol() const { return cursorCol_; }
    int CursorRow() const { return cursorRow_; }

    // --- New game and saved games ---
    void MnuNewClick();
    void MnuSaveClick();
    void MnuLoadClick();
    // Loads the saved game at `path`, as the load command does once a file is chosen (also the
    // file the program is started with, opened from the desktop).
    void LoadGame(const QString& path);
    QString SaveDialogName = QStringLiteral("*.sav");  // the save chooser's next name

    // A ball's column and row from its control's name "s<col><row>".
    static void KvelMatr(const QString& name, int& col, int& row);

  private:
    friend class MoveGuard;
    TMainView& view_;
    kv::Game& game_;
    void ShowCursor(bool shown);
    int moveDepth_ = 0;
    bool cursorShown_ = false;
    int cursorCol_ = 1, cursorRow_ = 1;
};

}  // namespace kv::ui
