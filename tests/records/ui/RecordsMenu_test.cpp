// The records through the real main window: start-up and close, F5, the records directory, the
// name prompt and the end of a game, with every dialog scripted.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QLabel>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "MainWindowFixture.h"
#include "RecordsTestUtil.h"
#include "app/ui/Kvelli99_U1.h"
#include "base/Cp1251.h"
#include "game/UFunc.h"
#include "records/PlayerSettings.h"
#include "records/RecFile.h"
#include "records/ui/Kvel_Rec_U.h"
#include "records/ui/RecordsUi.h"
#include "ui/TShadowLabel.h"

namespace kv::ui {
namespace {

using test::DeadBoard;
using test::Stored;

using test::MessageCall;

QStringList Items(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

const QString kNoFile = QStringLiteral("Не могу найти файл рекордов в каталоге : ");

class RecordsMenuTest : public test::MainWindowFixture {
  protected:
    // A records directory starts with a records file holding these lines (none: no file).
    std::optional<std::string> recordsAtStart = Stored({"Ann_500", "Bob_300"});
    std::string settingsAtStart;  // the settings file's text, if any

    void BeforeForm() override {
        if (recordsAtStart) Dir().Write(kRecFileName, *recordsAtStart);
        if (!settingsAtStart.empty()) {
            std::filesystem::create_directories(ConfigHome() + "/kvelli99");
            std::ofstream(SettingsFile(), std::ios::binary) << settingsAtStart;
        }
    }

    std::string SettingsFile() const { return ConfigHome() + "/kvelli99/kvelli99.INI"; }
    std::string RecFile() const { return Dir().File(kRecFileName); }

    // A board without a move and a second click: the game is over.
    void EndGame(int score) {
        SetBoard(DeadBoard());
        SetCounters(score, game.MovableCount);
        Click(1, 1);
        Click(3, 3);
    }

    // What the records window showed, captured while it was open.
    struct Shown {
        QString title, status;
        QStringList names, scores;
    };
    std::vector<Shown> shown;
    void CaptureRecordsWindow() {
        dialogs.modalActions.push_back([this](QDialog* w) {
            auto* f = qobject_cast<TForm2*>(w);
            if (f)
                shown.push_back({f->windowTitle(), f->SB1->text(), Items(f->ListBox1), Items(f->ListBox2)});
            w->reject();
        });
    }

    std::vector<MessageCall> Errors() const {
        std::vector<MessageCall> out;
        for (const auto& m : dialogs.messages)
            if (m.icon == MsgIcon::Error) out.push_back(m);
        return out;
    }
};

TEST_F(RecordsMenuTest, FirstStartDefaultsAndCaption) {
    EXPECT_EQ(records.PlayerName, "User");
    EXPECT_EQ(records.RecDir, Dir().path());
    EXPECT_EQ(Caption(), ProgramCaption.Text() + "      Игрок : (без имени) ");
    EXPECT_TRUE(Action("N4")->isChecked());
    EXPECT_FALSE(Action("N5")->isChecked());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(records.Matr[0], (RecEntry{"Ann", 500}));
    ASSERT_NE(Form().RecordsController().Form2, nullptr);
    // The records window, made hidden at start-up, lists the table read at start-up.
    EXPECT_FALSE(Form().RecordsController().Form2->isVisible());
    EXPECT_EQ(Items(Form().RecordsController().Form2->ListBox1), (QStringList{"Ann", "Bob"}));
}

class StartupWithSettingsTest : public RecordsMenuTest {
  protected:
    void BeforeForm() override {
        std::filesystem::create_directories(Dir().File("elsewhere"));
        settingsAtStart = "[Data]\nName=Петя\nDirectory=" + Dir().File("elsewhere") + "\n";
        RecordsMenuTest::BeforeForm();
    }
};

TEST_F(StartupWithSettingsTest, ReadsSettingsAndSaysWhenNoRecordsFile) {
    EXPECT_EQ(records.PlayerName, "Петя");
    EXPECT_EQ(records.RecDir, Dir().File("elsewhere"));
    // The title shows no name until the end of the first game.
    EXPECT_EQ(Caption(), ProgramCaption.Text() + "      Игрок : (без имени) ");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const MessageCall& m = dialogs.messages[0];
    EXPECT_EQ(m.title, "Kvelli '99");
    EXPECT_EQ(m.icon, MsgIcon::None);
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    const QString dir = QString::fromStdString(Dir().File("elsewhere"));
    EXPECT_EQ(m.text,
              kNoFile + dir + "!\nПроверте правильность указания каталога\n в меню: \"Игра|Файл рекордов\"");
    // The texts keep LF CR between their lines; only the message box gets plain line breaks.
    EXPECT_EQ(StartupMessage(dir), kNoFile + dir +
                                       "!\n\rПроверте правильность указания каталога\n\r в меню: "
                                       "\"Игра|Файл рекордов\"");
    EXPECT_EQ(DirectoryMessage(dir), kNoFile + dir +
                                         " !\n\r\n\rПроверте правильность указания каталога\n\r в меню: "
                                         "\"Игра | Файл рекордов\"");
    EXPECT_FALSE(m.text.contains(u'\r'));
}

TEST_F(RecordsMenuTest, SettingsRoundTripAndAFailedWriteStillCloses) {
    std::filesystem::create_directories(Dir().File("share"));
    dialogs.inputAnswers.push_back({true, "  Вася_ж "});
    Form().RecordsController().AskPlayerName();
    dialogs.folderAnswers.push_back(QString::fromStdString(Dir().File("share")));
    Action("N5")->trigger();
    ASSERT_TRUE(CloseForm());
    RecreateForm();
    EXPECT_EQ(records.PlayerName, "  Вася_ж ");
    EXPECT_EQ(records.RecDir, Dir().File("share"));
    EXPECT_EQ(Caption(), ProgramCaption.Text() + "      Игрок : (без имени) ");

    // A settings file that can't be written: the error report names it, and the window closes.
    std::filesystem::remove_all(ConfigHome() + "/kvelli99");
    std::ofstream(ConfigHome() + "/kvelli99") << "a file where the directory should be";
    dialogs.messages.clear();
    EXPECT_TRUE(CloseForm());
    EXPECT_FALSE(Form().isVisible());
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_EQ(Errors()[0].text, QString::fromStdString("Unable to write to " + SettingsFile() + "."));
    EXPECT_EQ(Errors()[0].title, "Kvelli '99");
}

TEST_F(RecordsMenuTest, NamePromptOkEmptyAndCancel) {
    dialogs.inputAnswers.push_back({true, ""});
    Form().RecordsController().AskPlayerName();
    ASSERT_EQ(dialogs.inputPrompts.size(), 1u);
    EXPECT_EQ(dialogs.inputPrompts[0], "Введите пожалуйста Ваше имя.");
    EXPECT_EQ(dialogs.inputInitial[0], "User");
    EXPECT_EQ(records.PlayerName, "");
    EXPECT_EQ(Caption(), ProgramCaption.Text() + "      Игрок : ");

    records.PlayerName = "Маша";
    dialogs.inputAnswers.push_back({false, "ignored"});
    Form().RecordsController().AskPlayerName();
    EXPECT_EQ(dialogs.inputInitial[1], "Маша");
    EXPECT_EQ(records.PlayerName, "Маша");
    EXPECT_EQ(Caption(), ProgramCaption.Text() + "      Игрок : Маша");

    // At most 255 characters are taken.
    dialogs.inputAnswers.push_back({true, QString(300, u'я')});
    Form().RecordsController().AskPlayerName();
    EXPECT_EQ(QString::fromStdString(records.PlayerName), QString(255, u'я'));
}

TEST_F(RecordsMenuTest, F5ShowsTheTableOrReportsTheMissingFile) {
    Dir().Write(kRecFileName, Stored({"low_10", "Zoe_900", "abcdefghijklmnopqrst_50"}));
    CaptureRecordsWindow();
    Action("MnuRec")->trigger();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Рекорды");
    EXPECT_EQ(shown[0].status, QString::fromStdString(Dir().path()));
    EXPECT_EQ(shown[0].names, (QStringList{"Zoe", "abcdefghijklmno", "low"}));
    EXPECT_EQ(shown[0].scores, (QStringList{"900", "50", "10"}));
    EXPECT_EQ(Action("MnuRec")->shortcut(), QKeySequence(Qt::Key_F5));

    std::filesystem::remove(RecFile());
    Action("MnuRec")->trigger();
    EXPECT_EQ(dialogs.modalShown.size(), 1u) << "the window was shown without a records file";
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].text.contains(QString::fromStdString(RecFile())))
        << Errors()[0].text.toStdString();
    EXPECT_TRUE(Errors()[0].text.endsWith(u'.'));

    // A line with an invalid score is reported the same way.
    Dir().Write(kRecFileName, Stored({"a_1", "b_x"}));
    Action("MnuRec")->trigger();
    EXPECT_EQ(dialogs.modalShown.size(), 1u);
    ASSERT_EQ(Errors().size(), 2u);
    EXPECT_EQ(Errors()[1].text, "'x' is not a valid integer value.");
}

TEST_F(RecordsMenuTest, N4TakesTheWorkingDirectoryOfTheMoment) {
    std::filesystem::create_directories(Dir().File("other"));
    Dir().Write("other/" + kRecFileName, Stored({"Other_77"}));
    dialogs.folderAnswers.push_back(QString::fromStdString(Dir().File("other")));
    Action("N5")->trigger();
    EXPECT_EQ(records.Matr[0], (RecEntry{"Other", 77}));

    // A file chooser may have changed the working directory since start-up. One without a table
    // leads to this machine's data directory, as at a first start from the menu.
    std::filesystem::create_directories(Dir().File("cwd"));
    std::filesystem::current_path(Dir().File("cwd"));
    const std::string oldData = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    ::setenv("XDG_DATA_HOME", Dir().File("data").c_str(), 1);
    Action("N4")->trigger();
    EXPECT_TRUE(Action("N4")->isChecked());
    EXPECT_FALSE(Action("N5")->isChecked());
    EXPECT_EQ(records.RecDir, Dir().File("data/kvelli99"));
    EXPECT_TRUE(Dir().Exists("data/kvelli99/" + kRecFileName));
    EXPECT_FALSE(Dir().Exists("cwd/" + kRecFileName));
    EXPECT_TRUE(dialogs.messages.empty());
    // Where that can't be made, the working directory stays, with its message.
    ::setenv("XDG_DATA_HOME", Dir().File("other/" + kRecFileName).c_str(), 1);
    Action("N4")->trigger();
    ::setenv("XDG_DATA_HOME", oldData.c_str(), 1);
    EXPECT_EQ(records.RecDir, Dir().File("cwd"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kNoFile + QString::fromStdString(Dir().File("cwd")) +
                                            " !\n\nПроверте правильность указания каталога\n в меню: "
                                            "\"Игра | Файл рекордов\"");
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::None);

    std::filesystem::current_path(Dir().path());
    Action("N4")->trigger();
    EXPECT_EQ(records.RecDir, Dir().path());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(records.Matr[0], (RecEntry{"Ann", 500}));
}

TEST_F(RecordsMenuTest, N5ChooserStartsWhereItShouldAndCancelKeepsItsFolder) {
    std::filesystem::create_directories(Dir().File("empty"));
    std::filesystem::create_directories(Dir().File("full"));
    Dir().Write("full/" + kRecFileName, "");
    const QString empty = QString::fromStdString(Dir().File("empty"));
    const QString full = QString::fromStdString(Dir().File("full"));

    // First opening: at records.RecDir. A folder without a records file: the directory message.
    dialogs.folderAnswers.push_back(empty);
    Action("N5")->trigger();
    ASSERT_EQ(dialogs.folderStarts.size(), 1u);
    EXPECT_EQ(dialogs.folderStarts[0], QString::fromStdString(Dir().path()));
    EXPECT_TRUE(Action("N5")->isChecked());
    EXPECT_FALSE(Action("N4")->isChecked());
    EXPECT_EQ(records.RecDir, Dir().File("empty"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(kNoFile + empty + " !\n\n"));

    // Next opening: at the folder picked last. Cancel: records.RecDir is the folder it opened at.
    records.RecDir = Dir().File("full");
    dialogs.folderAnswers.push_back(std::nullopt);
    Action("N5")->trigger();
    EXPECT_EQ(dialogs.folderStarts[1], empty);
    EXPECT_EQ(records.RecDir, Dir().File("empty"));
    EXPECT_EQ(dialogs.messages.size(), 2u);

    dialogs.folderAnswers.push_back(full);
    Action("N5")->trigger();
    EXPECT_EQ(records.RecDir, Dir().File("full"));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(Action("N5")->isChecked());

    // A folder that is gone: the chooser opens at the root, and Cancel makes that records.RecDir.
    std::filesystem::remove_all(Dir().File("full"));
    dialogs.folderAnswers.push_back(std::nullopt);
    Action("N5")->trigger();
    EXPECT_EQ(dialogs.folderStarts[3], "/");
    EXPECT_EQ(records.RecDir, "/");

    // Cancel the first time in a run: records.RecDir stays, and is read again.
    RecreateForm();
    ASSERT_EQ(records.RecDir, Dir().path());
    dialogs.messages.clear();
    records.Matr.fill(RecEntry{});
    dialogs.folderAnswers.push_back(std::nullopt);
    Action("N5")->trigger();
    EXPECT_EQ(dialogs.folderStarts[4], QString::fromStdString(Dir().path()));
    EXPECT_EQ(records.RecDir, Dir().path());
    EXPECT_TRUE(Action("N5")->isChecked());
    EXPECT_EQ(records.Matr[0], (RecEntry{"Ann", 500}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RecordsMenuTest, DirectoryItemsDoNothingDuringAMove) {
    // A neighbour exchange on the dealt board pauses; both items fire in its first pause.
    records.RecDir = Dir().File("chosen earlier");
    const std::string before = records.RecDir;
    onPause = [this](int) {
        Action("N4")->trigger();
        Action("N5")->trigger();
        onPause = nullptr;
    };
    Click(1, 1);
    Click(2, 1);
    EXPECT_FALSE(pauses.empty());
    EXPECT_GT(game.MovableCount, 0);
    EXPECT_TRUE(dialogs.folderStarts.empty());
    EXPECT_TRUE(Action("N4")->isChecked());
    EXPECT_FALSE(Action("N5")->isChecked());
    EXPECT_EQ(records.RecDir, before);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(RecordsMenuTest, GameEndingWithPoints) {
    dialogs.inputAnswers.push_back({true, "Вася"});
    CaptureRecordsWindow();
    EndGame(400);
    ASSERT_EQ(dialogs.inputPrompts.size(), 1u);
    EXPECT_EQ(Caption(), ProgramCaption.Text() + "      Игрок : Вася");
    EXPECT_EQ(dialogs.modalShown, (std::vector<QString>{"Form2", "ReclamaForm"}));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Рекорды.  Ваш результат: 400");
    EXPECT_EQ(shown[0].status, "");  // F5 has not run in this run
    EXPECT_EQ(shown[0].names, (QStringList{"Ann", "Вася", "Bob"}));
    EXPECT_EQ(shown[0].scores, (QStringList{"500", "400", "300"}));
    EXPECT_EQ(Dir().Read(kRecFileName), Stored({"Ann_500", Utf8ToCp1251("Вася") + "_400", "Bob_300"}));
    // A new game.
    EXPECT_EQ(ScoreText(), "0");
    EXPECT_EQ(game.Score, 0);
    EXPECT_NE(Board(), DeadBoard());
    EXPECT_EQ(MovableText(), QString::number(game.MovableCount));
    EXPECT_FALSE(game.FirstChosen);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(RecordsMenuTest, GameEndingWithZeroLeavesTheFileUntouched) {
    // Unsorted lines: any rewrite would show.
    Dir().Write(kRecFileName, Stored({"Bob_300", "Ann_500"}));
    struct stat before {};
    ::stat(RecFile().c_str(), &before);
    dialogs.inputAnswers.push_back({false, {}});
    CaptureRecordsWindow();
    EndGame(0);
    EXPECT_EQ(Dir().Read(kRecFileName), Stored({"Bob_300", "Ann_500"}));
    struct stat after {};
    ::stat(RecFile().c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Рекорды.  Ваш результат: 0");
    EXPECT_EQ(shown[0].names, (QStringList{"Ann", "Bob"}));
    EXPECT_EQ(Caption(), ProgramCaption.Text() + "      Игрок : User");
    EXPECT_EQ(dialogs.modalShown.size(), 2u);
    EXPECT_NE(Board(), DeadBoard());
}

TEST_F(RecordsMenuTest, MissingRecordsFileAtTheEndStopsTheSequence) {
    std::filesystem::remove(RecFile());
    dialogs.inputAnswers.push_back({true, "Вася"});
    EndGame(250);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].text.contains(QString::fromStdString(RecFile())));
    EXPECT_TRUE(dialogs.modalShown.empty());
    EXPECT_FALSE(std::filesystem::exists(RecFile()));
    EXPECT_EQ(Board(), DeadBoard());
    EXPECT_EQ(game.Score, 250);
    EXPECT_EQ(ScoreText(), "250");
    EXPECT_EQ(MovableText(), "0");
    EXPECT_TRUE(game.FirstChosen);

    // The next click counts as a second one and ends the game again.
    dialogs.inputAnswers.push_back({true, "Вася"});
    Click(5, 5);
    EXPECT_EQ(dialogs.inputPrompts.size(), 2u);
    EXPECT_EQ(Errors().size(), 2u);
    EXPECT_TRUE(dialogs.modalShown.empty());

    // Once the file is back, the game ends as usual.
    Dir().Write(kRecFileName, "");
    dialogs.inputAnswers.push_back({true, "Вася"});
    Click(6, 6);
    EXPECT_EQ(dialogs.modalShown.size(), 2u);
    EXPECT_EQ(Dir().Read(kRecFileName), Stored({Utf8ToCp1251("Вася") + "_250"}));
    EXPECT_FALSE(game.FirstChosen);
}

TEST_F(RecordsMenuTest, RecordsFileThatCannotBeRewrittenStopsTheSequence) {
    const std::string bytes = Dir().Read(kRecFileName);
    ::chmod(RecFile().c_str(), 0444);
    dialogs.inputAnswers.push_back({true, "Вася"});
    EndGame(600);
    ::chmod(RecFile().c_str(), 0644);
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].text.startsWith(QString::fromStdString("Unable to write to " + RecFile())));
    EXPECT_TRUE(dialogs.modalShown.empty());
    EXPECT_EQ(Dir().Read(kRecFileName), bytes);
    EXPECT_EQ(Board(), DeadBoard());
    EXPECT_TRUE(game.FirstChosen);
}

}  // namespace
}  // namespace kv::ui
