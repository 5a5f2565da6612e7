#include "net/ResultsExchange.h"

#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "base/AtomicFile.h"
#include "base/Exception.h"
#include "net/ReplyParse.h"

namespace kv {

namespace {

// A count as the server writes it: "0", or digits without a leading zero, at most two.
bool TakeCount(std::string_view& rest, std::string_view key, uint32_t& count) {
    if (rest.substr(0, key.size()) != key) return false;
    rest.remove_prefix(key.size());
    size_t n = 0;
    while (n < rest.size() && n < 3 && rest[n] >= '0' && rest[n] <= '9')
        ++n;
    if (n == 0 || n > 2 || (n == 2 && rest[0] == '0')) return false;
    count = 0;
    for (size_t i = 0; i < n; ++i)
        count = count * 10 + static_cast<uint32_t>(rest[i] - '0');
    rest.remove_prefix(n);
    return true;
}

// The proofs go first, so that a verifying server has them when the table arrives. They are an
// addition a plain server may refuse: a 5xx refusal leaves the exchange as it always was. The
// player sees the success boxes of the design's uploads only.
void UploadProofs(const std::function<TFtpClient&()>& client, const std::string& proofsPath) {
    if (proofsPath.empty() || !FileExists(proofsPath)) return;
    auto onSuccess = client().OnSuccess;
    client().OnSuccess = nullptr;
    // The client may be gone after any wait: put the notification back only on one still there.
    auto restore = [&] {
        try {
            client().OnSuccess = onSuccess;
        } catch (...) {
        }
    };
    try {
        client().Upload(proofsPath, kExchangeRemoteProofs);
    } catch (const FTPException& e) {
        restore();
        int code = 0;
        try {
            code = ParseReplyCode(e.ReplyLine());
        } catch (const EConvertError&) {
        }
        if (code < 500 || code > 599) throw;
        return;
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

}  // namespace

std::optional<ExchangeVerdict> ParseVerdict(std::string_view reply) {
    constexpr std::string_view kWord = "kvelli99-verdict";
    const size_t at = reply.find(kWord);
    if (at == std::string_view::npos) return std::nullopt;
    // One verdict, as a word of its own: a second one or a longer word is no verdict.
    if (reply.find(kWord, at + 1) != std::string_view::npos) return std::nullopt;
    if (at > 0 && reply[at - 1] != ' ' && reply[at - 1] != '\n') return std::nullopt;
    std::string_view rest = reply.substr(at + kWord.size());
    ExchangeVerdict v;
    if (!TakeCount(rest, " unproven=", v.unproven) || !TakeCount(rest, " forged=", v.forged) ||
        !TakeCount(rest, " duplicate=", v.duplicate))
        return std::nullopt;
    if (!rest.empty() && rest[0] != '\r' && rest[0] != '\n' && rest[0] != ' ' && rest[0] != '.' &&
        rest[0] != ';')
        return std::nullopt;
    if (v.Refused() > kVerdictMaxEntries) return std::nullopt;
    return v;
}

std::optional<ExchangeVerdict> RunResultsExchange(const std::function<TFtpClient&()>& client,
                                                  const std::string& recDir, const ExchangeSteps& steps) {
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
    if (steps.proofsOf) UploadProofs(client, steps.proofsOf(netPath));
    client().Upload(netPath, kExchangeRemoteRecords);
    const std::optional<ExchangeVerdict> verdict = ParseVerdict(client().ClosingReply());
    status(kExchangeWritingTable);
    client().Upload(pagePath, kExchangePage);
    client();
    status(kExchangeWritten);
    // The page lives on the server; the copy here would only go stale.
    if (::unlink(pagePath.c_str()) != 0 && errno != ENOENT)
        throw Exception("Cannot delete file \"" + pagePath + "\". " + std::strerror(errno));
    return verdict;
}

}  // namespace kv
