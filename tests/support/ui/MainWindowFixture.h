#pragma once
// The main window up and running for a test: scripted dialogs, a fixed seed, a temporary working
// directory and XDG config directory, moves that do not wait (each frame's wait is recorded and
// the next frame follows at once),
// and TForm1 made (FormCreate run) and shown. The working directory holds an empty records file
// "Kvelli99.rec", so the start is quiet. Derived fixtures prepare files in BeforeForm().

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <Qt>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "app/ui/Kvelli99_U1.h"
#include "game/UFunc.h"
#include "game/ui/BoardKeys.h"
#include "game/ui/GameController.h"
#include "game/ui/GameFiles.h"
#include "net/ui/ExchangeController.h"
#include "records/RecFile.h"
#include "records/ui/RecordsController.h"

class QAction;

namespace kv::ui {
class TForm1;
class TShape;
}  // namespace kv::ui

namespace kv::test {

// A board on which no ball can move: every row and every column holds eight different colours.
std::vector<std::string> DeadBoard();

class MainWindowFixture : public ::testing::Test {
  protected:
    static constexpr uint64_t kSeed = 1999;

    MainWindowFixture();
    ~MainWindowFixture() override;

    void SetUp() override;
    void TearDown() override;

    // Runs once the environment is ready (working and config directories, dialogs, seed, dpi
    // override if any) and before the window is made.
    virtual void BeforeForm() {}

    ui::TForm1& Form() const { return *form_; }
    bool HasForm() const { return form_ != nullptr; }
    // Makes and shows a new main window in place of the old one (which is destroyed, not closed).
    void RecreateForm();
    // Destroys the window without closing it (nothing is written).
    void DestroyForm();
    // Closes the window as its close button does (settings and window state are written).
    // Returns whether it closed.
    bool CloseForm();

    // The board as eight rows of eight values, top row first: '0'..'9' and 'A' for 10.
    // SetBoard leaves Score and the selection as they are and has the controller show the game
    // again (ShowAll), as after a chooser.
    void SetBoard(const std::vector<std::string>& rows);
    std::vector<std::string> Board() const;
    // The board as the balls show it, in the same letters; '?' for a colour no value has.
    std::vector<std::string> PaintedBoard() const;
    void SetCell(int col, int row, int value);
    // The game's Score and MovableCount set and shown by the controller (ShowAll).
    void SetCounters(int score, int movable);
    // The counters show `score` and `movable` while the game keeps its own values: a stale
    // display, which the next showing of the game must put right.
    void ShowOtherCounters(int score, int movable);

    // The window's parts, found as tests and the stored window state find them: by name.
    template <class T = QWidget>
    T* Child(const QString& name) const {
        return form_->findChild<T*>(name);
    }
    QAction* Action(const QString& name) const;
    // The ball control of (col, row), named "s<col><row>".
    ui::TShape* Shape(int col, int row) const;
    // A real mouse press, then a release, on the ball control of (col, row). A move it starts is
    // played out to its end (PlayOut), unless the click comes from inside a move's wait.
    void Click(int col, int row, Qt::MouseButton button = Qt::LeftButton);
    // Plays the running move's frames without waiting: each wait is recorded in `pauses` and
    // onPause runs in it, then the next frame comes. A game's end that waits for a window is run
    // as soon as nothing holds it any more.
    void PlayOut();
    // The running move's remaining frames at once, from inside a window's own loop (a message
    // box, a modal window) as its timer would show them there. Returns how many were shown.
    int StepFrames();

    // A key pressed and released on the window, where keys go when no control has the focus.
    // A press that closes or destroys the window sends no release.
    void SendKey(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, bool autoRepeat = false);

    // A move's frames are being played out.
    bool Moving() const { return form_->GameController().PlayState() == ui::TGameController::Play::Moving; }

    QString ScoreText() const;    // RxLabel3
    QString MovableText() const;  // RxLabel4
    QString StatusText() const;   // FTPState
    QString Caption() const;

    // The working directory (also the default records directory) and the XDG config directory.
    const TempDir& Dir() const { return dir_; }
    std::string ConfigHome() const { return dir_.File("config"); }

    ScriptedDialogs dialogs;
    // The state of the run, as main owns it: the window hands the game to its controller, and both
    // outlive each window. Tests set boards here, then have the controller show them (SetBoard).
    kv::Game game;
    kv::RecordsState records;
    // Every wait of a move, in milliseconds, in order; onPause (if set) runs in each of them,
    // after the wait is recorded, as events handled during a real wait would. Set realTime to
    // let the timer run instead.
    std::vector<int> pauses;
    std::function<void(int ms)> onPause;
    bool realTime = false;

  private:
    TempDir dir_;
    std::string oldCwd_;
    std::string oldXdg_;
    bool hadXdg_ = false;
    std::unique_ptr<ui::TForm1> form_;
    bool playing_ = false;
};

}  // namespace kv::test
