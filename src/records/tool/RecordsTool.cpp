// kvelli99-records: looks at, checks, merges, repairs and pages records tables ("Kvelli99.rec",
// "records.rec"). The results server runs "merge --page" for every table a player sends.
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "records/Html.h"
#include "records/RecCheck.h"
#include "records/RecFile.h"
#include "records/RecLock.h"
#include "records/tool/Merge.h"
#include "records/tool/PgStore.h"

namespace {

using kv::tool::kBadInput;
using kv::tool::kBadTarget;
using kv::tool::kOk;
using kv::tool::kUsage;
using kv::tool::MergeOptions;
using kv::tool::Outcome;
using kv::tool::Sent;

constexpr const char* kHelp =
    "Usage: kvelli99-records COMMAND ARGS\n"
    "Looks at, checks, merges and repairs Kvelli 99 records tables (Kvelli99.rec, records.rec).\n"
    "\n"
    "  list FILE|DATABASE     the entries, one a line: row, name (UTF-8), score, tab-separated\n"
    "  check FILE             whether FILE is a valid table; says how many entries it holds\n"
    "  merge INTO FROM... [--ties into|from] [--page OUT]\n"
    "                         INTO := the best 20 distinct scores of INTO and FROM, for each FROM\n"
    "                         in turn; among equal scores FROM's entry is kept (--ties into: INTO's,\n"
    "                         e.g. to bring back a backup without losing today's entries). No FROM\n"
    "                         is changed. One line for each FROM: how many entries it held and how\n"
    "                         many entered INTO, or why it was refused (a FROM that is no valid table\n"
    "                         is skipped). With --page, also writes OUT, the web page of the\n"
    "                         merged table.\n"
    "  page FILE OUT          writes OUT, the web page (table.html) of the table FILE\n"
    "  remove FILE ROW [--page OUT], remove DATABASE ROW\n"
    "                         takes row ROW (as list numbers it) out of the table, and its proof;\n"
    "                         writes the page again (OUT, else table.html beside FILE if there is\n"
    "                         one); in a database, every front end's copy and page follow\n"
    "  repair FILE            keeps the entries of FILE that read, drops every other line,\n"
    "                         ranks them; says what it dropped and keeps the file as it was\n"
    "                         beside it (FILE.damaged-DATE-TIME)\n"
    "  export DATABASE FILE   writes FILE from the results server's table in the database\n"
    "  import DATABASE FILE [--ties into|from]\n"
    "                         merges FILE into the database's table, as merge does\n"
    "  serve [--database DATABASE], watch DATABASE TABLE PAGE\n"
    "                         the results server's helpers (see the man page)\n"
    "\n"
    "DATABASE is a PostgreSQL connection string or URI, e.g. postgresql://kvelli99@dbhost/kvelli99,\n"
    "or - for the one in $KVELLI99_DATABASE (a password there is not on the command line, which\n"
    "every user of the machine can read).\n"
    "Files are replaced whole (a temporary renamed over them); merge and repair hold the lock\n"
    "FILE.lock that the game holds too. The manual: man kvelli99-records (in the source tree:\n"
    "man packaging/server/kvelli99-records.1).\n"
    "Exit status: 0 done; 1 FILE, a FROM or the database to export is not a valid table or cannot be\n"
    "read; 2 wrong usage; 3 INTO, OUT or the database to import into is damaged or cannot be written.\n";

int Usage(const std::string& why) {
    std::fprintf(stderr, "kvelli99-records: %s\nTry 'kvelli99-records --help'.\n", why.c_str());
    return kUsage;
}

int Fail(int code, const std::string& message) {
    std::fprintf(stderr, "kvelli99-records: %s\n", message.c_str());
    return code;
}

std::string Entries(int n) {
    return std::to_string(n) + (n == 1 ? " entry" : " entries");
}

// A database given where a table is: "-", a URI, or a connection string's key=value.
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

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields;
    size_t at = 0;
    for (;;) {
        const size_t tab = line.find('\t', at);
        fields.push_back(line.substr(at, tab == std::string::npos ? std::string::npos : tab - at));
        if (tab == std::string::npos) return fields;
        at = tab + 1;
    }
}

std::string OneLine(std::string text) {
    for (auto& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

// The results server's helper: one request a line on stdin, fields separated by tabs, so that a
// merge costs no start of a process. Replies are the command's lines, then "end STATUS[ why]".
//   merge INTO PAGE FROM...   merge each FROM into the table: the file INTO (and write PAGE), or
//                             the database's table (the watcher writes INTO and PAGE then)
//   verify INTO PAGE FROM PROOFS...
//                             the same, each FROM with the proofs file that came with it ("-"
//                             for none): new entries enter only with a proof that holds
//   publish INTO PAGE         write the database's table to INTO and PAGE (nothing for files)
// With a database, the first line is "ready", or "end 3 why" when it cannot be used.
int Serve(const std::string& conninfo) {
    std::unique_ptr<kv::tool::PgStore> store;
    if (!conninfo.empty()) {
        store = std::make_unique<kv::tool::PgStore>(conninfo);
        try {
            store->Open();
        } catch (const kv::Exception& e) {
            std::printf("end %d %s\n", kBadTarget, OneLine(e.what()).c_str());
            return kBadTarget;
        }
    }
    std::printf("ready\n");
    std::fflush(stdout);
    char* buffer = nullptr;
    size_t size = 0;
    ssize_t n = 0;
    while ((n = ::getline(&buffer, &size, stdin)) > 0) {
        std::string line(buffer, static_cast<size_t>(n));
        if (line.back() == '\n') line.pop_back();
        const auto f = Split(line);
        Outcome o;
        const bool verify = f[0] == "verify";
        if ((f[0] == "merge" || (verify && f.size() % 2 == 1)) && f.size() >= 4) {
            std::vector<Sent> froms;
            for (size_t i = 3; i < f.size(); i += verify ? 2 : 1)
                froms.push_back({f[i], verify && f[i + 1] != "-" ? f[i + 1] : std::string()});
            const MergeOptions options{false, verify};
            o = store ? MergeStore(*store, froms, options) : MergeFiles(f[1], froms, f[2], options);
        } else if (f[0] == "publish" && f.size() == 3) {
            if (store) {
                try {
                    int64_t generation = 0;
                    kv::tool::Publish(store->Read(generation), f[1], f[2]);
                } catch (const kv::Exception& e) {
                    o = {kBadTarget, {}, e.what()};
                }
            }
        } else {
            o = {kUsage, {}, "no such request: " + f[0]};
        }
        for (const auto& said : o.said)
            std::printf("%s\n", OneLine(said).c_str());
        std::printf("end %d%s%s\n", o.status, o.failure.empty() ? "" : " ", OneLine(o.failure).c_str());
        std::fflush(stdout);
    }
    std::free(buffer);
    return kOk;
}

// Now as the server's log lines begin ("2026-12-09 06:20:01,512 "): the watcher's lines go to the
// same log.
std::string Stamp() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    ::localtime_r(&now.tv_sec, &local);
    char text[40];
    const size_t n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    std::snprintf(text + n, sizeof text - n, ",%03ld ", now.tv_nsec / 1000000);
    return text;
}

// Keeps this front end's copy of the database's table (INTO) and its page up to date: written at
// the start and after every change that any front end commits. Reconnects by itself; ends when
// stdin closes (the server that started it has gone).
int Watch(const std::string& conninfo, const std::string& into, const std::string& page) {
    constexpr int kRecheckMs = 60 * 1000;
    kv::tool::PgStore store(conninfo);
    int64_t published = -1;
    bool down = false;
    for (;;) {
        try {
            store.Listen();
            for (bool changed = true;;) {
                if (changed) {
                    int64_t generation = 0;
                    const kv::RecTable table = store.Read(generation);
                    if (generation != published) kv::tool::Publish(table, into, page);
                    published = generation;
                    if (down)
                        std::fprintf(stderr, "%skvelli99-records: the database is back\n", Stamp().c_str());
                    down = false;
                }
                // Read again on a notice, and after a quiet minute too: a notice lost on the way
                // (a pooler between, a bug) then costs a minute, not every change until the next.
                bool input = false;
                const bool notified = store.Wait(kRecheckMs, 0, input);
                if (input) {
                    char c;
                    if (::read(0, &c, 1) <= 0) return kOk;
                }
                changed = notified || !input;
            }
        } catch (const kv::Exception& e) {
            if (!down)
                std::fprintf(stderr, "%skvelli99-records: %s; trying again every second\n", Stamp().c_str(),
                             e.what());
            down = true;
        }
        pollfd p{0, POLLIN, 0};
        if (::poll(&p, 1, 1000) > 0) {
            char c;
            if (::read(0, &c, 1) <= 0) return kOk;
        }
    }
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

// DATABASE "-": the connection string is taken from $KVELLI99_DATABASE, so that a password in it
// is not on the command line of a helper that runs for days; false if that is not set.
bool TakeDatabase(std::string& database) {
    // An empty one (an unset variable in a shell) would connect to libpq's defaults.
    if (database.empty()) return false;
    if (database != "-") return true;
    const char* given = std::getenv("KVELLI99_DATABASE");
    if (!given || !*given) return false;
    database = given;
    return true;
}

constexpr const char* kNoDatabase =
    "the DATABASE given is empty ('-' takes the connection string from $KVELLI99_DATABASE, which is "
    "empty too; the server's is in /etc/default/kvelli99-server)";

// "--NAME VALUE" taken out of args; false if it is there without a value.
bool TakeOption(std::vector<std::string>& args, const std::string& name, std::string& value) {
    auto flag = std::find(args.begin(), args.end(), name);
    if (flag == args.end()) return true;
    if (flag + 1 == args.end()) return false;
    value = *(flag + 1);
    args.erase(flag, flag + 2);
    return true;
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
    std::string page, ties = "from", database;
    if (command == "merge" || command == "import") {
        if (!TakeOption(args, "--page", page)) return Usage("--page needs a file");
        if (!TakeOption(args, "--ties", ties)) return Usage("--ties needs 'into' or 'from'");
        if (ties != "into" && ties != "from")
            return Usage("--ties takes 'into' or 'from', not '" + ties + "'");
    }
    if (command == "remove" && !TakeOption(args, "--page", page)) return Usage("--page needs a file");
    if (command == "serve" && !TakeOption(args, "--database", database))
        return Usage("--database needs a connection string");
    if (command == "serve" && !database.empty() && !TakeDatabase(database)) return Usage(kNoDatabase);
    const bool intoWins = ties == "into";
    if (command == "merge") {
        if (args.size() < 2)
            return Usage("merge takes a table to merge into and one or more tables to merge");
        std::vector<Sent> froms;
        for (auto it = args.begin() + 1; it != args.end(); ++it)
            froms.push_back({*it, {}});
        return Report(MergeFiles(args[0], froms, page, {intoWins, false}));
    }
    if (command == "import") {
        if (args.size() != 2) return Usage("import takes a database (connection string) and a file");
        if (!TakeDatabase(args[0])) return Usage(kNoDatabase);
        kv::tool::PgStore store(args[0]);
        return Report(MergeStore(store, {{args[1], {}}}, {intoWins, false}));
    }
    if (command == "serve") {
        if (!args.empty()) return Usage("serve takes no files");
        return Serve(database);
    }
    struct Shape {
        const char* name;
        size_t count;
        const char* takes;
    };
    static const Shape shapes[] = {{"list", 1, "a file"},
                                   {"check", 1, "a file"},
                                   {"repair", 1, "a file"},
                                   {"page", 2, "a table and a page to write"},
                                   {"remove", 2, "a table (a file or a database) and a row number"},
                                   {"export", 2, "a database (connection string) and a file"},
                                   {"watch", 3, "a database, a table and a page to write"}};
    const auto shape =
        std::find_if(std::begin(shapes), std::end(shapes), [&](auto& s) { return command == s.name; });
    if (shape == std::end(shapes)) return Usage("no command '" + command + "'");
    if (args.size() != shape->count) return Usage(command + " takes " + shape->takes);
    if ((command == "export" || command == "watch" ||
         ((command == "list" || command == "remove") && IsDatabase(args[0]))) &&
        !TakeDatabase(args[0]))
        return Usage(kNoDatabase);
    if (command == "remove") {
        char* end = nullptr;
        const long row = std::strtol(args[1].c_str(), &end, 10);
        if (args[1].empty() || *end || row < 1 || row > kv::kMatrRows)
            return Usage("the row is a number from 1 to 20, as list shows it, not '" + args[1] + "'");
        if (!IsDatabase(args[0]))
            return Report(kv::tool::RemoveFromFile(args[0], static_cast<int>(row), page));
        if (!page.empty()) return Usage("--page is for a table in a file; the front ends write their pages");
        kv::tool::PgStore store(args[0]);
        return Report(kv::tool::RemoveFromStore(store, static_cast<int>(row)));
    }
    if (command == "list") return List(args[0]);
    if (command == "check") return Check(args[0]);
    if (command == "page") return Page(args[0], args[1]);
    if (command == "export") return Export(args[0], args[1]);
    if (command == "watch") return Watch(args[0], args[1], args[2]);
    return Repair(args[0]);
}
