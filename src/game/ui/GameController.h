#pragma once
// The game's commands in the main window: the two clicks of a move with its played-out sequence
// (game/ui/Moves.cpp), a new game and saved games (game/ui/NewGame.cpp).

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

    // --- New game and saved games ---
    void MnuNewClick();
    void MnuSaveClick();
    void MnuLoadClick();
    QString SaveDialogName = QStringLiteral("*.sav");  // the save chooser's next name

    // A ball's column and row from its control's name "s<col><row>".
    static void KvelMatr(const QString& name, int& col, int& row);

  private:
    friend class MoveGuard;
    TMainView& view_;
    kv::Game& game_;
    int moveDepth_ = 0;
};

}  // namespace kv::ui
