#pragma once
// The proof of a game: what it takes to play the game again, and nothing else. The seed of the
// deal, the seed the generator was given again wherever a saved game was loaded, and every
// exchange the player made. Replaying it with the game's own rules (Game and MoveSequence, the
// code the window plays) reaches the game's board and score; a score is believed only so.
//
// The text form, every line ending in LF:
//   KV99PROOF 1
//   seed 00000000075bcd15      a segment: 16 lower-case hex digits
//   45 46                      a move: row and column of the first cell, then of the second
//   ...
//   seed 9e3779b97f4a7c15      a later segment: play went on from a loaded game
//   end
// Nothing else is accepted: no blanks besides the one in a move, no CR, nothing after "end".

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Cell.h"
#include "base/Exception.h"
#include "game/UFunc.h"

namespace kv {

// A proof that is not one, or does not replay. The message says why, for a person.
class ProofError : public Exception {
  public:
    using Exception::Exception;
};

struct ProofMove {
    Cell first;
    Cell second;
    bool operator==(const ProofMove&) const = default;
};

// segments[0].seed deals the board; every later segment begins where a saved game was loaded:
// the generator is re-seeded with its seed and play goes on.
struct ProofSegment {
    uint64_t seed = 0;
    std::vector<ProofMove> moves;
    bool operator==(const ProofSegment&) const = default;
};

struct GameProof {
    std::vector<ProofSegment> segments;
    bool operator==(const GameProof&) const = default;
};

// Bounds of a proof, checked by the parser, the writer and the replay alike. A typical game is
// some 50 exchanges and 400 bytes; past these bounds (some hours of play) a game is no longer
// kept as proven. A replay at the bounds costs a few milliseconds.
constexpr size_t kMaxProofBytes = 64 * 1024;
constexpr size_t kMaxProofSegments = 100;
constexpr size_t kMaxProofMoves = 2500;

inline constexpr std::string_view kProofHeader = "KV99PROOF 1";

// The length of FormatProof's text, without making it.
size_t ProofTextSize(const GameProof& proof);
// Whether the proof keeps to the bounds above (it has a segment, and not too many of anything).
bool WithinProofBounds(const GameProof& proof);

// The text form above; throws ProofError for a proof beyond the bounds or with a move that is no
// exchange of two neighbours on the board.
std::string FormatProof(const GameProof& proof);
// Throws ProofError on anything but FormatProof's text.
GameProof ParseProof(std::string_view text);

struct ReplayResult {
    int32_t score = 0;
    int32_t movable = 0;
    bool finished = false;  // no ball has a move: the game is over
    Game::BoardArray board{};
};

// Plays the game again with the game's own rules. Throws ProofError for a move that is no
// exchange of two neighbours on the board, a move after the game ended (no ball had a move), or
// anything beyond the bounds. A refused exchange is accepted and changes nothing.
ReplayResult ReplayProof(const GameProof& proof);

// The game's identity (its deal): 16 lower-case hex digits of segments[0].seed.
std::string ProofGameId(const GameProof& proof);

// Keeps the proof of the game in progress as whoever plays it deals, moves and loads: the one
// place that decides what goes into a proof.
class ProofRecorder {
  public:
    // Deals `game` from a fresh seed; the proof starts with it.
    void Deal(Game& game);
    // The second press of a move, from game.FirstCell to `second`, before its MoveSequence starts.
    // Only exchanges of neighbours are kept, and none once no ball has a move: that exchange is
    // refused and ends the game, so leaving it out loses nothing.
    void Move(const Game& game, Cell second);
    // A saved game was put into `game`: with the proof that replays to it, play goes on from a
    // fresh seed, the proof's next segment; with nullopt the result is unproven. The generator is
    // re-seeded either way.
    void Loaded(Game& game, std::optional<GameProof> proof);
    // nullopt: the result is unproven (loaded without its proof, or past the proof's bounds).
    const std::optional<GameProof>& Proof() const { return proof_; }

  private:
    void Grown();
    std::optional<GameProof> proof_;
};

}  // namespace kv
