#include "records/Proofs.h"

#include <cerrno>
#include <cstring>
#include <limits>

#include "base/AtomicFile.h"

namespace kv {

namespace {

[[noreturn]] void Refuse(const std::string& what) {
    throw EProofsError("Not a proofs file: " + what);
}

// A decimal number as FormatProofs writes it: digits only, no leading zero, within `max`.
bool ParseCount(std::string_view text, uint64_t max, uint64_t& value) {
    if (text.empty() || text.size() > 20 || (text.size() > 1 && text[0] == '0')) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
        if (value > max) return false;
    }
    return true;
}

void CheckEntry(int32_t score, const std::string& text) {
    if (score <= 0) throw EProofsError("A proof belongs to a score above 0, not " + std::to_string(score));
    if (text.empty() || text.size() > kProofTextLimit)
        throw EProofsError("The proof of " + std::to_string(score) + " has " + std::to_string(text.size()) +
                           " bytes; a proof has 1 to " + std::to_string(kProofTextLimit));
}

}  // namespace

std::string FormatProofs(const ProofTexts& proofs) {
    if (proofs.size() > kProofsEntryLimit)
        throw EProofsError("A table holds at most " + std::to_string(kProofsEntryLimit) + " proofs, not " +
                           std::to_string(proofs.size()));
    std::string out(kProofsHeader);
    // Highest score first, as the table ranks them.
    for (auto it = proofs.rbegin(); it != proofs.rend(); ++it) {
        CheckEntry(it->first, it->second);
        out += std::to_string(it->first) + " " + std::to_string(it->second.size()) + "\n";
        out += it->second;
        out += '\n';
    }
    return out;
}

ProofTexts ParseProofs(std::string_view bytes) {
    constexpr std::string_view kMagic = "Kvelli99 proofs ";
    if (bytes.substr(0, kMagic.size()) != kMagic) Refuse("it does not begin with \"Kvelli99 proofs\"");
    if (bytes.substr(0, kProofsHeader.size()) != kProofsHeader) {
        const size_t end = bytes.find('\n');
        const std::string_view version =
            bytes.substr(kMagic.size(), std::min<size_t>(end, 32) - kMagic.size());
        Refuse("version \"" + std::string(version) + "\" is not 1 (written by a newer program?)");
    }
    ProofTexts proofs;
    size_t pos = kProofsHeader.size();
    int32_t previous = std::numeric_limits<int32_t>::max();
    bool first = true;
    while (pos < bytes.size()) {
        const std::string where = "entry " + std::to_string(proofs.size() + 1);
        if (proofs.size() == kProofsEntryLimit)
            Refuse("more than " + std::to_string(kProofsEntryLimit) + " entries");
        // "<score> <length>\n", each number as FormatProofs writes it; a line is short.
        const size_t eol = bytes.find('\n', pos);
        if (eol == std::string_view::npos || eol - pos > 32) Refuse(where + ": no line \"<score> <length>\"");
        const std::string_view line = bytes.substr(pos, eol - pos);
        const size_t blank = line.find(' ');
        uint64_t score = 0, length = 0;
        if (blank == std::string_view::npos ||
            !ParseCount(line.substr(0, blank), std::numeric_limits<int32_t>::max(), score) || score == 0 ||
            !ParseCount(line.substr(blank + 1), kProofTextLimit, length) || length == 0)
            Refuse(where + ": \"" + std::string(line) +
                   "\" is not \"<score> <length>\" (score above 0, length 1 to " +
                   std::to_string(kProofTextLimit) + ")");
        if (!first && static_cast<int32_t>(score) >= previous)
            Refuse(where + ": score " + std::to_string(score) + " is not below the one before it");
        pos = eol + 1;
        if (bytes.size() - pos < length + 1 || bytes[pos + length] != '\n')
            Refuse(where + ": the proof of " + std::to_string(score) + " is cut short");
        proofs.emplace(static_cast<int32_t>(score), std::string(bytes.substr(pos, length)));
        pos += length + 1;
        previous = static_cast<int32_t>(score);
        first = false;
    }
    return proofs;
}

std::string ProofsPathFor(const std::string& tablePath) {
    constexpr std::string_view kRec = ".rec";
    if (tablePath.size() > kRec.size() &&
        std::string_view(tablePath).substr(tablePath.size() - kRec.size()) == kRec)
        return tablePath.substr(0, tablePath.size() - kRec.size()) + kProofsExtension;
    return tablePath + kProofsExtension;
}

ProofTexts ReadProofs(const std::string& path) {
    std::string bytes;
    errno = 0;
    if (!ReadWholeFile(path, bytes, kProofsFileLimit)) {
        if (errno == ENOENT) return {};
        throw EProofsError("Cannot open file \"" + path + "\": " + std::strerror(errno ? errno : EIO));
    }
    try {
        return ParseProofs(bytes);
    } catch (const EProofsError& e) {
        throw EProofsError(path + ": " + e.what());
    }
}

void WriteProofs(const std::string& path, const ProofTexts& proofs) {
    WriteFileAtomic(path, FormatProofs(proofs));
}

ProofTexts PruneProofs(const ProofTexts& proofs, std::span<const RecEntry> table) {
    ProofTexts kept;
    const int rows = FilledRows(table);
    for (int k = 0; k < rows; ++k) {
        auto it = proofs.find(table[static_cast<size_t>(k)].score);
        if (it != proofs.end()) kept.insert(*it);
    }
    return kept;
}

ProofTexts ReadProofsKeepingDamaged(const std::string& path) {
    try {
        return ReadProofs(path);
    } catch (const EProofsError&) {
        std::string bytes;
        bool cut = false;
        // What can't be read as proofs is kept as it was, for whoever wants to look at it.
        if (ReadFilePrefix(path, bytes, kProofsFileLimit, cut)) KeepCopy(path, bytes);
        return {};
    }
}

}  // namespace kv
