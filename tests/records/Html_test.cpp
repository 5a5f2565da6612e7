// The web page of a records table.
#include <gtest/gtest.h>

#include "RecordsTestUtil.h"
#include "records/Html.h"

namespace kv {
namespace {

using test::Stored;

std::vector<std::string> PageLines(const std::string& page) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < page.size()) {
        auto end = page.find("\r\n", pos);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF at " << pos;
        if (end == std::string::npos) break;
        lines.push_back(page.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

const std::string kBlueCell =
    R"(<TD VALIGN="CENTER"  ALIGN="CENTER" WIDTH="200" ><FONT SIZE=4 COLOR="BLUE">)";

class HtmlTest : public test::RecordsTest {
  protected:
    std::vector<std::string> Page() {
        std::string page = dir.Read(kHtmlFileName);
        EXPECT_EQ(page.find('\n'), page.find("\r\n") + 1) << "line ends";
        return PageLines(page);
    }
};

TEST_F(HtmlTest, EmptyTableGivesTheFixedPage) {
    dir.Write(kNetRecFileName, "");
    WriteHtmlTable(dir.File(kNetRecFileName));
    auto lines = Page();
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[0], "<HTML>");
    EXPECT_EQ(lines[2], R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=windows-1251">)");
    EXPECT_EQ(lines[6],
              R"(<BODY TEXT="#000000" BGCOLOR="#fff8dc" background="back.gif" bgproperties="fixed">)");
    EXPECT_EQ(lines[10], R"(<TD VALIGN="CENTER"  ALIGN="CENTER" WIDTH="400" HEIGHT="50" COLSPAN=2>)");
    EXPECT_EQ(lines[11], R"(<IMG SRC="tr.gif" alt="Table of Records"  BORDER=0></TD>)");
    EXPECT_EQ(
        lines[14],
        R"(<TD VALIGN="CENTER"  ALIGN="CENTER" WIDTH="200" HEIGHT="40"><IMG SRC="tn.gif" alt="Name"  BORDER=0></TD>)");
    EXPECT_EQ(lines[18], lines[19]);
    EXPECT_EQ(lines[18], R"(<TD VALIGN="CENTER"  ALIGN="CENTER" WIDTH="200" HEIGHT="20">.</TD>)");
    EXPECT_EQ(lines[21], R"(<TR BGCOLOR="RED">)");
    EXPECT_EQ(
        lines[22],
        R"(<TD VALIGN="CENTER"  ALIGN="CENTER" WIDTH="200" ><FONT SIZE=4 COLOR="LIME">YRGO</FONT></TD>)");
    EXPECT_EQ(
        lines[23],
        R"(<TD VALIGN="CENTER"  ALIGN="CENTER" WIDTH="200" ><FONT SIZE=4 COLOR="LIME">6000</FONT></TD>)");
    EXPECT_EQ(lines[24], "</TR>");
    EXPECT_EQ(lines[25], "</TABLE>");
    EXPECT_EQ(lines[26], "</BODY>");
    EXPECT_EQ(lines[27], "</HTML>");
}

TEST_F(HtmlTest, EntriesInFileOrderFourLinesEach) {
    dir.Write(kNetRecFileName, "stale page that is longer than the new one, many lines\r\n");
    dir.Write(kHtmlFileName, std::string(5000, 'x'));
    // Only lines with "_" give rows; a score that is no number is shown as it is; names are not cut.
    dir.Write(kNetRecFileName, Stored({"abc_5", "no separator", "", "xyz_3"}));
    WriteHtmlTable(dir.File(kNetRecFileName));
    auto lines = Page();
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[25], "<TR>");
    EXPECT_EQ(lines[26], kBlueCell + "abc</FONT></TD>");
    EXPECT_EQ(lines[27], kBlueCell + "5</FONT></TD>");
    EXPECT_EQ(lines[28], "</TR>");
    EXPECT_EQ(lines[29], "<TR>");
    EXPECT_EQ(lines[30], kBlueCell + "xyz</FONT></TD>");
    EXPECT_EQ(lines[31], kBlueCell + "3</FONT></TD>");
    EXPECT_EQ(lines[32], "</TR>");
    EXPECT_EQ(lines[33], "</TABLE>");

    dir.Write(kNetRecFileName, Stored({"a very long name of many bytes_lots", "\xC8\xE2\xE0\xED_1_2"}) +
                                   "\x1A" + Stored({"after_1"}));
    WriteHtmlTable(dir.File(kNetRecFileName));
    lines = Page();
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[26], kBlueCell + "a very long name of many bytes</FONT></TD>");
    EXPECT_EQ(lines[27], kBlueCell + "lots</FONT></TD>");
    EXPECT_EQ(lines[30], kBlueCell + "\xC8\xE2\xE0\xED</FONT></TD>");  // Windows-1251 byte for byte
    EXPECT_EQ(lines[31], kBlueCell + "1_2</FONT></TD>");

    // Only the first 20 lines of the file.
    std::string many;
    for (int k = 0; k < 30; ++k)
        many += Stored({"n_" + std::to_string(k)});
    dir.Write(kNetRecFileName, many);
    WriteHtmlTable(dir.File(kNetRecFileName));
    EXPECT_EQ(Page().size(), 28u + 80u);
}

TEST_F(HtmlTest, MarkupInNamesAndScoresIsEscaped) {
    dir.Write(kNetRecFileName, Stored({"<b>\"Tom\" & Co_1<2>", "a&amp;_'"}));
    WriteHtmlTable(dir.File(kNetRecFileName));
    auto lines = Page();
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[26], kBlueCell + "&lt;b&gt;&quot;Tom&quot; &amp; Co</FONT></TD>");
    EXPECT_EQ(lines[27], kBlueCell + "1&lt;2&gt;</FONT></TD>");
    EXPECT_EQ(lines[30], kBlueCell + "a&amp;amp;</FONT></TD>");
    EXPECT_EQ(lines[31], kBlueCell + "'</FONT></TD>");
    EXPECT_EQ(HtmlEscape("plain \xE0\xE1 text"), "plain \xE0\xE1 text");
}

TEST_F(HtmlTest, MissingRecordsFileLeavesOnlyTheFixedHead) {
    dir.Write(kHtmlFileName, std::string(5000, 'x'));
    EXPECT_THROW(WriteHtmlTable(dir.File("none.rec")), ERecordsError);
    EXPECT_EQ(Page().size(), 25u);
    // A records directory that is gone: the page can't be written.
    RecDir = dir.File("gone");
    dir.Write(kNetRecFileName, "");
    EXPECT_THROW(WriteHtmlTable(dir.File(kNetRecFileName)), Exception);
}

}  // namespace
}  // namespace kv
