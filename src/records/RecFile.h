#pragma once
// The records files "Kvelli99.rec", "kvelint.rec" and "records.rec": lines of name "_" score, each
// byte b stored as (256 - b) mod 256, ending in CR LF. Names are Windows-1251 bytes.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/Exception.h"

namespace kv {

constexpr int kMatrRows = 20;
constexpr int kMatrIntRows = 40;
constexpr size_t kNameBytes = 15;

inline const std::string kRecFileName = "Kvelli99.rec";
inline const std::string kNetRecFileName = "kvelint.rec";

// A records file that cannot be read, or a line whose score is no number.
class ERecordsError : public Exception {
  public:
    using Exception::Exception;
};

// One row; score 0 marks an empty row (its name is then empty).
struct RecEntry {
    std::string name;  // 0..15 bytes of Windows-1251
    int32_t score = 0;
    bool Empty() const { return score == 0; }
    bool operator==(const RecEntry&) const = default;
};

// Row k of the tables is index k - 1.
using RecTable = std::array<RecEntry, kMatrRows>;
using MergeTable = std::array<RecEntry, kMatrIntRows>;

// The records of the run, owned by the program and passed to what needs them: the records table,
// the merge table, the player and the records directory.
struct RecordsState {
    RecTable Matr{};
    MergeTable MatrInt{};
    std::string PlayerName = "User";  // UTF-8, as typed
    std::string RecDir;               // a directory path, file system bytes

    // RecDir + "/" + fileName.
    std::string RecPath(const std::string& fileName) const { return RecDir + "/" + fileName; }
};

// Each byte b becomes (256 - b) mod 256; its own inverse.
std::string NegateBytes(std::string_view bytes);

// The lines of a records file: a line ends at CR, and an LF right after that CR belongs to the
// line end. 0x1A or the end of the file ends the whole text; every line after that is empty.
class RecLineReader {
  public:
    explicit RecLineReader(std::string_view bytes);
    // The next line's stored bytes (not yet negated).
    std::string_view Next();
    bool AtEnd() const { return pos_ >= text_.size(); }

  private:
    std::string_view text_;
    size_t pos_ = 0;
};

// A line's plain text split at its first "_"; nullopt for an empty line or one without "_".
struct RecLine {
    std::string name;
    std::string score;
};
std::optional<RecLine> SplitRecLine(std::string_view storedLine);

// Bytes the format cannot carry are replaced by stand-ins that read back, also after a text-mode
// transfer that turns line ends into CR LF or LF:
//   "_"  splits the line                           -> "-"
//   "у"  0xF3, stored as CR, cuts the line         -> Latin "y"
//   "ж"  0xE6, stored as 0x1A, ends the file       -> "Ж" 0xC6
//   "ц"  0xF6, stored as LF, split by text mode    -> "Ц" 0xD6
std::string StorableName(std::string_view cp1251);
// A name as it enters a row: stand-ins, then cut to 15 bytes.
std::string RowName(std::string_view cp1251);

// A score text: optional sign and decimal digits within 32 bits; throws ERecordsError otherwise.
int32_t ParseScore(std::string_view text);

// Number of filled rows: the rows before the first empty one.
int FilledRows(std::span<const RecEntry> table);

// Every records operation takes full paths.

// matr := the entries of the file at path, line k in row k. Throws ERecordsError if the file
// cannot be opened (matr stays empty) or a score is no number (the rows before it are kept).
void ReadRecFile(const std::string& path, RecTable& matr);

// Replaces the file at path, atomically, with the filled leading rows (at most 20).
void WriteRecFile(std::span<const RecEntry> table, const std::string& path);

// Stable bubble sort by descending score (rows equal in score keep their order).
void MatrSortir(RecTable& matr);
// The merge table ranked, each nonzero score once (the earlier row wins).
void MatrSortInt(MergeTable& matrInt);

// Which table's entry stays where both hold the same score.
enum class TiesTo { Table, Sent };
// The one merge of records tables: the best distinct scores of `table` and `sent` (at most 20 rows
// each), ranked as MatrSortInt ranks; of two entries of one score, the `ties` side's stays. The
// whole merge table is returned; its first 20 rows are the merged table.
MergeTable MergeTables(std::span<const RecEntry> table, std::span<const RecEntry> sent, TiesTo ties);

// netPath := the best 20 distinct scores of both files (the local file wins ties), merged in
// matrInt; localPath is not changed. Throws, leaving both files as they were, if either cannot
// be read. The proofs file beside netPath (Proofs.h) is then rewritten with the proofs of the
// local file's entries that the merged table holds: the proofs of what an upload sends anew.
void MergeRecFiles(MergeTable& matrInt, const std::string& localPath, const std::string& netPath);

// Whether reading `bytes` drops any of them: a line that gives no entry (no "_", or a score of
// 0; an empty line holds nothing), lines after the 20th, or text after an end-of-text mark.
bool DropsBytes(std::string_view bytes);

// Before a records file is rewritten: if what it holds now DropsBytes, keeps those contents
// beside it as path + ".damaged-YYYYMMDD-HHMMSS" (a new name each time), written atomically.
// Returns the copy's path, or "" if none was needed. Throws if the copy cannot be written.
std::string KeepDamaged(const std::string& path);
// Keeps `bytes` beside path under such a name, whatever they hold; returns the copy's path.
std::string KeepCopy(const std::string& path, std::string_view bytes);

// Enters `score` under playerName (UTF-8) into matr (which ReadRecFile has just filled from the
// same file) and rewrites the file at path. A score of 0 or less changes nothing. Never creates
// the file: if it has vanished since it was read, this fails.
// `proof`: the game's proof text, none for an unproven game. The proofs file beside path keeps
// it while the entry is the first of its score in the table, and keeps only the proofs of
// entries the table holds. A proofs file that can't be written leaves the result unproven,
// never out of the table.
void AddResult(RecTable& matr, const std::string& path, const std::string& playerName, int32_t score,
               const std::optional<std::string>& proof = std::nullopt);

// The end of a game's read and rewrite, ReadRecFile then AddResult, under the lock of the
// records file, so that two copies of the program on one directory lose no result (nor proof).
void StoreResult(RecTable& matr, const std::string& path, const std::string& playerName, int32_t score,
                 const std::optional<std::string>& proof = std::nullopt);

}  // namespace kv
