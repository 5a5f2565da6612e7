#include "records/tool/PgStore.h"

#if KV_HAVE_LIBPQ

#include <libpq-fe.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <set>
#include <vector>

namespace kv::tool {
namespace {

// Serializes the check and creation of the schema when front ends start together.
constexpr const char* kSchemaLock = "SELECT pg_advisory_xact_lock(7399099)";

constexpr const char* kCreate =
    "CREATE SCHEMA IF NOT EXISTS kvelli99;"
    "COMMENT ON SCHEMA kvelli99 IS 'Kvelli 99 results server: the common table of records';"
    "CREATE TABLE kvelli99.meta ("
    "  one boolean PRIMARY KEY DEFAULT true CHECK (one),"
    "  schema_version integer NOT NULL,"
    "  generation bigint NOT NULL);"
    "INSERT INTO kvelli99.meta (schema_version, generation) VALUES (1, 0);"
    // Names are the Windows-1251 bytes of the records files; a score is in the table once.
    "CREATE TABLE kvelli99.records ("
    "  rank integer PRIMARY KEY CHECK (rank BETWEEN 1 AND 20),"
    "  name bytea NOT NULL CHECK (length(name) <= 15),"
    "  score integer NOT NULL UNIQUE CHECK (score <> 0));";

// Version 1 to 2: the proof of each row's game; the rows stay, without a proof.
constexpr const char* kUpgradeTo2 =
    "ALTER TABLE kvelli99.records ADD COLUMN proof bytea;"
    "UPDATE kvelli99.meta SET schema_version = 2;";

struct ResultDeleter {
    void operator()(PGresult* r) const { PQclear(r); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

// libpq's message on one line: its line ends and the tab it indents hints with become one space.
std::string Trimmed(const char* message) {
    std::string s;
    for (const char* p = message ? message : ""; *p; ++p) {
        const bool blank = *p == '\n' || *p == '\t' || *p == '\r' || *p == ' ';
        if (!blank)
            s += *p;
        else if (!s.empty() && s.back() != ' ')
            s += ' ';
    }
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

std::string Hex(const std::string& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string Unhex(const std::string& hex) {
    auto value = [](char c) { return c <= '9' ? c - '0' : c - 'a' + 10; };
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(value(hex[i]) * 16 + value(hex[i + 1]));
    return out;
}

}  // namespace

PgStore::PgStore(std::string conninfo, bool create) : conninfo_(std::move(conninfo)), create_(create) {}

PgStore::~PgStore() {
    Drop();
}

void PgStore::Drop() {
    if (conn_) PQfinish(conn_);
    conn_ = nullptr;
}

void PgStore::Exec(const std::string& sql) {
    Result r(PQexec(conn_, sql.c_str()));
    const auto status = r ? PQresultStatus(r.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw EStoreDown("the database: " + Trimmed(PQerrorMessage(conn_)));
}

void PgStore::Open() {
    if (conn_ && PQstatus(conn_) == CONNECTION_OK) return;
    Drop();
    // The connection string may set its own; these are the defaults under it. The keepalives let
    // a watcher waiting for a change notice a database host that vanished without closing the
    // connection (power, network) in about a minute, not the system's two hours.
    const char* keys[] = {"connect_timeout",
                          "keepalives_idle",
                          "keepalives_interval",
                          "keepalives_count",
                          "application_name",
                          "dbname",
                          nullptr};
    const char* values[] = {"5", "30", "10", "3", "kvelli99-server", conninfo_.c_str(), nullptr};
    char* parseError = nullptr;
    if (PQconninfoOption* parsed = PQconninfoParse(conninfo_.c_str(), &parseError)) {
        PQconninfoFree(parsed);
    } else {
        const std::string why = parseError ? Trimmed(parseError) : "out of memory";
        PQfreemem(parseError);
        throw EStoreDown("the connection string is not valid: " + why);
    }
    conn_ = PQconnectdbParams(keys, values, 1);
    if (!conn_ || PQstatus(conn_) != CONNECTION_OK) {
        const std::string why = conn_ ? Trimmed(PQerrorMessage(conn_)) : "out of memory";
        Drop();
        // A server that answered with its own error (a wrong password or role, no such
        // database, no pg_hba.conf line) is there: trying again will not help.
        const bool answered = why.find("FATAL") != std::string::npos;
        throw EStoreDown(
            (answered ? "the database refused the connection: " : "the database cannot be reached: ") + why);
    }
    try {
        // A merge never waits long for a lock or a stuck statement: the upload is refused
        // with a reply the player can try again after.
        Exec("SET statement_timeout = 8000; SET lock_timeout = 8000; SET client_min_messages = warning");
        Exec("BEGIN");
        Exec(kSchemaLock);
        Result r(PQexec(conn_,
                        "SELECT n.nspname || '.' || c.relname FROM pg_class c "
                        "JOIN pg_namespace n ON n.oid = c.relnamespace "
                        "WHERE c.relkind IN ('r', 'p', 'v', 'm', 'f', 'S') "
                        "AND n.nspname NOT IN ('pg_catalog', 'information_schema') "
                        "AND n.nspname !~ '^pg_(toast|temp)' ORDER BY 1"));
        if (PQresultStatus(r.get()) != PGRES_TUPLES_OK)
            throw EStoreDown("the database: " + Trimmed(PQerrorMessage(conn_)));
        std::set<std::string> ours = {"kvelli99.meta", "kvelli99.records"}, found, others;
        for (int i = 0; i < PQntuples(r.get()); ++i) {
            const std::string name = PQgetvalue(r.get(), i, 0);
            (ours.count(name) ? found : others).insert(name);
        }
        if (!others.empty()) {
            std::string list;
            for (const auto& o : others)
                list += (list.empty() ? "" : ", ") + o;
            if (others.size() > 5)
                list = *others.begin() + " and " + std::to_string(others.size() - 1) + " more";
            throw EStoreForeign("the database holds tables of another program (" + list +
                                "); give the results server a database of its own");
        }
        if (found.empty()) {
            if (!create_)
                throw EStoreForeign(
                    "the database holds no results table yet (a front end makes it at its "
                    "first start); nothing was read");
            // Made as version 1 and upgraded, so that a new database and an upgraded one are the same.
            Exec(kCreate);
            Exec(kUpgradeTo2);
        } else if (found.size() != ours.size()) {
            throw EStoreForeign("the database holds an incomplete kvelli99 schema (only " + *found.begin() +
                                "); it is not written");
        } else {
            Result v(PQexec(conn_, "SELECT schema_version FROM kvelli99.meta"));
            if (PQresultStatus(v.get()) != PGRES_TUPLES_OK || PQntuples(v.get()) != 1)
                throw EStoreForeign(
                    "the database's kvelli99.meta holds no schema version; it is not written");
            const int version = std::atoi(PQgetvalue(v.get(), 0, 0));
            if (version == 1) Exec(kUpgradeTo2);
            if (version != 1 && version != kSchemaVersion)
                throw EStoreForeign("the database's kvelli99 schema is version " + std::to_string(version) +
                                    ", this server knows version " + std::to_string(kSchemaVersion) +
                                    (version > kSchemaVersion ? " (a newer server made it)" : "") +
                                    "; it is not written");
        }
        Exec("COMMIT");
        // A new connection listens from its start, before the read that follows it, so that no
        // change falls between the two.
        if (listening_) Exec("LISTEN " + std::string(kChannel));
    } catch (...) {
        Drop();
        throw;
    }
}

RecTable PgStore::ReadRows(StoredProofs* proofs) {
    Result r(PQexec(conn_, proofs ? "SELECT encode(name, 'hex'), score, encode(proof, 'hex') FROM "
                                    "kvelli99.records ORDER BY rank"
                                  : "SELECT encode(name, 'hex'), score FROM kvelli99.records ORDER BY rank"));
    if (PQresultStatus(r.get()) != PGRES_TUPLES_OK)
        throw EStoreDown("the database: " + Trimmed(PQerrorMessage(conn_)));
    RecTable table{};
    if (proofs) proofs->clear();
    const int n = std::min(PQntuples(r.get()), kMatrRows);
    for (int i = 0; i < n; ++i) {
        // Rows put in by hand get the stand-ins for bytes a records file cannot carry.
        auto& row = table[static_cast<size_t>(i)];
        row = {RowName(Unhex(PQgetvalue(r.get(), i, 0))),
               static_cast<int32_t>(std::atol(PQgetvalue(r.get(), i, 1)))};
        if (proofs && !PQgetisnull(r.get(), i, 2)) (*proofs)[row.score] = Unhex(PQgetvalue(r.get(), i, 2));
    }
    return table;
}

template <class Body>
auto PgStore::WithReconnect(Body body) {
    for (int attempt = 0;; ++attempt) {
        try {
            Open();
            return body();
        } catch (const EStoreDown&) {
            const bool lost = !conn_ || PQstatus(conn_) != CONNECTION_OK;
            if (conn_ && !lost) PQclear(PQexec(conn_, "ROLLBACK"));
            // A connection that a restart of the database broke while it was idle.
            if (!lost || attempt > 0) throw;
            Drop();
        }
    }
}

RecTable PgStore::Read(int64_t& generation, StoredProofs* proofs) {
    return WithReconnect([&] {
        Exec("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY");
        Result g(PQexec(conn_, "SELECT generation FROM kvelli99.meta"));
        if (PQresultStatus(g.get()) != PGRES_TUPLES_OK || PQntuples(g.get()) != 1)
            throw EStoreDown("the database: " + Trimmed(PQerrorMessage(conn_)));
        generation = std::atoll(PQgetvalue(g.get(), 0, 0));
        RecTable table = ReadRows(proofs);
        Exec("COMMIT");
        return table;
    });
}

int64_t PgStore::Update(const std::function<bool(RecTable&, StoredProofs&)>& change) {
    return WithReconnect([&] { return UpdateOnce(change); });
}

int64_t PgStore::UpdateOnce(const std::function<bool(RecTable&, StoredProofs&)>& change) {
    Exec("BEGIN");
    Result g(PQexec(conn_, "SELECT generation FROM kvelli99.meta FOR UPDATE"));
    if (PQresultStatus(g.get()) != PGRES_TUPLES_OK || PQntuples(g.get()) != 1)
        throw EStoreDown("the database: " + Trimmed(PQerrorMessage(conn_)));
    int64_t generation = std::atoll(PQgetvalue(g.get(), 0, 0));
    StoredProofs proofs;
    RecTable table = ReadRows(&proofs);
    if (!change(table, proofs)) {
        Exec("COMMIT");
        return generation;
    }
    Exec("DELETE FROM kvelli99.records");
    const int n = FilledRows(table);
    if (n > 0) {
        std::string sql = "INSERT INTO kvelli99.records (rank, name, score, proof) VALUES ";
        std::vector<std::string> params;
        std::vector<bool> null;
        for (int i = 0; i < n; ++i) {
            const auto& row = table[static_cast<size_t>(i)];
            const size_t p = params.size();
            const auto proof = proofs.find(row.score);
            sql += (i ? ", " : "") + std::string("($") + std::to_string(p + 1) + "::integer, decode($" +
                   std::to_string(p + 2) + ", 'hex'), $" + std::to_string(p + 3) + "::integer, decode($" +
                   std::to_string(p + 4) + ", 'hex'))";
            params.push_back(std::to_string(i + 1));
            params.push_back(Hex(row.name));
            params.push_back(std::to_string(row.score));
            params.push_back(proof == proofs.end() ? "" : Hex(proof->second));
            null.insert(null.end(), {false, false, false, proof == proofs.end()});
        }
        std::vector<const char*> values;
        for (size_t i = 0; i < params.size(); ++i)
            values.push_back(null[i] ? nullptr : params[i].c_str());
        Result r(PQexecParams(conn_, sql.c_str(), static_cast<int>(values.size()), nullptr, values.data(),
                              nullptr, nullptr, 0));
        if (PQresultStatus(r.get()) != PGRES_COMMAND_OK)
            throw EStoreDown("the database: " + Trimmed(PQerrorMessage(conn_)));
    }
    Result u(PQexec(conn_, "UPDATE kvelli99.meta SET generation = generation + 1 RETURNING generation"));
    if (PQresultStatus(u.get()) != PGRES_TUPLES_OK || PQntuples(u.get()) != 1)
        throw EStoreDown("the database: " + Trimmed(PQerrorMessage(conn_)));
    generation = std::atoll(PQgetvalue(u.get(), 0, 0));
    Exec("NOTIFY " + std::string(kChannel) + ", '" + std::to_string(generation) + "'");
    Exec("COMMIT");
    return generation;
}

void PgStore::Listen() {
    const bool connected = conn_ && PQstatus(conn_) == CONNECTION_OK;
    listening_ = true;
    if (connected)
        Exec("LISTEN " + std::string(kChannel));
    else
        Open();
}

bool PgStore::Wait(int timeoutMs, int alsoWatchFd, bool& alsoReady) {
    alsoReady = false;
    const int fd = conn_ ? PQsocket(conn_) : -1;
    if (fd < 0) throw EStoreDown("the database connection is lost");
    bool notified = false;
    auto drain = [&] {
        while (PGnotify* note = PQnotifies(conn_)) {
            notified = true;
            PQfreemem(note);
        }
    };
    // A notice that came in with the reply to an earlier statement (a change committed while
    // Read ran) is already off the socket: poll would not see it, and the change would wait
    // for the next one.
    drain();
    pollfd p[2] = {{fd, POLLIN, 0}, {alsoWatchFd, POLLIN, 0}};
    const int n = ::poll(p, alsoWatchFd >= 0 ? 2 : 1, notified ? 0 : timeoutMs);
    if (n < 0 && errno != EINTR) throw EStoreDown("poll failed");
    if (alsoWatchFd >= 0 && (p[1].revents & (POLLIN | POLLHUP | POLLERR))) alsoReady = true;
    if (n > 0 && p[0].revents) {
        if (!PQconsumeInput(conn_) || PQstatus(conn_) != CONNECTION_OK)
            throw EStoreDown("the database connection is lost: " + Trimmed(PQerrorMessage(conn_)));
        drain();
    }
    return notified;
}

}  // namespace kv::tool

#else  // built without libpq: the file store works, a database is refused with a clear error

namespace kv::tool {
namespace {
[[noreturn]] void NoDatabase() {
    throw EStoreForeign("this kvelli99-records was built without PostgreSQL (libpq): use the file store");
}
}  // namespace

PgStore::PgStore(std::string conninfo, bool create) : conninfo_(std::move(conninfo)), create_(create) {}
PgStore::~PgStore() = default;
void PgStore::Open() {
    NoDatabase();
}
RecTable PgStore::Read(int64_t&, StoredProofs*) {
    NoDatabase();
}
int64_t PgStore::Update(const std::function<bool(RecTable&, StoredProofs&)>&) {
    NoDatabase();
}
void PgStore::Listen() {
    NoDatabase();
}
bool PgStore::Wait(int, int, bool&) {
    NoDatabase();
}

}  // namespace kv::tool

#endif
