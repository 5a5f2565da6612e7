#pragma once
// The proofs beside a records table: for each entry that a game played with this program put
// there, the text that lets a results server play the game again. "X.rec" keeps them in "X.prf";
// on the server they travel as "records.prf". A proof is opaque here (the game core makes and
// reads it); this file only stores it under its entry's score.
//
// The file, all lines ending in LF alone:
//   Kvelli99 proofs 1
//   <score> <length>          one per entry, scores descending and distinct, each above 0
//   <length bytes of proof>   followed by one LF
// and nothing after the last proof. An empty set is the first line alone.

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "base/Exception.h"
#include "records/RecFile.h"

namespace kv {

// An entry's score (scores in a table are distinct) -> its proof text, opaque here.
using ProofTexts = std::map<int32_t, std::string>;

inline constexpr std::string_view kProofsHeader = "Kvelli99 proofs 1\n";
// A whole game's proof is a few hundred bytes; the game keeps none longer than this (its own
// bound, kMaxProofBytes, which this core cannot see).
inline constexpr size_t kProofTextLimit = 64 * 1024;
inline constexpr size_t kProofsEntryLimit = kMatrRows;
// The longest proofs file: the header and a table's entries at their longest.
inline constexpr size_t kProofsFileLimit = kProofsHeader.size() + kProofsEntryLimit * (kProofTextLimit + 32);
inline const std::string kProofsExtension = ".prf";

// A proofs file that is not one: wrong header, a newer version, a bad entry line, a proof cut
// short or over the limit, scores out of order, bytes after the last proof.
class EProofsError : public Exception {
  public:
    using Exception::Exception;
};

// The proofs file: versioned, strict, bounded. Throws EProofsError for a set that breaks the
// limits (a score of 0 or less, an empty or oversized proof, too many entries).
std::string FormatProofs(const ProofTexts& proofs);
// Throws EProofsError, naming what is wrong and where, for anything FormatProofs would not write.
ProofTexts ParseProofs(std::string_view bytes);

// The proofs file beside a table: "X.rec" -> "X.prf"; a name without ".rec" gains ".prf".
std::string ProofsPathFor(const std::string& tablePath);

// A missing file is an empty set. Read without blocking, a regular file of kProofsFileLimit at most;
// throws EProofsError if it can't be read or parsed.
ProofTexts ReadProofs(const std::string& path);
// Through the one atomic writer: the old file or the new, never a torn one.
void WriteProofs(const std::string& path, const ProofTexts& proofs);

// Only the proofs whose score one of the table's filled rows holds.
ProofTexts PruneProofs(const ProofTexts& proofs, std::span<const RecEntry> table);

// As ReadProofs, but a file that can't be parsed is kept beside itself (KeepCopy) and reads as
// an empty set: a damaged proofs file never stops a result from entering its table.
ProofTexts ReadProofsKeepingDamaged(const std::string& path);

}  // namespace kv
