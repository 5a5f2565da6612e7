// Proofs files from anywhere (a shared records folder, an upload to the results server): the
// parser either refuses with its own error or gives a set that its writer turns back into
// exactly the same bytes, since the format has one spelling of every set.

#include <string>

#include "FuzzSupport.h"
#include "records/Proofs.h"

using namespace kv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = kv::fuzz::AsText(data, size);
    ProofTexts proofs;
    try {
        proofs = ParseProofs(bytes);
    } catch (const EProofsError&) {
        return 0;
    }
    FUZZ_CHECK(proofs.size() <= kProofsEntryLimit);
    for (const auto& [score, text] : proofs)
        FUZZ_CHECK(score > 0 && !text.empty() && text.size() <= kProofTextLimit);
    FUZZ_CHECK(FormatProofs(proofs) == bytes);
    return 0;
}
