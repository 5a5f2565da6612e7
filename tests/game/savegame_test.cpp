// The saved-game file: its bytes, the save-name rule, and a reader that never half-loads a game.
#include "game/SaveGame.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <string>

#include "HostileFiles.h"
#include "TempDir.h"
#include "Tmpfs.h"

namespace kv {
namespace {

// Rows of the example board, one digit a cell.
const char* const kRows[kBoardSize] = {"12345678", "23456781", "34567812", "45678123",
                                       "56781234", "67812345", "78123456", "81234567"};

Game ExampleGame() {
    Game g;
    g.Score = 35;
    g.MovableCount = 12;
    for (int r = 1; r <= kBoardSize; ++r)
        for (int c = 1; c <= kBoardSize; ++c)
            g.At(r, c) = kRows[r - 1][c - 1] - '0';
    return g;
}

// The example file with the given line end after every line.
std::string ExampleBytes(const std::string& eol = "\r\n") {
    std::string s = "35" + eol + "12" + eol;
    for (const char* row : kRows)
        for (const char* p = row; *p; ++p)
            s += std::string(1, *p) + eol;
    return s;
}

// The example with line `line` replaced by `text`.
std::string WithLine(int line, const std::string& text) {
    std::string out;
    std::string bytes = ExampleBytes();
    size_t pos = 0;
    for (int n = 1; pos < bytes.size(); ++n) {
        size_t end = bytes.find("\r\n", pos);
        out += (n == line ? text : bytes.substr(pos, end - pos)) + "\r\n";
        pos = end + 2;
    }
    return out;
}

void ExpectSameGame(const Game& a, const Game& b) {
    EXPECT_EQ(a.Score, b.Score);
    EXPECT_EQ(a.MovableCount, b.MovableCount);
    EXPECT_EQ(0, std::memcmp(a.Board, b.Board, sizeof a.Board));
    EXPECT_EQ(a.FirstChosen, b.FirstChosen);
    EXPECT_EQ(a.FirstCell, b.FirstCell);
}

TEST(SaveGameFormat, ExampleIsByteExactWithCrLf) {
    const std::string bytes = FormatSavedGame(ExampleGame());
    EXPECT_EQ(bytes, ExampleBytes());
    EXPECT_EQ(bytes.substr(0, 8), "35\r\n12\r\n");
    EXPECT_EQ(bytes.size(), 2u * 4 + 64u * 3);
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "7\r\n");  // row 8, column 8
}

TEST(SaveGameFormat, EveryValueRoundTripsAsItStands) {
    Game g = ExampleGame();
    g.Score = INT32_MIN;
    g.MovableCount = INT32_MAX;
    g.At(1, 1) = 0;
    g.At(2, 3) = 9;
    g.At(4, 5) = 10;
    g.At(8, 8) = -7;
    g.At(5, 2) = 123456;
    const std::string bytes = FormatSavedGame(g);
    EXPECT_EQ(bytes.substr(0, 25), "-2147483648\r\n2147483647\r\n");
    EXPECT_NE(bytes.find("\r\n-7\r\n"), std::string::npos);
    Game back;
    ApplySavedGame(ParseSavedGame(bytes), back);
    ExpectSameGame(g, back);
}

TEST(SaveGameName, ThreeCharacterExtensionIsReplacedElseAppended) {
    EXPECT_EQ(SaveFileName("/home/p/games/g1.txt"), "/home/p/games/g1.sav");
    EXPECT_EQ(SaveFileName("/home/p/games/g1"), "/home/p/games/g1.sav");
    EXPECT_EQ(SaveFileName("/home/p/games/g1.sav"), "/home/p/games/g1.sav");
    EXPECT_EQ(SaveFileName("/home/p/games/my.game"), "/home/p/games/my.game.sav");
    EXPECT_EQ(SaveFileName("g1.txt"), "g1.sav");
    EXPECT_EQ(SaveFileName("ab"), "ab.sav");
    // Characters, not bytes: Cyrillic letters are two bytes each.
    EXPECT_EQ(SaveFileName("/tmp/игра.абв"), "/tmp/игра.sav");
    EXPECT_EQ(SaveFileName("/tmp/и.гра"), "/tmp/и.sav");
    EXPECT_EQ(SaveFileName("/tmp/x.йй"), "/tmp/x.йй.sav");
    // A dot that belongs to a directory's name must not send the save elsewhere.
    EXPECT_EQ(SaveFileName("/tmp/dir./ab"), "/tmp/dir./ab.sav");
    EXPECT_EQ(SaveFileName("/tmp/d.e/f"), "/tmp/d.e/f.sav");
}

TEST(SaveGameNumbers, DecimalWithinThirtyTwoBits) {
    EXPECT_EQ(ParseDecimal("0", false), 0);
    EXPECT_EQ(ParseDecimal("+5", false), 5);
    EXPECT_EQ(ParseDecimal("-0", false), 0);
    EXPECT_EQ(ParseDecimal("007", false), 7);
    EXPECT_EQ(ParseDecimal("-12", false), -12);
    EXPECT_EQ(ParseDecimal("2147483647", false), INT32_MAX);
    EXPECT_EQ(ParseDecimal("-2147483648", false), INT32_MIN);
    EXPECT_EQ(ParseDecimal("0000000000000000000000042", false), 42);
    EXPECT_EQ(ParseDecimal(" \t5\t ", true), 5);
    for (const char* bad : {"", "-", "+", "+-1", "--1", "- 1", "5a", "a5", "1 2", "$10", "0x10", "1e3", "1.0",
                            "2147483648", "-2147483649", "4294967296", "99999999999999999999999"}) {
        EXPECT_FALSE(ParseDecimal(bad, true)) << bad;
    }
    EXPECT_FALSE(ParseDecimal(" 5", false));
    EXPECT_FALSE(ParseDecimal("   ", true));
    EXPECT_FALSE(ParseDecimal(std::string_view("5\0", 2), true));
}

TEST(SaveGameRead, LineEndsOfEveryKindAndTheLeadingRules) {
    const Game want = ExampleGame();
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        Game g;
        ApplySavedGame(ParseSavedGame(ExampleBytes(eol)), g);
        ExpectSameGame(want, g);
    }
    // Blank lines and blanks before the first two numbers, junk after them, blanks around a cell,
    // no line end after the last line, and whatever follows line 66.
    std::string bytes = ExampleBytes();
    bytes = "\r\n  \n\t35 points\r\n\r\n 12\tmovable\r\n" + bytes.substr(8);
    bytes.replace(bytes.find("\r\n2\r\n"), 5, "\r\n  2 \r\n");
    bytes.resize(bytes.size() - 2);
    Game g;
    ApplySavedGame(ParseSavedGame(bytes), g);
    ExpectSameGame(want, g);
    ApplySavedGame(ParseSavedGame(ExampleBytes() + "extra\r\nlines\r\n"), g);
    ExpectSameGame(want, g);
    // Mixed line ends within one file.
    std::string mixed = ExampleBytes();
    mixed.replace(mixed.find("\r\n"), 2, "\n");
    mixed.replace(mixed.rfind("\r\n"), 2, "\r");
    ApplySavedGame(ParseSavedGame(mixed), g);
    ExpectSameGame(want, g);
}

TEST(SaveGameRead, NegativeAndOutOfRangeColoursAreTakenAsTheyStand) {
    SavedGame s = ParseSavedGame(WithLine(1, "-35"));
    EXPECT_EQ(s.Score, -35);
    s = ParseSavedGame(WithLine(3, "-1"));
    EXPECT_EQ(s.Board[0][0], -1);
    s = ParseSavedGame(WithLine(66, "11"));
    EXPECT_EQ(s.Board[7][7], 11);
    s = ParseSavedGame(WithLine(2, "+0"));
    EXPECT_EQ(s.MovableCount, 0);
}

TEST(SaveGameRead, DamagedFilesAreRefusedWithTheLineAtFault) {
    struct Case {
        std::string bytes;
        int line;
    };
    std::string early = ExampleBytes();
    early.resize(early.find("\r\n", 0) + 2);  // only line 1
    std::string thirty;
    {
        std::string all = ExampleBytes();
        size_t pos = 0;
        for (int i = 0; i < 30; ++i)
            pos = all.find("\r\n", pos) + 2;
        thirty = all.substr(0, pos);
    }
    const Case cases[] = {
        {WithLine(20, "x"), 20},
        {WithLine(20, "1x"), 20},
        {WithLine(20, ""), 20},
        {WithLine(1, "x35"), 1},
        {WithLine(2, "twelve"), 2},
        {WithLine(40, "4294967296"), 40},
        {WithLine(41, "-99999999999"), 41},
        {WithLine(1, "2147483648"), 1},
        {WithLine(66, "0x7"), 66},
        {WithLine(10, "1 2"), 10},
        {"", 1},
        {"\r\n\r\n   \r\n", 4},
        {early, 2},
        {thirty, 31},
    };
    for (const Case& c : cases) {
        try {
            ParseSavedGame(c.bytes, "g.sav");
            ADD_FAILURE() << "accepted: " << c.bytes.substr(0, 40);
        } catch (const SaveGameFormatError& e) {
            EXPECT_EQ(e.Line(), c.line) << e.what();
            EXPECT_EQ(e.Path(), "g.sav");
            EXPECT_NE(std::string(e.what()).find("«g.sav»"), std::string::npos) << e.what();
        }
    }
}

TEST(SaveGameFile, WriteThenReadAndAFailedLoadChangesNothing) {
    test::TempDir dir;
    const Game want = ExampleGame();
    WriteSavedGame(want, dir.File("a.sav"));
    EXPECT_EQ(dir.Read("a.sav"), ExampleBytes());
    Game g;
    LoadSavedGame(g, dir.File("a.sav"));
    ExpectSameGame(want, g);

    // Replacing an existing file of the name.
    dir.Write("b.sav",
              "old contents that are longer than the new file will be, by far" + std::string(500, 'x'));
    WriteSavedGame(want, dir.File("b.sav"));
    EXPECT_EQ(dir.Read("b.sav"), ExampleBytes());

    Game other;
    other.Score = 7;
    other.MovableCount = 3;
    other.At(4, 4) = 5;
    other.FirstChosen = true;
    other.FirstCell = {2, 3};
    const Game before = other;
    dir.Write("bad.sav", WithLine(20, "Q"));
    EXPECT_THROW(LoadSavedGame(other, dir.File("bad.sav")), SaveGameFormatError);
    ExpectSameGame(before, other);
    EXPECT_THROW(LoadSavedGame(other, dir.File("missing.sav")), SaveGameReadError);
    ExpectSameGame(before, other);
    EXPECT_THROW(LoadSavedGame(other, dir.path()), SaveGameReadError);  // a directory
    ExpectSameGame(before, other);
    // A FIFO would block a plain open, a huge file fill the memory: refused at once.
    for (test::Hostile kind : test::kHostileFiles) {
        const std::string path = dir.File(std::string("hostile-") + test::HostileName(kind) + ".sav");
        test::MakeHostile(kind, path);
        test::ExpectPromptAndSmall(kind, path, [&] {
            if (kind == test::Hostile::Huge)
                EXPECT_THROW(LoadSavedGame(other, path), SaveGameFormatError);
            else
                EXPECT_THROW(LoadSavedGame(other, path), SaveGameReadError);
        });
        ExpectSameGame(before, other);
    }
}

TEST(SaveGameFile, HugeFilesAreReadOnlyAsFarAsNeeded) {
    test::TempDir dir;
    // A good game followed by megabytes of junk is still the game.
    dir.Write("long.sav", ExampleBytes() + std::string(3 << 20, 'z'));
    Game g;
    LoadSavedGame(g, dir.File("long.sav"));
    ExpectSameGame(ExampleGame(), g);
    // Megabytes of blank lines before the first number: not a saved game, and no hang.
    dir.Write("blank.sav", std::string(3 << 20, '\n') + ExampleBytes());
    EXPECT_THROW(ReadSavedGame(dir.File("blank.sav")), SaveGameFormatError);
}

TEST(SaveGameFile, AFailedWriteLeavesTheOldFileIntact) {
    test::TempDir dir;
    const std::string old = ExampleBytes("\n");
    // A file without write bits is refused, root or not.
    dir.Write("ro.sav", old);
    ASSERT_EQ(::chmod(dir.File("ro.sav").c_str(), 0444), 0);
    Game g = ExampleGame();
    g.Score = 999;
    EXPECT_THROW(WriteSavedGame(g, dir.File("ro.sav")), SaveGameWriteError);
    EXPECT_EQ(dir.Read("ro.sav"), old);

    test::Tmpfs fs(256);
    if (!fs.Available()) GTEST_SKIP() << "cannot mount a tmpfs here";
    ASSERT_TRUE(fs.Write("g.sav", old));
    ASSERT_TRUE(fs.MakeReadOnly());
    try {
        WriteSavedGame(g, fs.File("g.sav"));
        ADD_FAILURE() << "a read-only file system took the save";
    } catch (const SaveGameWriteError& e) {
        EXPECT_EQ(e.Path(), fs.File("g.sav"));
    }
    Game back;
    LoadSavedGame(back, fs.File("g.sav"));
    ExpectSameGame(ExampleGame(), back);
}

}  // namespace
}  // namespace kv
