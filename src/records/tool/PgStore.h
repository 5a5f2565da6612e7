#pragma once
// The common table of several results-server front ends, kept in PostgreSQL. The database only
// holds the rows and makes each change one transaction; what a table is and how two tables merge
// stays with the records core, which the caller runs inside Update.
#include <cstdint>
#include <functional>
#include <string>

#include "base/Exception.h"
#include "records/Proofs.h"
#include "records/RecFile.h"

typedef struct pg_conn PGconn;

namespace kv::tool {

// The database cannot be reached or a statement failed: worth trying again later.
class EStoreDown : public Exception {
  public:
    using Exception::Exception;
};

// The database holds something else than this schema (another program's tables, a newer
// version): it is not written.
class EStoreForeign : public Exception {
  public:
    using Exception::Exception;
};

// The proof texts of a table's entries, by score (each score is in a table once).
using StoredProofs = ProofTexts;

class PgStore {
  public:
    // 2: each row keeps the proof of its game (NULL for rows from before, or taken unverified).
    // A database of version 1 is upgraded in place, its rows kept.
    static constexpr int kSchemaVersion = 2;
    static constexpr const char* kChannel = "kvelli99_records";

    // create: make the schema in an empty database (Open throws EStoreForeign there otherwise).
    explicit PgStore(std::string conninfo, bool create = true);
    ~PgStore();
    PgStore(const PgStore&) = delete;
    PgStore& operator=(const PgStore&) = delete;

    // Connects if not connected (again after a lost connection) and checks the schema, creating
    // it in a database without tables. Throws EStoreDown or EStoreForeign.
    void Open();

    // The common table and its generation (a number that grows with every change); the proofs of
    // its rows too when asked.
    RecTable Read(int64_t& generation, StoredProofs* proofs = nullptr);

    // One transaction: change(table, proofs) under the table's row lock; the rows are rewritten
    // (each with the proof of its score, if any) and the other front ends notified only when it
    // returns true. Returns the generation after it. A lost connection is tried once more, which
    // is safe because a merge is idempotent.
    int64_t Update(const std::function<bool(RecTable&, StoredProofs&)>& change);

    // LISTEN for changes; then Wait tells whether one came within timeoutMs (false on timeout).
    // Throws EStoreDown when the connection is lost. Every connection made after Listen (Read
    // and Update reconnect by themselves) listens again before it reads anything.
    void Listen();
    bool Wait(int timeoutMs, int alsoWatchFd, bool& alsoReady);

  private:
    void Exec(const std::string& sql);
    void Drop();
    int64_t UpdateOnce(const std::function<bool(RecTable&, StoredProofs&)>& change);
    // Runs body() on an open connection; a connection found lost is made anew once.
    template <class Body>
    auto WithReconnect(Body body);
    RecTable ReadRows(StoredProofs* proofs);

    std::string conninfo_;
    PGconn* conn_ = nullptr;
    bool create_ = true;
    bool listening_ = false;
};

}  // namespace kv::tool
