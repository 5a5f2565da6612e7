// Every file that matters, rewritten by a process that is killed (SIGKILL) at a random moment:
// afterwards the file holds the contents before the write that was running, or those after it,
// never anything else. A trial lasts a few writes, and a write's fsync can take milliseconds on a
// busy disk: CI runs 200 trials per writer (100 in the sanitizer build, where each fork is slow);
// KV_FAULT_TRIALS sets another count (scripts/fault-trials.sh: 1,000), KV_FAULT_SEED the moments.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "TempDir.h"
#include "app/WindowState.h"
#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "base/Settings.h"
#include "game/SaveGame.h"
#include "records/Html.h"
#include "records/PlayerSettings.h"
#include "records/Proofs.h"
#include "records/RecFile.h"

namespace kv {
namespace {

using test::TempDir;

int EnvInt(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : fallback;
}

int Trials() {
#ifdef KV_SANITIZED
    constexpr int kDefault = 100;
#else
    constexpr int kDefault = 200;
#endif
    return std::max(1, EnvInt("KV_FAULT_TRIALS", kDefault));
}

// A file and a writer of successive versions of it. write(k) turns version k - 1 into version k;
// the versions themselves are found by running the writer once, uninterrupted.
struct Writer {
    std::string name;
    std::string path;
    std::function<void()> prepare;  // puts version 0 (and any input files) in place
    std::function<void(int k)> write;
    // Files it rewrites beside the target, each through the atomic writer too (a table's proofs).
    std::vector<std::string> companions = {};
};

// What the child has done, in memory shared with the parent.
struct Progress {
    std::atomic<int> done{0};            // versions written completely
    std::atomic<long> firstWritesUs{0};  // how long a fresh child took for its first four writes
};

struct Figures {
    int trials = 0;
    int insideWrite = 0;  // killed while a write was running
    int oldContents = 0;
    int newContents = 0;
    int torn = 0;
    int leftTemporaries = 0;  // trials that left a temporary file beside the target
    int writerFailed = 0;
    std::string firstTorn;
};

constexpr int kVersions = 40;

class KilledWriter : public ::testing::Test {
  protected:
    void SetUp() override {
        void* mem =
            ::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
        ASSERT_NE(mem, MAP_FAILED);
        progress_ = new (mem) Progress;
    }
    void TearDown() override { ::munmap(progress_, sizeof(Progress)); }

    std::vector<std::string> DirEntries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path()))
            if (e.is_regular_file()) names.push_back(e.path().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    Figures Run(const Writer& w, int trials) {
        Figures f;
        w.prepare();
        std::vector<std::string> versions(1);
        EXPECT_TRUE(ReadWholeFile(w.path, versions[0])) << w.path;
        auto t0 = std::chrono::steady_clock::now();
        for (int k = 1; k <= kVersions; ++k) {
            w.write(k);
            versions.emplace_back();
            EXPECT_TRUE(ReadWholeFile(w.path, versions.back()));
        }
        auto perWrite = (std::chrono::steady_clock::now() - t0) / kVersions;
        const auto files = [&] {
            w.prepare();
            return DirEntries();
        }();
        // Kills fall anywhere in the first few writes, the very start included, as a child that
        // was just forked makes them: under the sanitizers its first writes are many times
        // slower than here, and kills timed by ours would all come before it began.
        long span = std::chrono::duration_cast<std::chrono::microseconds>(perWrite * 4).count() + 1;
        if (pid_t kid = ::fork(); kid == 0) {
            const auto start = std::chrono::steady_clock::now();
            for (int k = 1; k <= 4; ++k)
                w.write(k);
            progress_->firstWritesUs = std::chrono::duration_cast<std::chrono::microseconds>(
                                           std::chrono::steady_clock::now() - start)
                                           .count();
            ::_exit(0);
        } else if (kid > 0) {
            int status = 0;
            while (::waitpid(kid, &status, 0) < 0 && errno == EINTR) {
            }
            span = std::max(span, progress_->firstWritesUs.load() + 1);
            w.prepare();
        }
        std::uniform_int_distribution<long> delay(0, span);

        for (int trial = 0; trial < trials; ++trial) {
            progress_->done = 0;
            int ready[2];
            if (::pipe(ready) != 0) {
                ADD_FAILURE() << "pipe";
                break;
            }
            pid_t kid = ::fork();
            if (kid < 0) {
                ADD_FAILURE() << "fork";
                break;
            }
            if (kid == 0) {
                ::close(ready[0]);
                if (::write(ready[1], "r", 1) != 1) ::_exit(2);
                try {
                    for (int k = 1; k <= kVersions; ++k) {
                        w.write(k);
                        progress_->done = k;
                    }
                } catch (...) {
                    ::_exit(3);
                }
                for (;;)
                    ::pause();
            }
            ::close(ready[1]);
            char b;
            bool started = ::read(ready[0], &b, 1) == 1;
            ::close(ready[0]);
            if (started) ::usleep(static_cast<useconds_t>(delay(rng_)));
            ::kill(kid, SIGKILL);
            int status = 0;
            while (::waitpid(kid, &status, 0) < 0 && errno == EINTR) {
            }
            ++f.trials;
            if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL) {
                ++f.writerFailed;
                w.prepare();
                continue;
            }
            const int done = progress_->done;
            if (done < kVersions) ++f.insideWrite;
            std::string now;
            bool read = ReadWholeFile(w.path, now);
            if (read && now == versions[done]) {
                ++f.oldContents;
            } else if (read && done < kVersions && now == versions[done + 1]) {
                ++f.newContents;
            } else {
                if (f.torn++ == 0)
                    f.firstTorn = "after " + std::to_string(done) + " writes: " +
                                  (read ? std::to_string(now.size()) + " bytes" : std::string("unreadable"));
            }
            // A temporary file is the target's name and six more characters; nothing else may appear.
            bool temporary = false;
            for (const auto& name : DirEntries()) {
                if (std::binary_search(files.begin(), files.end(), name)) continue;
                auto temporaryOf = [&name](const std::string& target) {
                    return name.size() == target.size() + 7 &&
                           name.compare(0, target.size() + 1, target + ".") == 0;
                };
                if (temporaryOf(w.path) ||
                    std::any_of(w.companions.begin(), w.companions.end(), temporaryOf)) {
                    temporary = true;
                    std::filesystem::remove(name);
                } else {
                    ADD_FAILURE() << "unexpected file " << name;
                    std::filesystem::remove(name);
                }
            }
            f.leftTemporaries += temporary;
            w.prepare();
        }
        std::printf(
            "killed-writer %s: trials %d, killed inside a write %d, old contents %d, new contents %d, "
            "torn %d, temporary file left %d\n",
            w.name.c_str(), f.trials, f.insideWrite, f.oldContents, f.newContents, f.torn, f.leftTemporaries);
        std::fflush(stdout);
        return f;
    }

    void ExpectWhole(const Writer& w) {
        Figures f = Run(w, Trials());
        EXPECT_EQ(f.writerFailed, 0) << "the writer failed on its own";
        EXPECT_EQ(f.torn, 0) << "torn " << f.firstTorn;
        EXPECT_EQ(f.oldContents + f.newContents, f.trials - f.writerFailed);
        // The moments must fall inside the writes, or the trials prove nothing.
        EXPECT_GE(f.insideWrite * 2, f.trials) << "most kills came after the last write";
    }

    TempDir dir;
    Progress* progress_ = nullptr;
    std::mt19937 rng_{static_cast<unsigned>(EnvInt("KV_FAULT_SEED", 99))};
};

// A records file's bytes, as the writer makes them.
std::string RecordsOf(int firstScore, int rows, const std::string& who) {
    std::string bytes;
    for (int r = 0; r < rows; ++r)
        bytes +=
            NegateBytes(Utf8ToCp1251(who + std::to_string(r)) + "_" + std::to_string(firstScore - r * 3)) +
            "\r\n";
    return bytes;
}

// Puts a file in place for a trial; no need to make it durable.
void Put(const std::string& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}

// Input files, made once.
void PutOnce(const std::string& path, const std::string& bytes) {
    if (!FileExists(path)) Put(path, bytes);
}

TEST_F(KilledWriter, RecordsFileOfAGamesEnd) {
    const std::string path = dir.File(kRecFileName);
    ExpectWhole({"records-end-of-game", path, [&] { Put(path, RecordsOf(900, 14, "игрок ")); },
                 [&](int k) {
                     RecTable matr{};
                     StoreResult(matr, path, "Участник номер " + std::to_string(k % 9), 800 + 11 * k);
                 }});
}

TEST_F(KilledWriter, NetworkRecordsFileOfAMerge) {
    const std::string net = dir.File(kNetRecFileName);
    ExpectWhole({"records-merge",
                 net,
                 [&] {
                     Put(net, RecordsOf(500, 20, "net "));
                     for (int k = 1; k <= kVersions; ++k)
                         PutOnce(dir.File("local" + std::to_string(k) + ".rec"),
                                 RecordsOf(500 + 7 * k, 6, "l" + std::to_string(k) + "-"));
                 },
                 [&](int k) {
                     MergeTable matrInt{};
                     MergeRecFiles(matrInt, dir.File("local" + std::to_string(k) + ".rec"), net);
                 },
                 {ProofsPathFor(net)}});
}

TEST_F(KilledWriter, RecordsPage) {
    const std::string page = dir.File(kHtmlFileName);
    ExpectWhole({"records-page", page,
                 [&] {
                     Put(page, "<HTML>an earlier page</HTML>\r\n");
                     for (int k = 1; k <= kVersions; ++k)
                         PutOnce(dir.File("t" + std::to_string(k) + ".rec"),
                                 RecordsOf(100 * k, 1 + k % 20, "<b>&" + std::to_string(k)));
                 },
                 [&](int k) { WriteHtmlTable(dir.File("t" + std::to_string(k) + ".rec"), page); }});
}

TEST_F(KilledWriter, SavedGame) {
    const std::string path = dir.File("game.sav");
    auto game = [](int k) {
        Game g;
        for (int r = 1; r <= kBoardSize; ++r)
            for (int c = 1; c <= kBoardSize; ++c)
                g.At(r, c) = (r * k + c) % kColours + 1;
        g.Score = 5 * k * k;
        g.MovableCount = k % 30;
        return g;
    };
    ExpectWhole({"saved-game", path, [&] { WriteSavedGame(game(0), path); },
                 [&](int k) { WriteSavedGame(game(k), path); }});
}

TEST_F(KilledWriter, SettingsFile) {
    const std::string path = dir.File("config/kvelli99/kvelli99.INI");
    ExpectWhole({"settings", path,
                 [&] {
                     std::filesystem::create_directories(dir.File("config/kvelli99"));
                     Put(path, "[Mine]\nkeep=this\n\n[Data]\nName=\"first\"\nDirectory=\"/r\"\n");
                 },
                 [&](int k) {
                     SettingsData data;
                     data.Name = "Игрок " + std::to_string(k) + std::string(k, '*');
                     data.Directory = "/srv/общие рекорды/" + std::to_string(k);
                     WriteSettings(path, data);
                 }});
}

TEST_F(KilledWriter, WindowStateFile) {
    const std::string path = dir.File("config/software/quorvane/kvelli/storage.ini");
    ExpectWhole({"window-state", path,
                 [&] {
                     std::filesystem::create_directories(dir.File("config/software/quorvane/kvelli"));
                     Put(path, "[Other]\nx=1\n[MainForm]\nNormPos=0,0,10,10\n");
                 },
                 [&](int k) {
                     WindowPlacement p;
                     p.norm[0] = k;
                     p.norm[1] = 2 * k;
                     p.norm[2] = 400 + k;
                     p.norm[3] = 300 + 3 * k;
                     p.show = k % 2 ? ShowState::Normal : ShowState::Maximized;
                     IniSection s = LoadSection(path, kMainFormSection);
                     StoreMainForm(s, p, {{"N4", k % 2 == 0}, {"N5", k % 3 == 0}});
                     SaveSection(path, kMainFormSection, s);
                 }});
}

// The proof has teeth: a writer that rewrites the file in place is caught leaving torn files.
TEST_F(KilledWriter, TrialsCatchAnInPlaceWriter) {
    const std::string path = dir.File("inplace.rec");
    auto bytes = [](int k) { return RecordsOf(1000 + k, 20, "in place " + std::to_string(k) + " "); };
    Writer w{"in-place", path, [&] { Put(path, bytes(0)); },
             [&](int k) {
                 const std::string b = bytes(k);
                 int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
                 ASSERT_GE(fd, 0);
                 ::fsync(fd);  // the truncation reaches the disk first, as it may in any order
                 for (size_t at = 0; at < b.size(); at += 16)
                     ASSERT_GT(::write(fd, b.data() + at, std::min<size_t>(16, b.size() - at)), 0);
                 ::close(fd);
             }};
    Figures f = Run(w, std::min(Trials(), 50));
    EXPECT_GT(f.torn, 0);
}

}  // namespace
}  // namespace kv
