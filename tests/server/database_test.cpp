// Front ends of the shipped results server on one real PostgreSQL (started by the test, no mock):
// they share one table and its page, lose nothing when one is killed or the database restarts,
// and do not write into a database that holds something else.
#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <latch>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "ProvenGames.h"
#include "RunProgram.h"
#include "ShippedServer.h"
#include "TempDir.h"
#include "TempPostgres.h"
#include "base/AtomicFile.h"
#include "records/Html.h"
#include "records/RecFile.h"
#include "records/tool/PgStore.h"

namespace kv {
namespace {

using test::ShippedServer;
using test::TableBytes;
using test::TableRows;
using test::TempDir;
using Rows = std::vector<std::pair<std::string, int>>;
using Clock = std::chrono::steady_clock;

std::string Slurp(const std::string& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

// How long a change may take to reach every front end's copy here. The database's notice brings
// it at once; the bound is for a loaded machine under the sanitizers, so that only a change that
// never arrives fails, not a slow one.
constexpr double kPropagation = 20;

// Waits up to `seconds` for check() to hold; whether it did.
template <class Check>
bool Within(double seconds, Check check) {
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        if (check()) return true;
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

class DatabaseTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (TempPostgres::Available()) pg = std::make_unique<test::TempPostgres>();
    }
    static void TearDownTestSuite() { pg.reset(); }
    void SetUp() override {
        if (!pg) GTEST_SKIP() << "Debian's postgresql is not installed (scripts/install-deps.sh installs it)";
    }
    using TempPostgres = test::TempPostgres;

    // A front end on the database db, its data in dir/name.
    std::unique_ptr<ShippedServer> FrontEnd(
        const std::string& db, const std::string& name, std::vector<std::string> more = {},
        ShippedServer::Proofs proofs = ShippedServer::Proofs::kAcceptUnverified) {
        std::vector<std::string> args = {"--database", pg->Conninfo(db),    "--max-connections",
                                         "100",        "--max-per-address", "100"};
        args.insert(args.end(), more.begin(), more.end());
        return std::make_unique<ShippedServer>(dir.File(name), args, dir.File(name + ".log"), proofs);
    }

    // Player `name` with one result; the directory of its records file.
    std::string Player(const std::string& name, int score) {
        const std::string d = players.File(name);
        std::filesystem::create_directories(d);
        WriteFileAtomic(d + "/" + kRecFileName, TableBytes({{name, score}}));
        return d;
    }

    static inline std::unique_ptr<test::TempPostgres> pg;
    TempDir dir, players;
};

// The records tools running now (the front ends' helpers and watchers): process id and command
// line, which every user of the machine can read.
std::vector<std::pair<pid_t, std::string>> Tools() {
    std::vector<std::pair<pid_t, std::string>> tools;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator("/proc", ec)) {
        std::string line;
        if (!ReadWholeFile(e.path().string() + "/cmdline", line)) continue;
        const std::string program = line.substr(0, line.find('\0'));
        if (program.size() < 16 || program.substr(program.size() - 16) != "kvelli99-records") continue;
        std::replace(line.begin(), line.end(), '\0', ' ');
        tools.emplace_back(static_cast<pid_t>(std::atoi(e.path().filename().c_str())), line);
    }
    return tools;
}

// The watcher that keeps `table` (a front end's WWW/records.rec), or -1.
pid_t WatcherOf(const std::string& table) {
    for (const auto& [pid, line] : Tools())
        if (line.find(" watch - " + table + " ") != std::string::npos) return pid;
    return -1;
}

// The best 20 of results, highest first.
Rows Best(Rows all) {
    std::sort(all.begin(), all.end(), [](auto& a, auto& b) { return a.second > b.second; });
    if (all.size() > kMatrRows) all.resize(kMatrRows);
    return all;
}

TEST_F(DatabaseTest, TwoFrontEndsKeepEveryResultOfFortySendersAndShowOneTable) {
    pg->CreateDatabase("shared");
    auto a = FrontEnd("shared", "a"), b = FrontEnd("shared", "b", {"--workers", "2"});
    constexpr int kPlayers = 40;
    Rows sent;
    std::vector<std::string> dirs;
    for (int i = 0; i < kPlayers; ++i) {
        sent.emplace_back("p" + std::to_string(i), 100 + 7 * i);
        dirs.push_back(Player(sent.back().first, sent.back().second));
    }
    const auto errors = test::SimultaneousExchanges(
        dirs, [&](int i) { return i % 2 ? b->ftp : a->ftp; }, [](int i) { return i % 4 < 2; });
    for (int i = 0; i < kPlayers; ++i)
        EXPECT_EQ(errors[i], "") << "player " << i;
    // The connection string, a password with it, is on no command line of their helpers and
    // watchers (a watcher and at least one helper on each front end).
    const auto tools = Tools();
    EXPECT_GE(tools.size(), 4u);
    for (const auto& [pid, line] : tools)
        EXPECT_EQ(line.find(pg->Conninfo("shared")), std::string::npos) << line;

    // Every front end's download and page show the common table within 2 s.
    const Rows best = Best(sent);
    const std::string table = TableBytes(best);
    EXPECT_TRUE(
        Within(kPropagation,
               [&] { return test::DownloadTable(a->ftp) == table && test::DownloadTable(b->ftp) == table; }))
        << "a: " << TableRows(dir.File("a/WWW/records.rec")).size()
        << " rows, b: " << TableRows(dir.File("b/WWW/records.rec")).size() << " rows\n"
        << Slurp(dir.File("a.log")) << Slurp(dir.File("b.log"));
    WriteFileAtomic(dir.File("expected.rec"), table);
    WriteHtmlTable(dir.File("expected.rec"), dir.File("expected.html"));
    const std::string page = Slurp(dir.File("expected.html"));
    EXPECT_TRUE(Within(kPropagation,
                       [&] {
                           return test::HttpGet(a->http, "/table.html").second == page &&
                                  test::HttpGet(b->http, "/table.html").second == page;
                       }))
        << Slurp(dir.File("a.log")) << Slurp(dir.File("b.log"));

    // The administrator's export is the same table; an import from another store is merged in
    // (an entry sent as a file is one more result, and it is on both pages at once).
    auto r = std::system(("KVELLI99_DATABASE='" + pg->Conninfo("shared") + "' " + test::RecordsToolPath() +
                          " export - " + dir.File("export.rec") + " >/dev/null")
                             .c_str());
    EXPECT_EQ(r, 0);
    EXPECT_EQ(Slurp(dir.File("export.rec")), table);
    WriteFileAtomic(dir.File("backup.rec"), TableBytes({{"Top", 5000}}));
    r = std::system((test::RecordsToolPath() + " import '" + pg->Conninfo("shared") + "' " +
                     dir.File("backup.rec") + " >/dev/null")
                        .c_str());
    EXPECT_EQ(r, 0);
    Rows more = sent;
    more.emplace_back("Top", 5000);
    EXPECT_TRUE(Within(kPropagation, [&] {
        return TableRows(dir.File("a/WWW/records.rec")) == Best(more) &&
               TableRows(dir.File("b/WWW/records.rec")) == Best(more);
    }));
}

TEST_F(DatabaseTest, AKilledFrontEndLosesNothingTheOthersMerged) {
    pg->CreateDatabase("killed");
    auto a = FrontEnd("killed", "a", {"--workers", "2"}), b = FrontEnd("killed", "b");
    // Twelve players send to a, which is killed after the first results are in; b goes on.
    constexpr int kToA = 12, kToB = 8;
    std::atomic<int> acked{0};
    std::vector<char> acknowledged(kToA + kToB, 0);
    std::vector<std::thread> threads;
    for (int i = 0; i < kToA; ++i) {
        threads.emplace_back([&, i] {
            try {
                test::GameExchange(a->ftp, Player("a" + std::to_string(i), 1000 + i), true);
                acknowledged[i] = 1;
                ++acked;
            } catch (const std::exception&) {
            }
        });
    }
    EXPECT_TRUE(Within(30, [&] { return acked >= 3; }));
    a->Kill();
    for (auto& t : threads)
        t.join();
    for (int i = 0; i < kToB; ++i) {
        try {
            test::GameExchange(b->ftp, Player("b" + std::to_string(i), 2000 + i), i % 2);
            acknowledged[kToA + i] = 1;
        } catch (const std::exception& e) {
            ADD_FAILURE() << "b, player " << i << ": " << e.what();
        }
    }
    // Every result that a front end acknowledged is in the common table, and nothing else.
    std::set<int> scores;
    for (const auto& [name, score] : TableRows(dir.File("b/WWW/records.rec")))
        scores.insert(score);
    EXPECT_TRUE(Within(kPropagation, [&] {
        scores.clear();
        for (const auto& [name, score] : TableRows(dir.File("b/WWW/records.rec")))
            scores.insert(score);
        return scores.count(2000 + kToB - 1) == 1;
    }));
    for (int i = 0; i < kToA + kToB; ++i)
        if (acknowledged[i]) {
            EXPECT_EQ(scores.count(i < kToA ? 1000 + i : 2000 + i - kToA), 1u) << i;
        }
    for (int s : scores)
        EXPECT_TRUE((s >= 1000 && s < 1000 + kToA) || (s >= 2000 && s < 2000 + kToB)) << s;
    // No process of the killed front end is left holding its port.
    EXPECT_THROW(test::DownloadTable(a->ftp), Exception);
}

TEST_F(DatabaseTest, ADatabaseRestartUnderLoadLosesNothingAndNeedsNoRestartOfTheFrontEnd) {
    pg->CreateDatabase("restart");
    auto front = FrontEnd("restart", "f");
    // Players send one after another, each a higher score, while the database stops and starts.
    std::atomic<bool> stop{false};
    std::atomic<int> sent{0}, refused{0}, acked{0};
    std::vector<int> acknowledged;
    std::string wrong;
    std::thread load([&] {
        for (int i = 0; !stop; ++i) {
            try {
                test::GameExchange(front->ftp, Player("r" + std::to_string(i), 1000 + i), true);
                acknowledged.push_back(1000 + i);
                ++acked;
            } catch (const Exception& e) {
                // The upload is refused with a 4xx reply (try again later), nothing else.
                if (std::string(e.what()).rfind("451 ", 0) == 0)
                    ++refused;
                else
                    wrong = e.what();
            }
            ++sent;
        }
    });
    EXPECT_TRUE(Within(30, [&] { return acked >= 3; }));
    // The front end's copy follows within moments.
    EXPECT_TRUE(Within(kPropagation, [&] { return TableRows(dir.File("f/WWW/records.rec")).size() >= 3; }));
    pg->Stop();
    EXPECT_TRUE(Within(30, [&] { return refused >= 2; }));
    // Downloads go on from the last table the front end saw.
    WriteFileAtomic(dir.File("during.rec"), test::DownloadTable(front->ftp));
    EXPECT_GE(TableRows(dir.File("during.rec")).size(), 3u);
    EXPECT_EQ(TableRows(dir.File("during.rec")), TableRows(dir.File("f/WWW/records.rec")));
    const int ackedWhileDown = acked;
    pg->Start();
    EXPECT_TRUE(Within(30, [&] { return acked >= ackedWhileDown + 3; }))
        << "no upload was taken after the database came back";
    stop = true;
    load.join();
    EXPECT_EQ(wrong, "");

    // The best 20 of what was acknowledged are all in the table, on the front end's copy too.
    std::sort(acknowledged.rbegin(), acknowledged.rend());
    if (acknowledged.size() > kMatrRows) acknowledged.resize(kMatrRows);
    EXPECT_TRUE(Within(kPropagation, [&] {
        std::set<int> scores;
        for (const auto& [name, score] : TableRows(dir.File("f/WWW/records.rec")))
            scores.insert(score);
        return std::all_of(acknowledged.begin(), acknowledged.end(),
                           [&](int s) { return scores.count(s) == 1; });
    }));
    // The watcher, which keeps the front end's copy, is back too (it tries once a second), and
    // says so with the time, as the server's own lines.
    const std::regex stamped(
        R"((^|\n)\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,\d{3} kvelli99-records: the database is back)");
    EXPECT_TRUE(Within(10, [&] { return std::regex_search(Slurp(dir.File("f.log")), stamped); }))
        << Slurp(dir.File("f.log"));
}

// What stops the tool says which of the connection string, the database's answer or the way
// there is wrong, on one line; a backup (export) of a database without the table writes
// nothing into it and no file.
TEST_F(DatabaseTest, DatabaseFailuresSayWhichAndABackupMakesNoSchema) {
    pg->CreateDatabase("bare");
    const struct {
        std::string conninfo, said;
    } cases[] = {
        {pg->Conninfo("bare") + " colour=blue",
         "the connection string is not valid: invalid connection option"},
        {pg->Conninfo("missing"), "the database refused the connection: "},
        {"host=127.0.0.1 port=" + std::to_string(test::FreePort()) + " dbname=bare",
         "the database cannot be reached: "},
        {pg->Conninfo("bare"), "the database holds no results table yet"},
    };
    for (const auto& c : cases) {
        const auto r =
            test::RunProgram({test::RecordsToolPath(), "export", c.conninfo, dir.File("backup.rec")});
        EXPECT_EQ(r.status, 1) << c.conninfo;
        EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\t'), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(FileExists(dir.File("backup.rec")));
    }
    EXPECT_EQ(pg->Query("bare", "SELECT count(*) FROM pg_tables WHERE schemaname = 'kvelli99'"), "0");
}

// A front end's copy keeps following the common table when its watcher loses its connection at
// the moment a change is announced, and when the watcher itself is killed.
TEST_F(DatabaseTest, AFrontEndsCopyFollowsAfterItsWatcherLostItsConnectionOrWasKilled) {
    pg->CreateDatabase("follow");
    // a with workers: its loop that restarts them reaps the killed watcher too.
    auto a = FrontEnd("follow", "a", {"--workers", "2"}), b = FrontEnd("follow", "b");
    const std::string copy = dir.File("a/WWW/records.rec");
    auto arrives = [&](int score) {
        return Within(kPropagation, [&] {
            for (const auto& [name, s] : TableRows(copy))
                if (s == score) return true;
            return false;
        });
    };
    pid_t watcher = -1;
    ASSERT_TRUE(Within(10, [&] { return (watcher = WatcherOf(copy)) > 0; }));

    // The announcement of a change and the end of the watcher's connection wait together for it
    // (it is stopped meanwhile): it reads the change on a new connection, which must listen too.
    ::kill(watcher, SIGSTOP);
    test::GameExchange(b->ftp, Player("n1", 101), true);
    // The server sends the announcement to a listener when it is idle: give it a moment.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    pg->Exec("follow",
             "SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
             "WHERE application_name = 'kvelli99-server' AND pid <> pg_backend_pid()");
    ::kill(watcher, SIGCONT);
    EXPECT_TRUE(arrives(101)) << Slurp(dir.File("a.log"));
    // Changes after it still reach the copy.
    test::GameExchange(b->ftp, Player("n2", 102), true);
    EXPECT_TRUE(arrives(102)) << Slurp(dir.File("a.log"));

    // A killed watcher is started again, and it brings what changed meanwhile.
    ::kill(watcher, SIGKILL);
    test::GameExchange(b->ftp, Player("n3", 103), true);
    EXPECT_TRUE(arrives(103)) << Slurp(dir.File("a.log"));
    test::GameExchange(b->ftp, Player("n4", 104), true);
    EXPECT_TRUE(arrives(104)) << Slurp(dir.File("a.log"));
    EXPECT_NE(Slurp(dir.File("a.log")).find("the watcher ended (killed by signal 9); starting it again"),
              std::string::npos)
        << Slurp(dir.File("a.log"));
    // The new watcher ends with the front end.
    const pid_t second = WatcherOf(copy);
    EXPECT_GT(second, 0);
    EXPECT_NE(second, watcher);
    a->Stop();
    EXPECT_TRUE(Within(10, [&] { return WatcherOf(copy) < 0; }));
}

// A change announced while the watcher was reading is not left for the next one: its notice came
// in with the reply to a statement, off the socket that the wait watches. (The notice of one's own
// commit comes that way every time.)
TEST_F(DatabaseTest, AWatchHearsOfAChangeWhoseNoticeCameWithAReply) {
    pg->CreateDatabase("notice");
    tool::PgStore watcher(pg->Conninfo("notice")), writer(pg->Conninfo("notice"));
    watcher.Listen();
    auto put = [](int score) {
        return [score](RecTable& t, tool::StoredProofs&) {
            t[0] = {"w", score};
            return true;
        };
    };
    const int64_t first = watcher.Update(put(10));
    bool input = true;
    EXPECT_TRUE(watcher.Wait(0, -1, input));
    EXPECT_FALSE(input);
    EXPECT_FALSE(watcher.Wait(0, -1, input)) << "a notice is told once";
    // Another connection's change reaches an idle watcher through the socket, and Read sees it.
    EXPECT_EQ(writer.Update(put(20)), first + 1);
    EXPECT_TRUE(watcher.Wait(10000, -1, input));
    int64_t generation = 0;
    EXPECT_EQ(watcher.Read(generation)[0], (RecEntry{"w", 20}));
    EXPECT_EQ(generation, first + 1);
}

// A watcher that cannot run is not started again for ever: a few starts, then a line in the log.
TEST_F(DatabaseTest, AWatcherThatEndsAtOnceIsGivenUpAfterAFewStarts) {
    pg->CreateDatabase("broken");
    const std::string tool = dir.File("tool.sh");
    WriteFileAtomic(
        tool, "#!/bin/sh\n[ \"$1\" = watch ] && exit 3\nexec '" + test::RecordsToolPath() + "' \"$@\"\n");
    std::filesystem::permissions(tool, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    auto f = FrontEnd("broken", "f", {"--records-tool", tool});
    const std::string log = dir.File("f.log");
    EXPECT_TRUE(Within(30, [&] { return Slurp(log).find("it is not started again") != std::string::npos; }))
        << Slurp(log);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const std::string said = Slurp(log);
    int starts = 0;
    for (size_t at = 0;
         (at = said.find("the watcher ended (status 3); starting it again", at)) != std::string::npos; ++at)
        ++starts;
    EXPECT_EQ(starts, 5) << said;
}

TEST_F(DatabaseTest, ADatabaseOfSomethingElseIsRefusedAndNotWritten) {
    // Another program's tables.
    pg->CreateDatabase("others");
    pg->Exec("others", "CREATE TABLE accounts (id integer)");
    EXPECT_THROW(FrontEnd("others", "x"), std::runtime_error);
    EXPECT_NE(Slurp(dir.File("x.log")).find("the database holds tables of another program (public.accounts)"),
              std::string::npos)
        << Slurp(dir.File("x.log"));
    EXPECT_EQ(pg->Query("others", "SELECT count(*) FROM pg_namespace WHERE nspname = 'kvelli99'"), "0");

    // The schema is made on the first start, versioned; a newer version is not written.
    pg->CreateDatabase("newer");
    FrontEnd("newer", "y").reset();
    EXPECT_EQ(pg->Query("newer", "SELECT schema_version FROM kvelli99.meta"), "2");
    pg->Exec("newer", "UPDATE kvelli99.meta SET schema_version = 3");
    EXPECT_THROW(FrontEnd("newer", "z"), std::runtime_error);
    EXPECT_NE(Slurp(dir.File("z.log")).find("schema is version 3, this server knows version 2"),
              std::string::npos)
        << Slurp(dir.File("z.log"));
    WriteFileAtomic(dir.File("t.rec"), TableBytes({{"x", 5}}));
    EXPECT_NE(std::system((test::RecordsToolPath() + " import '" + pg->Conninfo("newer") + "' " +
                           dir.File("t.rec") + " 2>/dev/null >/dev/null")
                              .c_str()),
              0);
    EXPECT_EQ(pg->Query("newer", "SELECT count(*) FROM kvelli99.records"), "0");
    EXPECT_EQ(pg->Query("newer", "SELECT generation FROM kvelli99.meta"), "0");
}

// A database of the schema before proofs is upgraded with its rows; two verifying front ends on
// it take a proven entry (keeping its proof) and not a forged one, and both follow when the
// administrator takes the entry out.
TEST_F(DatabaseTest, AnUpgradedTableTakesProvenEntriesAndARemovalReachesEveryFrontEnd) {
    pg->CreateDatabase("proven");
    // Version 1, as servers before this one made it.
    pg->Exec(
        "proven",
        "CREATE SCHEMA kvelli99;"
        "CREATE TABLE kvelli99.meta (one boolean PRIMARY KEY DEFAULT true CHECK (one),"
        "  schema_version integer NOT NULL, generation bigint NOT NULL);"
        "INSERT INTO kvelli99.meta (schema_version, generation) VALUES (1, 7);"
        "CREATE TABLE kvelli99.records (rank integer PRIMARY KEY CHECK (rank BETWEEN 1 AND 20),"
        "  name bytea NOT NULL CHECK (length(name) <= 15), score integer NOT NULL UNIQUE CHECK (score <> 0));"
        "INSERT INTO kvelli99.records VALUES (1, 'Old', 50);");
    const auto ann = test::PlayGame(1);
    ASSERT_TRUE(ann.finished && ann.score > 50);
    auto fe1 = FrontEnd("proven", "fe1", {}, ShippedServer::Proofs::kVerify);
    auto fe2 = FrontEnd("proven", "fe2", {}, ShippedServer::Proofs::kVerify);
    EXPECT_EQ(pg->Query("proven", "SELECT schema_version FROM kvelli99.meta"), "2");
    EXPECT_EQ(test::SendTable(fe1->ftp, players.path(), {{ann.score, ann.proof}},
                              {"Ann_" + std::to_string(ann.score), "Cheater_99999995"}),
              "226 Table merged; kvelli99-verdict unproven=1 forged=0 duplicate=0");
    const Rows both = {{"Ann", ann.score}, {"Old", 50}};
    for (const char* fe : {"fe1", "fe2"})
        EXPECT_TRUE(Within(kPropagation, [&] {
            return TableRows(dir.File(std::string(fe) + "/WWW/records.rec")) == both;
        })) << fe;
    tool::PgStore store(pg->Conninfo("proven"));
    int64_t generation = 0;
    ProofTexts proofs;
    store.Read(generation, &proofs);
    EXPECT_EQ(proofs, (ProofTexts{{ann.score, ann.proof}}));

    const auto removed = test::RunProgram({test::RecordsToolPath(), "remove", pg->Conninfo("proven"), "1"});
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_NE(removed.out.find("removed row 1: Ann"), std::string::npos) << removed.out;
    for (const char* fe : {"fe1", "fe2"}) {
        const std::string www = dir.File(std::string(fe) + "/WWW/");
        EXPECT_TRUE(Within(kPropagation, [&] {
            return TableRows(www + "records.rec") == Rows{{"Old", 50}} &&
                   Slurp(www + "table.html").find(">Ann<") == std::string::npos;
        })) << fe;
    }
    store.Read(generation, &proofs);
    EXPECT_TRUE(proofs.empty());
}

}  // namespace
}  // namespace kv
