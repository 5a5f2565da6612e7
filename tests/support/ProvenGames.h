#pragma once
// Games played through the game core as a player plays them (a ball with a move, then the
// neighbour of its run), each with the proof a verifying results server replays; and a player
// who sends the server a table by hand.
#include <cstdint>
#include <string>
#include <vector>

#include "records/Proofs.h"

namespace kv::test {

struct PlayedGame {
    std::string proof;  // the proof's text
    int32_t score = 0;
    bool finished = false;
};

// Deals from `seed` and plays up to maxMoves moves, or to the end of the game.
PlayedGame PlayGame(uint64_t seed, int maxMoves = 10000);

// With Python's ftplib (send_table.py), to the server at 127.0.0.1:port: fetches records.rec and
// adds `entries` ("name_score", UTF-8) to it (alone: sends only them), stores `proofs` as
// records.prf first (none when empty; the file is written in dir), then the table. The server's
// reply to that last STOR, e.g. "226 Table merged; kvelli99-verdict unproven=1 forged=0
// duplicate=0".
std::string SendTable(int port, const std::string& dir, const ProofTexts& proofs,
                      const std::vector<std::string>& entries, bool alone = false);

}  // namespace kv::test
