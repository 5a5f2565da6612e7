#include "TempPostgres.h"

#include "ShippedServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <libpq-fe.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace kv::test {
namespace {

using Clock = std::chrono::steady_clock;
const std::string kBin = "/usr/lib/postgresql/15/bin/";

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Starts args (as nobody when we are root), output to logPath; dies with the test.
pid_t Spawn(std::vector<std::string> args, const std::string& logPath) {
    if (::geteuid() == 0)
        args.insert(args.begin(),
                    {"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"});
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
        if (log >= 0) {
            ::dup2(log, 1);
            ::dup2(log, 2);
        }
        ::setenv("LC_ALL", "C", 1);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

// The exit status, or -1 if it did not end within the time (it is then killed).
int WaitFor(pid_t pid, std::chrono::seconds limit) {
    const auto deadline = Clock::now() + limit;
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Connection {
    explicit Connection(const std::string& conninfo) : conn(PQconnectdb(conninfo.c_str())) {
        if (PQstatus(conn) != CONNECTION_OK) {
            const std::string why = PQerrorMessage(conn);
            PQfinish(conn);
            throw std::runtime_error("cannot connect to the test database: " + why);
        }
    }
    ~Connection() { PQfinish(conn); }
    PGconn* conn;
};

}  // namespace

bool TempPostgres::Available() {
    return ::access((kBin + "initdb").c_str(), X_OK) == 0 && ::access((kBin + "postgres").c_str(), X_OK) == 0;
}

TempPostgres::TempPostgres() {
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody || ::chown(dir_.path().c_str(), nobody->pw_uid, nobody->pw_gid) != 0)
            throw std::runtime_error("cannot give the database directory to nobody");
    }
    const std::string log = dir_.File("initdb.log");
    const pid_t init = Spawn({kBin + "initdb", "-D", dir_.File("data"), "-U", "kvelli99", "--auth=trust",
                              "--no-sync", "-E", "UTF8"},
                             log);
    if (WaitFor(init, std::chrono::seconds(120)) != 0)
        throw std::runtime_error("initdb failed: " + Slurp(log));
    port = FreePort();
    Start();
}

TempPostgres::~TempPostgres() {
    Stop();
}

void TempPostgres::Start() {
    if (pid_ > 0) return;
    pid_ = Spawn({kBin + "postgres", "-D", dir_.File("data"), "-k", dir_.path(), "-p", std::to_string(port),
                  "-c", "listen_addresses=127.0.0.1", "-c", "fsync=off", "-c", "max_connections=100"},
                 dir_.File("postgres.log"));
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (PQping(Conninfo().c_str()) != PQPING_OK) {
        int status = 0;
        if (Clock::now() > deadline || ::waitpid(pid_, &status, WNOHANG) != 0) {
            Stop();
            throw std::runtime_error("PostgreSQL did not start: " + Slurp(dir_.File("postgres.log")));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void TempPostgres::Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGINT);
    WaitFor(pid_, std::chrono::seconds(30));
    pid_ = -1;
}

std::string TempPostgres::Conninfo(const std::string& database) const {
    return "host=127.0.0.1 port=" + std::to_string(port) + " user=kvelli99 dbname=" + database +
           " connect_timeout=5";
}

void TempPostgres::CreateDatabase(const std::string& name) {
    Exec("postgres", "CREATE DATABASE " + name);
}

void TempPostgres::Exec(const std::string& database, const std::string& sql) {
    Query(database, sql);
}

std::string TempPostgres::Query(const std::string& database, const std::string& sql) {
    Connection c(Conninfo(database));
    PGresult* r = PQexec(c.conn, sql.c_str());
    const auto status = PQresultStatus(r);
    std::string value;
    if (status == PGRES_TUPLES_OK && PQntuples(r) > 0) value = PQgetvalue(r, 0, 0);
    PQclear(r);
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        throw std::runtime_error(sql + ": " + PQerrorMessage(c.conn));
    return value;
}

}  // namespace kv::test
