#pragma once
// The results exchange without its window: fetch the server's common table, merge the local
// records into it, write the web page from it, and put both back. The records work comes in as
// callables, so that this core needs nothing of the records core.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "net/FtpClient.h"

namespace kv {

// The exchange's files: in the records directory, and their names on the server (in "WWW").
inline const std::string kExchangeRemoteDir = "WWW";
inline const std::string kExchangeRemoteRecords = "records.rec";
// The proofs of the entries an upload sends, stored just before "records.rec".
inline const std::string kExchangeRemoteProofs = "records.prf";
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
    // The file that holds the proofs of the merged copy's entries (the merge writes it); may be
    // empty, and so may its answer: no proofs are sent then.
    std::function<std::string(const std::string& netPath)> proofsOf;
};

// What a verifying results server says of the entries an upload sent and it did not take: no
// proof, a proof that does not play to that score, a game already in the table under another name.
struct ExchangeVerdict {
    uint32_t unproven = 0;
    uint32_t forged = 0;
    uint32_t duplicate = 0;
    uint32_t Refused() const { return unproven + forged + duplicate; }
    bool operator==(const ExchangeVerdict&) const = default;
};

// An upload sends at most a table's 20 entries: a verdict that counts more is no verdict.
inline constexpr uint32_t kVerdictMaxEntries = 20;

// The verdict in the closing reply of "STOR records.rec": the word "kvelli99-verdict" (after a
// blank, or first in a line), one blank, "unproven=U forged=F duplicate=D" (decimal counts without
// leading zeros, 20 at most together), then the line's end, a blank, "." or ";". nullopt for a
// reply without the word (a plain FTP server), and for one that names it twice or breaks the form.
std::optional<ExchangeVerdict> ParseVerdict(std::string_view closingReply);

// The progress texts, which the window shows translated.
inline const std::string kExchangeReading = KV_TRANSLATE_NOOP("kv::Text", "Считывание рекордов ...");
inline const std::string kExchangeWritingRecords = KV_TRANSLATE_NOOP("kv::Text", "Запись рекордов ...");
inline const std::string kExchangeWritingTable = KV_TRANSLATE_NOOP("kv::Text", "Запись таблицы ...");
inline const std::string kExchangeWritten = KV_TRANSLATE_NOOP("kv::Text", "Запись прошла успешно.");

// Logs in, changes to "WWW", downloads "records.rec" into <recDir>/kvelint.rec, merges
// <recDir>/Kvelli99.rec into it, writes <recDir>/table.html, uploads both and deletes the local
// page. `client` gives the client for each step; it may throw to stop the exchange (the window
// closed). Any failure ends the exchange with its error; the caller disconnects either way.
// With `steps.proofsOf`, the proofs file is stored as "records.prf" before "records.rec", without
// a success notification; a server that refuses it with a 5xx reply only keeps no proofs.
// Returns the server's verdict on the upload, if it gave one.
std::optional<ExchangeVerdict> RunResultsExchange(const std::function<TFtpClient&()>& client,
                                                  const std::string& recDir, const ExchangeSteps& steps);

}  // namespace kv
