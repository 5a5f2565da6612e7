#pragma once
// The web page of a records table, "table.html" in the records directory, published by the
// results exchange. Windows-1251 bytes, CR LF line ends.

#include <string>
#include <string_view>

namespace kv {

inline const std::string kHtmlFileName = "table.html";

// "&", "<", ">" and the double quote as entities; every other byte as it is.
std::string HtmlEscape(std::string_view bytes);

// Writes the page at pagePath (in the records directory, named kHtmlFileName) from the records
// file at recordsPath, replacing the page of an earlier call. If the records file cannot be opened, the page
// holds only the fixed head and this throws ERecordsError; if the page cannot be written, kv::Exception.
void WriteHtmlTable(const std::string& recordsPath, const std::string& pagePath);

}  // namespace kv
