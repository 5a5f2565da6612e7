#include "game/ui/Board.h"

#include <algorithm>

#include "game/ui/BallLooks.h"
#include "ui/Scale.h"
#include "ui/TShape.h"

namespace kv::ui {

namespace {

// Left edges of the columns (and top edges of the rows) at 120 dpi, and the right edge of the
// last one. It lies a pixel past the panel; the panel clips it, as the layout always had it.
constexpr int kCellEdges[kBoardSize + 1] = {0, 62, 123, 185, 246, 308, 369, 431, 492};
constexpr int kBoardEdge = 491;

}  // namespace

TBoard::TBoard(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel1"));
    resize(Edge(kBoardEdge), Edge(kBoardEdge));
    for (int row = 1; row <= kBoardSize; ++row) {
        for (int col = 1; col <= kBoardSize; ++col) {
            auto* ball = new TShape(this);
            ball->setObjectName(QStringLiteral("s%1%2").arg(col).arg(row));
            const int left = Edge(kCellEdges[col - 1]), top = Edge(kCellEdges[row - 1]);
            ball->setGeometry(left, top, Edge(kCellEdges[col]) - left, Edge(kCellEdges[row]) - top);
            ball->SetBoardCell({row, col});
            ball->SetBall(std::nullopt, false);
            connect(ball, &TShape::Pressed, this, &TBoard::Pressed);
            balls_[row - 1][col - 1] = ball;
        }
    }
}

void TBoard::ShowBalls(const kv::Game::BoardArray& values, std::optional<kv::Cell> chosen) {
    std::copy(&values[0][0], &values[0][0] + kBoardSize * kBoardSize, &values_[0][0]);
    chosen_ = chosen;
    Paint();
}

void TBoard::ShowSymbols(bool shown) {
    symbols_ = shown;
    Paint();
}

void TBoard::Paint() {
    for (int row = 1; row <= kBoardSize; ++row)
        for (int col = 1; col <= kBoardSize; ++col) {
            const kv::Cell cell{row, col};
            At(cell)->SetBall(ShownLook(values_[row - 1][col - 1], symbols_), chosen_ == cell);
        }
}

void TBoard::ShowCursor(kv::Cell cell, bool shown) {
    if (OnBoard(cell)) At(cell)->SetCursorFrame(shown);
}

void TBoard::ShowHint(kv::Cell cell, const QString& note) {
    if (OnBoard(cell)) At(cell)->SetHint(note);
}

}  // namespace kv::ui
