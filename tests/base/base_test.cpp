// The shared base: atomic rewrites and the Windows-1251 conversion.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

#include "HostileFiles.h"
#include "TempDir.h"
#include "Tmpfs.h"
#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "base/Exception.h"

namespace kv {
namespace {

TEST(AtomicFile, ReplacesWholeAndKeepsMode) {
    test::TempDir dir;
    dir.Write("a.txt", "old contents");
    ::chmod(dir.File("a.txt").c_str(), 0640);
    WriteFileAtomic(dir.File("a.txt"), "new");
    EXPECT_EQ(dir.Read("a.txt"), "new");
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("a.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // Nothing but the target is left in the directory.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(AtomicFile, FailuresLeaveOldFileAndNoTemporary) {
    test::Tmpfs fs(64);
    if (!fs.Available()) GTEST_SKIP() << "needs root to mount a tmpfs";
    const std::string target = fs.File("a.rec");
    WriteFileAtomic(target, std::string(20 * 1024, 'o'));
    // A disk that fills up half-way through the new contents.
    EXPECT_THROW(WriteFileAtomic(target, std::string(60 * 1024, 'n')), Exception);
    std::string now;
    ASSERT_TRUE(ReadWholeFile(target, now));
    EXPECT_EQ(now, std::string(20 * 1024, 'o'));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(fs.path()), {}), 1);
    // A read-only file is not replaced, even by root.
    ::chmod(target.c_str(), 0444);
    EXPECT_THROW(WriteFileAtomic(target, "x"), Exception);
    ::chmod(target.c_str(), 0644);
    // A read-only file system.
    ASSERT_TRUE(fs.MakeReadOnly());
    EXPECT_THROW(WriteFileAtomic(target, "x"), Exception);
    ASSERT_TRUE(ReadWholeFile(target, now));
    EXPECT_EQ(now.size(), 20u * 1024);
}

TEST(AtomicFile, RewriteRemovesOnlyStaleTemporariesOfItsOwnTarget) {
    test::TempDir dir;
    auto age = [&](const std::string& name, long seconds) {
        const timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, dir.File(name).c_str(), times, 0), 0) << name;
    };
    // What killed writers leave, what a live writer is busy with, and look-alikes.
    for (const char* name : {"a.rec.Ab12Cd", "a.rec.zzzzzz", "a.rec.young1", "a.rec.short", "a.rec.Ab12C-",
                             "b.rec.Ab12Cd", "a.rec.Ab12Cd.keep"}) {
        dir.Write(name, "x");
        age(name, std::string(name) == "a.rec.young1" ? 5 : kStaleTemporarySeconds + 60);
    }
    std::filesystem::create_directory(dir.File("a.rec.dir123"));
    WriteFileAtomic(dir.File("a.rec"), "new");
    std::set<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        left.insert(e.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"a.rec", "a.rec.young1", "a.rec.short", "a.rec.Ab12C-",
                                           "b.rec.Ab12Cd", "a.rec.Ab12Cd.keep", "a.rec.dir123"}));
}

TEST(AtomicFile, MissingDirectoryNamesTheFile) {
    try {
        WriteFileAtomic("/nonexistent-dir-kv/x.sav", "1");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent-dir-kv/x.sav"), std::string::npos);
    }
}

TEST(AtomicFile, TemporaryGoesBesideAndNeverReplacesADirectory) {
    EXPECT_EQ(DirOf("a.rec"), ".");
    EXPECT_EQ(DirOf("/a.rec"), "/");
    EXPECT_EQ(DirOf("/x/y/a.rec"), "/x/y");
    test::TempDir dir;
    std::string name;
    const int fd = OpenTemporaryBeside(dir.File("a.rec"), name);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(DirOf(name), dir.path());
    EXPECT_EQ(name.size(), dir.File("a.rec").size() + 7);
    // A program started meanwhile (the results server, a browser) does not inherit it.
    EXPECT_NE(::fcntl(fd, F_GETFD) & FD_CLOEXEC, 0);
    ::close(fd);
    std::filesystem::create_directory(dir.File("d.rec"));
    errno = 0;
    EXPECT_EQ(OpenTemporaryBeside(dir.File("d.rec"), name), -1);
    EXPECT_EQ(errno, EISDIR);
    try {
        WriteFileAtomic(dir.File("d.rec"), "x");
        FAIL() << "a directory was replaced";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("d.rec: " + std::string(std::strerror(EISDIR))),
                  std::string::npos)
            << e.what();
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("d.rec")));
}

// Reads refuse what is not a small regular file, without blocking or reading it whole.
TEST(BoundedRead, OnlySmallRegularFilesAndSaysWhy) {
    test::TempDir dir;
    std::string out = "stale";
    errno = 0;
    EXPECT_FALSE(ReadWholeFile(dir.File("none"), out));
    EXPECT_EQ(errno, ENOENT);
    const std::pair<test::Hostile, int> kinds[] = {
        {test::Hostile::Fifo, EINVAL}, {test::Hostile::Huge, EFBIG}, {test::Hostile::Directory, EISDIR}};
    for (const auto& expected : kinds) {
        const test::Hostile kind = expected.first;
        const int err = expected.second;
        const std::string path = dir.File(test::HostileName(kind));
        test::MakeHostile(kind, path);
        test::ExpectPromptAndSmall(kind, path, [&] {
            errno = 0;
            EXPECT_FALSE(ReadWholeFile(path, out));
            EXPECT_EQ(errno, err);
            EXPECT_TRUE(out.empty());
        });
    }
    // Exactly at the bound is whole; a byte more is too big, or cut where a reader takes a prefix.
    std::string bytes(kReadLimit, 'a');
    bytes[0] = 'b';
    dir.Write("full", bytes);
    ASSERT_TRUE(ReadWholeFile(dir.File("full"), out));
    EXPECT_EQ(out, bytes);
    dir.Write("over", bytes + "c");
    EXPECT_FALSE(ReadWholeFile(dir.File("over"), out));
    bool cut = false;
    ASSERT_TRUE(ReadFilePrefix(dir.File("over"), out, kReadLimit, cut));
    EXPECT_TRUE(cut);
    EXPECT_EQ(out, bytes);
    ASSERT_TRUE(ReadFilePrefix(dir.File("full"), out, 3, cut));
    EXPECT_TRUE(cut);
    EXPECT_EQ(out, "baa");
    // A file whose size the system does not tell (as in /proc) is still read whole.
    ASSERT_TRUE(ReadWholeFile("/proc/self/status", out));
    EXPECT_NE(out.find("Name:"), std::string::npos);
    dir.Write("empty", "");
    ASSERT_TRUE(ReadFilePrefix(dir.File("empty"), out, kReadLimit, cut));
    EXPECT_FALSE(cut);
    EXPECT_TRUE(out.empty());
}

TEST(Cp1251, RoundTripsEveryLetterAndMarksTheRest) {
    std::string all;
    for (int b = 0x20; b < 0x100; ++b)
        if (b != 0x98 && b != 0x7F) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToCp1251("Ёжик"), "\xA8\xE6\xE8\xEA");
    // Characters outside the code page, and broken UTF-8, become "?".
    EXPECT_EQ(Utf8ToCp1251("a\xE2\x82\xACz"), "a\x88z");  // the euro sign is in the code page
    EXPECT_EQ(Utf8ToCp1251("a\xC3\xBCz"), "a?z");         // u with diaeresis is not
    EXPECT_EQ(Utf8ToCp1251("a\xFFz"), "a?z");
    EXPECT_EQ(Utf8ToCp1251("a\xD0"), "a?");
}

}  // namespace
}  // namespace kv

namespace kv {
namespace {

// A message made from a pattern fills each place once, in one pass, and keeps the pattern and
// its arguments for the window to translate.
TEST(Exception, PatternFilledOnceAndKept) {
    EXPECT_EQ(FillPattern("Файл %1: строка %2.", {"a.sav", "7"}), "Файл a.sav: строка 7.");
    EXPECT_EQ(FillPattern("%2 before %1", {"one", "two"}), "two before one");
    // An argument's own "%2" is not filled again; a place without an argument stays as it is.
    EXPECT_EQ(FillPattern("%1 and %2 and %3", {"100%2", "x"}), "100%2 and x and %3");
    EXPECT_EQ(FillPattern("50% of %", {}), "50% of %");
    const Exception e(KV_TRANSLATE_NOOP("kv::Text", "Не удалось записать файл %1."), {"\"/tmp/x\""});
    EXPECT_STREQ(e.what(), "Не удалось записать файл \"/tmp/x\".");
    EXPECT_STREQ(e.Pattern(), "Не удалось записать файл %1.");
    EXPECT_EQ(e.Args(), std::vector<std::string>{"\"/tmp/x\""});
    EXPECT_EQ(Exception("plain").Pattern(), nullptr);
}

}  // namespace
}  // namespace kv
