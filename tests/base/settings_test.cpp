// The XDG directories and the settings file as one value: where it lies, and its one writer.
#include <gtest/gtest.h>

#include <filesystem>

#include "EnvGuard.h"
#include "HostileFiles.h"
#include "TempDir.h"
#include "base/Exception.h"
#include "base/Settings.h"
#include "base/XdgDirs.h"

namespace kv {
namespace {

using test::EnvGuard;

// Every variable the XDG rules read, restored after the test.
struct XdgEnvironment {
    EnvGuard config{"XDG_CONFIG_HOME"}, data{"XDG_DATA_HOME"}, dirs{"XDG_CONFIG_DIRS"}, home{"HOME"};
};

TEST(XdgDirs, FollowTheXdgRules) {
    XdgEnvironment env;
    ::setenv("HOME", "/home/u", 1);
    ::setenv("XDG_CONFIG_HOME", "/x/conf/", 1);
    ::setenv("XDG_DATA_HOME", "/x/data", 1);
    ::setenv("XDG_CONFIG_DIRS", "/club:relative::/distro/", 1);
    EXPECT_EQ(ConfigHome(), "/x/conf");
    EXPECT_EQ(DataHome(), "/x/data");
    EXPECT_EQ(ConfigDirs(), (std::vector<std::string>{"/club", "/distro"}));
    EXPECT_EQ(SettingsFiles(),
              (std::vector<std::string>{"/x/conf/kvelli99/kvelli99.INI", "/club/kvelli99/kvelli99.INI",
                                        "/distro/kvelli99/kvelli99.INI"}));

    // Relative or empty values are invalid and ignored.
    for (const char* bad : {"relative", ""}) {
        ::setenv("XDG_CONFIG_HOME", bad, 1);
        ::setenv("XDG_DATA_HOME", bad, 1);
        ::setenv("XDG_CONFIG_DIRS", bad, 1);
        EXPECT_EQ(ConfigHome(), "/home/u/.config");
        EXPECT_EQ(DataHome(), "/home/u/.local/share");
        EXPECT_EQ(ConfigDirs(), std::vector<std::string>{"/etc/xdg"});
    }
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsFilePath(), "/home/u/.config/kvelli99/kvelli99.INI");
    EXPECT_EQ(SettingsFileName("/usr/games/kvelli99.exe"), "kvelli99.INI");
    EXPECT_EQ(SettingsFileName("my.game.bin"), "my.game.INI");
}

// A settings file as the program writes it, with what a player or an administrator adds by hand.
const std::string kFullFile =
    "; mine\n[Data]\nName=\" Ann \"\nDirectory=/srv/общие\nMarks=0\nLanguage=en\n\n"
    "[Server]\nHost=ftp.example:2121\nPort=21\nSite=http://example/\n[More]\nName=keep\n";

TEST(Settings, TheOneWriterKeepsEveryKeyByteForByte) {
    XdgEnvironment env;
    test::TempDir dir;
    ::setenv("XDG_CONFIG_HOME", dir.File("user").c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", dir.File("system").c_str(), 1);
    std::filesystem::create_directories(dir.File("user/kvelli99"));
    dir.Write("user/kvelli99/kvelli99.INI", kFullFile);

    Settings s = ReadSettings();
    EXPECT_EQ(s.file, dir.File("user/kvelli99/kvelli99.INI"));
    EXPECT_EQ(s.data.Name, " Ann ");
    EXPECT_EQ(s.data.Directory, "/srv/общие");
    EXPECT_FALSE(FlagOn(s.data.Marks));
    ASSERT_EQ(s.servers.size(), 2u);  // the player's file, then the missing system-wide one
    EXPECT_EQ(s.servers[0].Host, "ftp.example:2121");
    EXPECT_EQ(s.servers[0].Site, "http://example/");
    EXPECT_FALSE(s.servers[1].Host || s.servers[1].Port || s.servers[1].Site);

    // Written back as read: not a byte changes.
    WriteSettings(s.file, s.data);
    EXPECT_EQ(dir.Read("user/kvelli99/kvelli99.INI"), kFullFile);
    // A changed value changes its own line only.
    SetFlag(s.data.Marks, true);
    WriteSettings(s.file, s.data);
    std::string changed = kFullFile;
    changed.replace(changed.find("Marks=0"), 7, "Marks=1");
    EXPECT_EQ(dir.Read("user/kvelli99/kvelli99.INI"), changed);

    // A new file holds the keys that have a value, in the order of kDataKeys. A flag the player
    // never switched on stays out of it.
    SettingsData fresh;
    fresh.Name = "Вася";
    fresh.Directory = "/r";
    SetFlag(fresh.Marks, false);
    WriteSettings(dir.File("new/k.INI"), fresh);
    EXPECT_EQ(dir.Read("new/k.INI"), "[Data]\nName=Вася\nDirectory=/r\n");
    SetFlag(fresh.Marks, true);
    SetFlag(fresh.Marks, false);
    WriteSettings(dir.File("new/k.INI"), fresh);
    EXPECT_EQ(dir.Read("new/k.INI"), "[Data]\nName=Вася\nDirectory=/r\nMarks=0\n");
}

// What can't be read is not replaced: writing it would lose what it holds.
TEST(Settings, AnUnreadableFileIsNeitherReadNorOverwritten) {
    for (test::Hostile kind : test::kHostileFiles) {
        SCOPED_TRACE(test::HostileName(kind));
        test::TempDir dir;
        const std::string path = dir.File("kvelli99.INI");
        test::MakeHostile(kind, path);
        SettingsData data;
        data.Name = "Ann";
        test::ExpectPromptAndSmall(kind, path, [&] {
            EXPECT_FALSE(ReadSettingsData(path).Name);
            try {
                WriteSettings(path, data);
                ADD_FAILURE() << "no error";
            } catch (const Exception& e) {
                EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
            }
        });
        EXPECT_FALSE(std::filesystem::is_regular_file(path) && std::filesystem::file_size(path) < 1024);
    }
}

}  // namespace
}  // namespace kv
