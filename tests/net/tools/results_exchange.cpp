// results_exchange: one results exchange as "Отправить свой результат по интернету" runs it, without
// the window: the network core's workflow with the records core's merge and page writer.
//   results_exchange HOST PORT RECDIR
#include <cstdio>
#include <cstdlib>
#include <string>

#include "net/ResultsExchange.h"
#include "records/Html.h"
#include "records/RecFile.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: results_exchange HOST PORT RECDIR\n");
        return 2;
    }
    kv::TFtpClient ftp;
    ftp.Host = argv[1];
    ftp.Port = std::atoi(argv[2]);
    ftp.UserID = "kvelli99";
    ftp.Password = "quillon84";
    ftp.Passive = true;
    const std::string dir = argv[3];
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
