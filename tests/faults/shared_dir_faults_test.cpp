// Four copies of the program on one records directory, entering 400 results as fast as they can:
// the file ends with exactly the best 20, none lost to a race. KV_FAULT_ROUNDS repeats the run
// (scripts/fault-trials.sh runs more rounds).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "RecordsTestUtil.h"
#include "base/AtomicFile.h"
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

}  // namespace
}  // namespace kv
