// kvelli99-records, run as the administrator and the server run it: what each command writes,
// says and exits with, for good tables and for files that are none.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "EnvGuard.h"
#include "HostileFiles.h"
#include "RunProgram.h"
#include "ShippedServer.h"
#include "TempDir.h"
#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "records/Html.h"
#include "records/RecCheck.h"
#include "records/RecFile.h"

namespace kv {
namespace {

using Run = test::ProgramRun;

// The tool with these arguments; killed after 20 s, so that a hang fails the test.
Run Tool(const std::vector<std::string>& args) {
    std::vector<std::string> all = {test::RecordsToolPath()};
    all.insert(all.end(), args.begin(), args.end());
    return test::RunProgram(all);
}

// Stored lines of plain "name_score" texts given in UTF-8.
std::string Table(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines)
        bytes += NegateBytes(Utf8ToCp1251(l)) + "\r\n";
    return bytes;
}

std::string Slurp(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

class RecordsToolTest : public ::testing::Test {
  protected:
    std::string Put(const std::string& name, const std::string& bytes) {
        WriteFileAtomic(dir.File(name), bytes);
        return dir.File(name);
    }
    test::TempDir dir;
};

TEST_F(RecordsToolTest, CheckTellsTablesFromFilesThatAreNone) {
    const std::string good = Put("good.rec", Table({"Пётр_300", "abc_5"}) + "\r\n");
    auto r = Tool({"check", good});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, good + ": a valid records table, 2 entries\n");
    EXPECT_EQ(Tool({"check", Put("empty.rec", "")}).out,
              dir.File("empty.rec") + ": a valid records table, 0 entries\n");

    std::vector<std::string> twenty;
    for (int i = 0; i < kMatrRows; ++i)
        twenty.push_back("p" + std::to_string(i) + "_" + std::to_string(1000 - i));
    // The largest table a game writes is exactly at the bound.
    std::vector<std::string> widest(kMatrRows, "abcdefghijklmno_-2147483648");
    EXPECT_EQ(Table(widest).size(), kMaxRecFileBytes);
    EXPECT_EQ(Tool({"check", Put("widest.rec", Table(widest))}).status, 0);

    struct Bad {
        std::string name, bytes, says;
    };
    const std::vector<Bad> bad = {
        {"garbage", "garbage\r\n", "line 1: no entry"},
        {"score", Table({"a_5", "b_x"}), "line 2: 'x' is not a valid integer value"},
        {"wide", Table({"a_99999999999"}), "line 1: '99999999999' is not a valid integer value"},
        // A text-mode copy of a table: one long line whose score runs into the next entry.
        {"lf", NegateBytes("a_5") + "\n" + NegateBytes("b_6") + "\n", "line 1: "},
        {"cut", Table({"a_5", "b_60"}).substr(0, 9), "line 2: no line end, the table is cut short"},
        {"long", Table(twenty) + Table({"late_1"}), "line 21: a table has at most 20 lines"},
        {"big", Table(widest) + "\r\n", "larger than any records table (more than 580 bytes)"},
    };
    for (const auto& b : bad) {
        const std::string path = Put(b.name + ".rec", b.bytes);
        r = Tool({"check", path});
        EXPECT_EQ(r.status, 1) << b.name;
        EXPECT_EQ(r.out, "") << b.name;
        EXPECT_EQ(r.err.rfind("kvelli99-records: " + path + ": " + b.says, 0), 0u) << b.name << ": " << r.err;
    }
    r = Tool({"check", dir.File("missing.rec")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.rec: cannot be read: No such file or directory"), std::string::npos)
        << r.err;
    // A device is refused, not read to its end.
    r = Tool({"check", "/dev/zero"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("/dev/zero: cannot be read: not a regular file"), std::string::npos) << r.err;
}

// A FIFO, a huge file or a directory where a table should be: refused at once, as the table to
// look at, to merge from or into, to page or repair, and left as it is.
TEST_F(RecordsToolTest, HostileFilesAreRefusedAtOnce) {
    const std::string good = Put("good.rec", Table({"a_5"}));
    for (test::Hostile kind : test::kHostileFiles) {
        const std::string path = dir.File("hostile-" + std::to_string(static_cast<int>(kind)) + ".rec");
        test::MakeHostile(kind, path);
        test::ExpectPromptAndSmall(kind, path, [&] {
            const std::vector<std::vector<std::string>> reads = {{"check", path},
                                                                 {"list", path},
                                                                 {"page", path, dir.File("t.html")},
                                                                 {"merge", good, path},
                                                                 {"repair", path}};
            for (const auto& args : reads) {
                const auto r = Tool(args);
                EXPECT_EQ(r.status, 1) << args[0] << ": " << r.err;
                EXPECT_NE(r.err.find(path + ": "), std::string::npos) << args[0] << ": " << r.err;
            }
            const auto into = Tool({"merge", path, good, "--page", dir.File("t.html")});
            EXPECT_EQ(into.status, 3) << into.err;
        });
        EXPECT_EQ(Slurp(good), Table({"a_5"}));
        EXPECT_FALSE(dir.Exists("t.html"));
        struct stat st {};
        ASSERT_EQ(::lstat(path.c_str(), &st), 0);
        EXPECT_EQ(S_ISFIFO(st.st_mode), kind == test::Hostile::Fifo);
        EXPECT_EQ(S_ISDIR(st.st_mode), kind == test::Hostile::Directory);
    }
}

TEST_F(RecordsToolTest, ListShowsTheRowsInUtf8) {
    auto r = Tool({"list", Put("t.rec", Table({"Пётр_300", "x<b>_20"}) + "\r\n" + Table({"last_1"}))});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1\tПётр\t300\n2\tx<b>\t20\n4\tlast\t1\n");
    r = Tool({"list", Put("bad.rec", "garbage\r\n")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
}

TEST_F(RecordsToolTest, MergeKeepsTheBestDistinctScoresAndCountsWhatEntered) {
    const std::string into = Put("records.rec", Table({"C_100", "D_70"}));
    const std::string from = Put("upload.rec", Table({"A_100", "B_50", "D_70"}));
    const std::string page = dir.File("table.html");
    auto r = Tool({"merge", into, from, "--page", page});
    EXPECT_EQ(r.status, 0) << r.err;
    // A wins the tie with C, as the local file does in the game's merge; D was there already.
    EXPECT_EQ(r.out, "received 3 entries, 2 entered the table\n");
    EXPECT_EQ(Slurp(into), Table({"A_100", "D_70", "B_50"}));
    EXPECT_EQ(Slurp(from), Table({"A_100", "B_50", "D_70"}));
    WriteHtmlTable(into, dir.File("expected.html"));
    EXPECT_EQ(Slurp(page), Slurp(dir.File("expected.html")));

    // Nothing changes for a FROM that is no table, or an INTO that is damaged.
    const std::string before = Slurp(into);
    r = Tool({"merge", into, Put("bad.rec", "junk"), "--page", page});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "refused: " + dir.File("bad.rec") + ": line 1: no entry (name \"_\" score)\n");
    EXPECT_NE(r.err.find("bad.rec: line 1: no entry"), std::string::npos) << r.err;
    EXPECT_EQ(Slurp(into), before);
    EXPECT_EQ(Slurp(page), Slurp(dir.File("expected.html")));

    const std::string damaged = Put("damaged.rec", Table({"a_1"}) + "x\r\n");
    r = Tool({"merge", damaged, from});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(Slurp(damaged), Table({"a_1"}) + "x\r\n");
    EXPECT_EQ(Tool({"merge", dir.File("none.rec"), from}).status, 3);

    // An empty upload, or one of a single entry, takes nobody out.
    r = Tool({"merge", into, Put("empty.rec", "")});
    EXPECT_EQ(r.out, "received 0 entries, 0 entered the table\n");
    r = Tool({"merge", into, Put("one.rec", Table({"E_1"}))});
    EXPECT_EQ(r.out, "received 1 entry, 1 entered the table\n");
    EXPECT_EQ(Slurp(into), Table({"A_100", "D_70", "B_50", "E_1"}));

    // Several FROMs in turn, as the server merges tables that came at once: the later FROM wins
    // a tie with the earlier one, and one that is no table is skipped.
    r = Tool({"merge", into, Put("f1.rec", Table({"F_60", "G_2"})), dir.File("bad.rec"),
              Put("f2.rec", Table({"H_60", "A_100"})), "--page", page});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "received 2 entries, 2 entered the table\nrefused: " + dir.File("bad.rec") +
                         ": line 1: no entry (name \"_\" score)\nreceived 2 entries, 1 entered the table\n");
    EXPECT_EQ(Slurp(into), Table({"A_100", "D_70", "H_60", "B_50", "G_2", "E_1"}));
    WriteHtmlTable(into, dir.File("expected.html"));
    EXPECT_EQ(Slurp(page), Slurp(dir.File("expected.html")));

    // Bringing back a backup: with --ties into today's entry keeps its place, the backup's other
    // results come back, and the backup is not changed.
    const std::string today = Put("today.rec", Table({"Петя_12345", "Ann_7"}));
    const std::string backup = Put("backup.rec", Table({"Вася_12345", "Old_9"}));
    r = Tool({"merge", today, backup, "--ties", "into", "--page", page});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "received 2 entries, 1 entered the table\n");
    EXPECT_EQ(Slurp(today), Table({"Петя_12345", "Old_9", "Ann_7"}));
    EXPECT_EQ(Slurp(backup), Table({"Вася_12345", "Old_9"}));
    EXPECT_EQ(Tool({"merge", today, backup, "--ties", "both"}).status, 2);
}

TEST_F(RecordsToolTest, PageIsTheGamesPageOfAValidTable) {
    const std::string table = Put("t.rec", Table({"<script>_9", "a&b_3"}));
    auto r = Tool({"page", table, dir.File("out.html")});
    EXPECT_EQ(r.status, 0) << r.err;
    WriteHtmlTable(table, dir.File("expected.html"));
    const std::string page = Slurp(dir.File("out.html"));
    EXPECT_EQ(page, Slurp(dir.File("expected.html")));
    EXPECT_NE(page.find(">&lt;script&gt;</FONT>"), std::string::npos);
    EXPECT_EQ(page.find("<script>"), std::string::npos);

    r = Tool({"page", Put("bad.rec", "junk"), dir.File("bad.html")});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(FileExists(dir.File("bad.html")));
    r = Tool({"page", table, dir.File("no/such/dir/out.html")});
    EXPECT_EQ(r.status, 3);
}

TEST_F(RecordsToolTest, RepairKeepsWhatReadsAndRanksIt) {
    const std::string path =
        Put("t.rec", Table({"low_5"}) + "junk\r\n" + Table({"b_x", "high_90", "zero_0", "neg_-4", "mid_40"}));
    auto r = Tool({"repair", path});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Slurp(path), Table({"high_90", "mid_40", "low_5"}));
    EXPECT_NE(r.out.find("line 2: dropped: no entry"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("line 3: dropped: 'x' is not a valid integer value"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("dropped: neg -4, a score below 1"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("kept 3 entries, dropped 3"), std::string::npos) << r.out;
    EXPECT_EQ(Tool({"check", path}).status, 0);
    // What it dropped is still in the copy it kept, named as the game names its copies.
    const auto kept = r.out.find("the file as it was is kept as " + path + ".damaged-");
    ASSERT_NE(kept, std::string::npos) << r.out;
    const std::string copy = r.out.substr(kept + 30, r.out.find('\n', kept) - kept - 30);
    EXPECT_EQ(Slurp(copy),
              Table({"low_5"}) + "junk\r\n" + Table({"b_x", "high_90", "zero_0", "neg_-4", "mid_40"}));
    // A table that needs nothing dropped gets no copy.
    r = Tool({"repair", path});
    EXPECT_EQ(r.out.find("kept as"), std::string::npos) << r.out;
}

TEST_F(RecordsToolTest, UsageErrorsExitWithTwo) {
    // "-" for a database with none in the environment to take.
    test::EnvGuard env("KVELLI99_DATABASE");
    ::unsetenv("KVELLI99_DATABASE");
    auto r = Tool({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Usage: kvelli99-records COMMAND ARGS\n", 0), 0u);
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"frobnicate", "x"},
                                                                  {"check"},
                                                                  {"merge", "a"},
                                                                  {"merge", "a", "b", "--page"},
                                                                  {"list", "a", "b"},
                                                                  {"export", "-", "f"},
                                                                  {"export", "", "f"},
                                                                  {"import", "", "f"},
                                                                  {"serve", "--database", "-"},
                                                                  {"watch", "-", "t", "p"},
                                                                  {"remove", "t.rec", "0"},
                                                                  {"remove", "t.rec", "2x"},
                                                                  {"remove", "-", "1"}}) {
        r = Tool(args);
        EXPECT_EQ(r.status, 2) << testing::PrintToString(args);
        EXPECT_NE(r.err.find("Try 'kvelli99-records --help'."), std::string::npos);
    }
    // An empty DATABASE (an unset variable in the administrator's shell) is not libpq's defaults.
    EXPECT_NE(Tool({"export", "", dir.File("f")}).err.find("the DATABASE given is empty"), std::string::npos);
    EXPECT_FALSE(FileExists(dir.File("f")));
    EXPECT_NE(Tool({"merge"}).err.find("merge takes a table to merge into and one or more tables to merge"),
              std::string::npos);
    // A row past the table's entries takes nothing out.
    const std::string one = Put("one.rec", Table({"a_5"}));
    r = Tool({"remove", one, "2"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("there is no row 2: the table has 1 entry"), std::string::npos) << r.err;
    EXPECT_EQ(Slurp(one), Table({"a_5"}));
    // The man page that the help points at is where it says.
    EXPECT_NE(Tool({"--help"}).out.find("man packaging/server/kvelli99-records.1"), std::string::npos);
    EXPECT_TRUE(FileExists(std::string(KV_SOURCE_DIR) + "/packaging/server/kvelli99-records.1"));
}

}  // namespace
}  // namespace kv
