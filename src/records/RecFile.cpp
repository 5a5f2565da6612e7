#include "records/RecFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <limits>

#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "records/Proofs.h"
#include "records/RecLock.h"

namespace kv {

namespace {

[[noreturn]] void FailOpen(const std::string& path, int err) {
    throw ERecordsError("Cannot open file \"" + path + "\": " + std::strerror(err));
}

std::string ReadRecBytes(const std::string& path) {
    std::string bytes;
    errno = 0;
    if (!ReadWholeFile(path, bytes)) FailOpen(path, errno ? errno : EIO);
    return bytes;
}

// Lines 1 to 20 of a file into rows first .. first + 19; a line without an entry leaves its row
// empty. Lines after the 20th are not read.
void ReadRows(std::string_view bytes, std::span<RecEntry> rows) {
    RecLineReader reader(bytes);
    for (auto& row : rows) {
        row = RecEntry{};
        auto line = SplitRecLine(reader.Next());
        if (!line) continue;
        int32_t score = ParseScore(line->score);
        row.name = RowName(line->name);
        row.score = score;
        // A score of 0 gives a row that counts as empty.
        if (score == 0) row.name.clear();
    }
}

// A pass of adjacent exchanges until none happens: equal scores never move past each other.
void RankRows(std::span<RecEntry> rows) {
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (size_t i = 1; i < rows.size(); ++i) {
            if (rows[i].score > rows[i - 1].score) {
                std::swap(rows[i], rows[i - 1]);
                exchanged = true;
            }
        }
    }
}

// After a result entered the table at path: the proofs beside it keep the new entry's proof
// when it is the first of its score (the one a merge keeps), drop the proof of an entry it
// pushed out or took the place of, and hold only the table's scores. No proofs file is made
// while there is no proof to keep.
void StoreProof(std::span<const RecEntry> table, const std::string& path, int32_t score, bool entered,
                const std::optional<std::string>& proof) {
    const std::string proofsPath = ProofsPathFor(path);
    try {
        ProofTexts proofs = ReadProofsKeepingDamaged(proofsPath);
        if (entered && std::count_if(table.begin(), table.end(),
                                     [&](const RecEntry& e) { return e.score == score; }) == 1) {
            if (proof && !proof->empty() && proof->size() <= kProofTextLimit)
                proofs[score] = *proof;
            else
                proofs.erase(score);
        }
        proofs = PruneProofs(proofs, table);
        if (!proofs.empty() || FileExists(proofsPath)) WriteProofs(proofsPath, proofs);
    } catch (const Exception&) {
        // The result is in the table; without its proof it only counts as unproven.
    }
}

}  // namespace

std::string NegateBytes(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        c = static_cast<char>((256 - static_cast<unsigned char>(c)) & 0xFF);
    return out;
}

RecLineReader::RecLineReader(std::string_view bytes) : text_(bytes) {
    auto eof = text_.find('\x1A');
    if (eof != std::string_view::npos) text_ = text_.substr(0, eof);
}

std::string_view RecLineReader::Next() {
    if (pos_ >= text_.size()) return {};
    auto cr = text_.find('\r', pos_);
    std::string_view line;
    if (cr == std::string_view::npos) {
        line = text_.substr(pos_);
        pos_ = text_.size();
    } else {
        line = text_.substr(pos_, cr - pos_);
        pos_ = cr + 1;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    }
    return line;
}

std::optional<RecLine> SplitRecLine(std::string_view storedLine) {
    std::string plain = NegateBytes(storedLine);
    auto sep = plain.find('_');
    if (plain.empty() || sep == std::string::npos) return std::nullopt;
    return RecLine{plain.substr(0, sep), plain.substr(sep + 1)};
}

std::string StorableName(std::string_view cp1251) {
    std::string out(cp1251);
    for (char& c : out) {
        switch (static_cast<unsigned char>(c)) {
            case '_':
                c = '-';
                break;
            case 0xF3:  // у
                c = 'y';
                break;
            case 0xE6:  // ж
                c = static_cast<char>(0xC6);
                break;
            case 0xF6:  // ц
                c = static_cast<char>(0xD6);
                break;
            default:
                break;
        }
    }
    return out;
}

std::string RowName(std::string_view cp1251) {
    std::string name = StorableName(cp1251);
    if (name.size() > kNameBytes) name.resize(kNameBytes);
    return name;
}

int32_t ParseScore(std::string_view text) {
    auto invalid = [&]() -> ERecordsError {
        return ERecordsError("'" + Cp1251ToUtf8(text) + "' is not a valid integer value");
    };
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) throw invalid();
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') throw invalid();
        value = value * 10 + (text[i] - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) throw invalid();
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min())
        throw invalid();
    return static_cast<int32_t>(value);
}

int FilledRows(std::span<const RecEntry> table) {
    int n = 0;
    while (n < static_cast<int>(table.size()) && !table[n].Empty())
        ++n;
    return n;
}

void ReadRecFile(const std::string& path, RecTable& matr) {
    matr.fill(RecEntry{});
    ReadRows(ReadRecBytes(path), matr);
}

void WriteRecFile(std::span<const RecEntry> table, const std::string& path) {
    std::string bytes;
    int rows = std::min(FilledRows(table), kMatrRows);
    for (int k = 0; k < rows; ++k) {
        // Rows hold storable names already; a table built elsewhere can't slip one past either.
        bytes += NegateBytes(StorableName(table[k].name) + "_" + std::to_string(table[k].score));
        bytes += "\r\n";
    }
    WriteFileAtomic(path, bytes);
}

bool DropsBytes(std::string_view bytes) {
    const size_t eot = bytes.find('\x1A');
    if (eot != std::string_view::npos && bytes.find_first_not_of("\x1A\r\n", eot) != std::string_view::npos)
        return true;
    RecLineReader reader(bytes);
    for (int k = 0; k < kMatrRows && !reader.AtEnd(); ++k) {
        const std::string_view line = reader.Next();
        if (line.empty()) continue;
        const auto split = SplitRecLine(line);
        if (!split) return true;
        try {
            if (ParseScore(split->score) == 0) return true;
        } catch (const ERecordsError&) {
            return true;
        }
    }
    while (!reader.AtEnd())
        if (!reader.Next().empty()) return true;
    return false;
}

std::string KeepDamaged(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes) || !DropsBytes(bytes)) return {};
    return KeepCopy(path, bytes);
}

std::string KeepCopy(const std::string& path, std::string_view bytes) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    // Never over an earlier copy: each may hold results the others lack.
    std::string copy = path + ".damaged-" + stamp;
    for (int n = 2; FileExists(copy); ++n)
        copy = path + ".damaged-" + stamp + "-" + std::to_string(n);
    WriteFileAtomic(copy, bytes);
    return copy;
}

void MatrSortir(RecTable& matr) {
    RankRows(matr);
}

void MatrSortInt(MergeTable& matrInt) {
    for (;;) {
        RankRows(matrInt);
        bool emptied = false;
        for (size_t i = 1; i < matrInt.size(); ++i) {
            if (matrInt[i].score != 0 && matrInt[i].score == matrInt[i - 1].score) {
                matrInt[i] = RecEntry{};
                emptied = true;
            }
        }
        if (!emptied) return;
    }
}

MergeTable MergeTables(std::span<const RecEntry> table, std::span<const RecEntry> sent, TiesTo ties) {
    MergeTable all{};
    // The earlier row wins a tie in MatrSortInt: the side that wins goes first.
    auto first = ties == TiesTo::Sent ? sent : table;
    auto second = ties == TiesTo::Sent ? table : sent;
    first = first.first(std::min<size_t>(first.size(), kMatrRows));
    second = second.first(std::min<size_t>(second.size(), kMatrRows));
    std::copy(first.begin(), first.end(), all.begin());
    std::copy(second.begin(), second.end(), all.begin() + kMatrRows);
    MatrSortInt(all);
    return all;
}

void MergeRecFiles(MergeTable& matrInt, const std::string& localPath, const std::string& netPath) {
    // Rows the two files leave unfilled are empty, not what an earlier merge left there.
    matrInt.fill(RecEntry{});
    std::span<RecEntry> all(matrInt);
    ReadRows(ReadRecBytes(localPath), all.first(kMatrRows));
    ReadRows(ReadRecBytes(netPath), all.subspan(kMatrRows));
    // A proof goes out only with the local entry it was kept for: the local file wins ties, so a
    // score of the local table that the merged table holds is that entry.
    ProofTexts proofs;
    try {
        proofs = PruneProofs(ReadProofs(ProofsPathFor(localPath)), all.first(kMatrRows));
    } catch (const EProofsError&) {
        // Unreadable proofs send the entries unproven; the local file stays as it is.
    }
    // The local file is what an upload sends, and wins ties.
    matrInt = MergeTables(all.subspan(kMatrRows), all.first(kMatrRows), TiesTo::Sent);
    KeepDamaged(netPath);
    WriteRecFile(matrInt, netPath);
    WriteProofs(ProofsPathFor(netPath),
                PruneProofs(proofs, std::span<const RecEntry>(matrInt).first(kMatrRows)));
}

void AddResult(RecTable& matr, const std::string& path, const std::string& playerName, int32_t score,
               const std::optional<std::string>& proof) {
    if (score <= 0) return;
    MatrSortir(matr);
    int n = FilledRows(matr);
    RecEntry entry{RowName(Utf8ToCp1251(playerName)), score};
    const bool enters = n < kMatrRows || score >= matr[kMatrRows - 1].score;
    if (n < kMatrRows)
        matr[n] = entry;
    else if (enters)
        matr[kMatrRows - 1] = entry;
    MatrSortir(matr);
    // A records directory needs an existing records file; this never makes one.
    if (!FileExists(path)) FailOpen(path, ENOENT);
    // A file of bytes that gave no entry (line ends changed by an editor, a wrong file copied in)
    // read as a short or empty table: its old contents stay beside it.
    KeepDamaged(path);
    WriteRecFile(matr, path);
    StoreProof(matr, path, score, enters, proof);
}

void StoreResult(RecTable& matr, const std::string& path, const std::string& playerName, int32_t score,
                 const std::optional<std::string>& proof) {
    RecLock lock(path);
    ReadRecFile(path, matr);
    AddResult(matr, path, playerName, score, proof);
}

}  // namespace kv
