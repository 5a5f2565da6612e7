#pragma once
// The results exchange without its window: fetch the server's common table, merge the local
// records into it, write the web page from it, and put both back. The records work comes in as
// callables, so that this core needs nothing of the records core.

#include <functional>
#include <string>

#include "net/FtpClient.h"

namespace kv {

// The exchange's files: in the records directory, and their names on the server (in "WWW").
inline const std::string kExchangeRemoteDir = "WWW";
inline const std::string kExchangeRemoteRecords = "records.rec";
inline const std::string kExchangeLocalRecords = "Kvelli99.rec";
inline const std::string kExchangeNetRecords = "kvelint.rec";
inline const std::string kExchangePage = "table.html";

struct ExchangeSteps {
    // Merges the local records file into the server table's copy (rewritten in place).
    std::function<void(const std::string& localPath, const std::string& netPath)> merge;
    // Writes the web page at `pagePath` from the merged copy.
    std::function<void(const std::string& netPath, const std::string& pagePath)> writePage;
    // The progress texts (UTF-8) between the transfers; may be empty.
    std::function<void(const std::string& utf8Text)> status;
};

// The progress texts, which the window shows translated.
inline const std::string kExchangeReading = KV_TRANSLATE_NOOP("kv::Text", "Считывание рекордов ...");
inline const std::string kExchangeWritingRecords = KV_TRANSLATE_NOOP("kv::Text", "Запись рекордов ...");
inline const std::string kExchangeWritingTable = KV_TRANSLATE_NOOP("kv::Text", "Запись таблицы ...");
inline const std::string kExchangeWritten = KV_TRANSLATE_NOOP("kv::Text", "Запись прошла успешно.");

// Logs in, changes to "WWW", downloads "records.rec" into <recDir>/kvelint.rec, merges
// <recDir>/Kvelli99.rec into it, writes <recDir>/table.html, uploads both and deletes the local
// page. `client` gives the client for each step; it may throw to stop the exchange (the window
// closed). Any failure ends the exchange with its error; the caller disconnects either way.
void RunResultsExchange(const std::function<TFtpClient&()>& client, const std::string& recDir,
                        const ExchangeSteps& steps);

}  // namespace kv
