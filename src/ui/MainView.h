#pragma once
// What a subsystem's controller may do with the main window. The window implements it; the
// controllers never see the window's class.

#include <QString>

class QWidget;

namespace kv::ui {

// The first part of the main window's caption; the player's part follows it.
inline const QString ProgramCaption = QStringLiteral("Квелли 99 Internet version");

class TMainView {
  public:
    virtual QWidget* DialogParent() = 0;
    // Paints every ball from the game state.
    virtual void ShowBoard() = 0;
    // The two counters of the header: RxLabel3 (the score) and RxLabel4 (balls with a move).
    virtual void SetScoreLabel(int value) = 0;
    virtual void SetMovableLabel(int value) = 0;
    virtual QString ScoreText() const = 0;
    // The status line of the results exchange (FTPState); an empty text clears it.
    virtual void SetStatus(const QString& text) = 0;
    virtual void SetCaption(const QString& caption) = 0;
    // True while a move is being played out: presses on balls and the commands that change or
    // write the board are ignored then.
    virtual bool MoveInProgress() const = 0;
    // True once the window has agreed to close: a running move or exchange stops at once.
    virtual bool Closing() const = 0;
    // The advertisement window, modal.
    virtual void ShowAdvertisement() = 0;
    // The end of a game: the result into the records, the windows that follow, a new deal.
    // Returns false if it failed (then nothing after the failure happens).
    virtual bool EndOfGame() = 0;

  protected:
    ~TMainView() = default;
};

}  // namespace kv::ui
