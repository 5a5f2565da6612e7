// play_games FIRST COUNT DIR: plays the games dealt from seeds FIRST .. FIRST+COUNT-1 to their
// end through the game core, and writes each one's proofs file DIR/SEED.prf, as the game would
// send it with its entry; prints "SEED SCORE" a line. The capacity script's players send these.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ProvenGames.h"
#include "records/Proofs.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: play_games FIRST COUNT DIR\n");
        return 2;
    }
    const uint64_t first = std::strtoull(argv[1], nullptr, 10);
    const long count = std::strtol(argv[2], nullptr, 10);
    try {
        for (long i = 0; i < count; ++i) {
            const uint64_t seed = first + static_cast<uint64_t>(i);
            const auto game = kv::test::PlayGame(seed);
            if (!game.finished || game.score <= 0) continue;
            kv::WriteProofs(std::string(argv[3]) + "/" + std::to_string(seed) + ".prf",
                            {{game.score, game.proof}});
            std::printf("%llu %d\n", static_cast<unsigned long long>(seed), game.score);
        }
    } catch (const kv::Exception& e) {
        std::fprintf(stderr, "play_games: %s\n", e.what());
        return 1;
    }
    return 0;
}
