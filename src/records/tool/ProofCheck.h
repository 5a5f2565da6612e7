#pragma once
// The results server's check of an entry against its proof: the game core replays the proof, and
// only a finished game with exactly the entry's score counts. Also the proofs files of a table
// (the server's own, beside records.rec, and the one a player sends with an upload).
#include <map>
#include <string>
#include <vector>

#include "records/RecFile.h"
#include "records/tool/PgStore.h"

namespace kv::tool {

// Counts of the sent entries that did not enter, and why, for the player and the log.
struct Verdict {
    int unproven = 0, forged = 0, duplicate = 0;
    std::vector<std::string> why;

    // Counts entry as unproven (why: what came instead of its proof); returns false.
    bool Unproven(const RecEntry& entry, const std::string& why);
    // Whether proof proves entry and its game is in no other name's entry of `games` (game id ->
    // name), which then gains it; else counts it as forged or duplicate.
    bool Check(const RecEntry& entry, const std::string& proof, std::map<std::string, std::string>& games);
    // "; kvelli99-verdict unproven=U forged=F duplicate=D", then "; " and each reason.
    std::string Line() const;
};

// The game id of each of the table's entries that has a proof.
std::map<std::string, std::string> GamesOf(const RecTable& table, const StoredProofs& proofs);

// The proofs a player sent (path empty: none came); returns what an entry without a proof there
// is refused for ("no proof", or why the file was no proofs file).
std::string LoadSentProofs(const std::string& path, StoredProofs& proofs);

// The proofs file beside the table file at `table` (none there: no proofs); throws if it is
// damaged, so that a merge does not write over the proofs it could not read.
void LoadTableProofs(const std::string& table, StoredProofs& proofs);
// Rewrites it, atomically, holding only the proofs of scores it is given.
void SaveTableProofs(const std::string& table, const StoredProofs& proofs);

}  // namespace kv::tool
