#pragma once
// The records tool's changes of a common table, in a file or in the database: merging the tables
// players send (verified: a new entry enters only with a proof that replays to its score) and
// taking an entry out. Each runs under the table's lock or in one transaction, and keeps the
// table's proofs pruned to its entries.
#include <string>
#include <vector>

#include "records/RecFile.h"
#include "records/tool/PgStore.h"

namespace kv::tool {

// Exit codes: what a caller (the server, a script) can tell apart.
constexpr int kOk = 0;
constexpr int kBadInput = 1;  // FILE or FROM is not a valid table, or cannot be read
constexpr int kUsage = 2;
constexpr int kBadTarget = 3;  // INTO or OUT is damaged or cannot be written

// One table to merge, and the proofs file that came with it (empty: none came).
struct Sent {
    std::string table;
    std::string proofs;
};

struct Outcome {
    int status = kOk;
    std::vector<std::string> said;  // one line per FROM (merge), or what was done (remove)
    std::string failure;            // why INTO, OUT or the database failed (status kBadTarget)
};

struct MergeOptions {
    bool intoWinsTies = false;
    // Entries new to the table enter only when their proof replays to a finished game of
    // exactly their score, and that game is not in the table under another name. Each FROM's
    // line then ends in "; kvelli99-verdict unproven=U forged=F duplicate=D" and the reasons.
    bool verify = false;
};

// The file INTO (with its proofs file beside it) and, if page is given, its page.
Outcome MergeFiles(const std::string& into, const std::vector<Sent>& froms, const std::string& page,
                   const MergeOptions& options);
// The database's table, in one transaction.
Outcome MergeStore(PgStore& store, const std::vector<Sent>& froms, const MergeOptions& options);

// Row `row` (as `list` numbers it) out of the file table, its proof out of the proofs file, and
// the page rewritten (if page is given), all under the table's lock.
Outcome RemoveFromFile(const std::string& table, int row, const std::string& page);
// The same in the database; the front ends' watchers follow.
Outcome RemoveFromStore(PgStore& store, int row);

// The table and its page, written under the lock that the game and the tool hold, so that the
// page shows the table it follows.
void Publish(const RecTable& table, const std::string& into, const std::string& page);

}  // namespace kv::tool
