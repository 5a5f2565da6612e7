// kvelli99-records: looks at, checks, merges, repairs and pages records tables ("Kvelli99.rec",
// "records.rec"). This file reads the command line; the administrator's commands are in
// AdminCommands, the results server's helpers (serve, watch) in HelperProtocol.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "records/RecFile.h"
#include "records/tool/AdminCommands.h"
#include "records/tool/HelperProtocol.h"
#include "records/tool/Merge.h"
#include "records/tool/PgStore.h"

namespace {

using kv::tool::IsDatabase;
using kv::tool::kOk;
using kv::tool::kUsage;
using kv::tool::Report;
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
        return kv::tool::Serve(database);
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
    if (command == "list") return kv::tool::List(args[0]);
    if (command == "check") return kv::tool::Check(args[0]);
    if (command == "page") return kv::tool::Page(args[0], args[1]);
    if (command == "export") return kv::tool::Export(args[0], args[1]);
    if (command == "watch") return kv::tool::Watch(args[0], args[1], args[2]);
    return kv::tool::Repair(args[0]);
}
