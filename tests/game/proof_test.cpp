// The proof of a game: its text, its replay against play, and saved games that stay verifiable.
#include "game/Proof.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "GamePlay.h"
#include "TempDir.h"
#include "game/ProofFile.h"
#include "game/SaveGame.h"

namespace kv {
namespace {

using test::Press;

const std::string kExample =
    "KV99PROOF 1\n"
    "seed 00000000075bcd15\n"
    "45 46\n"
    "88 78\n"
    "seed 9e3779b97f4a7c15\n"
    "seed 0000000000000001\n"
    "11 12\n"
    "end\n";

GameProof ExampleProof() {
    return {{{0x75bcd15, {{{4, 5}, {4, 6}}, {{8, 8}, {7, 8}}}}, {0x9e3779b97f4a7c15, {}}, {1, {{{1, 1}, {1, 2}}}}}};
}

std::string Repeat(const std::string& line, size_t n) {
    std::string out;
    for (size_t i = 0; i < n; ++i)
        out += line;
    return out;
}

TEST(ProofText, ExampleReadsAndWritesByteForByte) {
    EXPECT_EQ(FormatProof(ExampleProof()), kExample);
    EXPECT_EQ(ParseProof(kExample), ExampleProof());
    EXPECT_EQ(ProofTextSize(ExampleProof()), kExample.size());
    EXPECT_EQ(ProofGameId(ExampleProof()), "00000000075bcd15");
}

TEST(ProofText, AnythingElseIsRefusedWithAClearError) {
    const std::string head = "KV99PROOF 1\nseed 00000000075bcd15\n";
    const struct {
        const char* name;
        std::string text;
        const char* says;
    } cases[] = {
        {"empty", "", "обрывается на строке 1"},
        {"another version", "KV99PROOF 2\nseed 00000000075bcd15\nend\n", "первая строка не «KV99PROOF 1»"},
        {"garbage", "\x7f" "ELF\x02\x01", "обрывается"},
        {"CR LF", "KV99PROOF 1\r\nseed 00000000075bcd15\r\nend\r\n", "первая строка"},
        {"no deal", "KV99PROOF 1\nend\n", "нет раздачи"},
        {"a move before the deal", "KV99PROOF 1\n45 46\nend\n", "нет раздачи"},
        {"cut off", head + "45 46\n", "обрывается на строке 4"},
        {"no final line end", head + "end", "обрывается"},
        {"after the end", head + "end\n45 46\n", "после строки «end»"},
        {"upper-case seed", "KV99PROOF 1\nseed 00000000075BCD15\nend\n", "в строке 2"},
        {"short seed", "KV99PROOF 1\nseed 75bcd15\nend\n", "в строке 2"},
        {"blank line", head + "\nend\n", "в строке 3"},
        {"blank before a move", head + " 45 46\nend\n", "в строке 3"},
        {"a letter in a move", head + "4x 46\nend\n", "в строке 3"},
        {"off the board", head + "05 15\nend\n", "выходит за пределы доски"},
        {"off the board below", head + "89 99\nend\n", "выходит за пределы доски"},
        {"diagonal", head + "45 56\nend\n", "не соседи"},
        {"two apart", head + "45 47\nend\n", "не соседи"},
        {"the same cell", head + "45 45\nend\n", "не соседи"},
        {"too many moves", head + Repeat("45 46\n", kMaxProofMoves + 1) + "end\n", "больше 2500 ходов"},
        {"too many loads", "KV99PROOF 1\n" + Repeat("seed 0000000000000001\n", kMaxProofSegments + 1) + "end\n",
         "больше 99 загрузок"},
        {"too long", head + Repeat("x", kMaxProofBytes), "длиннее 65536 байт"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ParseProof(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const ProofError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
}

TEST(ReplayProof, MovesThatCouldNotHaveBeenPlayedAreRefused) {
    // A deal, then its moves played until the game ends.
    Game g;
    g.Seed(5);
    ProofRecorder rec;
    rec.Deal(g);
    std::mt19937 rng(5);
    while (!test::PlayPress(g, rec, test::RandomPress(g, rng))) {
    }
    const GameProof over = *rec.Proof();
    ASSERT_TRUE(ReplayProof(over).finished);

    auto with = [](GameProof p, ProofMove m) {
        p.segments.back().moves.push_back(m);
        return p;
    };
    const struct {
        const char* name;
        GameProof proof;
        const char* says;
    } cases[] = {
        {"no deal", {}, "нет раздачи"},
        {"a move after the end", with(over, {{1, 1}, {1, 2}}), "после конца игры"},
        {"a move after the end, in a later segment",
         [&] {
             GameProof p = over;
             p.segments.push_back({7, {{{1, 1}, {2, 1}}}});
             return p;
         }(),
         "после конца игры"},
        {"off the board", with({{{1, {}}}}, {{0, 1}, {1, 1}}), "выходит за пределы доски"},
        {"not neighbours", with({{{1, {}}}}, {{1, 1}, {2, 2}}), "не соседи"},
        {"too many moves", GameProof{{{1, std::vector<ProofMove>(kMaxProofMoves + 1, {{1, 1}, {1, 2}})}}},
         "больше 2500 ходов"},
        {"too many segments", GameProof{std::vector<ProofSegment>(kMaxProofSegments + 1)}, "загрузок"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ReplayProof(c.proof);
            ADD_FAILURE() << "replayed";
        } catch (const ProofError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
}

// Plays many games through the core as the window does, with loads from saved games along the
// way, and replays each game's proof (through its text) against what was played. A drift between
// play and replay (a seed not recorded, a move recorded differently from how it was played, a
// load that does not re-seed) shows here.
TEST(ReplayProof, ReachesEveryPlayedGameAndItsEnd) {
    size_t moves = 0, loads = 0, refused = 0;
    for (uint64_t seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(static_cast<uint32_t>(seed));
        Game g;
        g.Seed(seed * 7919);
        ProofRecorder rec;
        rec.Deal(g);
        ASSERT_EQ(rec.Proof()->segments[0].seed, g.LastSeed());
        for (bool over = false; !over;) {
            if (rng() % 40 == 0) {
                // Saved and loaded into another game, as a new run of the program would.
                const SavedGame saved = ParseSavedGame(FormatSavedGame(g));
                GameProof kept = ParseProof(FormatProof(*rec.Proof()));
                ASSERT_TRUE(test::ReplaysTo(kept, g));
                Game loaded;
                if (seed % 2) loaded.Seed(seed);  // else from std::random_device
                ApplySavedGame(saved, loaded);
                rec.Loaded(loaded, std::move(kept));
                g = loaded;
                ++loads;
            }
            const Press p = test::RandomPress(g, rng);
            const Game before = g;
            over = test::PlayPress(g, rec, p);
            ++moves;
            if (std::memcmp(before.Board, g.Board, sizeof g.Board) == 0) ++refused;
            ASSERT_LT(moves, 200000u);
        }
        const std::string text = FormatProof(*rec.Proof());
        ASSERT_TRUE(test::ReplaysTo(ParseProof(text), g));
        EXPECT_TRUE(ReplayProof(*rec.Proof()).finished);
    }
    // Long games, with loads and refused exchanges among them.
    EXPECT_GT(moves, 150u * 20);
    EXPECT_GT(loads, 50u);
    EXPECT_GT(refused, 150u * 3);
}

TEST(ProofRecorder, OnlyExchangesThatCanChangeTheBoardAreKept) {
    Game g;
    g.Seed(11);
    ProofRecorder rec;
    EXPECT_FALSE(rec.Proof());
    rec.Deal(g);
    g.FirstCell = {3, 3};
    rec.Move(g, {3, 5});  // not neighbours
    rec.Move(g, {3, 3});  // the same ball again
    rec.Move(g, {4, 3});
    g.FirstCell = {0, 0};
    rec.Move(g, {0, 1});  // off the board
    const int32_t movable = g.MovableCount;
    g.MovableCount = 0;  // no ball has a move: the exchange is refused and the game over
    g.FirstCell = {3, 3};
    rec.Move(g, {3, 4});
    g.MovableCount = movable;
    ASSERT_EQ(rec.Proof()->segments.size(), 1u);
    EXPECT_EQ(rec.Proof()->segments[0].moves, (std::vector<ProofMove>{{{3, 3}, {4, 3}}}));

    // A loaded game without its proof is unproven, until the next deal.
    rec.Loaded(g, std::nullopt);
    EXPECT_FALSE(rec.Proof());
    rec.Move(g, {3, 4});
    EXPECT_FALSE(rec.Proof());
    rec.Deal(g);
    EXPECT_TRUE(test::ReplaysTo(rec.Proof(), g));

    // A game that outgrows the bounds is no longer kept as proven.
    for (size_t i = 0; i < kMaxProofSegments && rec.Proof(); ++i)
        rec.Loaded(g, rec.Proof());
    EXPECT_FALSE(rec.Proof());
}

class ProofFileTest : public ::testing::Test {
  protected:
    // The game played on a while, as far as its end at most.
    void Play(Game& g, ProofRecorder& r, int presses) {
        for (int i = 0; i < presses && !test::PlayPress(g, r, test::RandomPress(g, rng)); ++i) {
        }
    }
    void Play(int presses) { Play(game, rec, presses); }
    SavedGame Saved() const { return ParseSavedGame(dir.Read("g.sav")); }

    test::TempDir dir;
    std::string path = dir.File("g.sav");
    std::mt19937 rng{3};
    Game game;
    ProofRecorder rec;
};

TEST_F(ProofFileTest, SavedLoadedAndContinuedReplaysAsPlayed) {
    game.Seed(3);
    rec.Deal(game);
    Play(15);
    WriteSavedGameWithProof(game, rec.Proof(), path);
    EXPECT_EQ(dir.Read("g.sav"), FormatSavedGame(game));  // the saved game's bytes as ever
    EXPECT_EQ(dir.Read("g.sav.proof"), FormatProof(*rec.Proof()));

    // Loaded twice, as two runs of the program would: each goes on from a seed of its own.
    std::vector<uint64_t> seeds;
    for (int run = 0; run < 2; ++run) {
        Game loaded;
        ProofRecorder again;
        const SavedGame saved = ReadSavedGame(path);
        std::optional<GameProof> proof = ReadMatchingProof(path, saved);
        ASSERT_EQ(proof, rec.Proof());
        ApplySavedGame(saved, loaded);
        again.Loaded(loaded, std::move(proof));
        ASSERT_EQ(again.Proof()->segments.size(), 2u);
        seeds.push_back(again.Proof()->segments[1].seed);
        Play(loaded, again, 15);
        EXPECT_TRUE(test::ReplaysTo(again.Proof(), loaded));
    }
    EXPECT_NE(seeds[0], seeds[1]);
}

TEST_F(ProofFileTest, AnEditedMissingOrForeignProofLeavesTheGameUnproven) {
    game.Seed(4);
    rec.Deal(game);
    Play(10);
    WriteSavedGameWithProof(game, rec.Proof(), path);
    const std::string good = dir.Read("g.sav.proof");
    ASSERT_TRUE(ReadMatchingProof(path, Saved()));

    SavedGame edited = Saved();
    edited.Score += 5;
    EXPECT_FALSE(ReadMatchingProof(path, edited));
    edited = Saved();
    edited.Board[7][7] = edited.Board[7][7] % 8 + 1;
    EXPECT_FALSE(ReadMatchingProof(path, edited));
    edited = Saved();
    edited.MovableCount += 1;
    EXPECT_FALSE(ReadMatchingProof(path, edited));

    for (const std::string& bad : {std::string("garbage"), good.substr(0, good.size() - 1),
                                   FormatProof(GameProof{{{rec.Proof()->segments[0].seed + 1, {}}}})}) {
        dir.Write("g.sav.proof", bad);
        EXPECT_FALSE(ReadMatchingProof(path, Saved()));
    }
    ::unlink(dir.File("g.sav.proof").c_str());
    EXPECT_FALSE(ReadMatchingProof(path, Saved()));
    ASSERT_EQ(::mkdir(dir.File("g.sav.proof").c_str(), 0700), 0);
    EXPECT_FALSE(ReadMatchingProof(path, Saved()));
}

TEST_F(ProofFileTest, AFailedWriteLeavesTheSaveAsItWas) {
    game.Seed(5);
    rec.Deal(game);
    Play(5);
    WriteSavedGameWithProof(game, rec.Proof(), path);
    const std::string oldSave = dir.Read("g.sav"), oldProof = dir.Read("g.sav.proof");
    Play(5);

    // The game's file cannot be replaced (a directory's name): its proof stays the old one.
    const std::string blocked = dir.File("d.sav");
    ASSERT_EQ(::mkdir(blocked.c_str(), 0700), 0);
    EXPECT_THROW(WriteSavedGameWithProof(game, rec.Proof(), blocked), SaveGameWriteError);
    EXPECT_FALSE(dir.Exists("d.sav.proof"));
    dir.Write("d.sav.proof", oldProof);
    EXPECT_THROW(WriteSavedGameWithProof(game, rec.Proof(), blocked), SaveGameWriteError);
    EXPECT_EQ(dir.Read("d.sav.proof"), oldProof);

    // The proof cannot be written: the save fails as a whole, the old game and proof stand.
    ::unlink(dir.File("g.sav.proof").c_str());
    ASSERT_EQ(::mkdir(dir.File("g.sav.proof").c_str(), 0700), 0);
    EXPECT_THROW(WriteSavedGameWithProof(game, rec.Proof(), path), SaveGameWriteError);
    EXPECT_EQ(dir.Read("g.sav"), oldSave);
    ::rmdir(dir.File("g.sav.proof").c_str());

    // An unproven game takes an earlier proof at its name away.
    dir.Write("g.sav.proof", oldProof);
    WriteSavedGameWithProof(game, std::nullopt, path);
    EXPECT_EQ(dir.Read("g.sav"), FormatSavedGame(game));
    EXPECT_FALSE(dir.Exists("g.sav.proof"));
}

}  // namespace
}  // namespace kv
