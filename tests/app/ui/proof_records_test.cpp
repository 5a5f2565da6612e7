// A game's end keeps the game's proof beside the records file, under the entry's score, and the
// proof replays to exactly that finished game; the end of an unproven game keeps none.
#include <gtest/gtest.h>

#include <random>

#include "GamePlay.h"
#include "MainWindowFixture.h"
#include "game/Proof.h"
#include "records/Proofs.h"
#include "records/RecFile.h"

namespace kv::test {
namespace {

class ProofRecords : public MainWindowFixture {
  protected:
    // Clicks as the player would until the game ends and its result is entered; returns the
    // score the table got.
    int32_t PlayToTheEnd() {
        dialogs.inputAnswers.push_back({true, "Player"});
        const size_t ends = dialogs.inputPrompts.size();
        for (int i = 0; i < 20000 && dialogs.inputPrompts.size() == ends; ++i) {
            const Press p = RandomPress(game, rng_);
            Click(p.first.col, p.first.row);
            Click(p.second.col, p.second.row);
        }
        EXPECT_EQ(dialogs.inputPrompts.size(), ends + 1) << "the game did not end";
        ReadRecFile(records.RecPath(kRecFileName), records.Matr);
        return records.Matr[0].score;
    }
    ProofTexts Proofs() const { return ReadProofs(ProofsPathFor(records.RecPath(kRecFileName))); }

  private:
    std::mt19937 rng_{11};
};

TEST_F(ProofRecords, AFinishedGameKeepsItsProofAndAnUnprovenOneNone) {
    const int32_t proven = PlayToTheEnd();
    ASSERT_GT(proven, 0);
    ASSERT_EQ(Proofs().count(proven), 1u);
    const ReplayResult replay = ReplayProof(ParseProof(Proofs().at(proven)));
    EXPECT_TRUE(replay.finished);
    EXPECT_EQ(replay.score, proven);

    // A saved game edited by hand plays on unproven: its end enters the table without a proof,
    // and the proven entry keeps its own.
    dialogs.saveAnswers.push_back(QString::fromStdString(Dir().File("g.sav")));
    Form().MnuSaveClick();
    std::string bytes = Dir().Read("g.sav");
    bytes.insert(0, "9");
    Dir().Write("g.sav", bytes);
    dialogs.openAnswers.push_back(QString::fromStdString(Dir().File("g.sav")));
    Form().MnuLoadClick();
    ASSERT_FALSE(Form().GameController().Proof());
    const int32_t unproven = PlayToTheEnd();
    ASSERT_NE(unproven, proven);
    EXPECT_EQ(Proofs().count(unproven), 0u);
    EXPECT_EQ(Proofs().count(proven), 1u);
}

}  // namespace
}  // namespace kv::test
