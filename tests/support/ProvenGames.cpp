#include "ProvenGames.h"

#include "RunProgram.h"
#include "base/AtomicFile.h"

namespace kv::test {

std::string SendTable(int port, const std::string& dir, const ProofTexts& proofs,
                      const std::vector<std::string>& entries, bool alone) {
    std::string proofsPath = "-";
    if (!proofs.empty()) {
        proofsPath = dir + "/sent.prf";
        WriteFileAtomic(proofsPath, FormatProofs(proofs));
    }
    std::vector<std::string> args = {KV_PYTHON, std::string(KV_SOURCE_DIR) + "/tests/support/send_table.py",
                                     std::to_string(port), proofsPath, alone ? "alone" : "fetch"};
    args.insert(args.end(), entries.begin(), entries.end());
    const ProgramRun run = RunProgram(args);
    std::string reply = run.out;
    while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r'))
        reply.pop_back();
    return run.status == 0 ? reply : "send_table.py failed: " + run.err;
}

}  // namespace kv::test
