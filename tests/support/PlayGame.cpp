// Plain C++ on the game core alone: also built into tools/play_games, which the capacity
// script runs for its players' proofs.
#include "ProvenGames.h"

#include "game/MoveSequence.h"
#include "game/Proof.h"

namespace kv::test {

PlayedGame PlayGame(uint64_t seed, int maxMoves) {
    Game g;
    g.Seed(seed);  // the recorder's deal then takes `seed` itself
    ProofRecorder recorder;
    recorder.Deal(g);
    for (int n = 0; n < maxMoves; ++n) {
        const auto hint = g.FindHint();
        if (!hint) break;
        g.FirstCell = hint->ball;
        g.FirstChosen = true;
        recorder.Move(g, hint->partner);
        MoveSequence move(g, hint->partner);
        while (!move.Done())
            move.Next();
        g.FirstChosen = false;
    }
    return {FormatProof(*recorder.Proof()), g.Score, !g.FindHint()};
}

}  // namespace kv::test
