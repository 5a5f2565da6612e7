// Proofs of games come from anyone who sends a result. The parser takes exactly the text the
// writer makes and nothing else; what it takes, the replay plays to an answer or refuses with an
// error, the same answer every time, within the bounds.
//
// Input: the proof's text.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "game/Proof.h"

using namespace kv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    GameProof proof;
    try {
        proof = ParseProof(text);
    } catch (const ProofError& e) {
        FUZZ_CHECK(*e.what() != '\0');
        return 0;
    }
    // One text for one proof: what is read is written back byte for byte.
    FUZZ_CHECK(FormatProof(proof) == text);
    FUZZ_CHECK(ProofTextSize(proof) == size);
    FUZZ_CHECK(WithinProofBounds(proof));
    FUZZ_CHECK(text.substr(kProofHeader.size() + 1 + 5, 16) == ProofGameId(proof));

    ReplayResult first;
    try {
        first = ReplayProof(proof);
    } catch (const ProofError& e) {
        FUZZ_CHECK(*e.what() != '\0');
        try {
            ReplayProof(proof);
            FUZZ_CHECK(!"a refused proof replayed the second time");
        } catch (const ProofError&) {
        }
        return 0;
    }
    const ReplayResult again = ReplayProof(proof);
    FUZZ_CHECK(again.score == first.score && again.movable == first.movable &&
               again.finished == first.finished);
    FUZZ_CHECK(std::memcmp(again.board, first.board, sizeof first.board) == 0);
    FUZZ_CHECK(first.finished == (first.movable == 0));
    FUZZ_CHECK(first.movable >= 0 && first.movable <= kBoardSize * kBoardSize);
    // Every new ball is worth 5 points, and a replayed game ends on a settled board of dealt balls.
    FUZZ_CHECK(first.score >= 0 && first.score % 5 == 0);
    for (const auto& row : first.board)
        for (int32_t v : row)
            FUZZ_CHECK(v >= 1 && v <= kColours);
    return 0;
}
