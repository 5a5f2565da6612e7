#include "net/ResultsExchange.h"

#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "base/Exception.h"

namespace kv {

void RunResultsExchange(const std::function<TFtpClient&()>& client, const std::string& recDir,
                        const ExchangeSteps& steps) {
    const std::string localPath = recDir + "/" + kExchangeLocalRecords;
    const std::string netPath = recDir + "/" + kExchangeNetRecords;
    const std::string pagePath = recDir + "/" + kExchangePage;
    auto status = [&steps](const std::string& text) {
        if (steps.status) steps.status(text);
    };

    client().Connect();
    client().ChangeDirectory(kExchangeRemoteDir);
    // The server's table: a failed download leaves the local copy as it was and ends here.
    client().Download(kExchangeRemoteRecords, netPath);
    // Each wait may have run a handler that closed the window: ask again before going on.
    client();
    status(kExchangeReading);
    steps.merge(localPath, netPath);
    steps.writePage(netPath, pagePath);
    status(kExchangeWritingRecords);
    client().Upload(netPath, kExchangeRemoteRecords);
    client();
    status(kExchangeWritingTable);
    client().Upload(pagePath, kExchangePage);
    client();
    status(kExchangeWritten);
    // The page lives on the server; the copy here would only go stale.
    if (::unlink(pagePath.c_str()) != 0 && errno != ENOENT)
        throw Exception("Cannot delete file \"" + pagePath + "\". " + std::strerror(errno));
}

}  // namespace kv
