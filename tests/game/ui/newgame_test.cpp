// New game, save and load through the real menu handlers, with the file choosers scripted.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdio>
#include <functional>

#include "MainWindowFixture.h"
#include "Tmpfs.h"
#include "app/ui/Kvelli99_U1.h"
#include "app/ui/UReclama.h"
#include "base/AtomicFile.h"
#include "game/SaveGame.h"
#include "game/UFunc.h"
#include "game/ui/BallLooks.h"
#include "game/ui/NewGame.h"
#include "ui/ErrorReport.h"
#include "ui/TShape.h"

namespace kv::test {
namespace {

// No run; the exchange of columns 3 and 4 in row 1 makes one. Rows 2 and 3 differ in every
// column, so whatever falls into row 1 cannot start a run downwards: a move changes row 1 only,
// and rows 4 to 8 keep moves of their own.
const std::vector<std::string> kRows = {"11213456", "34567834", "45678345", "55656776",
                                        "67878587", "78587868", "85868785", "26262626"};

std::string FileOf(const std::vector<std::string>& rows, const std::string& score,
                   const std::string& movable) {
    std::string s = score + "\r\n" + movable + "\r\n";
    for (const std::string& row : rows)
        for (char c : row)
            s += std::string(1, c) + "\r\n";
    return s;
}

// `bytes` with line `line` (1-based) holding `text` instead.
std::string WithLine(std::string bytes, int line, const std::string& text) {
    size_t pos = 0;
    for (int i = 1; i < line; ++i)
        pos = bytes.find("\r\n", pos) + 2;
    bytes.replace(pos, bytes.find("\r\n", pos) - pos, text);
    return bytes;
}

QColor Colour(int32_t value) {
    return QColor::fromRgb(ui::BallLookOf(value)->rgb);
}

class NewGameTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        // Start-up may have had its own say (no records file here).
        base_ = dialogs.messages.size();
    }

    std::vector<QString> NewMessages() const {
        std::vector<QString> out;
        for (size_t i = base_; i < dialogs.messages.size(); ++i)
            out.push_back(dialogs.messages[i].text);
        return out;
    }

    // The example game: Score 35, MovableCount 12, kRows.
    void Example() {
        game.Score = 35;
        game.MovableCount = 12;
        SetBoard(kRows);
    }

    QString Path(const std::string& name) const { return QString::fromStdString(Dir().File(name)); }

    void Save(const std::string& path) {
        dialogs.saveAnswers.push_back(QString::fromStdString(path));
        Form().MnuSaveClick();
    }
    void Load(const std::string& path) {
        dialogs.openAnswers.push_back(QString::fromStdString(path));
        Form().MnuLoadClick();
    }

    // Everything of the game that a failed load must leave alone.
    struct State {
        std::vector<std::string> board;
        int32_t score, movable;
        bool chosen;
        Cell first;
        bool operator==(const State&) const = default;
    };
    State Now() const {
        const Game& g = game;
        return {Board(), g.Score, g.MovableCount, g.FirstChosen, g.FirstCell};
    }

    bool AllCircles() const {
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c)
                if (Shape(c, r)->Shape() != ui::TShape::Kind::Circle) return false;
        return true;
    }

    size_t base_ = 0;
};

TEST_F(NewGameTest, FilterListsAreKeptAsWrittenAndGivenToQt) {
    EXPECT_EQ(ui::kSaveDialogFilter.Text(), QStringLiteral("Сохраненные игры|*.sav|Все файлы |*.*"));
    EXPECT_EQ(ui::kOpenDialogFilter.Text(), QStringLiteral("Сохраненные игры|*.sav|Все файлы|*.*"));
    EXPECT_EQ(ui::ChooserFilters(ui::kSaveDialogFilter),
              QStringList({QStringLiteral("Сохраненные игры (*.sav)"), QStringLiteral("Все файлы  (*)")}));
    EXPECT_EQ(ui::ChooserFilters(ui::kOpenDialogFilter),
              QStringList({QStringLiteral("Сохраненные игры (*.sav)"), QStringLiteral("Все файлы (*)")}));
    EXPECT_EQ(ui::ChooserFilters(QStringLiteral("Игры|*.sav;*.bak")),
              QStringList({QStringLiteral("Игры (*.sav *.bak)")}));
}

TEST_F(NewGameTest, RoundTripThroughTheMenuAndTheNextMoveGoesOn) {
    Example();
    Save(Dir().File("g1.txt"));
    ASSERT_EQ(dialogs.saveCalls.size(), 1u);
    const ui::FileChooser& save = dialogs.saveCalls[0];
    EXPECT_EQ(save.filters, ui::ChooserFilters(ui::kSaveDialogFilter));
    EXPECT_EQ(save.initialName, QStringLiteral("*.sav"));
    EXPECT_TRUE(save.confirmOverwrite);
    EXPECT_FALSE(Dir().Exists("g1.txt"));
    EXPECT_EQ(Dir().Read("g1.sav"), FileOf(kRows, "35", "12"));
    EXPECT_EQ(Form().GameFiles().SaveDialogName, Path("g1.sav"));
    EXPECT_TRUE(NewMessages().empty());

    // Another game, then back to the saved one.
    game.DealBoard();
    Form().GameController().ShowAll();
    ASSERT_NE(Board(), kRows);
    Load(Dir().File("g1.sav"));
    ASSERT_EQ(dialogs.openCalls.size(), 1u);
    EXPECT_EQ(dialogs.openCalls[0].filters, ui::ChooserFilters(ui::kOpenDialogFilter));
    EXPECT_EQ(dialogs.openCalls[0].initialName, QStringLiteral("*.sav"));
    EXPECT_EQ(Board(), kRows);
    EXPECT_EQ(game.Score, 35);
    EXPECT_EQ(ScoreText(), QStringLiteral("35"));
    EXPECT_EQ(MovableText(), QStringLiteral("12"));
    EXPECT_EQ(Shape(3, 1)->BrushColor(), Colour(2));
    EXPECT_EQ(Shape(8, 8)->BrushColor(), Colour(6));
    EXPECT_TRUE(NewMessages().empty());

    // The exchange is accepted only on the loaded board, and the score goes on from 35.
    Click(3, 1);
    Click(4, 1);
    EXPECT_EQ(dialogs.beeps, 0);
    ASSERT_FALSE(pauses.empty());
    EXPECT_EQ(pauses.front(), 300);
    EXPECT_GE(game.Score, 50);
    EXPECT_EQ(game.Score % 5, 0);
    EXPECT_EQ(ScoreText(), QString::number(game.Score));
    const std::vector<std::string> after = Board();
    EXPECT_EQ(std::vector<std::string>(after.begin() + 1, after.end()),
              std::vector<std::string>(kRows.begin() + 1, kRows.end()));
    EXPECT_GT(game.MovableCount, 0);
}

TEST_F(NewGameTest, TheNameRuleAndAnExistingFileOfTheFinalName) {
    Example();
    const std::string old(4000, 'x');
    Dir().Write("g2.sav", old);
    struct Case {
        const char* chosen;
        const char* final;
    };
    const Case cases[] = {
        {"g1", "g1.sav"}, {"g1.sav", "g1.sav"}, {"my.game", "my.game.sav"}, {"g3.txt", "g3.sav"}};
    QString previous = QStringLiteral("*.sav");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        Save(Dir().File(c.chosen));
        // The chooser starts from the name the last save went to.
        EXPECT_EQ(dialogs.saveCalls.back().initialName, previous);
        EXPECT_EQ(Dir().Read(c.final), FileOf(kRows, "35", "12"));
        previous = Path(c.final);
        EXPECT_EQ(Form().GameFiles().SaveDialogName, previous);
    }
    EXPECT_FALSE(Dir().Exists("g1.sav.sav"));
    EXPECT_FALSE(Dir().Exists("my.sav"));
    // A new final name, or one typed as it is (the chooser asked then): no question of ours.
    EXPECT_TRUE(NewMessages().empty());

    // "g2.txt" would replace g2.sav, which the player did not name: asked first, with the
    // chooser's own question. No keeps the old file and opens the chooser again at g2.sav, where
    // the player picks another name (or cancels, and nothing is written); Yes replaces it.
    const size_t choosers = dialogs.saveCalls.size();
    dialogs.messageAnswers.push_back(ui::MsgResult::No);
    dialogs.saveAnswers.push_back(Path("g2.txt"));
    dialogs.saveAnswers.push_back(Path("g4"));
    Form().MnuSaveClick();
    ASSERT_EQ(NewMessages().size(), 1u);
    EXPECT_EQ(dialogs.messages.back().text,
              QStringLiteral("g2.sav already exists.\nDo you want to replace it?"));
    EXPECT_EQ(dialogs.messages.back().buttons, ui::MsgButtons::YesNo);
    EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("Сохранить игру"));
    ASSERT_EQ(dialogs.saveCalls.size(), choosers + 2);
    EXPECT_EQ(dialogs.saveCalls.back().initialName, Path("g2.sav"));
    EXPECT_EQ(Dir().Read("g2.sav"), old);
    EXPECT_EQ(Dir().Read("g4.sav"), FileOf(kRows, "35", "12"));
    EXPECT_FALSE(Dir().Exists("g2.txt"));
    EXPECT_EQ(Form().GameFiles().SaveDialogName, Path("g4.sav"));

    dialogs.messageAnswers.push_back(ui::MsgResult::No);
    dialogs.messageAnswers.push_back(ui::MsgResult::No);
    dialogs.saveAnswers.push_back(Path("g2.txt"));
    dialogs.saveAnswers.push_back(Path("g2.doc"));
    dialogs.saveAnswers.push_back(std::nullopt);
    Form().MnuSaveClick();
    EXPECT_EQ(NewMessages().size(), 3u);
    EXPECT_EQ(dialogs.saveCalls.size(), choosers + 5);
    EXPECT_EQ(Dir().Read("g2.sav"), old);

    dialogs.messageAnswers.push_back(ui::MsgResult::Yes);
    Save(Dir().File("g2.txt"));
    EXPECT_EQ(NewMessages().size(), 4u);
    EXPECT_EQ(dialogs.saveCalls.size(), choosers + 6);
    EXPECT_EQ(Dir().Read("g2.sav"), FileOf(kRows, "35", "12"));
}

TEST_F(NewGameTest, CancelledChoosersOnlyRepaint) {
    Example();
    game.FirstChosen = true;
    game.FirstCell = {2, 2};
    const State before = Now();
    dialogs.saveAnswers.push_back(std::nullopt);
    Form().MnuSaveClick();
    EXPECT_EQ(Form().GameFiles().SaveDialogName, QStringLiteral("*.sav"));

    Shape(5, 5)->SetBall(std::nullopt, true);  // a stale mark
    ShowOtherCounters(1, 1);
    dialogs.openAnswers.push_back(std::nullopt);
    Form().MnuLoadClick();
    EXPECT_EQ(Now(), before);
    EXPECT_TRUE(AllCircles());
    EXPECT_EQ(ScoreText(), QStringLiteral("35"));
    EXPECT_EQ(MovableText(), QStringLiteral("12"));
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(NewGameTest, ABadOrMissingFileLeavesTheGameAndTellsThePlayer) {
    std::string early = FileOf(kRows, "35", "12");
    early.resize(2 * 4 + 28 * 3);  // the first 30 of the 66 lines
    const std::string letter = WithLine(FileOf(kRows, "35", "12"), 20, "Z");
    Dir().Write("letter.sav", letter);
    Dir().Write("early.sav", early);

    // A game other than the files', with a ball chosen.
    game.DealBoard();
    Form().GameController().ShowAll();
    game.Score = 40;
    game.FirstChosen = true;
    game.FirstCell = {4, 4};
    const State before = Now();

    struct Case {
        std::string file;
        QString says;
    };
    const Case cases[] = {
        {"letter.sav", QStringLiteral("не является сохранённой игрой (ошибка в строке 20)")},
        {"early.sav", QStringLiteral("не является сохранённой игрой")},
        {"missing.sav", QStringLiteral("Не удалось прочитать файл")},
        {"", QStringLiteral("Не удалось прочитать файл")},  // the directory itself
    };
    // Chosen in the load command's chooser, or opened from the desktop (the program's argument).
    for (const bool fromDesktop : {false, true})
        for (const Case& c : cases) {
            SCOPED_TRACE(c.file + (fromDesktop ? " from the desktop" : ""));
            const size_t shown = dialogs.messages.size();
            ShowOtherCounters(1, before.movable);
            const std::string path = c.file.empty() ? Dir().path() : Dir().File(c.file);
            if (fromDesktop)
                Form().OpenSavedGame(QString::fromStdString(path));
            else
                Load(path);
            EXPECT_EQ(Now(), before);
            EXPECT_EQ(ScoreText(), QStringLiteral("40"));
            EXPECT_EQ(MovableText(), QString::number(before.movable));
            ASSERT_EQ(dialogs.messages.size(), shown + 1);
            const MessageCall& m = dialogs.messages.back();
            EXPECT_EQ(m.title, ui::kAppTitle);
            EXPECT_TRUE(m.text.contains(c.says)) << m.text.toStdString();
            EXPECT_TRUE(
                m.text.contains(QString::fromStdString(c.file.empty() ? Dir().path() : Dir().File(c.file))));
            EXPECT_TRUE(m.text.contains(QStringLiteral("Игра не изменилась")));
        }

    // A good file opened from the desktop is the game from then on.
    Dir().Write("good.sav", FileOf(kRows, "35", "12"));
    const size_t shown = dialogs.messages.size();
    Form().OpenSavedGame(Path("good.sav"));
    EXPECT_EQ(Board(), kRows);
    EXPECT_EQ(ScoreText(), QStringLiteral("35"));
    EXPECT_EQ(MovableText(), QStringLiteral("12"));
    EXPECT_FALSE(game.FirstChosen);
    EXPECT_EQ(dialogs.messages.size(), shown);
}

TEST_F(NewGameTest, LoadedValuesStandAsTheyAre) {
    // A run on the board, a count that does not fit it, colours never dealt, a negative score.
    std::vector<std::string> rows = kRows;
    rows[7] = "22262626";
    std::string bytes = FileOf(rows, "-5", "3");
    bytes = WithLine(bytes, 3, "9");
    bytes = WithLine(bytes, 4, "10");
    bytes = WithLine(bytes, 5, "0");
    bytes = WithLine(bytes, 6, "-3");
    bytes = WithLine(bytes, 7, "77");
    Dir().Write("odd.sav", bytes);
    game.FirstChosen = true;
    game.FirstCell = {1, 1};
    Load(Dir().File("odd.sav"));
    EXPECT_TRUE(NewMessages().empty());
    const Game& g = game;
    EXPECT_EQ(g.Score, -5);
    EXPECT_EQ(g.MovableCount, 3);
    EXPECT_EQ(ScoreText(), QStringLiteral("-5"));
    EXPECT_EQ(MovableText(), QStringLiteral("3"));
    EXPECT_EQ(g.At(8, 1), 2);  // the run stays until the next accepted move
    EXPECT_EQ(g.At(8, 3), 2);
    EXPECT_EQ(g.At(1, 4), -3);
    EXPECT_EQ(g.At(1, 5), 77);
    EXPECT_EQ(Shape(1, 1)->BrushColor(), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(Shape(2, 1)->BrushColor(), QColor(0x00, 0xFF, 0x00));
    EXPECT_TRUE(Shape(4, 1)->BrushColor().isValid());
    EXPECT_TRUE(Shape(5, 1)->BrushColor().isValid());
    EXPECT_FALSE(g.FirstChosen);  // the next click starts a new move
    Click(8, 8);
    EXPECT_TRUE(game.FirstChosen);
    EXPECT_EQ(game.FirstCell, (Cell{8, 8}));
}

TEST_F(NewGameTest, AFailedSaveTellsThePlayerAndKeepsTheOldFile) {
    Example();
    // A file without write bits: refused, root or not.
    const std::string old = "an older game\r\n";
    Dir().Write("ro.sav", old);
    ASSERT_EQ(::chmod(Dir().File("ro.sav").c_str(), 0444), 0);
    Save(Dir().File("ro.sav"));
    EXPECT_EQ(Dir().Read("ro.sav"), old);
    ASSERT_EQ(NewMessages().size(), 1u);
    EXPECT_TRUE(NewMessages()[0].contains(QStringLiteral("Не удалось сохранить игру в файл «") +
                                          Path("ro.sav") + "»"));
    EXPECT_TRUE(NewMessages()[0].contains(QStringLiteral("Прежний файл")));
    EXPECT_EQ(dialogs.messages.back().title, ui::kAppTitle);

    Tmpfs fs(256);
    if (!fs.Available()) GTEST_SKIP() << "cannot mount a tmpfs here";
    ASSERT_TRUE(fs.Write("g.sav", old));
    ASSERT_TRUE(fs.MakeReadOnly());
    Save(fs.File("g.sav"));
    std::string still;
    ASSERT_TRUE(ReadWholeFile(fs.File("g.sav"), still));
    EXPECT_EQ(still, old);
    ASSERT_EQ(NewMessages().size(), 2u);
    EXPECT_TRUE(NewMessages()[1].contains(QString::fromStdString(fs.File("g.sav"))));
    // A new file in that directory: told too, with no word of an old file.
    Save(fs.File("new.sav"));
    ASSERT_EQ(NewMessages().size(), 3u);
    EXPECT_TRUE(NewMessages()[2].contains(QStringLiteral("Не удалось сохранить")));
    EXPECT_FALSE(NewMessages()[2].contains(QStringLiteral("Прежний файл")));
    EXPECT_FALSE(FileExists(fs.File("new.sav")));
}

TEST_F(NewGameTest, ANewGameShowsTheAdvertisementFirstThenDeals) {
    ui::TReclamaForm* ad = Child<ui::TReclamaForm>("ReclamaForm");
    ASSERT_NE(ad, nullptr);
    EXPECT_FALSE(ad->isVisible());
    EXPECT_EQ(ad->parent(), &Form());

    using Closer = std::function<void(QDialog*)>;
    const std::pair<const char*, Closer> closers[] = {
        {"space",
         [](QDialog* w) {
             QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
             QApplication::sendEvent(w, &key);
         }},
        {"F4",
         [](QDialog* w) {
             QKeyEvent key(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
             QApplication::sendEvent(w, &key);
         }},
        {"click",
         [ad](QDialog*) {
             const QPointF at(20, 20);
             QMouseEvent press(QEvent::MouseButtonPress, at, ad->RxLabel2->mapToGlobal(at), Qt::LeftButton,
                               Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(ad->RxLabel2, &press);
             QMouseEvent release(QEvent::MouseButtonRelease, at, ad->RxLabel2->mapToGlobal(at),
                                 Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(ad->RxLabel2, &release);
         }},
    };
    for (const auto& entry : closers) {
        // Not a structured binding: clang 14 can't capture one in the lambda below.
        const auto& name = entry.first;
        const auto close = entry.second;
        SCOPED_TRACE(name);
        Example();
        game.FirstChosen = true;
        game.FirstCell = {3, 3};
        Shape(3, 3)->SetBall(std::nullopt, true);  // a stale mark
        bool dealtBefore = true, closed = false;
        dialogs.modalActions.push_back([&, close](QDialog* w) {
            // While the window is up, the old game still stands.
            dealtBefore = Board() != kRows || ScoreText() != QStringLiteral("35");
            EXPECT_EQ(w, ad);
            EXPECT_TRUE(w->isVisible());
            close(w);
            closed = !w->isVisible();
            if (!closed) w->reject();
        });
        const size_t shown = dialogs.modalShown.size();
        Form().MnuNewClick();
        ASSERT_EQ(dialogs.modalShown.size(), shown + 1);
        EXPECT_EQ(dialogs.modalShown.back(), QStringLiteral("ReclamaForm"));
        EXPECT_FALSE(dealtBefore);
        EXPECT_TRUE(closed);
        EXPECT_EQ(Child<ui::TReclamaForm>("ReclamaForm"), ad);  // the same window every time

        Game copy = game;
        copy.ClearRuns();
        EXPECT_FALSE(copy.RunsFound);
        EXPECT_NE(Board(), kRows);
        EXPECT_EQ(game.Score, 0);
        EXPECT_EQ(ScoreText(), QStringLiteral("0"));
        EXPECT_EQ(MovableText(), QString::number(game.MovableCount));
        EXPECT_FALSE(game.FirstChosen);
        EXPECT_TRUE(AllCircles());
    }
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(NewGameTest, DuringAMoveTheCommandsDoNothing) {
    Example();
    Dir().Write("g.sav", FileOf(kRows, "1", "1"));
    bool once = false;
    onPause = [&](int) {
        if (once) return;
        once = true;
        EXPECT_TRUE(Moving());
        Action("MnuNew")->trigger();
        Action("MnuSave")->trigger();
        Action("MnuLoad")->trigger();
    };
    Click(3, 1);
    Click(4, 1);
    EXPECT_TRUE(once);
    EXPECT_TRUE(dialogs.modalShown.empty());
    EXPECT_TRUE(dialogs.saveCalls.empty());
    EXPECT_TRUE(dialogs.openCalls.empty());
    EXPECT_GE(game.Score, 50);
}

}  // namespace
}  // namespace kv::test
