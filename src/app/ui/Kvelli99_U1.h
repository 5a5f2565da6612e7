#pragma once
// The main window. Its handlers are spread over the subsystems that carry them out:
//   app/ui/Kvelli99_U1.cpp      layout, menu, start-up, close, window state, ShowBoard, KvelMatr
//   game/ui/Moves.cpp           ShapeMouseDown, Pause
//   game/ui/NewGame.cpp         MnuNewClick, MnuSaveClick, MnuLoadClick
//   records/ui/RecordsMenu.cpp  MnuRecClick, N4Click, N5Click, DirEdt*, AskPlayerName, end of game,
//                               the settings file at start-up and close
//   net/ui/Exchange.cpp         N7Click, N9Click, N10Click, Ftp1*
//   app/ui/AboutMenu.cpp        MnuHelpClick, MnuAboutClick

#include <QMainWindow>
#include <QString>
#include <functional>

class QAction;
class QActionGroup;
class QIcon;
class QLabel;
class QMenu;
class QWidget;

namespace kv {
class TFtpClient;
enum TCmdType : int;
}  // namespace kv

namespace kv::ui {

// The first part of the main window's caption; the player's part follows it.
inline const QString ProgramCaption = QStringLiteral("Квелли 99 Internet version");

// Tests replace the waits of a move: while a hook is set, Pause(ms) calls it instead of waiting.
// The hook may dispatch events or press balls itself. An empty hook restores real waiting.
void SetPauseHook(std::function<void(int ms)> hook);

// The program's icon: 4 x 4 balls, at 16 (16 colours), 32 (16 colours), 64, 128 and 256 pixels.
QIcon ProgramIcon();

class TShape;
class TShadowLabel;
class TForm2;
class TReclamaForm;
class TSetForm;
class TFormStorage;
class TDirEdit;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // --- Layout (app/ui/Kvelli99_U1.cpp) ---
    QWidget* Panel3 = nullptr;         // header
    QLabel* Image1 = nullptr;          // header picture
    TShadowLabel* RxLabel3 = nullptr;  // Score
    TShadowLabel* RxLabel4 = nullptr;  // MovableCount
    QLabel* FTPState = nullptr;        // status of the results exchange
    QWidget* Panel1 = nullptr;         // board
    TShape* Shapes[8][8] = {};         // [row-1][col-1]; object names "s<col><row>"

    QMenu* Game = nullptr;
    QAction* MnuNew = nullptr;
    QAction* MnuSave = nullptr;
    QAction* MnuLoad = nullptr;
    QAction* MnuRec = nullptr;
    QMenu* MnuRecFile = nullptr;
    QActionGroup* RecFileGroup = nullptr;
    QAction* N4 = nullptr;
    QAction* N5 = nullptr;
    QAction* MnuExit = nullptr;
    QMenu* N8 = nullptr;
    QAction* N9 = nullptr;
    QAction* N7 = nullptr;
    QAction* N10 = nullptr;
    QMenu* Hlp = nullptr;
    QAction* MnuHelp = nullptr;
    QAction* MnuAbout = nullptr;

    TFormStorage* FormStorage1 = nullptr;

    // Secondary windows: created hidden at start-up, live until the end.
    TForm2* Form2 = nullptr;
    TReclamaForm* ReclamaForm = nullptr;
    TSetForm* SetForm = nullptr;

    // The FTP client of the results exchange, owned here; net/ui/Exchange.cpp creates and
    // destroys it (CreateExchange, DestroyExchange).
    kv::TFtpClient* Ftp1 = nullptr;

    void FormCreate();
    bool FormCloseQuery();
    void MnuExitClick();
    void ShowBoard();
    static void KvelMatr(const QString& name, int& col, int& row);
    TShape* ShapeAt(int col, int row) const { return Shapes[row - 1][col - 1]; }
    void SetScoreLabel(int value);
    void SetMovableLabel(int value);

    // True while a move is being played out: presses on balls and the commands that change or
    // write the board are ignored then.
    bool MoveInProgress() const { return moveDepth_ > 0; }

    // --- Moves (game/ui/Moves.cpp) ---
    void ShapeMouseDown(TShape* sender);
    // Waits `ms` on the millisecond clock, dispatching events meanwhile, without spinning.
    void Pause(int ms);

    // --- New game and saved games (game/ui/NewGame.cpp) ---
    void MnuNewClick();
    void MnuSaveClick();
    void MnuLoadClick();
    QString SaveDialogName = QStringLiteral("*.sav");  // the save chooser's next name

    // --- Records (records/ui/RecordsMenu.cpp) ---
    void RecordsStartup();       // FormCreate steps 2 to 4: settings, records file, caption
    void WritePlayerSettings();  // at close; throws on failure
    void CreateRecordsWindow();  // Form2, hidden
    void MnuRecClick();
    void N4Click();
    void N5Click();
    TDirEdit* DirEdt = nullptr;  // the hidden folder chooser of N5
    void DirEdtBeforeDialog();
    void DirEdtAfterDialog(const QString& folder);
    void AskPlayerName();
    // The end-of-game sequence; returns false if it failed (then nothing after it happens).
    bool EndOfGame();

    // --- Results exchange (net/ui/Exchange.cpp) ---
    void CreateExchange();   // Ftp1 and SetForm, hidden
    void DestroyExchange();  // cancels a running exchange, frees Ftp1
    void N7Click();
    void N9Click();
    void N10Click();
    bool ExchangeInProgress() const { return exchangeDepth_ > 0; }
    // Notifications of Ftp1.
    void Ftp1Connect();
    void Ftp1ConnectionFailed();
    void Ftp1Success(kv::TCmdType transType);
    // True once the window has agreed to close: a running exchange then stops at once.
    bool Closing() const { return closing_; }

    // --- Advertisement window (game/ui/NewGame.cpp) ---
    void CreateReclamaWindow();  // ReclamaForm, hidden

    // --- About and rules (app/ui/AboutMenu.cpp) ---
    void MnuHelpClick();
    void MnuAboutClick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildLayout();
    void BuildMenu();
    void CreateHiddenWindows();
    void CentreOnScreen();
    // Runs `handler` inside Guarded when the menu item fires; `changesBoard`: ignored during a move.
    void Connect(QAction* item, void (TForm1::*handler)(), bool changesBoard);
    int moveDepth_ = 0;
    bool closing_ = false;  // the window has agreed to close: a move in play stops
    int exchangeDepth_ = 0;
    bool firstShow_ = true;
    friend class MoveGuard;
    friend class ExchangeGuard;
};

}  // namespace kv::ui
