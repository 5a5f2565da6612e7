// A whole session of the real main window, through its menu and its ball controls: 100 moves, a
// save, a load, the end of a game, a results exchange against an FTP server on 127.0.0.1, then
// the close. In the AddressSanitizer build (LeakSanitizer on) this is the proof that a session
// has no memory error and leaks nothing; here it also checks what each step leaves behind.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <filesystem>
#include <fstream>
#include <optional>

#include "MainWindowFixture.h"
#include "RecordsTestUtil.h"
#include "ShippedServer.h"
#include "TempDir.h"
#include "app/WindowState.h"
#include "app/ui/Kvelli99_U1.h"
#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "base/Ini.h"
#include "game/SaveGame.h"
#include "game/UFunc.h"
#include "net/FtpClient.h"
#include "records/PlayerSettings.h"
#include "records/RecFile.h"

namespace kv::ui {
namespace {

using test::DeadBoard;
using test::Stored;

struct Move {
    Cell a, b;
};

// The first exchange of neighbours that makes a run (accepted), or that makes none (refused).
std::optional<Move> FindMove(const Game& now, bool accepted) {
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            for (auto [dr, dc] : {std::pair{0, 1}, std::pair{1, 0}}) {
                if (!OnBoard(r + dr, c + dc)) continue;
                Game g = now;
                g.FirstCell = {r, c};
                g.SecondCell = {r + dr, c + dc};
                if (g.At(r, c) == g.At(r + dr, c + dc)) continue;
                g.SwapCells();
                g.ClearRuns();
                if (g.RunsFound == accepted) return Move{{r, c}, {r + dr, c + dc}};
            }
    return std::nullopt;
}

// The shipped results server with its data in a directory of its own.
class ResultsServer {
  public:
    int port() const { return server_.ftp; }
    std::string Www(const std::string& name) const { return data_.File("WWW/" + name); }

  private:
    test::TempDir data_;
    test::ShippedServer server_{data_.path(), {"--address", "127.0.0.1"}};
};

class Session : public test::MainWindowFixture {
  protected:
    void BeforeForm() override {
        // The program finds its results server as a player would point it at one.
        server = std::make_unique<ResultsServer>();
        ::setenv("KVELLI99_RESULTS_SERVER", ("127.0.0.1:" + std::to_string(server->port())).c_str(), 1);
        std::ofstream(server->Www("records.rec"), std::ios::binary) << NegateBytes("Net_5000") << "\n"
                                                                    << NegateBytes("Ann_900") << "\n"
                                                                    << NegateBytes("Far_10") << "\n";
        Dir().Write(kRecFileName, Stored({"Ann_900", "Bob_300"}));
        std::filesystem::create_directories(ConfigHome() + "/kvelli99");
        std::ofstream(SettingsFile(), std::ios::binary) << "[Data]\nName=\"Игрок\"\n";
    }
    void TearDown() override {
        test::MainWindowFixture::TearDown();
        ::unsetenv("KVELLI99_RESULTS_SERVER");
        server.reset();
    }
    std::string SettingsFile() const { return ConfigHome() + "/kvelli99/kvelli99.INI"; }
    std::string ServerFile(const std::string& name) const {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(server->Www(name), bytes)) << name;
        return bytes;
    }

    std::unique_ptr<ResultsServer> server;

    void Trigger(QAction* item) {
        ASSERT_NE(item, nullptr);
        item->trigger();
        QCoreApplication::processEvents();
    }

    void Play(const Move& m) {
        Click(m.a.col, m.a.row);
        Click(m.b.col, m.b.row, Qt::RightButton);
    }

    std::vector<QString> Texts(size_t from) const {
        std::vector<QString> out;
        for (size_t i = from; i < dialogs.messages.size(); ++i)
            out.push_back(dialogs.messages[i].text);
        return out;
    }
};

TEST_F(Session, MovesSaveLoadEndOfGameExchangeAndClose) {
    ASSERT_TRUE(dialogs.messages.empty()) << "the start was not quiet";

    // 100 moves: mostly accepted exchanges, every fifth one refused, and a few non-neighbours.
    // A game that ends on its own in between asks for the name and deals again.
    for (int i = 0; i < 12; ++i)
        dialogs.inputAnswers.push_back({true, "Игрок"});
    int refused = 0, accepted = 0, strays = 0;
    for (int i = 0; i < 100; ++i) {
        SCOPED_TRACE("move " + std::to_string(i));
        const int scoreBefore = game.Score;
        const int beepsBefore = dialogs.beeps;
        const size_t endsBefore = dialogs.inputPrompts.size();
        if (i % 17 == 16) {
            Click(1, 1);
            Click(3, 2);  // not neighbours: nothing happens
            ++strays;
            EXPECT_EQ(game.Score, scoreBefore);
        } else if (auto m = FindMove(game, i % 5 != 4)) {
            const bool accept = i % 5 != 4;
            Play(*m);
            if (accept) {
                ++accepted;
                // Unless it ended the game: the score is then 0 and a new game dealt.
                if (dialogs.inputPrompts.size() == endsBefore) {
                    EXPECT_GE(game.Score, scoreBefore + 15);
                }
            } else {
                ++refused;
                EXPECT_EQ(dialogs.beeps, beepsBefore + 1);
                EXPECT_EQ(game.Score, scoreBefore);
            }
        } else {
            Play({{4, 4}, {4, 5}});
        }
        ASSERT_FALSE(Moving());
        ASSERT_FALSE(game.FirstChosen);
        ASSERT_EQ(ScoreText(), QString::number(game.Score));
        ASSERT_EQ(MovableText(), QString::number(game.MovableCount));
    }
    EXPECT_GE(accepted, 70);
    EXPECT_GE(refused, 10);
    EXPECT_EQ(dialogs.beeps, refused);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text.toStdString();
    const size_t endsBefore = dialogs.inputPrompts.size();
    dialogs.inputAnswers.clear();

    // A save and a load of it after one more move.
    SetCounters(game.Score + 1000, game.MovableCount);  // a score the records will take
    dialogs.saveAnswers.push_back(QString::fromStdString(Dir().File("session")));
    Trigger(Action("MnuSave"));
    std::string saved;
    ASSERT_TRUE(ReadWholeFile(Dir().File("session.sav"), saved));
    EXPECT_EQ(saved, FormatSavedGame(game));
    const std::vector<std::string> savedBoard = Board();
    const int savedScore = game.Score;
    auto m = FindMove(game, true);
    ASSERT_TRUE(m);
    Play(*m);
    ASSERT_NE(Board(), savedBoard);
    dialogs.openAnswers.push_back(QString::fromStdString(Dir().File("session.sav")));
    Trigger(Action("MnuLoad"));
    EXPECT_EQ(Board(), savedBoard);
    EXPECT_EQ(game.Score, savedScore);
    EXPECT_EQ(ScoreText(), QString::number(savedScore));
    EXPECT_TRUE(dialogs.messages.empty());

    // The end of a game: a board without a move, then a second click.
    SetBoard(DeadBoard());
    dialogs.inputAnswers.push_back({true, "Сессия"});
    Click(2, 2);
    Click(2, 3);
    ASSERT_EQ(dialogs.inputPrompts.size(), endsBefore + 1);
    EXPECT_EQ(dialogs.modalShown.back(), "ReclamaForm");
    EXPECT_EQ(ScoreText(), "0");
    EXPECT_NE(Board(), DeadBoard());
    ReadRecFile(records.RecPath(kRecFileName), records.Matr);
    EXPECT_EQ(records.Matr[0], (RecEntry{Utf8ToCp1251("Сессия"), savedScore}));
    const std::string localRecords = Dir().Read(kRecFileName);
    EXPECT_TRUE(dialogs.messages.empty());

    // The results exchange with the shipped server.
    ASSERT_NE(Form().ExchangeController().Ftp1, nullptr);
    EXPECT_EQ(Form().ExchangeController().Ftp1->Port, server->port());
    const size_t before = dialogs.messages.size();
    Trigger(Action("N7"));
    EXPECT_EQ(Texts(before), (std::vector<QString>{"Download is Successfull", "Upload is Successfull",
                                                   "Upload is Successfull"}));
    EXPECT_EQ(StatusText(), "");
    EXPECT_FALSE(Form().ExchangeController().Ftp1->Connected());
    EXPECT_FALSE(Dir().Exists("table.html"));
    EXPECT_EQ(Dir().Read(kRecFileName), localRecords);  // never changed by an exchange
    // The server merged the table it got into its own, which an older server had kept in text
    // mode: the result is the game's, with the format's line ends.
    const std::string merged = ServerFile("records.rec");
    EXPECT_EQ(merged, Dir().Read(kNetRecFileName));
    EXPECT_NE(merged.find(NegateBytes(Utf8ToCp1251("Сессия") + "_" + std::to_string(savedScore))),
              std::string::npos);
    EXPECT_EQ(merged.rfind(NegateBytes("Net_5000") + "\r\n", 0), 0u);
    EXPECT_NE(ServerFile("table.html").find(">" + Utf8ToCp1251("Сессия") + "</FONT>"), std::string::npos);

    // The close: the settings and the window state are written.
    ASSERT_TRUE(CloseForm());
    QCoreApplication::processEvents();
    std::string settings;
    ASSERT_TRUE(ReadWholeFile(SettingsFile(), settings));
    EXPECT_EQ(IniGet(settings, kSettingsSection, kNameKey), "Сессия");
    EXPECT_FALSE(LoadSection(WindowStatePath(), kMainFormSection).Empty());
    EXPECT_EQ(dialogs.messages.size(), before + 3) << "an error was reported";
    DestroyForm();
    std::printf(
        "session: %d moves (%d accepted, %d refused, %d not neighbours), a save, a load, %zu ends of "
        "game, an exchange, a close\n",
        100, accepted, refused, strays, dialogs.inputPrompts.size());
}

}  // namespace
}  // namespace kv::ui
