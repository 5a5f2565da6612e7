#include "records/Html.h"

#include <cerrno>
#include <cstring>

#include "base/AtomicFile.h"
#include "records/RecFile.h"

namespace kv {

namespace {

constexpr const char* kHead[] = {
    "<HTML>",
    "<HEAD>",
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1251\">",
    "<META NAME=\"Generator\" CONTENT=\"Microsoft Word 97\">",
    "<TITLE>Table of records</TITLE>",
    "</HEAD>",
    "<BODY TEXT=\"#000000\" BGCOLOR=\"#fff8dc\" background=\"back.gif\" bgproperties=\"fixed\">",
    "<DL><LINK REL=STYLESHEET TYPE=\"text/css\" HREF=\"styles.css\"></DL>",
    "<TABLE ALIGN=\"CENTER\" BORDER=1 CELLSPACING=0 BORDERCOLOR=\"#0000ff\" CELLPADDING=0 WIDTH=400>",
    "<TR BGCOLOR=\"#6495ed\">",
    "<TD VALIGN=\"CENTER\"  ALIGN=\"CENTER\" WIDTH=\"400\" HEIGHT=\"50\" COLSPAN=2>",
    "<IMG SRC=\"tr.gif\" alt=\"Table of Records\"  BORDER=0></TD>",
    "</TR>",
    "<TR>",
    "<TD VALIGN=\"CENTER\"  ALIGN=\"CENTER\" WIDTH=\"200\" HEIGHT=\"40\"><IMG SRC=\"tn.gif\" alt=\"Name\"  "
    "BORDER=0></TD>",
    "<TD VALIGN=\"CENTER\"  ALIGN=\"CENTER\" WIDTH=\"200\" HEIGHT=\"40\"><IMG SRC=\"ts.gif\" alt=\"Score\"  "
    "BORDER=0></TD>",
    "</TR>",
    "<TR BGCOLOR=\"#6495ed\">",
    "<TD VALIGN=\"CENTER\"  ALIGN=\"CENTER\" WIDTH=\"200\" HEIGHT=\"20\">.</TD>",
    "<TD VALIGN=\"CENTER\"  ALIGN=\"CENTER\" WIDTH=\"200\" HEIGHT=\"20\">.</TD>",
    "</TR>",
    "<TR BGCOLOR=\"RED\">",
    "<TD VALIGN=\"CENTER\"  ALIGN=\"CENTER\" WIDTH=\"200\" ><FONT SIZE=4 COLOR=\"LIME\">YRGO</FONT></TD>",
    "<TD VALIGN=\"CENTER\"  ALIGN=\"CENTER\" WIDTH=\"200\" ><FONT SIZE=4 COLOR=\"LIME\">6000</FONT></TD>",
    "</TR>",
};

constexpr const char* kCellOpen =
    "<TD VALIGN=\"CENTER\"  ALIGN=\"CENTER\" WIDTH=\"200\" ><FONT SIZE=4 COLOR=\"BLUE\">";
constexpr const char* kCellClose = "</FONT></TD>";

void Line(std::string& page, std::string_view text) {
    page += text;
    page += "\r\n";
}

}  // namespace

std::string HtmlEscape(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

void WriteHtmlTable(const std::string& recordsPath, const std::string& pagePath) {
    std::string page;
    for (const char* line : kHead)
        Line(page, line);

    std::string records;
    errno = 0;
    if (!ReadWholeFile(recordsPath, records)) {
        int err = errno ? errno : EIO;
        WriteFileAtomic(pagePath, page);
        throw ERecordsError("Cannot open file \"" + recordsPath + "\": " + std::strerror(err));
    }
    // Names are written whole and scores as the text they are: no line makes the page fail.
    RecLineReader reader(records);
    for (int k = 0; k < kMatrRows; ++k) {
        auto entry = SplitRecLine(reader.Next());
        if (!entry) continue;
        Line(page, "<TR>");
        Line(page, kCellOpen + HtmlEscape(entry->name) + kCellClose);
        Line(page, kCellOpen + HtmlEscape(entry->score) + kCellClose);
        Line(page, "</TR>");
    }
    Line(page, "</TABLE>");
    Line(page, "</BODY>");
    Line(page, "</HTML>");
    WriteFileAtomic(pagePath, page);
}

}  // namespace kv
