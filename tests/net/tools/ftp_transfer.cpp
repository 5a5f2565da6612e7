// ftp_transfer: one login or one transfer with the program's FTP client, for measurements.
//   ftp_transfer [--passive] [--user U] [--password P] [--cwd DIR] [--idle-limit MS]
//                [--tls off|auto|required] [--pin FINGERPRINT] HOST PORT login
//   ftp_transfer [...] HOST PORT get REMOTE LOCAL
//   ftp_transfer [...] HOST PORT put LOCAL REMOTE
// Prints one line: operation, bytes, wall seconds, processor seconds (user + system), MiB/s, and
// how often the event pump ran. A login that fails (--idle-limit ended its wait) prints its wall and
// processor time with the error, and exits 1.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "net/FtpClient.h"

namespace {

double CpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: ftp_transfer [--passive] [--user U] [--password P] [--cwd DIR] [--idle-limit MS] "
                 "[--tls off|auto|required] [--pin FINGERPRINT] HOST PORT login | get REMOTE LOCAL | put "
                 "LOCAL REMOTE\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    kv::TFtpClient ftp;
    ftp.UserID = "kvelli99";
    ftp.Password = "quillon84";
    std::string cwd;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--passive") {
            ftp.Passive = true;
        } else if ((a == "--user" || a == "--password" || a == "--cwd" || a == "--idle-limit" ||
                    a == "--tls" || a == "--pin") &&
                   i + 1 < argc) {
            std::string v = argv[++i];
            if (a == "--user") ftp.UserID = v;
            if (a == "--password") ftp.Password = v;
            if (a == "--cwd") cwd = v;
            if (a == "--idle-limit") ftp.IdleLimit = std::stoi(v);
            if (a == "--tls")
                ftp.Tls = v == "required" ? kv::TlsMode::Required
                          : v == "auto"   ? kv::TlsMode::Auto
                                          : kv::TlsMode::Off;
            if (a == "--pin") ftp.TlsFingerprint = v;
        } else {
            args.push_back(a);
        }
    }
    if (args.size() < 3) return Usage();
    ftp.Host = args[0];
    ftp.Port = std::stoi(args[1]);
    const std::string op = args[2];
    if ((op == "get" || op == "put") && args.size() != 5) return Usage();
    long pumps = 0;
    ftp.EventPump = [&pumps] { ++pumps; };

    auto start = std::chrono::steady_clock::now();
    double cpu0 = CpuSeconds();
    try {
        ftp.Connect();
        if (!cwd.empty()) ftp.ChangeDirectory(cwd);
        auto t0 = std::chrono::steady_clock::now();
        double cpu1 = CpuSeconds();
        if (op == "get") {
            ftp.Download(args[3], args[4]);
        } else if (op == "put") {
            ftp.Upload(args[3], args[4]);
        } else if (op != "login") {
            return Usage();
        }
        auto t1 = std::chrono::steady_clock::now();
        double cpu2 = CpuSeconds();
        ftp.Disconnect();
        // A login is timed whole (its wait is what is measured); a transfer from its start.
        bool login = op == "login";
        double wall = std::chrono::duration<double>(login ? t0 - start : t1 - t0).count();
        double cpu = login ? cpu1 - cpu0 : cpu2 - cpu1;
        double bytes = login ? 0.0 : static_cast<double>(ftp.ByteCount());
        std::printf("%s bytes=%.0f wall_s=%.3f cpu_s=%.3f cpu_pct=%.2f MiB_s=%.1f pumps=%ld\n", op.c_str(),
                    bytes, wall, cpu, wall > 0 ? 100.0 * cpu / wall : 0.0,
                    wall > 0 ? bytes / wall / 1048576.0 : 0.0, pumps);
    } catch (const std::exception& e) {
        double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        double cpu = CpuSeconds() - cpu0;
        std::printf("%s error=\"%s\" wall_s=%.3f cpu_s=%.3f cpu_pct=%.2f pumps=%ld\n", op.c_str(), e.what(),
                    wall, cpu, wall > 0 ? 100.0 * cpu / wall : 0.0, pumps);
        return 1;
    }
    return 0;
}
