#pragma once
// Whether some bytes are a records table by the format's reading rules, for a table that comes
// from elsewhere (an upload to the results server, a file an administrator looks at). The reader
// itself is lenient: it skips lines without an entry and never reads past line 20, so a damaged
// file loses entries without a word.

#include <cstddef>
#include <string>
#include <string_view>

#include "records/RecFile.h"

namespace kv {

// The longest line: a 15-byte name, "_", and "-2147483648".
constexpr size_t kMaxRecLineBytes = kNameBytes + 1 + 11;
// The largest table: 20 such lines with their CR LF.
constexpr size_t kMaxRecFileBytes = kMatrRows * (kMaxRecLineBytes + 2);

// The number of entries (lines that give one) if `bytes` are a valid table: at most
// kMaxRecFileBytes, every line either empty or name "_" score with a valid score, nothing after
// line 20, the last line ended (a table cut short in a line may still read, with a wrong score).
// Otherwise throws ERecordsError naming the first fault and its line.
int CheckRecBytes(std::string_view bytes);

// CheckRecBytes of a file; throws ERecordsError if it cannot be read, naming the file in every
// message.
int CheckRecFile(const std::string& path);

}  // namespace kv
