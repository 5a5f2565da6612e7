#include "records/RecCheck.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/AtomicFile.h"

namespace kv {

int CheckRecBytes(std::string_view bytes) {
    if (bytes.size() > kMaxRecFileBytes)
        throw ERecordsError("larger than any records table (more than " + std::to_string(kMaxRecFileBytes) +
                            " bytes)");
    RecLineReader reader(bytes);
    int entries = 0;
    // Every line ends with at least one byte, so no file has more lines than bytes, plus the last.
    for (size_t k = 1; k <= bytes.size() + 1; ++k) {
        std::string_view line = reader.Next();
        if (line.empty()) continue;
        const std::string where = "line " + std::to_string(k) + ": ";
        if (k > static_cast<size_t>(kMatrRows))
            throw ERecordsError(where + "a table has at most " + std::to_string(kMatrRows) + " lines");
        auto split = SplitRecLine(line);
        if (!split) throw ERecordsError(where + "no entry (name \"_\" score)");
        try {
            ParseScore(split->score);
        } catch (const ERecordsError& e) {
            throw ERecordsError(where + e.what());
        }
        ++entries;
    }
    // The reader takes a last line without its end, but a table the game writes always has one:
    // without it, the file is cut short, and its last score may be a part of the one sent.
    const std::string_view text = bytes.substr(0, bytes.find('\x1A'));
    if (!text.empty() && text.back() != '\r' && text.back() != '\n') {
        const size_t line = static_cast<size_t>(std::count(text.begin(), text.end(), '\r')) + 1;
        throw ERecordsError("line " + std::to_string(line) + ": no line end, the table is cut short");
    }
    return entries;
}

int CheckRecFile(const std::string& path) {
    // Only a regular file, opened without blocking: a FIFO in the table's place would otherwise
    // hang the reader (and an import, the database's row lock) until a writer came. One byte past
    // the bound is enough to refuse it; a huge file is not read whole.
    std::string bytes;
    bool cut = false;
    if (!ReadFilePrefix(path, bytes, kMaxRecFileBytes + 1, cut)) {
        const int err = errno;
        throw ERecordsError(path + ": cannot be read: " +
                            (err == EINVAL ? std::string("not a regular file") : std::strerror(err)));
    }
    try {
        return CheckRecBytes(bytes);
    } catch (const ERecordsError& e) {
        throw ERecordsError(path + ": " + e.what());
    }
}

}  // namespace kv
