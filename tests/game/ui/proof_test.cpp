// The window's game keeps its proof: from the first deal, through the moves the player clicks,
// through a save and a load; a saved game that no proof replays to plays on, unproven.
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

TEST_F(ProofWindow, TheGameReplaysFromItsFirstDealThroughASaveAndALoad) {
    // The board dealt when the window was made is the proof's deal.
    ASSERT_TRUE(Proof());
    EXPECT_EQ(Proof()->segments.size(), 1u);
    EXPECT_TRUE(ReplaysTo(Proof(), game));

    DealBusyBoard();
    PlayClicks(12);
    ASSERT_GT(Proof()->segments[0].moves.size(), 3u);
    EXPECT_TRUE(ReplaysTo(Proof(), game));
    const GameProof saved = *Proof();
    const std::vector<std::string> board = Board();
    Save("g.sav");
    EXPECT_EQ(Dir().Read("g.sav"), FormatSavedGame(game));
    EXPECT_EQ(Dir().Read("g.sav.proof"), FormatProof(saved));

    Form().GameController().NewDeal();
    EXPECT_EQ(Proof()->segments.size(), 1u);
    EXPECT_NE(Proof()->segments[0].seed, saved.segments[0].seed);
    Load("g.sav");
    EXPECT_EQ(Board(), board);
    ASSERT_TRUE(Proof());
    ASSERT_EQ(Proof()->segments.size(), 2u);
    EXPECT_EQ(Proof()->segments[0], saved.segments[0]);
    PlayClicks(12);
    EXPECT_TRUE(ReplaysTo(Proof(), game));
}

TEST_F(ProofWindow, AnEditedSaveLoadsAsBeforeButUnproven) {
    DealBusyBoard();
    PlayClicks(4);
    Save("g.sav");
    const size_t messages = dialogs.messages.size();

    // A load that fails leaves the proof as it was, as it leaves the game.
    const GameProof before = *Proof();
    Load("missing.sav");
    EXPECT_EQ(dialogs.messages.size(), messages + 1);
    EXPECT_EQ(Proof(), before);

    std::string bytes = Dir().Read("g.sav");
    bytes.insert(0, "1");  // a score one digit longer
    Dir().Write("g.sav", bytes);
    Load("g.sav");
    EXPECT_EQ(dialogs.messages.size(), messages + 1);  // no word about the proof
    EXPECT_EQ(game.Score, ParseSavedGame(bytes).Score);
    EXPECT_FALSE(Proof());
    PlayClicks(2);
    EXPECT_FALSE(Proof());

    // Saved unproven, the old proof beside it goes; the next deal is proven again.
    Save("g.sav");
    EXPECT_FALSE(Dir().Exists("g.sav.proof"));
    Form().GameController().NewDeal();
    EXPECT_TRUE(ReplaysTo(Proof(), game));
}

}  // namespace
}  // namespace kv::test
