// Shared records directories, crashes and full disks: no result is lost, no file is torn.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "RecordsTestUtil.h"
#include "Tmpfs.h"
#include "base/AtomicFile.h"
#include "records/RecFile.h"
#include "records/RecLock.h"

namespace kv {
namespace {

using test::Filled;
using test::Stored;

class FaultsTest : public test::RecordsTest {};

int WaitExit(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Two copies of the program on one directory, each entering results as fast as it can.
TEST_F(FaultsTest, TwoProcessesLoseNoResult) {
    constexpr int kRounds = 10, kPerProcess = 10;  // 200 results, 20 a round: each round fills the table
    for (int round = 0; round < kRounds; ++round) {
        WriteRec({});
        int gate[2];
        ASSERT_EQ(::pipe(gate), 0);
        pid_t kids[2];
        for (int c = 0; c < 2; ++c) {
            kids[c] = ::fork();
            ASSERT_GE(kids[c], 0);
            if (kids[c] == 0) {
                ::close(gate[1]);
                char b;
                while (::read(gate[0], &b, 1) < 0 && errno == EINTR) {
                }
                int failed = 0;
                for (int i = 0; i < kPerProcess; ++i) {
                    PlayerName = (c ? "B" : "A") + std::to_string(i);
                    try {
                        StoreResult(kRecFileName, 1 + c + 2 * i);
                    } catch (...) {
                        failed = 1;
                    }
                }
                ::_exit(failed);
            }
        }
        ::close(gate[0]);
        ::close(gate[1]);  // both start now
        EXPECT_EQ(WaitExit(kids[0]), 0);
        EXPECT_EQ(WaitExit(kids[1]), 0);
        ReadRecFile(kRecFileName);
        std::set<int> scores;
        for (const auto& row : Matr)
            scores.insert(row.score);
        ASSERT_EQ(scores.size(), 20u) << "round " << round;
        EXPECT_EQ(*scores.begin(), 1);
        EXPECT_EQ(*scores.rbegin(), 20);
        EXPECT_EQ(Matr[0], (RecEntry{"B9", 20}));
    }
}

TEST_F(FaultsTest, LockWaitsBoundedThenGoesOn) {
    WriteRec({"a_1"});
    const std::string rec = dir.File(kRecFileName);
    {
        RecLock held(rec);
        ASSERT_TRUE(held.Held());
        auto t0 = std::chrono::steady_clock::now();
        RecLock second(rec, 300);
        auto waited = std::chrono::steady_clock::now() - t0;
        EXPECT_FALSE(second.Held());
        EXPECT_GE(waited, std::chrono::milliseconds(290));
        EXPECT_LT(waited, std::chrono::seconds(2));
        // A copy that holds the lock too long doesn't stop a result from being stored.
        PlayerName = "late";
        StoreResult(kRecFileName, 7);
        EXPECT_EQ(FileEntries(), (std::vector<std::string>{"late_7", "a_1"}));
    }
    RecLock again(rec, 300);
    EXPECT_TRUE(again.Held());
    // No records file: no lock and no lock file.
    RecLock none(dir.File("none.rec"), 0);
    EXPECT_FALSE(none.Held());
    EXPECT_FALSE(dir.Exists("none.rec.lock"));
}

// A copy killed at any moment of a rewrite leaves the old table or the new, never a torn one.
TEST_F(FaultsTest, KilledWhileRewritingLeavesWholeFile) {
    WriteRec({});
    std::mt19937 rng(12345);
    int kills = 0;
    for (int trial = 0; trial < 50; ++trial) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        pid_t kid = ::fork();
        ASSERT_GE(kid, 0);
        if (kid == 0) {
            ::close(ready[0]);
            if (::write(ready[1], "r", 1) != 1) ::_exit(2);
            for (int i = 1;; ++i) {
                PlayerName = "writer number " + std::to_string(i % 7);
                try {
                    StoreResult(kRecFileName, i);
                } catch (...) {
                    ::_exit(1);
                }
            }
        }
        ::close(ready[1]);
        char b;
        ASSERT_EQ(::read(ready[0], &b, 1), 1);
        ::close(ready[0]);
        ::usleep(std::uniform_int_distribution<int>(0, 20000)(rng));
        ::kill(kid, SIGKILL);
        int code = WaitExit(kid);
        ASSERT_NE(code, 1) << "the writer failed";
        kills += code == 128 + SIGKILL;

        SCOPED_TRACE(trial);
        const std::string bytes = dir.Read(kRecFileName);
        ASSERT_NO_THROW(ReadRecFile(kRecFileName));
        int n = FilledRows(Matr);
        // Whole lines only, ranked, and exactly what the rows say.
        EXPECT_EQ(bytes, [&] {
            std::string s;
            for (int k = 0; k < n; ++k)
                s += Stored({Matr[k].name + "_" + std::to_string(Matr[k].score)});
            return s;
        }());
        for (int k = 1; k < n; ++k)
            EXPECT_GE(Matr[k - 1].score, Matr[k].score);
    }
    EXPECT_GT(kills, 0);
}

TEST_F(FaultsTest, FullDiskKeepsOldFileAndReports) {
    test::Tmpfs fs(64);
    if (!fs.Available()) GTEST_SKIP() << "needs root to mount a tmpfs";
    RecDir = fs.path();
    std::string rows;
    for (int k = 0; k < 19; ++k)
        rows += Stored({"some player " + std::to_string(k) + "_" + std::to_string(1000 - k)});
    {
        std::ofstream(fs.File(kRecFileName), std::ios::binary) << rows;
        RecLock makeLockFile(fs.File(kRecFileName));
    }
    // Fill what is left.
    {
        int fd = ::open(fs.File("filler").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        char one = 'f';
        while (::write(fd, &one, 1) > 0) {
        }
        ::close(fd);
    }
    PlayerName = "winner";
    try {
        StoreResult(kRecFileName, 5000);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find(fs.File(kRecFileName)), std::string::npos) << e.what();
    }
    std::string now;
    ASSERT_TRUE(ReadWholeFile(fs.File(kRecFileName), now));
    EXPECT_EQ(now, rows);
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(fs.path()))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{kRecFileName, kRecFileName + ".lock", "filler"}));
}

TEST_F(FaultsTest, FileSizeLimitKeepsOldFileAndReports) {
    std::string rows;
    for (int k = 0; k < 10; ++k)
        rows += Stored({"p" + std::to_string(k) + "_" + std::to_string(900 - k)});
    dir.Write(kRecFileName, rows);
    pid_t kid = ::fork();
    ASSERT_GE(kid, 0);
    if (kid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit lim{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &lim);
        try {
            StoreResult(kRecFileName, 950);
        } catch (const Exception&) {
            ::_exit(0);
        }
        ::_exit(1);
    }
    EXPECT_EQ(WaitExit(kid), 0) << "the failed write was not reported";
    EXPECT_EQ(dir.Read(kRecFileName), rows);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);  // and the lock
}

}  // namespace
}  // namespace kv
