// Plain C++ on the game core alone: also built into tools/play_games, which the capacity
// script runs for its players' proofs.
#include "ProvenGames.h"

#include "game/MoveSequence.h"
#include "game/Proof.h"

namespace kv::test {

PlayedGame PlayGame(uint64_t seed, int maxMoves) {
    Game g;
    g.DealBoard(seed);
    GameProof proof{{{seed, {}}}};
    for (int n = 0; n < maxMoves; ++n) {
        const auto hint = g.FindHint();
        if (!hint) break;
        g.FirstCell = hint->ball;
        g.FirstChosen = true;
        MoveSequence move(g, hint->partner);
        while (!move.Done())
            move.Next();
        g.FirstChosen = false;
        proof.segments[0].moves.push_back({hint->ball, hint->partner});
    }
    return {FormatProof(proof), g.Score, !g.FindHint()};
}

}  // namespace kv::test
