// results_exchange: one results exchange as "Отправить свой результат по интернету" runs it, without
// the window: the network core's workflow with the records core's merge and page writer.
//   results_exchange [--user U] [--password P] [--tls off|auto|required] HOST PORT RECDIR
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "net/ResultsExchange.h"
#include "records/Html.h"
#include "records/RecFile.h"

int main(int argc, char** argv) {
    kv::TFtpClient ftp;
    ftp.UserID = "kvelli99";
    ftp.Password = "quillon84";
    ftp.Passive = true;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--user" || a == "--password" || a == "--tls") && i + 1 < argc) {
            const std::string v = argv[++i];
            if (a == "--user") ftp.UserID = v;
            if (a == "--password") ftp.Password = v;
            if (a == "--tls")
                ftp.Tls = v == "required" ? kv::TlsMode::Required
                          : v == "auto"   ? kv::TlsMode::Auto
                                          : kv::TlsMode::Off;
        } else {
            args.push_back(a);
        }
    }
    if (args.size() != 3) {
        std::fprintf(stderr,
                     "usage: results_exchange [--user U] [--password P] [--tls off|auto|required] "
                     "HOST PORT RECDIR\n");
        return 2;
    }
    ftp.Host = args[0];
    ftp.Port = std::atoi(args[1].c_str());
    const std::string dir = args[2];
    kv::ExchangeSteps steps;
    kv::MergeTable matrInt{};
    steps.merge = [&matrInt](const std::string& local, const std::string& net) {
        kv::MergeRecFiles(matrInt, local, net);
    };
    steps.writePage = [](const std::string& net, const std::string& page) { kv::WriteHtmlTable(net, page); };
    steps.status = [](const std::string& text) { std::printf("%s\n", text.c_str()); };
    int rc = 0;
    try {
        kv::RunResultsExchange([&ftp]() -> kv::TFtpClient& { return ftp; }, dir, steps);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "exchange failed: %s\n", e.what());
        rc = 1;
    }
    try {
        ftp.Disconnect();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "disconnect failed: %s\n", e.what());
        if (rc == 0) rc = 1;
    }
    return rc;
}
