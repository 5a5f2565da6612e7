// The settings file: where it lies, its defaults, and a round trip that keeps names as typed.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "EnvGuard.h"
#include "RecordsTestUtil.h"
#include "TempDir.h"
#include "Tmpfs.h"
#include "base/Exception.h"
#include "records/PlayerSettings.h"
#include "records/RecFile.h"

namespace kv {
namespace {

using test::EnvGuard;

class SettingsFile : public test::RecordsTest {};

TEST_F(SettingsFile, NameAndPlace) {
    EXPECT_EQ(SettingsFileName("kvelli99"), "kvelli99.INI");
    EXPECT_EQ(SettingsFileName("/usr/games/kvelli99.exe"), "kvelli99.INI");
    EXPECT_EQ(SettingsFileName("my.game.bin"), "my.game.INI");

    EnvGuard xdg("XDG_CONFIG_HOME"), home("HOME");
    ::setenv("XDG_CONFIG_HOME", "/x/conf", 1);
    EXPECT_EQ(SettingsFilePath(), "/x/conf/kvelli99/kvelli99.INI");
    // A relative XDG_CONFIG_HOME is ignored, as the XDG rules say.
    ::setenv("XDG_CONFIG_HOME", "rel", 1);
    ::setenv("HOME", "/home/p", 1);
    EXPECT_EQ(SettingsFilePath(), "/home/p/.config/kvelli99/kvelli99.INI");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ConfigDirectory(), "/home/p/.config");
}

TEST_F(SettingsFile, Defaults) {
    test::TempDir dir;
    PlayerName = "x";
    RecDir = "y";
    ReadPlayerSettings(dir.File("none.INI"), "/work/dir");
    EXPECT_EQ(PlayerName, "User");
    EXPECT_EQ(RecDir, "/work/dir");

    // A key that is present but empty reads as empty; other sections don't count.
    dir.Write("a.INI", "[Other]\nName=Wrong\nDirectory=/wrong\n[Data]\nName=\nDirectory=\n");
    ReadPlayerSettings(dir.File("a.INI"), "/work/dir");
    EXPECT_EQ(PlayerName, "");
    EXPECT_EQ(RecDir, "");

    // Sections and keys regardless of case, Windows line ends, blanks around the key, comments.
    dir.Write("b.INI", "; written on Windows\r\n[data]\r\n  NAME = Петя\r\n");
    ReadPlayerSettings(dir.File("b.INI"), "/cwd");
    EXPECT_EQ(PlayerName, "Петя");
    EXPECT_EQ(RecDir, "/cwd");

    // A name in Windows-1251 from a file brought over from Windows.
    dir.Write("c.INI", "[Data]\nName=\xCF\xE5\xF2\xFF\nDirectory=/srv/rec\n");
    ReadPlayerSettings(dir.File("c.INI"), "/cwd");
    EXPECT_EQ(PlayerName, "Петя");
    EXPECT_EQ(RecDir, "/srv/rec");

    // A file that can't be read (here: a directory) reads as all defaults.
    ReadPlayerSettings(dir.path(), "/cwd");
    EXPECT_EQ(PlayerName, "User");
    EXPECT_EQ(CurrentDirectory().front(), '/');
}

TEST_F(SettingsFile, RoundTripKeepsValuesAsTypedAndOtherKeys) {
    test::TempDir dir;
    const std::string path = dir.File("conf/kvelli99/kvelli99.INI");  // directories are made
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
