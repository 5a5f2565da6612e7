#include "records/tool/ProofCheck.h"

#include "base/Cp1251.h"
#include "game/Proof.h"

namespace kv::tool {
namespace {

std::string Named(const RecEntry& entry) {
    return Cp1251ToUtf8(entry.name) + " " + std::to_string(entry.score);
}

std::string OneLine(std::string text) {
    for (auto& c : text)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    return text;
}

}  // namespace

bool Verdict::Unproven(const RecEntry& entry, const std::string& reason) {
    ++unproven;
    why.push_back(Named(entry) + ": " + reason);
    return false;
}

bool Verdict::Check(const RecEntry& entry, const std::string& proof,
                    std::map<std::string, std::string>& games) {
    std::string game;
    try {
        const GameProof parsed = ParseProof(proof);
        const ReplayResult end = ReplayProof(parsed);
        if (!end.finished) {
            ++forged;
            why.push_back(Named(entry) + ": forged: the proof's game is not finished (" +
                          std::to_string(end.score) + " points so far)");
            return false;
        }
        if (end.score != entry.score) {
            ++forged;
            why.push_back(Named(entry) + ": forged: the proof's game ends with " + std::to_string(end.score) +
                          " points");
            return false;
        }
        game = ProofGameId(parsed);
    } catch (const ProofError& e) {
        ++forged;
        why.push_back(Named(entry) + ": forged: " + OneLine(e.what()));
        return false;
    }
    const auto known = games.find(game);
    if (known != games.end() && known->second != entry.name) {
        ++duplicate;
        why.push_back(Named(entry) + ": duplicate: game " + game + " is in the table as " +
                      Cp1251ToUtf8(known->second));
        return false;
    }
    games.emplace(game, entry.name);
    return true;
}

std::string Verdict::Line() const {
    std::string line = "; kvelli99-verdict unproven=" + std::to_string(unproven) +
                       " forged=" + std::to_string(forged) + " duplicate=" + std::to_string(duplicate);
    for (const auto& w : why)
        line += "; " + w;
    return line;
}

std::map<std::string, std::string> GamesOf(const RecTable& table, const StoredProofs& proofs) {
    std::map<std::string, std::string> games;
    for (const auto& row : table) {
        const auto p = row.Empty() ? proofs.end() : proofs.find(row.score);
        if (p == proofs.end()) continue;
        try {
            games.emplace(ProofGameId(ParseProof(p->second)), row.name);
        } catch (const ProofError&) {
            // Only proofs that held were stored; one that no longer parses names no game.
        }
    }
    return games;
}

std::string LoadSentProofs(const std::string& path, StoredProofs& proofs) {
    proofs.clear();
    if (path.empty()) return "no proof";
    try {
        proofs = ReadProofs(path);
    } catch (const Exception& e) {
        return "no proof: records.prf is no proofs file (" + OneLine(e.what()) + ")";
    }
    return "no proof";
}

void LoadTableProofs(const std::string& table, StoredProofs& proofs) {
    proofs = ReadProofs(ProofsPathFor(table));
}

void SaveTableProofs(const std::string& table, const StoredProofs& proofs) {
    WriteProofs(ProofsPathFor(table), proofs);
}

}  // namespace kv::tool
