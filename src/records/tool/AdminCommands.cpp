#include "records/tool/AdminCommands.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "records/Html.h"
#include "records/RecCheck.h"
#include "records/RecFile.h"
#include "records/RecLock.h"
#include "records/tool/PgStore.h"

namespace kv::tool {

int Fail(int code, const std::string& message) {
    std::fprintf(stderr, "kvelli99-records: %s\n", message.c_str());
    return code;
}

std::string Entries(int n) {
    return std::to_string(n) + (n == 1 ? " entry" : " entries");
}

bool IsDatabase(const std::string& where) {
    return where == "-" || where.rfind("postgresql://", 0) == 0 || where.rfind("postgres://", 0) == 0 ||
           where.find('=') != std::string::npos;
}

int List(const std::string& where) {
    kv::RecTable table{};
    try {
        if (IsDatabase(where)) {
            int64_t generation = 0;
            table = kv::tool::PgStore(where).Read(generation);
        } else {
            kv::CheckRecFile(where);
            kv::ReadRecFile(where, table);
        }
    } catch (const kv::Exception& e) {
        return Fail(kBadInput, e.what());
    }
    for (size_t k = 0; k < table.size(); ++k) {
        if (table[k].Empty()) continue;
        std::printf("%zu\t%s\t%d\n", k + 1, kv::Cp1251ToUtf8(table[k].name).c_str(), table[k].score);
    }
    return kOk;
}

int Check(const std::string& path) {
    try {
        const int n = kv::CheckRecFile(path);
        std::printf("%s: a valid records table, %s\n", path.c_str(), Entries(n).c_str());
    } catch (const kv::Exception& e) {
        return Fail(kBadInput, e.what());
    }
    return kOk;
}

int Page(const std::string& path, const std::string& out) {
    try {
        kv::CheckRecFile(path);
    } catch (const kv::Exception& e) {
        return Fail(kBadInput, e.what());
    }
    try {
        kv::WriteHtmlTable(path, out);
    } catch (const kv::Exception& e) {
        return Fail(kBadTarget, e.what());
    }
    return kOk;
}

int Report(const Outcome& o) {
    for (const auto& line : o.said) {
        std::printf("%s\n", line.c_str());
        if (line.rfind("refused: ", 0) == 0) std::fprintf(stderr, "kvelli99-records: %s\n", line.c_str() + 9);
    }
    if (!o.failure.empty()) return Fail(o.status != kOk ? o.status : kBadTarget, o.failure);
    return o.status;
}

int Export(const std::string& conninfo, const std::string& file) {
    // A backup reads: it does not make the schema in an empty database.
    kv::tool::PgStore store(conninfo, false);
    kv::RecTable table{};
    try {
        int64_t generation = 0;
        table = store.Read(generation);
    } catch (const kv::Exception& e) {
        return Fail(kBadInput, e.what());
    }
    try {
        kv::RecLock lock(file);
        kv::WriteRecFile(table, file);
    } catch (const kv::Exception& e) {
        return Fail(kBadTarget, e.what());
    }
    std::printf("%s: %s of the database's table\n", file.c_str(), Entries(kv::FilledRows(table)).c_str());
    return kOk;
}

int Repair(const std::string& path) {
    kv::RecLock lock(path);
    std::string bytes;
    if (!kv::ReadWholeFile(path, bytes))
        return Fail(kBadInput, path + ": cannot be read: " + std::strerror(errno));
    std::vector<kv::RecEntry> kept;
    int dropped = 0;
    kv::RecLineReader reader(bytes);
    // Past the size bound a file is no table; what reads in it is still worth keeping.
    for (size_t k = 1; k <= bytes.size() + 1; ++k) {
        std::string_view stored = reader.Next();
        if (stored.empty()) continue;
        auto line = kv::SplitRecLine(stored);
        const std::string where = path + ": line " + std::to_string(k) + ": ";
        if (!line) {
            std::printf("%sdropped: no entry\n", where.c_str());
            ++dropped;
            continue;
        }
        int32_t score = 0;
        try {
            score = kv::ParseScore(line->score);
        } catch (const kv::Exception& e) {
            std::printf("%sdropped: %s\n", where.c_str(), e.what());
            ++dropped;
            continue;
        }
        if (score == 0) continue;
        kept.push_back({kv::RowName(line->name), score});
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const auto& a, const auto& b) { return a.score > b.score; });
    // Rows past the first empty one are lost to a reader, so scores below 1 cannot be kept.
    auto end = std::find_if(kept.begin(), kept.end(), [](const auto& e) { return e.score < 0; });
    for (auto it = end; it != kept.end(); ++it)
        std::printf("%s: dropped: %s %d, a score below 1\n", path.c_str(), kv::Cp1251ToUtf8(it->name).c_str(),
                    it->score);
    dropped += static_cast<int>(kept.end() - end);
    kept.erase(end, kept.end());
    for (size_t i = kv::kMatrRows; i < kept.size(); ++i)
        std::printf("%s: dropped: %s %d, past the best %d\n", path.c_str(),
                    kv::Cp1251ToUtf8(kept[i].name).c_str(), kept[i].score, kv::kMatrRows);
    if (kept.size() > static_cast<size_t>(kv::kMatrRows)) {
        dropped += static_cast<int>(kept.size()) - kv::kMatrRows;
        kept.resize(kv::kMatrRows);
    }
    std::string copy;
    try {
        // The file as it was stays beside it, as the game keeps the records files it drops lines of.
        if (dropped > 0) copy = kv::KeepCopy(path, bytes);
        kv::WriteRecFile(kept, path);
    } catch (const kv::Exception& e) {
        return Fail(kBadTarget, e.what());
    }
    std::printf("%s: kept %s, dropped %d\n", path.c_str(), Entries(static_cast<int>(kept.size())).c_str(),
                dropped);
    if (!copy.empty()) std::printf("%s: the file as it was is kept as %s\n", path.c_str(), copy.c_str());
    return kOk;
}

}  // namespace kv::tool
