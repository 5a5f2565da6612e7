#pragma once
// The main window: its layout, menu, start-up and close. It owns one controller per subsystem,
// wires its menu and its balls to them and paints what their signals say changed; they see it
// only through TMainView. Its parts are its own: tests and the stored window state find them by
// their object names (RxLabel3, N4, "s<col><row>", ...). It holds no game: the game controller
// owns every change to it, and the board widget shows it.
//   game/ui/GameController.h         ShapeMouseDown and the frames of a move, a new deal, a load
//   game/ui/Board.h                  the board panel and its 64 balls
//   game/ui/BoardKeys.h              the keyboard on the board
//   game/ui/GameFiles.h              MnuSaveClick, MnuLoadClick
//   records/ui/RecordsController.h   MnuRecClick, N4Click, N5Click, DirEdt*, AskPlayerName, the
//                                    records part of a game's end
//   net/ui/ExchangeController.h      N7Click, N9Click, N10Click, Ftp1*
//   app/ui/AboutController.h         MnuHelpClick, MnuAboutClick

#include <QMainWindow>
#include <QString>

#include "base/Settings.h"
#include "ui/MainView.h"

class QAction;
class QActionGroup;
class QIcon;
class QLabel;
class QMenu;
class QWidget;

namespace kv {
class Game;
struct RecordsState;
}  // namespace kv

namespace kv::ui {

// The desktop's name of the program: its entry, store page and icons carry it.
inline const QString kAppId = QStringLiteral("io.github.kvelli99.kvelli99");

// The program's icon: 4 x 4 balls, at 16 (16 colours), 32 (16 colours), 64, 128 and 256 pixels.
QIcon ProgramIcon();

class TBoard;
class TShadowLabel;
class TReclamaForm;
class TFormStorage;
class TGameController;
class TBoardKeys;
class TGameFiles;
class THint;
class TRecordsController;
class TExchangeController;
class TAboutController;

class TForm1 : public QMainWindow, public TMainView {
    Q_OBJECT
  public:
    // The game and the records of the run, owned by the program; both outlive the window. The
    // game goes to the game controller, which alone changes it.
    TForm1(kv::Game& game, kv::RecordsState& records, kv::Settings settings, QWidget* parent = nullptr);
    ~TForm1() override;

    // The controllers, for the tests that drive them as the menu does.
    TGameController& GameController() const { return *gameCtl_; }
    TGameFiles& GameFiles() const { return *gameFiles_; }
    TRecordsController& RecordsController() const { return *recordsCtl_; }
    TExchangeController& ExchangeController() const { return *exchangeCtl_; }

    void FormCreate();
    bool FormCloseQuery();
    void MnuExitClick();
    void CreateReclamaWindow();  // ReclamaForm, hidden

    // The menu's handlers, carried out by the controllers.
    void MnuNewClick();
    void MnuSaveClick();
    void MnuLoadClick();
    // The saved game the program was started with (opened from the desktop): loaded as the load
    // command loads a chosen file.
    void OpenSavedGame(const QString& path);
    void MnuRecClick();
    void N4Click();
    void N5Click();
    void N7Click();
    void N9Click();
    void N10Click();
    void MnuHelpClick();
    void MnuAboutClick();
    void MnuMarksClick();
    // The hint (H): a ball that can move and its partner marked, the keyboard's frame on the ball.
    void MnuHintClick();

    // TMainView
    QWidget* DialogParent() override { return this; }
    void SetStatus(const QString& text) override;
    void SetCaption(const QString& caption) override;
    // The records, advertisement and results-server windows exist (made after the first painting).
    bool HiddenWindowsMade() const { return hiddenWindowsMade_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void BuildLayout();
    void BuildMenu();
    void ConnectGame();
    // The board shows the game as the controller has it, the chosen ball marked.
    void ShowBoard();
    void ShowAdvertisement();
    // The end of a game: the result into the records, the windows that follow, a new deal. A
    // failure stops it where it happens (then the choice of the last move stands).
    void EndOfGame();
    // N4 or N5 carries the mark of the records file; nullptr: neither (only a stored state can
    // say so).
    void SetRecFileMark(QAction* mark);
    void CreateHiddenWindows();
    void CentreOnScreen();
    // Runs `handler` inside Guarded when the menu item fires; `changesBoard`: ignored during a move.
    void Connect(QAction* item, void (TForm1::*handler)(), bool changesBoard);
    // Writes the settings file: the one writer. Throws on failure.
    void SaveSettings();

    // --- Layout ---
    QWidget* Panel3 = nullptr;         // header
    QLabel* Image1 = nullptr;          // header picture
    TShadowLabel* RxLabel3 = nullptr;  // Score
    TShadowLabel* RxLabel4 = nullptr;  // MovableCount
    QLabel* FTPState = nullptr;        // status of the results exchange
    TBoard* Panel1 = nullptr;          // board: the balls "s<col><row>"

    QMenu* Game = nullptr;
    QAction* MnuNew = nullptr;
    QAction* MnuSave = nullptr;
    QAction* MnuLoad = nullptr;
    QAction* MnuRec = nullptr;
    QMenu* MnuRecFile = nullptr;
    // N4 and N5: one exclusive group; the mark is where the records file is (recFileMark_).
    QActionGroup* RecFileGroup = nullptr;
    QAction* N4 = nullptr;
    QAction* N5 = nullptr;
    QAction* recFileMark_ = nullptr;
    QAction* MnuExit = nullptr;
    QMenu* N8 = nullptr;
    QAction* N9 = nullptr;
    QAction* N7 = nullptr;
    QAction* N10 = nullptr;
    QMenu* Hlp = nullptr;
    QAction* MnuHelp = nullptr;
    QAction* MnuAbout = nullptr;
    // Checkable, at the end of "?": a symbol in every ball, remembered in the settings file.
    QAction* MnuMarks = nullptr;
    // Last in "?": the hint, key H.
    QAction* MnuHint = nullptr;

    TFormStorage* FormStorage1 = nullptr;
    // Created hidden at start-up, lives until the end.
    TReclamaForm* ReclamaForm = nullptr;

    kv::RecordsState& records_;
    // Read once when the window is made, at start-up; the records controller takes the player
    // and the records directory from it, the exchange controller the results server.
    kv::Settings settings_;
    TGameController* gameCtl_ = nullptr;
    TBoardKeys* boardKeys_ = nullptr;
    TGameFiles* gameFiles_ = nullptr;
    THint* hint_ = nullptr;
    TRecordsController* recordsCtl_ = nullptr;
    TExchangeController* exchangeCtl_ = nullptr;
    TAboutController* aboutCtl_ = nullptr;
    bool closing_ = false;  // the window has agreed to close
    bool firstShow_ = true;
    bool hiddenWindowsDue_ = true;
    bool hiddenWindowsMade_ = false;
};

}  // namespace kv::ui
