#include "records/tool/Merge.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "base/Cp1251.h"
#include "records/Html.h"
#include "records/RecCheck.h"
#include "records/RecLock.h"
#include "records/tool/ProofCheck.h"

namespace kv::tool {
namespace {

std::string Entries(int n) {
    return std::to_string(n) + (n == 1 ? " entry" : " entries");
}

bool Same(const RecEntry& a, const RecEntry& b) {
    return a.score == b.score && a.name == b.name;
}

bool InTable(const RecTable& table, const RecEntry& row) {
    return std::any_of(table.begin(), table.end(), [&](const auto& b) { return Same(b, row); });
}

// What the table becomes with `sent` merged in: the sent entry wins ties, as in the game (INTO's
// with --ties into).
RecTable Merged(const RecTable& table, const RecTable& sent, bool intoWinsTies) {
    const MergeTable all = MergeTables(table, sent, intoWinsTies ? TiesTo::Table : TiesTo::Sent);
    RecTable out{};
    std::copy(all.begin(), all.begin() + kMatrRows, out.begin());
    return out;
}

// The rows of `sent` that are not dropped, in their order.
RecTable Kept(const RecTable& sent, const std::vector<bool>& dropped) {
    RecTable out{};
    size_t n = 0;
    for (size_t i = 0; i < sent.size(); ++i)
        if (!sent[i].Empty() && !dropped[i]) out[n++] = sent[i];
    return out;
}

// Narrows `sent` to the rows that may enter: those already in the table, and new ones whose proof
// holds. Only rows that would enter are replayed; dropping one may let a lower one in, which is
// then checked in the next pass.
RecTable Verified(const RecTable& table, const StoredProofs& proofs, const RecTable& sent,
                  const StoredProofs& sentProofs, const std::string& proofsWhy, bool intoWinsTies,
                  Verdict& verdict) {
    std::map<std::string, std::string> games = GamesOf(table, proofs);
    std::vector<bool> checked(sent.size()), dropped(sent.size());
    for (bool again = true; again;) {
        again = false;
        const RecTable trial = Merged(table, Kept(sent, dropped), intoWinsTies);
        for (const auto& row : trial) {
            if (row.Empty() || InTable(table, row)) continue;
            size_t i = 0;
            while (i < sent.size() && !(Same(sent[i], row) && !dropped[i]))
                ++i;
            if (i == sent.size() || checked[i]) continue;
            checked[i] = true;
            const auto proof = sentProofs.find(row.score);
            // Without a proof, an entry of a score the table holds is most likely a stale copy
            // of one that another player's equal score took the place of while this player's
            // exchange ran: it stays out, but is not the sender's to be told about.
            const bool stale =
                proof == sentProofs.end() &&
                std::any_of(table.begin(), table.end(), [&](auto& b) { return b.score == row.score; });
            const bool ok = !stale && (proof == sentProofs.end() ? verdict.Unproven(row, proofsWhy)
                                                                 : verdict.Check(row, proof->second, games));
            if (!ok) {
                dropped[i] = true;
                again = true;
            }
        }
    }
    return Kept(sent, dropped);
}

// The proofs of `after`: each row keeps the one it had in the table; a row that came with the
// upload takes the one it was verified with (none when nothing was verified).
StoredProofs ProofsOf(const RecTable& after, const RecTable& before, const StoredProofs& proofs,
                      const StoredProofs& sentProofs, bool verified) {
    StoredProofs out;
    for (const auto& row : after) {
        if (row.Empty()) continue;
        const bool kept = InTable(before, row);
        if (!kept && !verified) continue;
        const auto& from = kept ? proofs : sentProofs;
        const auto p = from.find(row.score);
        if (p != from.end()) out[row.score] = p->second;
    }
    return out;
}

// Each FROM in turn, as the game merges its local file into the server's copy. One line per FROM
// in `said`; a FROM that is no table is skipped and said. Returns kOk or kBadInput, and how many
// FROMs were taken.
int MergeFroms(RecTable& table, StoredProofs& proofs, const std::vector<Sent>& froms,
               const MergeOptions& options, std::vector<std::string>& said, int& taken) {
    int status = kOk;
    taken = 0;
    for (const auto& from : froms) {
        RecTable sent{};
        int received = 0;
        try {
            received = CheckRecFile(from.table);
            ReadRecFile(from.table, sent);
        } catch (const Exception& e) {
            said.push_back(std::string("refused: ") + e.what());
            status = kBadInput;
            continue;
        }
        StoredProofs sentProofs;
        std::string proofsWhy = "no proof";
        Verdict verdict;
        if (options.verify) {
            proofsWhy = LoadSentProofs(from.proofs, sentProofs);
            sent = Verified(table, proofs, sent, sentProofs, proofsWhy, options.intoWinsTies, verdict);
        }
        const RecTable after = Merged(table, sent, options.intoWinsTies);
        int entered = 0;
        for (const auto& row : after)
            if (!row.Empty() && !InTable(table, row)) ++entered;
        proofs = ProofsOf(after, table, proofs, sentProofs, options.verify);
        table = after;
        ++taken;
        said.push_back("received " + Entries(received) + ", " + std::to_string(entered) +
                       " entered the table" + (options.verify ? verdict.Line() : ""));
    }
    return status;
}

std::string PageBeside(const std::string& table) {
    const auto page = std::filesystem::path(table).parent_path() / "table.html";
    std::error_code ec;
    return std::filesystem::is_regular_file(page, ec) ? page.string() : std::string();
}

bool TakeRow(RecTable& table, StoredProofs& proofs, int row, Outcome& o) {
    const int filled = FilledRows(table);
    if (row < 1 || row > filled) {
        o.status = kUsage;
        o.failure = "there is no row " + std::to_string(row) + ": the table has " + Entries(filled) +
                    " (kvelli99-records list shows them)";
        return false;
    }
    const RecEntry gone = table[static_cast<size_t>(row - 1)];
    std::move(table.begin() + row, table.end(), table.begin() + row - 1);
    table.back() = RecEntry{};
    proofs.erase(gone.score);
    o.said.push_back("removed row " + std::to_string(row) + ": " + Cp1251ToUtf8(gone.name) + " " +
                     std::to_string(gone.score));
    return true;
}

}  // namespace

void Publish(const RecTable& table, const std::string& into, const std::string& page) {
    RecLock lock(into);
    WriteRecFile(table, into);
    if (!page.empty()) WriteHtmlTable(into, page);
}

Outcome MergeFiles(const std::string& into, const std::vector<Sent>& froms, const std::string& page,
                   const MergeOptions& options) {
    Outcome o;
    // Held from the read of INTO through the page.
    RecLock lock(into);
    RecTable table{};
    StoredProofs proofs;
    try {
        CheckRecFile(into);
        ReadRecFile(into, table);
        LoadTableProofs(into, proofs);
    } catch (const Exception& e) {
        return {kBadTarget, {}, e.what()};
    }
    const StoredProofs before = proofs;
    int taken = 0;
    o.status = MergeFroms(table, proofs, froms, options, o.said, taken);
    if (taken == 0) return o;
    try {
        // The proofs first: an entry never stands in the table without the proof it entered with.
        if (proofs != before) SaveTableProofs(into, proofs);
        WriteRecFile(table, into);
        if (!page.empty()) WriteHtmlTable(into, page);
    } catch (const Exception& e) {
        o.status = kBadTarget;
        o.failure = e.what();
    }
    return o;
}

Outcome MergeStore(PgStore& store, const std::vector<Sent>& froms, const MergeOptions& options) {
    Outcome o;
    try {
        store.Update([&](RecTable& table, StoredProofs& proofs) {
            const RecTable before = table;
            const StoredProofs proofsBefore = proofs;
            o.said.clear();
            int taken = 0;
            o.status = MergeFroms(table, proofs, froms, options, o.said, taken);
            return table != before || proofs != proofsBefore;
        });
    } catch (const Exception& e) {
        return {kBadTarget, {}, e.what()};
    }
    return o;
}

Outcome RemoveFromFile(const std::string& path, int row, const std::string& page) {
    Outcome o;
    RecLock lock(path);
    RecTable table{};
    StoredProofs proofs;
    try {
        CheckRecFile(path);
        ReadRecFile(path, table);
        LoadTableProofs(path, proofs);
    } catch (const Exception& e) {
        return {kBadInput, {}, e.what()};
    }
    if (!TakeRow(table, proofs, row, o)) return o;
    const std::string out = page.empty() ? PageBeside(path) : page;
    try {
        WriteRecFile(table, path);
        SaveTableProofs(path, proofs);
        if (!out.empty()) {
            WriteHtmlTable(path, out);
            o.said.push_back("the page " + out + " is written again");
        }
    } catch (const Exception& e) {
        return {kBadTarget, o.said, e.what()};
    }
    return o;
}

Outcome RemoveFromStore(PgStore& store, int row) {
    Outcome o;
    try {
        store.Update([&](RecTable& table, StoredProofs& proofs) {
            o = {};
            return TakeRow(table, proofs, row, o);
        });
    } catch (const Exception& e) {
        return {kBadTarget, {}, e.what()};
    }
    if (o.status == kOk) o.said.push_back("the front ends' copies and pages follow within moments");
    return o;
}

}  // namespace kv::tool
