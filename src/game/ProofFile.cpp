#include "game/ProofFile.h"

#include <unistd.h>

#include <cstring>

#include "base/AtomicFile.h"

namespace kv {

std::string ProofPathOf(const std::string& savPath) {
    return savPath + ".proof";
}

void WriteSavedGameWithProof(const Game& game, const std::optional<GameProof>& proof,
                             const std::string& path) {
    const std::string proofPath = ProofPathOf(path);
    if (!proof) {
        WriteSavedGame(game, path);
        // A proof of the game saved here before would not replay to this one; it goes, so that
        // the two files beside each other belong together.
        ::unlink(proofPath.c_str());
        return;
    }
    auto failed = [&path]() {
        return SaveGameWriteError(path, KV_TRANSLATE_NOOP("kv::Text", "Не удалось записать файл %1."),
                                  {"«" + path + "»"});
    };
    std::string text;
    try {
        text = FormatProof(*proof);
    } catch (const ProofError&) {
        // The recorder keeps its proof within the bounds; one beyond them is not written at all.
        WriteSavedGameWithProof(game, std::nullopt, path);
        return;
    }
    std::string before;
    const bool hadBefore = ReadWholeFile(proofPath, before, kMaxProofBytes);
    try {
        WriteFileAtomic(proofPath, text);
    } catch (const Exception&) {
        throw failed();
    }
    try {
        WriteSavedGame(game, path);
    } catch (const SaveGameWriteError&) {
        // The saved game is as it was: so is its proof, as far as it can be put back.
        try {
            if (hadBefore)
                WriteFileAtomic(proofPath, before);
            else
                ::unlink(proofPath.c_str());
        } catch (const Exception&) {
            ::unlink(proofPath.c_str());
        }
        throw;
    }
}

std::optional<GameProof> ReadMatchingProof(const std::string& savPath, const SavedGame& saved) {
    std::string text;
    if (!ReadWholeFile(ProofPathOf(savPath), text, kMaxProofBytes)) return std::nullopt;
    try {
        GameProof proof = ParseProof(text);
        const ReplayResult r = ReplayProof(proof);
        if (r.score == saved.Score && r.movable == saved.MovableCount &&
            std::memcmp(r.board, saved.Board, sizeof r.board) == 0)
            return proof;
    } catch (const ProofError&) {
    }
    return std::nullopt;
}

}  // namespace kv
