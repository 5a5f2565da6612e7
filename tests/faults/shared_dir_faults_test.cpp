// Four copies of the program on one records directory, entering 400 results as fast as they can:
// the file ends with exactly the best 20, none lost to a race. KV_FAULT_ROUNDS repeats the run
// (scripts/fault-trials.sh runs more rounds). And a shared table stays usable for the other
// players: its group, mode and links survive a rewrite by one of them.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "NetTestUtil.h"
#include "PyFtpd.h"
#include "RecordsTestUtil.h"
#include "base/AtomicFile.h"
#include "base/Exception.h"
#include "net/ResultsExchange.h"
#include "records/Html.h"
#include "records/Proofs.h"
#include "records/RecFile.h"

namespace kv {
namespace {

constexpr int kProcesses = 4;
constexpr int kResults = 400;

int Rounds() {
    const char* v = std::getenv("KV_FAULT_ROUNDS");
    return v && *v ? std::max(1, std::atoi(v)) : 1;
}

class SharedRecordsDir : public test::RecordsTest {
  protected:
    // One run of 400 results; true if the file ends with exactly the best 20. `locked`: through
    // StoreResult, else its read and rewrite without the lock.
    bool Round(int round, bool locked);
    std::mt19937 rng{4242};
};

bool SharedRecordsDir::Round(int round, bool locked) {
    // A table that every new result beats in part: scores 1..400 against a full table of
    // lower and equal ones.
    std::vector<std::string> old;
    for (int k = 0; k < kMatrRows; ++k)
        old.push_back("old" + std::to_string(k) + "_" + std::to_string(390 - 10 * k));
    dir.Write(kRecFileName, [&] {
        std::string s;
        for (const auto& line : old)
            s += NegateBytes(line) + "\r\n";
        return s;
    }());
    std::vector<int> scores(kResults);
    std::iota(scores.begin(), scores.end(), 1);
    std::shuffle(scores.begin(), scores.end(), rng);

    int gate[2];
    if (::pipe(gate) != 0) {
        ADD_FAILURE() << "pipe";
        return false;
    }
    std::vector<pid_t> kids;
    auto t0 = std::chrono::steady_clock::now();
    for (int p = 0; p < kProcesses; ++p) {
        pid_t kid = ::fork();
        if (kid < 0) {
            ADD_FAILURE() << "fork";
            break;
        }
        if (kid == 0) {
            ::close(gate[1]);
            char b;
            while (::read(gate[0], &b, 1) < 0 && errno == EINTR) {
            }
            int failed = 0;
            for (int i = p; i < kResults; i += kProcesses) {
                PlayerName = "P" + std::to_string(p) + "-" + std::to_string(scores[i]);
                try {
                    if (locked) {
                        StoreResult(kRecFileName, scores[i]);
                    } else {
                        ReadRecFile(kRecFileName);
                        AddResult(kRecFileName, scores[i]);
                    }
                } catch (...) {
                    failed = 1;
                }
            }
            ::_exit(failed);
        }
        kids.push_back(kid);
    }
    ::close(gate[0]);
    ::close(gate[1]);  // all start now
    for (pid_t kid : kids) {
        int status = 0;
        while (::waitpid(kid, &status, 0) < 0 && errno == EINTR) {
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a copy failed to store a result";
    }
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0);

    // The best 20 of the old table and the new results. No two entries tie for the 20th place.
    std::vector<std::pair<int, std::string>> all;
    for (int k = 0; k < kMatrRows; ++k)
        all.emplace_back(390 - 10 * k, "old" + std::to_string(k));
    for (int i = 0; i < kResults; ++i)
        all.emplace_back(scores[i], "P" + std::to_string(i % kProcesses) + "-" + std::to_string(scores[i]));
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    // Equal scores stand in the order they arrived: compare the scores row by row and the
    // entries as a set.
    std::vector<std::string> expected;
    for (int k = 0; k < kMatrRows; ++k)
        expected.push_back(all[k].second + "_" + std::to_string(all[k].first));
    std::vector<std::string> got = FileEntries();
    bool exact = got.size() == expected.size();
    for (int k = 0; exact && k < kMatrRows; ++k)
        exact = Matr[k].score == all[k].first;
    std::sort(got.begin(), got.end());
    std::sort(expected.begin(), expected.end());
    exact = exact && got == expected;
    std::printf("shared-dir%s round %d: %d processes, %d results, %lld ms, best 20 %s\n",
                locked ? "" : " (no lock)", round, kProcesses, kResults, static_cast<long long>(ms.count()),
                exact ? "exact" : "LOST");
    std::fflush(stdout);
    if (locked) {
        EXPECT_EQ(got, expected);
    }
    return exact;
}

TEST_F(SharedRecordsDir, FourProcessesKeepExactlyTheBestTwenty) {
    const int rounds = Rounds();
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        EXPECT_TRUE(Round(round, true));
    }
}

// The proof has teeth: without the lock, the same run loses results.
TEST_F(SharedRecordsDir, WithoutTheLockResultsAreLost) {
    bool lost = false;
    for (int round = 0; round < 3 && !lost; ++round)
        lost = !Round(round, false);
    EXPECT_TRUE(lost);
}

// Players other than the one running the tests: ids no account uses.
constexpr uid_t kAnn = 42401, kBob = 42402, kEve = 42403;
constexpr gid_t kPlayers = 42410;

struct stat Stat(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

// Runs `fn` in a child process as `uid` with its own group and `groups`; true if it returned
// without an exception.
bool RunAs(uid_t uid, std::vector<gid_t> groups, const std::function<void()>& fn) {
    std::fflush(nullptr);
    pid_t kid = ::fork();
    if (kid < 0) return false;
    if (kid == 0) {
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setresgid(uid, uid, uid) != 0 ||
            ::setresuid(uid, uid, uid) != 0)
            ::_exit(3);
        try {
            fn();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "as uid %u: %s\n", static_cast<unsigned>(uid), e.what());
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(kid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class SharedTable : public test::RecordsTest {
  protected:
    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as other players (CI runs as root)";
        test::RecordsTest::SetUp();
        // Other players must reach the directory.
        ::chmod(dir.path().c_str(), 0755);
        WriteRec({"Ann_500", "Bob_300"});
        table = dir.File(kRecFileName);
    }
    // The scores of the table, read back.
    std::vector<std::string> Table() { return FileEntries(); }
    std::string table;
};

// A directory of the group where each player's rewrite gives a new file: it stays the group's,
// with its mode, so the next player may still write it.
TEST_F(SharedTable, ARewriteKeepsTheGroupAndModeForTheOthers) {
    ASSERT_EQ(::chown(dir.path().c_str(), 0, kPlayers), 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0775), 0);
    ASSERT_EQ(::chown(table.c_str(), kAnn, kPlayers), 0);
    ASSERT_EQ(::chmod(table.c_str(), 0664), 0);
    const ino_t before = Stat(table).st_ino;
    ASSERT_TRUE(RunAs(kBob, {kPlayers}, [this] {
        PlayerName = "Bob";
        StoreResult(kRecFileName, 400);
    }));
    EXPECT_NE(Stat(table).st_ino, before);  // a whole new file, as a crash-safe rewrite makes
    EXPECT_EQ(Stat(table).st_gid, kPlayers);
    EXPECT_EQ(Stat(table).st_mode & 07777, 0664u);
    // So Ann, in the group but not the new owner, still enters her result.
    ASSERT_TRUE(RunAs(kAnn, {kPlayers}, [this] {
        PlayerName = "Ann";
        StoreResult(kRecFileName, 450);
    }));
    EXPECT_EQ(Table(), (std::vector<std::string>{"Ann_500", "Ann_450", "Bob_400", "Bob_300"}));

    // A writer outside the group can't give a new file the group: the table is rewritten in place
    // and keeps its owner, group and mode.
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    ASSERT_EQ(::chmod(table.c_str(), 0666), 0);
    const struct stat was = Stat(table);
    ASSERT_TRUE(RunAs(kEve, {}, [this] {
        PlayerName = "Eve";
        StoreResult(kRecFileName, 600);
    }));
    const struct stat now = Stat(table);
    EXPECT_EQ(now.st_ino, was.st_ino);
    EXPECT_EQ(now.st_uid, was.st_uid);
    EXPECT_EQ(now.st_gid, kPlayers);
    EXPECT_EQ(now.st_mode & 07777, 0666u);
    EXPECT_EQ(Table().front(), "Eve_600");
}

// A share set up on purpose with a writable table in a directory the players may not change.
TEST_F(SharedTable, AWritableTableInAFixedDirectoryIsRewrittenInPlace) {
    ASSERT_EQ(::chmod(table.c_str(), 0666), 0);
    const ino_t before = Stat(table).st_ino;
    ASSERT_TRUE(RunAs(kBob, {}, [this] {
        PlayerName = "Bob";
        StoreResult(kRecFileName, 400);
        // A shorter table after a longer one leaves no tail of the old.
        WriteRecFile(std::vector<RecEntry>{{"Z", 1}}, st.RecPath(kRecFileName));
        WriteRecFile(Matr, st.RecPath(kRecFileName));
    }));
    EXPECT_EQ(Stat(table).st_ino, before);
    EXPECT_EQ(Stat(table).st_uid, 0u);
    EXPECT_EQ(Table(), (std::vector<std::string>{"Ann_500", "Bob_400", "Bob_300"}));
    EXPECT_FALSE(dir.Exists(kRecFileName + ".lock"));  // the directory stays as it was
    // Where the table itself is read-only too, nothing is written, and the failure says so.
    ASSERT_EQ(::chmod(table.c_str(), 0644), 0);
    EXPECT_FALSE(RunAs(kBob, {}, [this] { StoreResult(kRecFileName, 900); }));
    EXPECT_EQ(Table(), (std::vector<std::string>{"Ann_500", "Bob_400", "Bob_300"}));
}

// A table reached through a link: the link stays, the file it leads to gets the result.
TEST_F(SharedTable, ALinkedTableStaysALink) {
    std::filesystem::create_directories(dir.File("share/sub"));
    std::filesystem::rename(table, dir.File("share/sub/real.rec"));
    // A relative link to a link.
    std::filesystem::create_symlink("sub/real.rec", dir.File("share/hop.rec"));
    std::filesystem::create_symlink("share/hop.rec", table);
    PlayerName = "Bob";
    StoreResult(kRecFileName, 400);
    EXPECT_TRUE(S_ISLNK(Stat(table).st_mode));
    EXPECT_TRUE(S_ISLNK(Stat(dir.File("share/hop.rec")).st_mode));
    EXPECT_TRUE(S_ISREG(Stat(dir.File("share/sub/real.rec")).st_mode));
    EXPECT_EQ(Table(), (std::vector<std::string>{"Ann_500", "Bob_400", "Bob_300"}));
    EXPECT_EQ(ResolveLinks(table), dir.File("share/sub/real.rec"));
    EXPECT_EQ(ResolveLinks(dir.File("none")), dir.File("none"));
    // A link that leads round in a circle is refused, and left as it is.
    std::filesystem::create_symlink("loop.b", dir.File("loop.a"));
    std::filesystem::create_symlink("loop.a", dir.File("loop.b"));
    EXPECT_THROW(WriteFileAtomic(dir.File("loop.a"), "x"), Exception);
    EXPECT_TRUE(S_ISLNK(Stat(dir.File("loop.a")).st_mode));
    EXPECT_TRUE(S_ISLNK(Stat(dir.File("loop.b")).st_mode));
}

// The records folder of a group, as players set it up: setgid, the group may write, each player's
// umask 022. Ann ends a game and exchanges, then Bob does: Bob's exchange replaces the copy of the
// server's table, the page and the proofs that Ann's left there, and both results reach the server.
TEST_F(SharedTable, TheSecondPlayersExchangeWorksAfterTheFirst) {
    ASSERT_EQ(::chown(dir.path().c_str(), 0, kPlayers), 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), 02775), 0);
    ASSERT_EQ(::chown(table.c_str(), 0, kPlayers), 0);
    ASSERT_EQ(::chmod(table.c_str(), 0664), 0);
    test::PyFtpdOptions options;
    options.binaryByDefault = true;
    options.files = {{"WWW/records.rec", test::Stored({"Carl_100"})}};
    test::PyFtpd server(options);

    auto play = [&](const std::string& name, int32_t score) {
        ::umask(022);
        PlayerName = name;
        kv::StoreResult(Matr, table, PlayerName, score, "game of " + name);
        // The exchange as the window composes it.
        TFtpClient ftp;
        ftp.Host = "127.0.0.1";
        ftp.Port = server.port();
        ftp.UserID = "kvelli99";
        ftp.Password = "quillon84";
        ftp.Passive = true;
        test::TestPump pump;
        pump.Install(ftp);
        ExchangeSteps steps;
        steps.merge = [this](const std::string& local, const std::string& net) { MergeRecFiles(local, net); };
        steps.writePage = [](const std::string& net, const std::string& page) {
            kv::WriteHtmlTable(net, page);
        };
        steps.proofsOf = [](const std::string& net) { return ProofsPathFor(net); };
        RunResultsExchange([&]() -> TFtpClient& { return ftp; }, dir.path(), steps);
        ftp.Disconnect();
    };
    ASSERT_TRUE(RunAs(kAnn, {kPlayers}, [&] { play("Ann", 450); }));
    // What Ann's exchange made is the group's: Bob may replace it.
    for (const char* made : {"kvelint.rec", "kvelint.prf", "Kvelli99.prf"}) {
        SCOPED_TRACE(made);
        EXPECT_EQ(Stat(dir.File(made)).st_uid, kAnn);
        EXPECT_EQ(Stat(dir.File(made)).st_gid, kPlayers);
        EXPECT_EQ(Stat(dir.File(made)).st_mode & 07777, 0664u);
    }
    ASSERT_TRUE(RunAs(kBob, {kPlayers}, [&] { play("Bob", 400); }));
    EXPECT_EQ(server.Read("WWW/records.rec"),
              test::Stored({"Ann_500", "Ann_450", "Bob_400", "Bob_300", "Carl_100"}));
    EXPECT_EQ(ParseProofs(server.Read("WWW/records.prf")),
              (ProofTexts{{450, "game of Ann"}, {400, "game of Bob"}}));
    EXPECT_EQ(Stat(dir.File("kvelint.rec")).st_uid, kBob);
    EXPECT_EQ(Stat(dir.File("kvelint.rec")).st_mode & 07777, 0664u);
    EXPECT_FALSE(dir.Exists("table.html"));
}

}  // namespace
}  // namespace kv
