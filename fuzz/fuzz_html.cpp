// The web page made from a records file, the server's table among them: whatever the file holds,
// the page is the fixed head, one escaped row per entry line of the first 20, and the fixed end.
//
// Input: the records file.

#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "records/Html.h"
#include "records/RecFile.h"

using namespace kv;

namespace {

constexpr std::string_view kTail = "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
constexpr std::string_view kCellOpen =
    "<TD VALIGN=\"CENTER\"  ALIGN=\"CENTER\" WIDTH=\"200\" ><FONT SIZE=4 COLOR=\"BLUE\">";
constexpr std::string_view kCellClose = "</FONT></TD>\r\n";

size_t CountLineEnds(std::string_view text) {
    size_t n = 0;
    for (size_t p = text.find("\r\n"); p != std::string_view::npos; p = text.find("\r\n", p + 2))
        ++n;
    return n;
}

// Only these four bytes mean something in the cells; everything else passes as it is.
std::string Escaped(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

// The records of the run that the target works in.
RecordsState st;

std::string PageOf(const std::string& recordsPath) {
    WriteHtmlTable(recordsPath, st.RecPath(kHtmlFileName));
    std::string page;
    FUZZ_CHECK(fuzz::GetFile(st.RecPath(kHtmlFileName), page));
    return page;
}

// The page of an empty table, taken once: its head is the head of every page.
const std::string& Head() {
    static const std::string head = [] {
        st.RecDir = fuzz::ScratchDir();
        const std::string empty = st.RecPath("empty.rec");
        fuzz::PutFile(empty, "");
        std::string page = PageOf(empty);
        FUZZ_CHECK(page.size() > kTail.size() && page.ends_with(kTail));
        page.resize(page.size() - kTail.size());
        FUZZ_CHECK(page.starts_with("<HTML>\r\n"));
        FUZZ_CHECK(CountLineEnds(page) == 25);

        // A records file that cannot be opened leaves the head alone in the page, and fails.
        bool failed = false;
        try {
            WriteHtmlTable(st.RecPath("missing.rec"), st.RecPath(kHtmlFileName));
        } catch (const ERecordsError&) {
            failed = true;
        }
        FUZZ_CHECK(failed);
        std::string alone;
        FUZZ_CHECK(fuzz::GetFile(st.RecPath(kHtmlFileName), alone));
        FUZZ_CHECK(alone == page);
        return page;
    }();
    return head;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    const std::string& head = Head();
    st.RecDir = fuzz::ScratchDir();
    const std::string path = st.RecPath("table.rec");
    fuzz::PutFile(path, bytes);

    // Lines are framed by the records reader; the page must show each entry line whole.
    std::string want = head;
    RecLineReader reader(bytes);
    for (int k = 0; k < kMatrRows; ++k) {
        auto entry = SplitRecLine(reader.Next());
        if (!entry) continue;
        want += "<TR>\r\n";
        want += kCellOpen;
        want += Escaped(entry->name);
        want += kCellClose;
        want += kCellOpen;
        want += Escaped(entry->score);
        want += kCellClose;
        want += "</TR>\r\n";
    }
    want += kTail;

    const std::string page = PageOf(path);
    FUZZ_CHECK(page == want);
    std::string source;
    FUZZ_CHECK(fuzz::GetFile(path, source));
    FUZZ_CHECK(source == bytes);  // the records file is only read
    return 0;
}
