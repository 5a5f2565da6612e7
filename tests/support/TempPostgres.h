#pragma once
// A throw-away PostgreSQL of Debian's (postgresql 15): initdb in a temporary directory, the server
// on a free port of 127.0.0.1 with its socket in that directory, stopped (and the directory
// removed) with the object. PostgreSQL refuses to run as root, so as root it runs as nobody.

#include <sys/types.h>

#include <string>

#include "TempDir.h"

namespace kv::test {

class TempPostgres {
  public:
    // Whether Debian's PostgreSQL binaries are there; a test skips itself otherwise.
    static bool Available();

    // Throws std::runtime_error, with what PostgreSQL said, if it cannot be made or started.
    TempPostgres();
    ~TempPostgres();
    TempPostgres(const TempPostgres&) = delete;
    TempPostgres& operator=(const TempPostgres&) = delete;

    // A fast shutdown (clients are disconnected), and a start again on the same port and data.
    void Stop();
    void Start();

    // A libpq connection string for the database (made by CreateDatabase, or "postgres").
    std::string Conninfo(const std::string& database = "postgres") const;
    void CreateDatabase(const std::string& name);
    // Runs SQL; throws std::runtime_error on a failure. Query returns the first column of the
    // first row ("" if none).
    void Exec(const std::string& database, const std::string& sql);
    std::string Query(const std::string& database, const std::string& sql);

    int port = 0;

  private:
    TempDir dir_;
    pid_t pid_ = -1;
};

}  // namespace kv::test
