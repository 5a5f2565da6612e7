#pragma once
// The board panel: the 64 ball controls, laid out in their cells. It is told what to show (the
// balls' values and the chosen one, whether symbols are drawn, the keyboard's frame, the hint
// marks) and says which cell was pressed; it decides nothing about the game. The controls keep
// the design's names, "s<col><row>", by which the stored state and assistive technology find them.

#include <QString>
#include <QWidget>
#include <optional>

#include "base/Cell.h"
#include "game/UFunc.h"

namespace kv::ui {

class TShape;

class TBoard : public QWidget {
    Q_OBJECT
  public:
    // Laid out at the designed size (491 x 491 at 120 dpi), scaled to the screen.
    explicit TBoard(QWidget* parent);

    // The balls of `values` ([row-1][col-1]: 0 empty, else a colour index), `chosen` marked.
    void ShowBalls(const kv::Game::BoardArray& values, std::optional<kv::Cell> chosen);
    // A symbol in every ball, so that colours can be told apart without seeing them.
    void ShowSymbols(bool shown);
    bool SymbolsShown() const { return symbols_; }
    // The keyboard's cell cursor on the ball in `cell`, or taken away.
    void ShowCursor(kv::Cell cell, bool shown);
    // The hint's marks on the ball in `cell`, with the note said after its name; empty: none.
    void ShowHint(kv::Cell cell, const QString& note);

  signals:
    // A press of any mouse button on a ball (or its accessible press action).
    void Pressed(kv::Cell cell);

  private:
    TShape* At(kv::Cell cell) const { return balls_[cell.row - 1][cell.col - 1]; }
    void Paint();
    TShape* balls_[kBoardSize][kBoardSize] = {};
    kv::Game::BoardArray values_{};
    std::optional<kv::Cell> chosen_;
    bool symbols_ = false;
};

}  // namespace kv::ui
