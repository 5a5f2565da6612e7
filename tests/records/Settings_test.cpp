// The player's part of the settings file: its defaults, the records directory of a first start,
// and a round trip that keeps names as typed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "EnvGuard.h"
#include "HostileFiles.h"
#include "RecordsTestUtil.h"
#include "TempDir.h"
#include "Tmpfs.h"
#include "base/Cp1251.h"
#include "base/Exception.h"
#include "base/Ini.h"
#include "records/PlayerSettings.h"
#include "records/RecFile.h"

namespace kv {
namespace {

using test::EnvGuard;

class SettingsFile : public test::RecordsTest {};

// The default records directory is the working directory only where it holds a table; the
// other cases are the first start's, below. These tests keep $XDG_DATA_HOME in a directory of
// their own.
class DataHome {
  public:
    DataHome() { ::setenv("XDG_DATA_HOME", home.File("data").c_str(), 1); }
    std::string RecordsDir() const { return home.File("data/kvelli99"); }
    test::TempDir home;

  private:
    EnvGuard guard_{"XDG_DATA_HOME"};
};

TEST_F(SettingsFile, Defaults) {
    test::TempDir dir;
    DataHome data;
    dir.Write(kRecFileName, "");
    PlayerName = "x";
    RecDir = "y";
    ReadPlayerSettings(dir.File("none.INI"), dir.path());
    EXPECT_EQ(PlayerName, "User");
    EXPECT_EQ(RecDir, dir.path());

    // A key that is present but empty reads as empty; other sections don't count.
    dir.Write("a.INI", "[Other]\nName=Wrong\nDirectory=/wrong\n[Data]\nName=\nDirectory=\n");
    ReadPlayerSettings(dir.File("a.INI"), "/work/dir");
    EXPECT_EQ(PlayerName, "");
    EXPECT_EQ(RecDir, "");

    // Sections and keys regardless of case, Windows line ends, blanks around the key, comments.
    dir.Write("b.INI", "; written on Windows\r\n[data]\r\n  NAME = Петя\r\n");
    ReadPlayerSettings(dir.File("b.INI"), dir.path());
    EXPECT_EQ(PlayerName, "Петя");
    EXPECT_EQ(RecDir, dir.path());

    // A name in Windows-1251 from a file brought over from Windows.
    dir.Write("c.INI", "[Data]\nName=\xCF\xE5\xF2\xFF\nDirectory=/srv/rec\n");
    ReadPlayerSettings(dir.File("c.INI"), "/cwd");
    EXPECT_EQ(PlayerName, "Петя");
    EXPECT_EQ(RecDir, "/srv/rec");

    EXPECT_EQ(CurrentDirectory().front(), '/');
    EXPECT_FALSE(std::filesystem::exists(data.RecordsDir()));
}

// Started from the desktop menu in a fresh home: the working directory is the home, which holds
// no table. The records then live in the data directory, which gets an empty table as an
// installation would have left one, and nowhere else is a table made.
TEST_F(SettingsFile, FirstStartKeepsTheRecordsInTheDataDirectory) {
    test::TempDir home;
    DataHome data;
    ReadPlayerSettings(home.File("none.INI"), home.path());
    EXPECT_EQ(RecDir, data.RecordsDir());
    EXPECT_EQ(data.home.Read("data/kvelli99/" + kRecFileName), "");
    EXPECT_FALSE(home.Exists(kRecFileName));
    struct stat st {};
    ASSERT_EQ(::stat(data.RecordsDir().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    // The first result enters that table, and the next start finds it as it is.
    ReadRecFile(kRecFileName);
    PlayerName = "Первый";
    AddResult(kRecFileName, 120);
    ReadPlayerSettings(home.File("none.INI"), home.path());
    ReadRecFile(kRecFileName);
    EXPECT_EQ(Matr[0], (RecEntry{Utf8ToCp1251("Первый"), 120}));
    EXPECT_EQ(LocalRecordsDirectory(home.path()), data.RecordsDir());

    // A directory the settings name keeps the design's way: no table is made there.
    std::filesystem::create_directories(home.File("share"));
    home.Write("s.INI", "[Data]\nDirectory=" + home.File("share") + "\n");
    ReadPlayerSettings(home.File("s.INI"), home.path());
    EXPECT_EQ(RecDir, home.File("share"));
    EXPECT_FALSE(home.Exists("share/" + kRecFileName));

    // A working directory that holds a table, even one that can't be read, is the player's choice.
    std::filesystem::create_directories(home.File("run"));
    home.Write("run/" + kRecFileName, "");
    EXPECT_EQ(LocalRecordsDirectory(home.File("run")), home.File("run"));
    std::filesystem::create_directories(home.File("dir/" + kRecFileName));
    EXPECT_EQ(LocalRecordsDirectory(home.File("dir")), home.File("dir"));

    // Whatever stands in the data directory under the table's name is left as it is.
    std::filesystem::remove(data.RecordsDir() + "/" + kRecFileName);
    ASSERT_EQ(::mkfifo((data.RecordsDir() + "/" + kRecFileName).c_str(), 0600), 0);
    EXPECT_EQ(LocalRecordsDirectory(home.path()), data.RecordsDir());
    ASSERT_EQ(::stat((data.RecordsDir() + "/" + kRecFileName).c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // A data directory that can't be made leaves the working directory, and its message.
    ::setenv("XDG_DATA_HOME", home.File("s.INI").c_str(), 1);
    EXPECT_EQ(LocalRecordsDirectory(home.path()), home.path());
    // A relative XDG_DATA_HOME is ignored, as the XDG rules say.
    EnvGuard homeVar("HOME");
    ::setenv("XDG_DATA_HOME", "rel", 1);
    ::setenv("HOME", "/home/p", 1);
    EXPECT_EQ(DataDirectory(), "/home/p/.local/share/kvelli99");
}

// A FIFO, a huge file or a directory in the settings file's place: all defaults, at once, and a
// close does not replace it blindly.
TEST_F(SettingsFile, HostileFilesReadAsDefaultsAndAreNotReplaced) {
    for (test::Hostile kind : test::kHostileFiles) {
        test::TempDir dir;
        DataHome data;
        dir.Write(kRecFileName, "");
        const std::string path = dir.File("kvelli99.INI");
        test::MakeHostile(kind, path);
        PlayerName = "x";
        RecDir = "y";
        test::ExpectPromptAndSmall(kind, path, [&] {
            ReadPlayerSettings(path, dir.path());
            EXPECT_THROW(WritePlayerSettings(path), Exception);
        });
        EXPECT_EQ(PlayerName, "User");
        EXPECT_EQ(RecDir, dir.path());
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode) && st.st_size < 1024);
    }
}

TEST_F(SettingsFile, RoundTripKeepsValuesAsTypedAndOtherKeys) {
    test::TempDir dir;
    const std::string path = dir.File("conf/kvelli99/kvelli99.INI");  // directories are made
    DataHome data;
    for (std::string name : {"", " two  blanks ", "\"quoted\"", "a=b;c [d]", "Ёжик 😀", "User"}) {
        SCOPED_TRACE(name);
        PlayerName = name;
        RecDir = "/mnt/share/Рекорды dir";
        WritePlayerSettings(path);
        PlayerName = "changed";
        RecDir = "changed";
        ReadPlayerSettings(path, "/cwd");
        EXPECT_EQ(PlayerName, name);
        EXPECT_EQ(RecDir, "/mnt/share/Рекорды dir");
    }
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("conf/kvelli99").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    // Other sections and keys survive; the keys are rewritten in place.
    dir.Write("k.INI", "[Data]\nName=old\nExtra=1\n\n[More]\nName=keep\n");
    PlayerName = "new";
    RecDir = "/d";
    WritePlayerSettings(dir.File("k.INI"));
    EXPECT_EQ(dir.Read("k.INI"), "[Data]\nName=new\nExtra=1\nDirectory=/d\n\n[More]\nName=keep\n");
    EXPECT_EQ(IniSet("", "Data", "Name", "a\nb"), "[Data]\nName=a b\n");

    // A Windows file sent once more in text mode: CR CR LF ends its lines. The values read
    // without CR, and a rewrite keeps the other keys as they read.
    dir.Write("t.INI", "[Data]\r\r\nName=Vasya\r\r\nDirectory=/srv/records\r\r\n[More]\r\r\nKey=v\r\r");
    ReadPlayerSettings(dir.File("t.INI"), "/cwd");
    EXPECT_EQ(PlayerName, "Vasya");
    EXPECT_EQ(RecDir, "/srv/records");
    WritePlayerSettings(dir.File("t.INI"));
    WritePlayerSettings(dir.File("t.INI"));
    EXPECT_EQ(dir.Read("t.INI"), "[Data]\nName=Vasya\nDirectory=/srv/records\n[More]\nKey=v\n");
}

TEST_F(SettingsFile, UnwritableFileNamesItself) {
    test::TempDir dir;
    dir.Write("file", "");
    const std::string path = dir.File("file/kvelli99.INI");  // under a plain file: no directory
    try {
        WritePlayerSettings(path);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }

    test::Tmpfs fs(64);
    if (!fs.Available()) GTEST_SKIP() << "needs root to mount a tmpfs";
    PlayerName = "before";
    RecDir = "/r";
    WritePlayerSettings(fs.File("s.INI"));
    ASSERT_TRUE(fs.MakeReadOnly());
    PlayerName = "after";
    EXPECT_THROW(WritePlayerSettings(fs.File("s.INI")), Exception);
    ReadPlayerSettings(fs.File("s.INI"), "/cwd");
    EXPECT_EQ(PlayerName, "before");
}

}  // namespace
}  // namespace kv
