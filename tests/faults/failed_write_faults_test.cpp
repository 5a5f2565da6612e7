// Every writer of a file that matters, made to fail half-way: by a file-size limit (RLIMIT_FSIZE)
// and by a disk that is full. Each must report an error naming the file, leave the old contents
// as they were, and leave no temporary file behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "NetTestUtil.h"
#include "PyFtpd.h"
#include "TempDir.h"
#include "Tmpfs.h"
#include "app/WindowState.h"
#include "base/AtomicFile.h"
#include "base/Settings.h"
#include "game/ProofFile.h"
#include "game/SaveGame.h"
#include "net/FtpClient.h"
#include "records/Html.h"
#include "records/PlayerSettings.h"
#include "records/Proofs.h"
#include "records/RecFile.h"

namespace kv {
namespace {

// Far below what any writer here produces.
constexpr rlim_t kSizeLimit = 16;

std::string Rows(int first, int rows, const std::string& who) {
    std::string s;
    for (int r = 0; r < rows; ++r)
        s += NegateBytes(who + std::to_string(r) + "_" + std::to_string(first - r)) + "\r\n";
    return s;
}

const std::string kOldRecords = Rows(500, 12, "old player ");
const std::string kDownloaded = Rows(9000, 20, "from the server ");

// A writer: `target` is the file it replaces, `write` runs it in directory `dir` (the old files
// are in place) and must throw.
struct Writer {
    std::string name;
    std::string target;  // relative to the directory
    std::function<void(const std::string& dir)> write;
    std::vector<std::string> extraAllowed{};  // files it may make besides (the records lock)
};

void Put(const std::string& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size())) << path;
    ::close(fd);
}

// The old files every writer finds: a records file, a network records file, a page, a saved
// game, a settings file and a window-state file.
const std::vector<std::pair<std::string, std::string>>& OldFiles() {
    static const std::vector<std::pair<std::string, std::string>> files = {
        {kRecFileName, kOldRecords},
        {kNetRecFileName, Rows(700, 20, "net ")},
        {"local.rec", Rows(800, 20, "better local ")},
        {kHtmlFileName, "<HTML>the page before</HTML>\r\n"},
        {"Kvelli99.prf", FormatProofs({{500, "the proof before"}})},
        {"game.sav", std::string("0\r\n0\r\n") +
                         [] {
                             std::string cells;
                             for (int i = 0; i < kBoardSize * kBoardSize; ++i)
                                 cells += "1\r\n";
                             return cells;
                         }()},
        {"kvelli99.INI", "[Data]\nName=\"Old Name\"\nDirectory=\"/old/dir\"\n"},
        {"storage.ini", "[MainForm]\nNormPos=1,2,3,4\n"},
        {"kvelint-download.rec", Rows(100, 3, "before download ")},
        // A table that an editor damaged: its copy is written before its rewrite.
        {"damaged.rec", Rows(600, 5, "kept ") + "a line that gives no entry\r\n" + Rows(400, 5, "kept too ")},
    };
    return files;
}

std::vector<Writer> Writers(const test::PyFtpd& server) {
    const int port = server.port();
    return {
        {"records (end of game)",
         kRecFileName,
         [](const std::string& dir) {
             RecTable matr{};
             StoreResult(matr, dir + "/" + kRecFileName, "Новый рекордсмен", 999);
         },
         {kRecFileName + ".lock"}},
        {"records (AddResult)", kRecFileName,
         [](const std::string& dir) {
             RecTable matr{};
             ReadRecFile(dir + "/" + kRecFileName, matr);
             AddResult(matr, dir + "/" + kRecFileName, "winner", 998);
         }},
        {"records (copy of a damaged table)", "damaged.rec",
         [](const std::string& dir) {
             RecTable matr{};
             ReadRecFile(dir + "/damaged.rec", matr);
             AddResult(matr, dir + "/damaged.rec", "winner", 997);
         }},
        {"records (merge)", kNetRecFileName,
         [](const std::string& dir) {
             MergeTable matrInt{};
             MergeRecFiles(matrInt, dir + "/local.rec", dir + "/" + kNetRecFileName);
         }},
        {"records page", kHtmlFileName,
         [](const std::string& dir) { WriteHtmlTable(dir + "/" + kRecFileName, dir + "/" + kHtmlFileName); }},
        {"saved game", "game.sav",
         [](const std::string& dir) {
             Game g;
             g.Score = 12345;
             for (int r = 1; r <= kBoardSize; ++r)
                 for (int c = 1; c <= kBoardSize; ++c)
                     g.At(r, c) = (r + c) % kColours + 1;
             WriteSavedGame(g, dir + "/game.sav");
         }},
        {"saved game with its proof", "game.sav",
         [](const std::string& dir) {
             Game g;
             g.Score = 54321;
             WriteSavedGameWithProof(g, GameProof{{ProofSegment{1, {}}}}, dir + "/game.sav");
         }},
        {"proofs file", "Kvelli99.prf",
         [](const std::string& dir) {
             WriteProofs(dir + "/Kvelli99.prf", {{999, std::string(kProofTextLimit, 'p')}});
         }},
        {"settings file", "kvelli99.INI",
         [](const std::string& dir) {
             SettingsData data;
             data.Name = "Another Player With A Long Name";
             data.Directory = "/somewhere/else/entirely";
             WriteSettings(dir + "/kvelli99.INI", data);
         }},
        {"window state", "storage.ini",
         [](const std::string& dir) {
             IniSection s = LoadSection(dir + "/storage.ini", kMainFormSection);
             WindowPlacement p;
             p.norm[2] = 640;
             p.norm[3] = 480;
             StoreMainForm(s, p, {{"N4", true}, {"N5", false}});
             SaveSection(dir + "/storage.ini", kMainFormSection, s);
         }},
        {"FTP download", "kvelint-download.rec",
         [port](const std::string& dir) {
             TFtpClient ftp;
             test::TestPump pump;
             ftp.Host = "127.0.0.1";
             ftp.Port = port;
             ftp.UserID = "kvelli99";
             ftp.Password = "quillon84";
             ftp.Passive = true;
             pump.Install(ftp, std::chrono::seconds(20));
             ftp.Connect();
             ftp.ChangeDirectory("WWW");
             ftp.Download("records.rec", dir + "/kvelint-download.rec");
         }},
    };
}

std::set<std::string> Listing(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.insert(e.path().filename().string());
    return names;
}

class FailedWrite : public ::testing::Test {
  protected:
    void SetUp() override {
        test::PyFtpdOptions options;
        options.binaryByDefault = true;
        options.files = {{"WWW/records.rec", kDownloaded}};
        server = std::make_unique<test::PyFtpd>(options);
    }

    void PutOldFiles(const std::string& dir) {
        for (const auto& [name, bytes] : OldFiles())
            Put(dir + "/" + name, bytes);
    }

    // The error text (empty if the writer did not throw kv::Exception) is checked with the files.
    void ExpectNothingLost(const char* fault, const Writer& w, const std::string& dir,
                           const std::set<std::string>& before, const std::string& error) {
        SCOPED_TRACE(w.name);
        std::printf("failed-write %s, %s: %s\n", fault, w.name.c_str(), error.c_str());
        std::fflush(stdout);
        const std::string target = dir + "/" + w.target;
        EXPECT_NE(error.find(target), std::string::npos) << "the error does not name the file: " << error;
        // The temporary file beside it means nothing to the user.
        const auto temp = error.find(target + ".");
        // (Six letters or digits and no more: a copy kept beside it, ".damaged-…", is no temporary.)
        const size_t end = temp + target.size() + 7;
        EXPECT_FALSE(temp != std::string::npos && error.size() >= end &&
                     std::all_of(error.begin() + static_cast<std::ptrdiff_t>(temp + target.size() + 1),
                                 error.begin() + static_cast<std::ptrdiff_t>(end),
                                 [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }) &&
                     (error.size() == end || std::isalnum(static_cast<unsigned char>(error[end])) == 0))
            << "the error names a temporary file: " << error;
        for (const auto& [name, bytes] : OldFiles()) {
            std::string now;
            EXPECT_TRUE(ReadWholeFile(dir + "/" + name, now)) << name;
            EXPECT_EQ(now, bytes) << name << " changed";
        }
        std::set<std::string> after = Listing(dir);
        for (const auto& extra : w.extraAllowed)
            after.erase(extra);
        EXPECT_EQ(after, before) << "files left behind";
    }

    std::unique_ptr<test::PyFtpd> server;
};

TEST_F(FailedWrite, FileSizeLimitInEveryWriter) {
    for (const Writer& w : Writers(*server)) {
        test::TempDir dir;
        PutOldFiles(dir.path());
        const auto before = Listing(dir.path());
        int pipeFd[2];
        ASSERT_EQ(::pipe(pipeFd), 0);
        pid_t kid = ::fork();
        ASSERT_GE(kid, 0);
        if (kid == 0) {
            ::close(pipeFd[0]);
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit lim{kSizeLimit, kSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &lim);
            std::string out = "no error";
            try {
                w.write(dir.path());
            } catch (const Exception& e) {
                out = std::string("error: ") + e.what();
            } catch (const std::exception& e) {
                out = std::string("not a kv::Exception: ") + e.what();
            }
            if (::write(pipeFd[1], out.data(), out.size()) < 0) ::_exit(2);
            ::_exit(0);
        }
        ::close(pipeFd[1]);
        std::string out;
        char buf[4096];
        for (ssize_t n; (n = ::read(pipeFd[0], buf, sizeof buf)) > 0;)
            out.append(buf, static_cast<size_t>(n));
        ::close(pipeFd[0]);
        int status = 0;
        ::waitpid(kid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << w.name << ": status " << status;
        EXPECT_EQ(out.rfind("error: ", 0), 0u) << w.name << ": " << out;
        ExpectNothingLost("file-size limit", w, dir.path(), before, out);
    }
}

TEST_F(FailedWrite, FullDiskInEveryWriter) {
    for (const Writer& w : Writers(*server)) {
        test::Tmpfs fs(256);
        if (!fs.Available()) GTEST_SKIP() << "needs root to mount a tmpfs";
        PutOldFiles(fs.path());
        {
            // Fill what is left, to the last byte.
            int fd = ::open(fs.File("filler").c_str(), O_WRONLY | O_CREAT, 0644);
            ASSERT_GE(fd, 0);
            std::string block(4096, 'f');
            while (::write(fd, block.data(), block.size()) > 0) {
            }
            while (::write(fd, "f", 1) > 0) {
            }
            ::close(fd);
        }
        const auto before = Listing(fs.path());
        std::string error;
        try {
            w.write(fs.path());
            error = "no error";
        } catch (const Exception& e) {
            error = e.what();
        }
        ExpectNothingLost("full disk", w, fs.path(), before, error);
    }
}

// The writers above are the only ones: whatever else the program writes goes through them.
TEST(FailedWriteScope, NoOtherFileWriterInTheSources) {
    const std::filesystem::path src = std::filesystem::path(KV_SOURCE_DIR) / "src";
    std::set<std::string> writing;
    for (const auto& e : std::filesystem::recursive_directory_iterator(src)) {
        if (!e.is_regular_file() || e.path().extension() != ".cpp") continue;
        std::string text;
        ASSERT_TRUE(ReadWholeFile(e.path().string(), text));
        for (const char* mark :
             {"WriteFileAtomic(", "O_WRONLY", "ofstream", "fopen(", "QSaveFile", "QSettings"})
            if (text.find(mark) != std::string::npos)
                writing.insert(std::filesystem::relative(e.path(), src).string());
    }
    EXPECT_EQ(writing, (std::set<std::string>{
                           "app/WindowState.cpp", "base/AtomicFile.cpp", "base/Settings.cpp",
                           "game/ProofFile.cpp", "game/SaveGame.cpp", "net/SockData.cpp", "records/Html.cpp",
                           "records/PlayerSettings.cpp", "records/Proofs.cpp", "records/RecFile.cpp"}))
        << "a new writer must join the cases above";
}

}  // namespace
}  // namespace kv
