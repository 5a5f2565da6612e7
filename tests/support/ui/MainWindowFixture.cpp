#include "MainWindowFixture.h"

#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <cstdlib>
#include <filesystem>

#include "app/ui/Kvelli99_U1.h"
#include "game/UFunc.h"
#include "game/ui/BallLooks.h"
#include "game/ui/GameController.h"
#include "ui/Fonts.h"
#include "ui/Scale.h"
#include "ui/TShadowLabel.h"
#include "ui/TShape.h"

namespace kv::test {

std::vector<std::string> DeadBoard() {
    std::vector<std::string> rows;
    for (int r = 1; r <= 8; ++r) {
        std::string row;
        for (int c = 1; c <= 8; ++c)
            row += static_cast<char>('1' + (r + c) % 8);
        rows.push_back(row);
    }
    return rows;
}

MainWindowFixture::MainWindowFixture() = default;
MainWindowFixture::~MainWindowFixture() = default;

void MainWindowFixture::SetUp() {
    oldCwd_ = std::filesystem::current_path().string();
    if (const char* x = std::getenv("XDG_CONFIG_HOME")) {
        hadXdg_ = true;
        oldXdg_ = x;
    }
    std::filesystem::create_directories(ConfigHome());
    ::setenv("XDG_CONFIG_HOME", ConfigHome().c_str(), 1);
    std::filesystem::current_path(dir_.path());
    // An empty records table in the working directory (the default records directory), so the
    // window starts without the message about a missing records file. BeforeForm may remove it.
    dir_.Write("Kvelli99.rec", "");

    // The window's close must not end the test's application.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::InstallFontSubstitutes();
    game.Seed(kSeed);

    BeforeForm();
    RecreateForm();
}

void MainWindowFixture::TearDown() {
    DestroyForm();
    ui::SetDpiOverride(0);
    std::filesystem::current_path(oldCwd_);
    if (hadXdg_)
        ::setenv("XDG_CONFIG_HOME", oldXdg_.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

void MainWindowFixture::RecreateForm() {
    DestroyForm();
    form_ = std::make_unique<ui::TForm1>(game, records, kv::ReadSettings());
    form_->show();
    QApplication::setActiveWindow(form_.get());
    QCoreApplication::processEvents();
    // The hidden windows come right after the first painting, as when a player starts the game.
    for (int i = 0; i < 100 && !form_->HiddenWindowsMade(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void MainWindowFixture::DestroyForm() {
    form_.reset();
}

bool MainWindowFixture::CloseForm() {
    return form_->close();
}

void MainWindowFixture::SetBoard(const std::vector<std::string>& rows) {
    ASSERT_EQ(rows.size(), 8u);
    for (int r = 1; r <= 8; ++r) {
        ASSERT_EQ(rows[r - 1].size(), 8u) << "row " << r;
        for (int c = 1; c <= 8; ++c) {
            const char ch = rows[r - 1][c - 1];
            ASSERT_TRUE((ch >= '0' && ch <= '9') || ch == 'A') << "row " << r << " col " << c;
            game.At(r, c) = ch == 'A' ? 10 : ch - '0';
        }
    }
    form_->GameController().ShowAll();
}

std::vector<std::string> MainWindowFixture::Board() const {
    std::vector<std::string> rows;
    for (int r = 1; r <= 8; ++r) {
        std::string row;
        for (int c = 1; c <= 8; ++c) {
            const int v = game.At(r, c);
            row += v == 10 ? 'A' : (v >= 0 && v <= 9 ? static_cast<char>('0' + v) : '?');
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> MainWindowFixture::PaintedBoard() const {
    const QColor face = form_->palette().color(QPalette::Button);
    std::vector<std::string> rows;
    for (int r = 1; r <= 8; ++r) {
        std::string row;
        for (int c = 1; c <= 8; ++c) {
            const ui::TShape* ball = Shape(c, r);
            char ch = '?';
            for (int v = 0; v <= 10; ++v) {
                const std::optional<ui::BallLook> look = ui::BallLookOf(v);
                if (look ? !ball->Empty() && ball->BrushColor() == QColor::fromRgb(look->rgb)
                         : ball->Empty() && ball->BrushColor() == face)
                    ch = v == 10 ? 'A' : static_cast<char>('0' + v);
            }
            row += ch;
        }
        rows.push_back(row);
    }
    return rows;
}

void MainWindowFixture::SetCell(int col, int row, int value) {
    game.At(row, col) = value;
    form_->GameController().ShowAll();
}

void MainWindowFixture::SetCounters(int score, int movable) {
    game.Score = score;
    game.MovableCount = movable;
    form_->GameController().ShowAll();
}

void MainWindowFixture::ShowOtherCounters(int score, int movable) {
    const int32_t kept[] = {game.Score, game.MovableCount};
    SetCounters(score, movable);
    game.Score = kept[0];
    game.MovableCount = kept[1];
}

QAction* MainWindowFixture::Action(const QString& name) const {
    return form_->findChild<QAction*>(name);
}

ui::TShape* MainWindowFixture::Shape(int col, int row) const {
    return form_->findChild<ui::TShape*>(QStringLiteral("s%1%2").arg(col).arg(row));
}

void MainWindowFixture::PlayOut() {
    if (playing_ || realTime) return;
    playing_ = true;
    using Play = ui::TGameController::Play;
    while (form_) {
        const int ms = form_->GameController().PendingPause();
        if (ms < 0) break;
        // An end that still waits for a window or an exchange is left to the event loop.
        const bool endWaiting = form_->GameController().PlayState() == Play::EndWaiting;
        if (!endWaiting) pauses.push_back(ms);
        if (onPause && !endWaiting) onPause(ms);
        if (!form_) break;
        form_->GameController().StepNow();
        if (endWaiting && form_ && form_->GameController().PlayState() == Play::EndWaiting) break;
    }
    playing_ = false;
}

int MainWindowFixture::StepFrames() {
    int frames = 0;
    while (form_ && form_->GameController().PlayState() == ui::TGameController::Play::Moving &&
           form_->GameController().PendingPause() >= 0) {
        form_->GameController().StepNow();
        ++frames;
    }
    return frames;
}

void MainWindowFixture::Click(int col, int row, Qt::MouseButton button) {
    QPointer<ui::TShape> shape = Shape(col, row);
    const QPointF local(shape->width() / 2.0, shape->height() / 2.0);
    const QPointF global = shape->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(shape, &press);
    // The press may have played out a move that closed or destroyed the window.
    if (!shape) return;
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(shape, &release);
    PlayOut();
}

void MainWindowFixture::SendKey(int key, Qt::KeyboardModifiers mods, bool autoRepeat) {
    // A modal window shown by the previous key took the activation away.
    QPointer<ui::TForm1> form = form_.get();
    QApplication::setActiveWindow(form);
    QKeyEvent press(QEvent::KeyPress, key, mods, QString(), autoRepeat);
    QApplication::sendEvent(form, &press);
    if (!form) return;
    QKeyEvent release(QEvent::KeyRelease, key, mods, QString(), autoRepeat);
    QApplication::sendEvent(form, &release);
    PlayOut();
}

QString MainWindowFixture::ScoreText() const {
    return Child<QLabel>(QStringLiteral("RxLabel3"))->text();
}
QString MainWindowFixture::MovableText() const {
    return Child<QLabel>(QStringLiteral("RxLabel4"))->text();
}
QString MainWindowFixture::StatusText() const {
    return Child<QLabel>(QStringLiteral("FTPState"))->text();
}
QString MainWindowFixture::Caption() const {
    return form_->windowTitle();
}

}  // namespace kv::test
