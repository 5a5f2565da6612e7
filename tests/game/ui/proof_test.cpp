// The window's game keeps its proof from the first deal, through clicked moves, a save and a
// load; a saved game that no proof replays to plays on, unproven.
#include <gtest/gtest.h>

#include <random>

#include "GamePlay.h"
#include "MainWindowFixture.h"
#include "game/ProofFile.h"
#include "game/SaveGame.h"

namespace kv::test {
namespace {

class ProofWindow : public MainWindowFixture {
  protected:
    const std::optional<GameProof>& Proof() const { return Form().GameController().Proof(); }

    // A deal with room for many moves.
    void DealBusyBoard() {
        for (uint64_t seed = 1; seed < 100 && (seed == 1 || game.MovableCount < 16); ++seed) {
            game.Seed(seed);
            Form().GameController().NewDeal();
        }
    }
    // Moves clicked as the player would, stopping short of the game's end (whose windows are
    // another test's).
    void PlayClicks(int presses) {
        for (int i = 0; i < presses && game.MovableCount > 3; ++i) {
            const Press p = RandomPress(game, rng_);
            Click(p.first.col, p.first.row);
            Click(p.second.col, p.second.row);
        }
    }
    void Save(const std::string& name) {
        dialogs.saveAnswers.push_back(QString::fromStdString(Dir().File(name)));
        Form().MnuSaveClick();
    }
    void Load(const std::string& name) {
        dialogs.openAnswers.push_back(QString::fromStdString(Dir().File(name)));
        Form().MnuLoadClick();
    }

  private:
    std::mt19937 rng_{7};
};

TEST_F(ProofWindow, TheGameReplaysFromItsFirstDealThroughSaveAndLoadUnlessTheSaveWasEdited) {
    // The board dealt when the window was made is the proof's deal.
    EXPECT_TRUE(ReplaysTo(Proof(), game));
    DealBusyBoard();
    PlayClicks(12);
    ASSERT_GT(Proof()->segments[0].moves.size(), 3u);
    EXPECT_TRUE(ReplaysTo(Proof(), game));
    const GameProof saved = *Proof();
    const std::vector<std::string> board = Board();
    Save("g.sav");
    EXPECT_EQ(Dir().Read("g.sav"), FormatSavedGame(game));

    // A load that fails leaves the proof as it leaves the game.
    Form().GameController().NewDeal();
    const GameProof dealt = *Proof();
    const size_t messages = dialogs.messages.size();
    Load("missing.sav");
    EXPECT_EQ(Proof(), dealt);

    Load("g.sav");
    EXPECT_EQ(Board(), board);
    ASSERT_TRUE(Proof());
    ASSERT_EQ(Proof()->segments.size(), 2u);
    EXPECT_EQ(Proof()->segments[0], saved.segments[0]);
    PlayClicks(12);
    EXPECT_TRUE(ReplaysTo(Proof(), game));

    // Edited, it loads and plays as before, unproven, without a word; saved unproven, the old
    // proof beside it goes.
    std::string bytes = Dir().Read("g.sav");
    bytes.insert(0, "1");
    Dir().Write("g.sav", bytes);
    Load("g.sav");
    EXPECT_EQ(dialogs.messages.size(), messages + 1);  // only the missing file's
    EXPECT_EQ(game.Score, ParseSavedGame(bytes).Score);
    EXPECT_FALSE(Proof());
    Save("g.sav");
    EXPECT_FALSE(Dir().Exists("g.sav.proof"));
}

}  // namespace
}  // namespace kv::test
