#pragma once
// A saved game's proof, beside it: "name.sav" keeps its bytes exactly, and "name.sav.proof"
// holds the proof of the game so far. A proof is never trusted: a saved game is proven only
// when its proof replays to exactly its board, score and count of movable balls.

#include <optional>
#include <string>

#include "game/Proof.h"
#include "game/SaveGame.h"

namespace kv {

// "<savPath>.proof".
std::string ProofPathOf(const std::string& savPath);

// Writes the saved game and its proof, both through the atomic writer: the proof first, so that
// a failure of either leaves the save as it was (an earlier proof is put back when the game
// cannot be written) and throws SaveGameWriteError. Without a proof (an unproven game) an earlier
// proof at that name is removed.
void WriteSavedGameWithProof(const Game& game, const std::optional<GameProof>& proof,
                             const std::string& path);

// The proof beside the saved game at `savPath`, when it replays to exactly `saved`; nullopt when
// it is missing, unreadable, not a proof, or the proof of another game. Never throws.
std::optional<GameProof> ReadMatchingProof(const std::string& savPath, const SavedGame& saved);

}  // namespace kv
