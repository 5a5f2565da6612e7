// Records files from anywhere (a shared directory, the results server): the line reader, the read
// of a records file, its rewrite, and the merge of two files.
//
// Input: the local records file, then optionally the separator "\n--net--\n" and the server's
// table; without a separator the server's table is an empty file.
//
// An input that begins with "\x01fifo\n", "\x01dir\n" or "\x01huge\n" puts in the local file's
// place what a player's machine may hold instead: a FIFO, a directory, or the rest of the input
// made a sparse file past the read limit. Its read and its merges must fail at once, touching
// nothing.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "base/AtomicFile.h"
#include "records/RecFile.h"

using namespace kv;
using kv::fuzz::AsText;

namespace {

constexpr std::string_view kSeparator = "\n--net--\n";

// The score rule read straight off the format: an optional sign, then decimal digits, within 32 bits.
std::optional<int32_t> ScoreOf(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size()) return std::nullopt;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        v = v * 10 + (text[i] - '0');
        if (v > int64_t{1} << 32) return std::nullopt;
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

// What a read of these bytes must give: 20 positional rows, or the rows before a bad score and a
// failure.
struct Expected {
    std::vector<RecEntry> rows;  // always 20
    bool fails = false;
};

Expected ExpectRows(std::string_view bytes) {
    Expected e;
    e.rows.assign(kMatrRows, RecEntry{});
    RecLineReader reader(bytes);
    for (int k = 0; k < kMatrRows; ++k) {
        auto line = SplitRecLine(reader.Next());
        if (!line) continue;
        auto score = ScoreOf(line->score);
        if (!score) {
            e.fails = true;
            return e;
        }
        if (*score != 0) e.rows[k] = RecEntry{RowName(line->name), *score};
    }
    return e;
}

// The reader hands out views into the text: each line lies after the previous one, holds no CR
// and no 0x1A, and is followed by CR, CR LF or the end of the text.
void CheckLineReader(std::string_view bytes) {
    const size_t textEnd = std::min(bytes.find('\x1A'), bytes.size());
    RecLineReader reader(bytes);
    size_t from = 0;  // where the next line must begin
    // Every line takes at least one byte of the text, so this many calls reach its end.
    for (size_t k = 0; k <= textEnd + 2; ++k) {
        std::string_view line = reader.Next();
        if (from >= textEnd) {
            FUZZ_CHECK(line.empty());
            continue;
        }
        if (!line.empty()) FUZZ_CHECK(line.data() == bytes.data() + from);
        FUZZ_CHECK(line.find('\r') == std::string_view::npos);
        FUZZ_CHECK(line.find('\x1A') == std::string_view::npos);
        size_t after = from + line.size();
        FUZZ_CHECK(after <= textEnd);
        if (after < textEnd) {
            FUZZ_CHECK(bytes[after] == '\r');
            ++after;
            if (after < textEnd && bytes[after] == '\n') ++after;
        }
        from = after;

        auto split = SplitRecLine(line);
        const std::string plain = NegateBytes(line);
        FUZZ_CHECK(NegateBytes(plain) == line);
        if (split) {
            FUZZ_CHECK(split->name.find('_') == std::string::npos);
            FUZZ_CHECK(split->name + "_" + split->score == plain);
        } else {
            FUZZ_CHECK(plain.find('_') == std::string::npos);
        }
    }
    FUZZ_CHECK(from >= textEnd);
}

// Rows as the format can hold them: names of at most 15 storable bytes, empty rows nameless.
void CheckRows(std::span<const RecEntry> rows) {
    for (const auto& row : rows) {
        FUZZ_CHECK(row.name.size() <= kNameBytes);
        FUZZ_CHECK(row.name == StorableName(row.name));
        if (row.Empty()) FUZZ_CHECK(row.name.empty());
    }
}

// The records of the run that the target works in.
RecordsState st;

// Reads st.RecDir/fileName; nullopt if the read failed as it must.
std::optional<RecTable> ReadChecked(const std::string& fileName, std::string_view bytes) {
    const Expected want = ExpectRows(bytes);
    bool failed = false;
    try {
        ReadRecFile(st.RecPath(fileName), st.Matr);
    } catch (const ERecordsError&) {
        failed = true;
    }
    FUZZ_CHECK(failed == want.fails);
    CheckRows(st.Matr);
    FUZZ_CHECK(std::equal(st.Matr.begin(), st.Matr.end(), want.rows.begin(), want.rows.end()));
    if (failed) return std::nullopt;
    return st.Matr;
}

// The filled leading rows.
std::vector<RecEntry> Leading(std::span<const RecEntry> rows) {
    return {rows.begin(), rows.begin() + FilledRows(rows)};
}

// The merge of two tables, worked out plainly: every nonzero score once (the earlier row wins),
// best first. Empty rows rank between the positive and the negative scores, so negative ones
// are kept only when no row at all is empty.
std::vector<RecEntry> ExpectMerge(const RecTable& local, const RecTable& net) {
    std::vector<RecEntry> all(local.begin(), local.end());
    all.insert(all.end(), net.begin(), net.end());
    std::vector<RecEntry> distinct;
    bool anyEmpty = false;
    for (const auto& row : all) {
        if (row.Empty()) {
            anyEmpty = true;
            continue;
        }
        bool seen = std::any_of(distinct.begin(), distinct.end(),
                                [&](const RecEntry& d) { return d.score == row.score; });
        if (seen)
            anyEmpty = true;  // the repeat is emptied
        else
            distinct.push_back(row);
    }
    std::stable_sort(distinct.begin(), distinct.end(),
                     [](const RecEntry& a, const RecEntry& b) { return a.score > b.score; });
    if (anyEmpty)
        distinct.erase(
            std::remove_if(distinct.begin(), distinct.end(), [](const RecEntry& r) { return r.score < 0; }),
            distinct.end());
    return distinct;
}

void CheckRoundTrip(const RecTable& table) {
    const std::string path = st.RecPath("round.rec");
    WriteRecFile(table, path);
    std::string written;
    FUZZ_CHECK(fuzz::GetFile(path, written));
    const auto leading = Leading(table);
    size_t lineEnds = 0;
    for (size_t p = written.find("\r\n"); p != std::string::npos; p = written.find("\r\n", p + 2))
        ++lineEnds;
    FUZZ_CHECK(lineEnds == leading.size());
    auto back = ReadChecked("round.rec", written);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(Leading(*back) == leading);
    FUZZ_CHECK(FilledRows(*back) == static_cast<int>(leading.size()));
}

// The hostile kinds of the header comment; false if the input asks for none.
bool CheckHostileLocalFile(std::string_view input) {
    std::string_view kind;
    for (std::string_view k : {"fifo", "dir", "huge"})
        if (input.size() > k.size() + 1 && input[0] == '\x01' && input.substr(1, k.size()) == k &&
            input[k.size() + 1] == '\n')
            kind = k;
    if (kind.empty()) return false;
    const std::string_view rest = input.substr(kind.size() + 2);
    st.RecDir = fuzz::ScratchDir();
    const std::string localPath = st.RecPath(kRecFileName), netPath = st.RecPath(kNetRecFileName);
    ::unlink(localPath.c_str());
    if (kind == "fifo") FUZZ_CHECK(::mkfifo(localPath.c_str(), 0600) == 0);
    if (kind == "dir") FUZZ_CHECK(::mkdir(localPath.c_str(), 0700) == 0);
    if (kind == "huge") {
        fuzz::PutFile(localPath, rest);
        FUZZ_CHECK(::truncate(localPath.c_str(), static_cast<off_t>(kReadLimit + 1 + rest.size())) == 0);
    }
    fuzz::PutFile(netPath, rest);
    st.Matr.fill(RecEntry{"stale", 7});
    bool failed = false;
    try {
        ReadRecFile(localPath, st.Matr);
    } catch (const ERecordsError&) {
        failed = true;
    }
    FUZZ_CHECK(failed);
    FUZZ_CHECK(FilledRows(st.Matr) == 0);
    for (bool localFirst : {true, false}) {
        failed = false;
        try {
            if (localFirst)
                MergeRecFiles(st.MatrInt, localPath, netPath);
            else
                MergeRecFiles(st.MatrInt, netPath, localPath);
        } catch (const ERecordsError&) {
            failed = true;
        }
        FUZZ_CHECK(failed);
    }
    std::string after;
    FUZZ_CHECK(fuzz::GetFile(netPath, after) && after == rest);
    struct stat st {};
    FUZZ_CHECK(::lstat(localPath.c_str(), &st) == 0);
    FUZZ_CHECK(kind != "fifo" || S_ISFIFO(st.st_mode));
    FUZZ_CHECK(kind != "dir" || S_ISDIR(st.st_mode));
    FUZZ_CHECK(kind != "huge" || static_cast<size_t>(st.st_size) > kReadLimit);
    if (kind == "dir")
        ::rmdir(localPath.c_str());
    else
        ::unlink(localPath.c_str());
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input = AsText(data, size);
    if (CheckHostileLocalFile(input)) return 0;
    std::string_view localBytes = input, netBytes;
    if (auto sep = input.find(kSeparator); sep != std::string_view::npos) {
        localBytes = input.substr(0, sep);
        netBytes = input.substr(sep + kSeparator.size());
    }

    CheckLineReader(localBytes);
    CheckLineReader(netBytes);

    st.RecDir = fuzz::ScratchDir();
    const std::string localPath = st.RecPath(kRecFileName), netPath = st.RecPath(kNetRecFileName);
    fuzz::PutFile(localPath, localBytes);
    fuzz::PutFile(netPath, netBytes);

    auto local = ReadChecked(kRecFileName, localBytes);
    auto net = ReadChecked(kNetRecFileName, netBytes);
    if (local) CheckRoundTrip(*local);

    // A left-over table from the previous input must not leak into this merge.
    st.MatrInt.fill(RecEntry{"stale", 7});
    bool merged = true;
    try {
        MergeRecFiles(st.MatrInt, localPath, netPath);
    } catch (const ERecordsError&) {
        merged = false;
    }
    FUZZ_CHECK(merged == (local && net));

    std::string after;
    FUZZ_CHECK(fuzz::GetFile(localPath, after));
    FUZZ_CHECK(after == localBytes);  // the local file is never written
    FUZZ_CHECK(fuzz::GetFile(netPath, after));
    if (!merged) {
        FUZZ_CHECK(after == netBytes);  // a failed merge leaves the server's copy alone
        return 0;
    }

    const auto want = ExpectMerge(*local, *net);
    CheckRows(st.MatrInt);
    FUZZ_CHECK(Leading(st.MatrInt) == want);
    auto back = ReadChecked(kNetRecFileName, after);
    FUZZ_CHECK(back.has_value());
    const std::vector<RecEntry> best(want.begin(), want.begin() + std::min<size_t>(want.size(), kMatrRows));
    FUZZ_CHECK(Leading(*back) == best);
    for (size_t i = 1; i < best.size(); ++i)
        FUZZ_CHECK(best[i].score < best[i - 1].score);
    return 0;
}
