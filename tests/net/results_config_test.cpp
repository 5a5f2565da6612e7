// Where the results server is: the administrator's file, the player's, the environment, in that
// order of weight from least to most.
#include <gtest/gtest.h>

#include <filesystem>

#include "EnvGuard.h"
#include "TempDir.h"
#include "base/AtomicFile.h"
#include "net/ResultsConfig.h"

namespace kv {
namespace {

struct ConfigPlaces {
    test::TempDir dir;
    test::EnvGuard home{"XDG_CONFIG_HOME"}, dirs{"XDG_CONFIG_DIRS"}, server{kResultsServerVariable},
        site{kResultsSiteVariable};
    ConfigPlaces() {
        ::setenv("XDG_CONFIG_HOME", dir.File("user").c_str(), 1);
        ::setenv("XDG_CONFIG_DIRS", (dir.File("club") + ":relative:" + dir.File("distro")).c_str(), 1);
        ::unsetenv(kResultsServerVariable);
        ::unsetenv(kResultsSiteVariable);
    }
    void Put(const std::string& where, const std::string& text) {
        std::filesystem::create_directories(dir.File(where) + "/kvelli99");
        WriteFileAtomic(dir.File(where) + "/kvelli99/kvelli99.INI", text);
    }
};

// As the program reads it at start-up.
ResultsConfig ReadResultsConfig() {
    return ResultsConfigOf(ReadSettings().servers);
}

TEST(ResultsConfig, FilesAndEnvironmentByWeight) {
    ConfigPlaces places;
    ResultsConfig c = ReadResultsConfig();
    EXPECT_EQ(c.server.host, kDefaultResultsHost);
    EXPECT_EQ(c.server.port, 21);
    EXPECT_EQ(c.site, kDefaultResultsSite);
    EXPECT_EQ(c.tls, TlsMode::Auto);
    EXPECT_EQ(c.tlsFingerprint, "");

    places.Put("distro", "[Server]\nHost=ftp.distro.example\nPort=2121\nSite=http://distro.example/\n");
    places.Put(
        "club",
        "; the club's own server\n[server]\nhost = ftp.club.example\nTls=Required\nTlsFingerprint=ab:cd\n");
    c = ReadResultsConfig();
    EXPECT_EQ(c.server.host, "ftp.club.example");
    EXPECT_EQ(c.server.port, 2121);
    EXPECT_EQ(c.site, "http://distro.example/");
    EXPECT_EQ(c.tls, TlsMode::Required);
    EXPECT_EQ(c.tlsFingerprint, "ab:cd");

    // The player's file is also the game's own settings file; a port out of range is passed over.
    places.Put(
        "user",
        "[Data]\nName=Player\nHost=not.this\n[Server]\nPort=70000\nSite=http://mine.example/\nTls=yes\n");
    c = ReadResultsConfig();
    EXPECT_EQ(c.server.host, "ftp.club.example");
    EXPECT_EQ(c.server.port, 2121);
    EXPECT_EQ(c.site, "http://mine.example/");
    EXPECT_EQ(c.tls, TlsMode::Required);  // a value that is none of the three is passed over
    places.Put("user", "[Server]\nTls=off\n");
    EXPECT_EQ(ReadResultsConfig().tls, TlsMode::Off);
    places.Put("user", "[Server]\nHost=ftp.mine.example:2100\nPort=2200\n");
    c = ReadResultsConfig();
    EXPECT_EQ(c.server.host, "ftp.mine.example");
    EXPECT_EQ(c.server.port, 2100);

    // One run goes elsewhere.
    ::setenv(kResultsServerVariable, "127.0.0.1:2000", 1);
    ::setenv(kResultsSiteVariable, "http://127.0.0.1:9/", 1);
    c = ReadResultsConfig();
    EXPECT_EQ(c.server.host, "127.0.0.1");
    EXPECT_EQ(c.server.port, 2000);
    EXPECT_EQ(c.site, "http://127.0.0.1:9/");
}

}  // namespace
}  // namespace kv
