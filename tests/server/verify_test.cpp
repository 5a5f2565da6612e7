// A verifying results server (the default), over real FTP sessions on 127.0.0.1 with Python's
// ftplib: an entry new to the common table enters it and its page only with a proof that the game
// core replays to its score; the administrator takes entries out, and one taken out needs its
// proof again.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ProvenGames.h"
#include "RunProgram.h"
#include "ShippedServer.h"
#include "TempDir.h"
#include "base/AtomicFile.h"
#include "records/Proofs.h"

namespace kv {
namespace {

using test::ShippedServer;

std::vector<std::string> Names(const std::string& table) {
    std::vector<std::string> names;
    for (const auto& [name, score] : test::TableRows(table))
        names.push_back(name);
    return names;
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool OnPage(int http, const std::string& name) {
    return test::HttpGet(http, "/table.html").second.find("\"BLUE\">" + name + "</FONT>") !=
           std::string::npos;
}

std::string Entry(const std::string& name, int32_t score) {
    return name + "_" + std::to_string(score);
}

TEST(VerifyingServerTest, OnlyEntriesWhoseProofReplaysToTheirScoreEnterAndARemovedOneNeedsItAgain) {
    const auto ann = test::PlayGame(1), bob = test::PlayGame(2), half = test::PlayGame(3, 3);
    ASSERT_TRUE(ann.finished && bob.finished && !half.finished);
    ASSERT_GT(half.score, 0);
    ASSERT_NE(bob.score + 5, ann.score);
    ASSERT_NE(half.score, ann.score);
    test::TempDir data, files;
    ShippedServer server(data.path(), {}, data.File("server.log"), ShippedServer::Proofs::kVerify);
    const std::string table = data.File("WWW/records.rec");

    // Ann's entry is in the table (and page) after each case or not; every other name sent is not.
    struct Case {
        const char* what;
        ProofTexts proofs;
        std::vector<std::string> sent;
        bool alone;  // sent without the table fetched first
        const char* verdict;
        bool annIn;
        bool removeAnnFirst = false;
    };
    const std::string annEntry = Entry("Ann", ann.score), all0 = "unproven=0 forged=0 duplicate=0";
    const ProofTexts annProof{{ann.score, ann.proof}};
    const Case cases[] = {
        {"a score typed into the table",
         {},
         {"Cheater_99999995"},
         false,
         "unproven=1 forged=0 duplicate=0",
         false},
        {"a game played to its end", annProof, {annEntry}, false, all0.c_str(), true},
        {"another game's proof for a higher score",
         {{bob.score + 5, bob.proof}},
         {Entry("Liar", bob.score + 5)},
         false,
         "unproven=0 forged=1 duplicate=0",
         true},
        {"proofs that are none, break the rules or end before the game",
         {{777, "KV99PROOF 1\nseed zz\nend\n"},
          {778, "KV99PROOF 1\nseed 0000000000000001\n11 33\nend\n"},
          {half.score, half.proof}},
         {"Junk_777", "Jump_778", Entry("Half", half.score)},
         false,
         "unproven=0 forged=3 duplicate=0",
         true},
        // What another player's equal score took the place of, still in a copy fetched earlier.
        {"an entry without a proof whose score the table holds",
         {},
         {Entry("Stale", ann.score)},
         true,
         all0.c_str(),
         true},
        {"Ann's game under another name",
         annProof,
         {Entry("Copycat", ann.score)},
         true,
         "unproven=0 forged=0 duplicate=1",
         true},
        {"Ann's entry, taken out and sent again without its proof",
         {},
         {annEntry},
         false,
         "unproven=1 forged=0 duplicate=0",
         false,
         true},
        {"and with it", annProof, {annEntry}, false, all0.c_str(), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.removeAnnFirst) {  // Ann is the table's only row
            const auto removed = test::RunProgram({test::RecordsToolPath(), "remove", table, "1"});
            EXPECT_EQ(removed.status, 0) << removed.err;
            EXPECT_NE(removed.out.find("removed row 1: Ann"), std::string::npos) << removed.out;
            EXPECT_FALSE(Has(Names(table), "Ann"));
            EXPECT_FALSE(OnPage(server.http, "Ann")) << "the page follows the removal";
            EXPECT_EQ(ReadProofs(ProofsPathFor(table)).count(ann.score), 0u) << "its proof goes with it";
        }
        const std::string reply = test::SendTable(server.ftp, files.path(), c.proofs, c.sent, c.alone);
        EXPECT_EQ(reply, std::string("226 Table merged; kvelli99-verdict ") + c.verdict);
        const auto names = Names(table);
        EXPECT_EQ(Has(names, "Ann"), c.annIn);
        EXPECT_EQ(OnPage(server.http, "Ann"), c.annIn);
        for (const auto& entry : c.sent) {
            const std::string n = entry.substr(0, entry.rfind('_'));
            if (n == "Ann") continue;
            EXPECT_FALSE(Has(names, n)) << n;
            EXPECT_FALSE(OnPage(server.http, n)) << n;
        }
    }
    // The table keeps the proofs of its proven entries only.
    EXPECT_EQ(ReadProofs(ProofsPathFor(table)), (ProofTexts{{ann.score, ann.proof}}));
    std::string log;
    ReadWholeFile(data.File("server.log"), log);
    EXPECT_NE(log.find("not accepted: Cheater 99999995: no proof"), std::string::npos) << log;
    EXPECT_NE(log.find("Copycat " + std::to_string(ann.score) + ": duplicate"), std::string::npos) << log;
}

}  // namespace
}  // namespace kv
