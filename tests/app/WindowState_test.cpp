// The stored window state: the INI section, the text forms of its values, what a stored section
// asks the window to do, and the file itself.
#include "app/WindowState.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "EnvGuard.h"
#include "HostileFiles.h"
#include "TempDir.h"
#include "Tmpfs.h"
#include "base/Exception.h"

namespace kv {
namespace {

using test::TempDir;

TEST(IniText, ReadsOneSectionWhateverTheCaseLineEndsAndBlanks) {
    const std::string text =
        "[Other]\nNormPos=1,1,1,1\n"
        "[mainform]\r\n"
        "; a comment\r\n"
        "  NormPos = 10,20,30,40 \r\n"
        "no equals sign here\r\n"
        "N4_Checked=False\r\n"
        "[Later]\nN4_Checked=True\n";
    IniSection s = ReadIniSection(text, "MainForm");
    ASSERT_EQ(s.Values().size(), 2u);
    ASSERT_NE(s.Find("normpos"), nullptr);
    EXPECT_EQ(*s.Find("NORMPOS"), "10,20,30,40");
    EXPECT_EQ(*s.Find("N4_Checked"), "False");
    EXPECT_EQ(s.Find("N5_Checked"), nullptr);
    EXPECT_TRUE(ReadIniSection(text, "Missing").Empty());
}

TEST(IniText, ReplacingASectionKeepsTheOthersAndAppendsWhenAbsent) {
    IniSection values;
    values.Set("A", "1");
    values.Set("B", "2");
    values.Set("a", "3");  // the same name: replaced in place
    ASSERT_EQ(values.Values().size(), 2u);

    const std::string text = "[Head]\nx=1\n\n[MainForm]\nOld=9\n[Tail]\ny=2\n";
    const std::string out = ReplaceIniSection(text, "MainForm", values);
    EXPECT_EQ(out, "[Head]\nx=1\n\n[MainForm]\nA=3\nB=2\n[Tail]\ny=2\n");
    EXPECT_EQ(*ReadIniSection(out, "Tail").Find("y"), "2");

    EXPECT_EQ(ReplaceIniSection("", "MainForm", values), "[MainForm]\nA=3\nB=2\n");
    EXPECT_EQ(ReplaceIniSection("[Head]\nx=1\n", "MainForm", values),
              "[Head]\nx=1\n\n[MainForm]\nA=3\nB=2\n");
    // A section given twice (edited by hand) ends up once.
    EXPECT_EQ(ReplaceIniSection("[MainForm]\nA=0\n[MainForm]\nC=1\n", "MainForm", values),
              "[MainForm]\nA=3\nB=2\n");
}

TEST(ValueText, IntegerListsKeepEveryPartThatIsNotANumber) {
    auto parse = [](const char* text) {
        int v[4] = {-5, -6, -7, -8};
        ParseIntList(text, v, 4);
        return std::vector<int>(v, v + 4);
    };
    EXPECT_EQ(parse("10,20,30,40"), (std::vector<int>{10, 20, 30, 40}));
    EXPECT_EQ(parse("abc,60,x,-3"), (std::vector<int>{-5, 60, -7, -3}));
    EXPECT_EQ(parse("1,2"), (std::vector<int>{1, 2, -7, -8}));
    EXPECT_EQ(parse(""), (std::vector<int>{-5, -6, -7, -8}));
    EXPECT_EQ(parse("1,2,3,4,5"), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(parse("99999999999,+5,1.5,2x"), (std::vector<int>{-5, 5, -7, -8}));
    EXPECT_EQ(parse(",,,9"), (std::vector<int>{-5, -6, -7, 9}));

    const int v[4] = {-1, 0, 2147483647, -2147483647 - 1};
    EXPECT_EQ(FormatIntList(v, 4), "-1,0,2147483647,-2147483648");
    EXPECT_FALSE(ParseInt("+-5"));
    EXPECT_FALSE(ParseInt("-"));
}

TEST(ValueText, TrueAndFalseInAnyCaseAndNothingElse) {
    EXPECT_EQ(ParseBool("True"), true);
    EXPECT_EQ(ParseBool("tRUE"), true);
    EXPECT_EQ(ParseBool("FALSE"), false);
    EXPECT_FALSE(ParseBool("yes"));
    EXPECT_FALSE(ParseBool("1"));
    EXPECT_FALSE(ParseBool(""));
    EXPECT_STREQ(FormatBool(true), "True");
    EXPECT_STREQ(FormatBool(false), "False");
}

TEST(ValueText, ShowCommands) {
    for (int cmd : {1, 5, 9, 0, 4, 8, -1, 100})
        EXPECT_EQ(ShowStateFromCmd(cmd), ShowState::Normal) << cmd;
    for (int cmd : {2, 6, 7})
        EXPECT_EQ(ShowStateFromCmd(cmd), ShowState::Minimized) << cmd;
    EXPECT_EQ(ShowStateFromCmd(3), ShowState::Maximized);
    EXPECT_EQ(ShowCmdOf(ShowState::Normal), 1);
    EXPECT_EQ(ShowCmdOf(ShowState::Minimized), 2);
    EXPECT_EQ(ShowCmdOf(ShowState::Maximized), 3);
}

class Interpret : public ::testing::Test {
  protected:
    WindowPlacement current = [] {
        WindowPlacement p;
        p.norm[0] = 300;
        p.norm[1] = 200;
        p.norm[2] = 700;
        p.norm[3] = 650;
        p.pixelsPerInch = 96;
        return p;
    }();
    const std::vector<std::string> items{"N4", "N5"};

    StoredState Of(const std::string& text) {
        return InterpretMainForm(ReadIniSection(text, "MainForm"), current, items);
    }
};

TEST_F(Interpret, AnEmptySectionChangesNothing) {
    StoredState s = Of("");
    EXPECT_FALSE(s.move);
    EXPECT_FALSE(s.show);
    EXPECT_TRUE(s.menu.empty());
}

TEST_F(Interpret, APlacementAppliesOnlyAtTheResolutionItWasStoredAt) {
    StoredState s = Of("[MainForm]\nNormPos=10,20,400,470\nPixelsPerInch=96\nShowCmd=1\n");
    EXPECT_TRUE(s.move);
    EXPECT_EQ(s.left, 10);
    EXPECT_EQ(s.top, 20);
    EXPECT_EQ(s.show, ShowState::Normal);

    s = Of("[MainForm]\nNormPos=10,20,400,470\nPixelsPerInch=120\nN5_Checked=True\n");
    EXPECT_FALSE(s.move);
    ASSERT_EQ(s.menu.size(), 1u);  // the menu values do not depend on the resolution
    EXPECT_EQ(s.menu[0].item, "N5");
    EXPECT_TRUE(s.menu[0].checked);

    // No resolution stored: the current one is assumed; a malformed one is ignored alike.
    EXPECT_TRUE(Of("[MainForm]\nNormPos=10,20,400,470\n").move);
    EXPECT_TRUE(Of("[MainForm]\nNormPos=10,20,400,470\nPixelsPerInch=ninety\n").move);
}

TEST_F(Interpret, MalformedValuesKeepWhatTheWindowHas) {
    StoredState s = Of("[MainForm]\nNormPos=abc,60\nShowCmd=max\nN4_Checked=yes\nN5_Checked=FALSE\n");
    EXPECT_TRUE(s.move);
    EXPECT_EQ(s.left, 300);  // "abc" keeps the current left
    EXPECT_EQ(s.top, 60);
    EXPECT_FALSE(s.show);
    ASSERT_EQ(s.menu.size(), 1u);
    EXPECT_EQ(s.menu[0].item, "N5");
    EXPECT_FALSE(s.menu[0].checked);

    // Only the minimised and maximised positions: found, but the normal corner stays.
    s = Of("[MainForm]\nMinMaxPos=-1,-1,-1,-1\nShowCmd=6\n");
    EXPECT_TRUE(s.move);
    EXPECT_EQ(s.left, 300);
    EXPECT_EQ(s.top, 200);
    EXPECT_EQ(s.show, ShowState::Minimized);
}

TEST(StoreMainForm, WritesEveryValueInItsOrderAndKeepsOthers) {
    WindowPlacement p;
    const int norm[4] = {37, 51, 430, 502};
    std::copy(norm, norm + 4, p.norm);
    p.show = ShowState::Minimized;
    p.pixelsPerInch = 120;
    IniSection s;
    StoreMainForm(s, p, {{"N4", false}, {"N5", true}});
    EXPECT_EQ(ReplaceIniSection("", "MainForm", s),
              "[MainForm]\nFormVersion=0\nFlags=0\nShowCmd=2\nPixelsPerInch=120\nMinMaxPos=-1,-1,-1,-1\n"
              "NormPos=37,51,430,502\nVisible=0\nN4_Checked=False\nN5_Checked=True\n");

    // Read back, the same section asks for the same place.
    p.show = ShowState::Normal;
    StoredState back = InterpretMainForm(s, p, {"N4", "N5"});
    EXPECT_TRUE(back.move);
    EXPECT_EQ(back.left, 37);
    EXPECT_EQ(back.top, 51);

    IniSection existing = ReadIniSection("[MainForm]\nExtra=1\nshowcmd=3\n", "MainForm");
    StoreMainForm(existing, p, {});
    EXPECT_EQ(*existing.Find("Extra"), "1");
    EXPECT_EQ(*existing.Find("ShowCmd"), "1");
    EXPECT_EQ(existing.Values()[1].first, "showcmd");  // replaced where it stood
}

TEST(StoreMainForm, WithoutAPositionKeepsTheStoredPlaceByteForByte) {
    // What a run on Wayland (window at 0,0 as it is told, another resolution) writes.
    WindowPlacement p;
    p.show = ShowState::Maximized;
    p.pixelsPerInch = 144;
    const std::string stored =
        "[MainForm]\nFormVersion=0\nFlags=0\nShowCmd=1\nPixelsPerInch=96\nMinMaxPos=-1,-1,-1,-1\n"
        "NormPos=123,45,516,496\nVisible=0\nN4_Checked=True\n";
    IniSection s = ReadIniSection(stored, "MainForm");
    StoreMainForm(s, p, {{"N4", true}}, false);
    std::string expected = stored;
    expected.replace(expected.find("ShowCmd=1"), 9, "ShowCmd=3");
    EXPECT_EQ(ReplaceIniSection("", "MainForm", s), expected);

    IniSection fresh;
    StoreMainForm(fresh, p, {}, false);
    EXPECT_EQ(fresh.Find("NormPos"), nullptr);
    EXPECT_EQ(fresh.Find("PixelsPerInch"), nullptr);
    EXPECT_FALSE(InterpretMainForm(fresh, p, {}).move);
}

TEST(WindowStatePath, LiesInTheXdgConfigDirectory) {
    test::EnvGuard xdg("XDG_CONFIG_HOME");
    ::setenv("XDG_CONFIG_HOME", "/x/conf/", 1);
    EXPECT_EQ(WindowStatePath(), "/x/conf/software/quorvane/kvelli/storage.ini");
}

TEST(StorageFile, MissingReadsEmptyAndSavingMakesTheDirectories) {
    TempDir dir;
    const std::string path = dir.File("a/b/storage.ini");
    EXPECT_TRUE(LoadSection(path, "MainForm").Empty());

    IniSection s;
    s.Set("NormPos", "1,2,3,4");
    SaveSection(path, "MainForm", s);
    EXPECT_EQ(*LoadSection(path, "MainForm").Find("NormPos"), "1,2,3,4");

    // Other sections of the file survive a save.
    dir.Write("a/b/storage.ini", "[Mine]\nk=v\n[MainForm]\nNormPos=0,0,0,0\n");
    SaveSection(path, "MainForm", s);
    EXPECT_EQ(dir.Read("a/b/storage.ini"), "[Mine]\nk=v\n[MainForm]\nNormPos=1,2,3,4\n");
}

TEST(StorageFile, AFileThatCannotBeReadOrWrittenIsAnErrorAndStaysAsItWas) {
    // A FIFO, a huge file or a directory in its place: an error at once, in normal memory.
    for (test::Hostile kind : test::kHostileFiles) {
        TempDir dir;
        const std::string path = dir.File("storage.ini");
        test::MakeHostile(kind, path);
        test::ExpectPromptAndSmall(kind, path, [&] {
            try {
                LoadSection(path, "MainForm");
                ADD_FAILURE() << "read as a window state";
            } catch (const Exception& e) {
                EXPECT_EQ(std::string(e.what()), "Unable to read " + path);
            }
            EXPECT_THROW(SaveSection(path, "MainForm", IniSection{}), Exception);
        });
        EXPECT_FALSE(std::filesystem::is_regular_file(path) && std::filesystem::file_size(path) < 1024);
    }

    test::Tmpfs fs(64);
    if (!fs.Available()) GTEST_SKIP() << "needs root to mount a tmpfs";
    const std::string path = fs.File("storage.ini");
    IniSection s;
    s.Set("NormPos", "1,2,3,4");
    SaveSection(path, "MainForm", s);
    ASSERT_TRUE(fs.MakeReadOnly());
    s.Set("NormPos", "5,6,7,8");
    try {
        SaveSection(path, "MainForm", s);
        ADD_FAILURE() << "saving on a read-only file system succeeded";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_EQ(*LoadSection(path, "MainForm").Find("NormPos"), "1,2,3,4");
}

}  // namespace
}  // namespace kv
