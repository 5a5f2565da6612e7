#pragma once
// A random player of the game core, and the check that a proof replays to a game.

#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "game/Proof.h"

namespace kv::test {

struct Press {
    Cell first;
    Cell second;
};

// Mostly a move that makes a run, so that games reach their end; now and then an exchange the
// rules may refuse, or a second press that is no neighbour.
Press RandomPress(const Game& game, std::mt19937& rng);

// The two presses as the window plays them: the recorder is told, the move played out. Returns
// whether the game is over.
bool PlayPress(Game& game, ProofRecorder& recorder, Press press);

// Whether replaying `proof` reaches exactly `game`'s board, score and movable count.
::testing::AssertionResult ReplaysTo(const std::optional<GameProof>& proof, const Game& game);

}  // namespace kv::test
