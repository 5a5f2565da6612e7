// kvelli99-records: looks at, checks, merges, repairs and pages records tables ("Kvelli99.rec",
// "records.rec"). The results server runs "merge --page" for every table a player sends.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "records/Html.h"
#include "records/RecCheck.h"
#include "records/RecFile.h"
#include "records/RecLock.h"

namespace {

// Exit codes: what a caller (the server, a script) can tell apart.
constexpr int kOk = 0;
constexpr int kBadInput = 1;  // FILE or FROM is not a valid table, or cannot be read
constexpr int kUsage = 2;
constexpr int kBadTarget = 3;  // INTO or OUT is damaged or cannot be written

constexpr const char* kHelp =
    "Usage: kvelli99-records COMMAND ARGS\n"
    "Looks at, checks, merges and repairs Kvelli 99 records tables (Kvelli99.rec, records.rec).\n"
    "\n"
    "  list FILE              the entries, one a line: row, name (UTF-8), score, tab-separated\n"
    "  check FILE             whether FILE is a valid table; says how many entries it holds\n"
    "  merge INTO FROM... [--page OUT]\n"
    "                         INTO := the best 20 distinct scores of INTO and FROM, FROM's entries\n"
    "                         first among equal scores, for each FROM in turn; no FROM is changed.\n"
    "                         One line for each FROM: how many entries it held and how many\n"
    "                         entered INTO, or why it was refused (a FROM that is no valid table\n"
    "                         is skipped). With --page, also writes OUT, the web page of the\n"
    "                         merged table.\n"
    "  page FILE OUT          writes OUT, the web page (table.html) of the table FILE\n"
    "  repair FILE            keeps the entries of FILE that read, drops every other line,\n"
    "                         ranks them; says what it dropped\n"
    "\n"
    "Files are replaced whole (a temporary renamed over them); merge and repair hold the lock\n"
    "FILE.lock that the game holds too.\n"
    "Exit status: 0 done; 1 FILE or a FROM is not a valid table or cannot be read; 2 wrong usage;\n"
    "3 INTO or OUT is damaged or cannot be written.\n";

int Usage(const char* why) {
    std::fprintf(stderr, "kvelli99-records: %s\nTry 'kvelli99-records --help'.\n", why);
    return kUsage;
}

int Fail(int code, const std::string& message) {
    std::fprintf(stderr, "kvelli99-records: %s\n", message.c_str());
    return code;
}

std::string Entries(int n) {
    return std::to_string(n) + (n == 1 ? " entry" : " entries");
}

bool Same(const kv::RecEntry& a, const kv::RecEntry& b) {
    return a.score == b.score && a.name == b.name;
}

int List(const std::string& path) {
    kv::RecTable table{};
    try {
        kv::CheckRecFile(path);
        kv::ReadRecFile(path, table);
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

// Each FROM in turn, as the game merges its local file into the server's copy: FROM's rows first,
// then the table's, ranked with each score once. One line per FROM on stdout; a FROM that is no
// table is skipped and said. The table and the page are written once, at the end.
int Merge(const std::string& into, const std::vector<std::string>& froms, const std::string& page) {
    // Held from the read of INTO through the page, so that the page shows the table it follows.
    kv::RecLock lock(into);
    kv::RecTable table{};
    try {
        kv::CheckRecFile(into);
        kv::ReadRecFile(into, table);
    } catch (const kv::Exception& e) {
        return Fail(kBadTarget, e.what());
    }
    int status = kOk, taken = 0;
    for (const auto& from : froms) {
        kv::RecTable sent{};
        int received = 0;
        try {
            received = kv::CheckRecFile(from);
            kv::ReadRecFile(from, sent);
        } catch (const kv::Exception& e) {
            std::printf("refused: %s\n", e.what());
            std::fprintf(stderr, "kvelli99-records: %s\n", e.what());
            status = kBadInput;
            continue;
        }
        kv::MergeTable work{};
        std::copy(sent.begin(), sent.end(), work.begin());
        std::copy(table.begin(), table.end(), work.begin() + kv::kMatrRows);
        kv::MatrSortInt(work);
        int entered = 0;
        for (int k = 0; k < kv::kMatrRows; ++k) {
            const auto& row = work[static_cast<size_t>(k)];
            if (row.Empty()) continue;
            if (std::none_of(table.begin(), table.end(), [&](const auto& b) { return Same(b, row); }))
                ++entered;
        }
        std::copy(work.begin(), work.begin() + kv::kMatrRows, table.begin());
        ++taken;
        std::printf("received %s, %d entered the table\n", Entries(received).c_str(), entered);
    }
    if (taken == 0) return status;
    try {
        kv::WriteRecFile(table, into);
        if (!page.empty()) kv::WriteHtmlTable(into, page);
    } catch (const kv::Exception& e) {
        return Fail(kBadTarget, e.what());
    }
    return status;
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
    try {
        kv::WriteRecFile(kept, path);
    } catch (const kv::Exception& e) {
        return Fail(kBadTarget, e.what());
    }
    std::printf("%s: kept %s, dropped %d\n", path.c_str(), Entries(static_cast<int>(kept.size())).c_str(),
                dropped);
    return kOk;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage("a command is needed");
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kHelp, stdout);
        return kOk;
    }
    std::string page;
    if (command == "merge") {
        auto flag = std::find(args.begin(), args.end(), "--page");
        if (flag != args.end()) {
            if (flag + 1 == args.end()) return Usage("--page needs a file");
            page = *(flag + 1);
            args.erase(flag, flag + 2);
        }
    }
    const size_t wanted = command == "merge" || command == "page" ? 2 : 1;
    if (command != "list" && command != "check" && command != "merge" && command != "page" &&
        command != "repair")
        return Usage(("no command '" + command + "'").c_str());
    if (command == "merge" && args.size() >= 2) return Merge(args[0], {args.begin() + 1, args.end()}, page);
    if (args.size() != wanted)
        return Usage((command + " takes " + std::to_string(wanted) + " file(s)").c_str());
    if (command == "list") return List(args[0]);
    if (command == "check") return Check(args[0]);
    if (command == "page") return Page(args[0], args[1]);
    return Repair(args[0]);
}
