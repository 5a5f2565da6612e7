// The proofs beside a table: the file's strict format, and that adding and merging keep the proofs
// of exactly the entries the table holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "RecordsTestUtil.h"
#include "base/AtomicFile.h"
#include "records/Proofs.h"

namespace kv {
namespace {

using test::Filled;

std::string Header() {
    return std::string(kProofsHeader);
}

TEST(ProofsFile, WritesAndReadsBackAnyBytes) {
    const ProofTexts proofs{
        {7, std::string("a\0\n\r\xFF", 5)}, {1200, "x"}, {40, std::string(kProofTextLimit, 'p')}};
    const std::string bytes = FormatProofs(proofs);
    EXPECT_EQ(bytes.substr(0, Header().size() + 9), Header() + "1200 1\nx\n");
    EXPECT_EQ(ParseProofs(bytes), proofs);
    EXPECT_EQ(FormatProofs({}), Header());
    EXPECT_TRUE(ParseProofs(Header()).empty());
    EXPECT_EQ(ProofsPathFor("/d/Kvelli99.rec"), "/d/Kvelli99.prf");
    EXPECT_EQ(ProofsPathFor("/d/table"), "/d/table.prf");
}

TEST(ProofsFile, RefusesAnythingItWouldNotWrite) {
    std::string twenty = Header();
    for (int s = 21; s >= 1; --s)
        twenty += std::to_string(s) + " 1\nx\n";
    const struct {
        const char* what;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"empty", "", "does not begin"},
        {"other file", "abc_5\r\n", "does not begin"},
        {"newer version", "Kvelli99 proofs 2\n", "version \"2\""},
        {"CR LF header", "Kvelli99 proofs 1\r\n", "version"},
        {"no entry line end", Header() + "5 1", "no line"},
        {"long entry line", Header() + std::string(40, '1') + "\n", "no line"},
        {"score 0", Header() + "0 1\nx\n", "is not \"<score> <length>\""},
        {"negative score", Header() + "-5 1\nx\n", "is not"},
        {"leading zero", Header() + "05 1\nx\n", "is not"},
        {"score beyond 32 bits", Header() + "2147483648 1\nx\n", "is not"},
        {"two blanks", Header() + "5  1\nx\n", "is not"},
        {"empty proof", Header() + "5 0\n\n", "is not"},
        {"proof over the limit", Header() + "5 " + std::to_string(kProofTextLimit + 1) + "\n", "is not"},
        {"cut short", Header() + "5 4\nxy\n", "cut short"},
        {"no LF after the proof", Header() + "5 1\nxy", "cut short"},
        {"same score twice", Header() + "5 1\nx\n5 1\ny\n", "not below"},
        {"rising scores", Header() + "5 1\nx\n6 1\ny\n", "not below"},
        {"trailing bytes", Header() + "5 1\nx\n\n", "entry 2"},
        {"more entries than a table", twenty, "more than 20"},
    };
    for (const auto& c : cases) {
        try {
            ParseProofs(c.bytes);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const EProofsError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.what << ": " << e.what();
        }
    }
    EXPECT_THROW(FormatProofs({{0, "x"}}), EProofsError);
    EXPECT_THROW(FormatProofs({{5, ""}}), EProofsError);
}

class ProofsBesideTable : public test::RecordsTest {
  protected:
    std::string Prf(const std::string& table = kRecFileName) { return ProofsPathFor(dir.File(table)); }
};

// A full table: N20_2000 down to N1_100, with a proof for each of the last two rows.
std::vector<std::string> FullTable() {
    std::vector<std::string> rows;
    for (int k = 20; k >= 1; --k)
        rows.push_back("N" + std::to_string(k) + "_" + std::to_string(100 * k));
    return rows;
}

// After a result enters, the proofs beside the table are those of exactly its entries, and each
// is the proof of the entry a merge would send (the first of its score).
TEST_F(ProofsBesideTable, AResultKeepsExactlyTheProofsOfTheTable) {
    const std::vector<std::string> small = {"A_500", "B_300"};
    const struct {
        const char* what;
        std::vector<std::string> table;
        std::optional<ProofTexts> before;  // nullopt: no proofs file
        int32_t score;
        std::optional<std::string> proof;
        std::optional<ProofTexts> after;  // nullopt: still no proofs file
    } cases[] = {
        {"a proven result joins", small, ProofTexts{{500, "a"}}, 400, "c",
         ProofTexts{{500, "a"}, {400, "c"}}},
        {"the first proof makes the file", small, std::nullopt, 400, "c", ProofTexts{{400, "c"}}},
        {"an unproven result makes no file", small, std::nullopt, 400, std::nullopt, std::nullopt},
        {"a tie keeps the first entry's proof", small, ProofTexts{{500, "a"}}, 500, "c",
         ProofTexts{{500, "a"}}},
        {"proofs of scores not in the table go", small, ProofTexts{{500, "a"}, {77, "gone"}}, 400,
         std::nullopt, ProofTexts{{500, "a"}}},
        {"a pushed-out entry's proof goes", FullTable(), ProofTexts{{100, "n1"}, {200, "n2"}}, 5000, "x",
         ProofTexts{{200, "n2"}, {5000, "x"}}},
        {"taking the 20th's place unproven drops its proof", FullTable(),
         ProofTexts{{100, "n1"}, {200, "n2"}}, 100, std::nullopt, ProofTexts{{200, "n2"}}},
        {"taking the 20th's place proven keeps the new proof", FullTable(), ProofTexts{{100, "n1"}}, 100,
         "new", ProofTexts{{100, "new"}}},
        {"a result below a full table changes nothing", FullTable(), ProofTexts{{100, "n1"}}, 50, "low",
         ProofTexts{{100, "n1"}}},
        {"an oversized proof counts as none", small, ProofTexts{{500, "a"}}, 400,
         std::string(kProofTextLimit + 1, 'p'), ProofTexts{{500, "a"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string rows;
        for (const auto& r : c.table)
            rows += NegateBytes(r) + "\r\n";
        dir.Write(kRecFileName, rows);
        std::filesystem::remove(Prf());
        if (c.before) WriteProofs(Prf(), *c.before);
        kv::StoreResult(Matr, dir.File(kRecFileName), "New", c.score, c.proof);
        ASSERT_EQ(FileExists(Prf()), c.after.has_value());
        if (c.after) {
            EXPECT_EQ(ReadProofs(Prf()), *c.after);
        }
    }
}

// What can't be read as proofs neither stops a result nor is lost; a merge sends only the proofs
// of local entries the merged table holds, never one for another player's entry of that score.
TEST_F(ProofsBesideTable, DamagedProofsAreKeptAsideAndMergesSendOnlyLocalProofs) {
    WriteRec({"A_500"});
    dir.Write("Kvelli99.prf", "Kvelli99 proofs 9\nwhatever");
    kv::StoreResult(Matr, dir.File(kRecFileName), "New", 400, "c");
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"A_500", "New_400"}));
    EXPECT_EQ(ReadProofs(Prf()), (ProofTexts{{400, "c"}}));
    int kept = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        kept += e.path().filename().string().starts_with("Kvelli99.prf.damaged-");
    EXPECT_EQ(kept, 1);

    WriteProofs(Prf(), {{500, "a"}, {400, "c"}, {70, "stale"}});
    WriteRec({"Carl_500", "Olga_70", "Dan_60"}, kNetRecFileName);
    WriteProofs(Prf(kNetRecFileName), {{60, "old upload"}});
    MergeRecFiles(dir.File(kRecFileName), dir.File(kNetRecFileName));
    EXPECT_EQ(FileEntries(kNetRecFileName),
              (std::vector<std::string>{"A_500", "New_400", "Olga_70", "Dan_60"}));
    EXPECT_EQ(ReadProofs(Prf(kNetRecFileName)), (ProofTexts{{500, "a"}, {400, "c"}}));
    // Unreadable local proofs send the entries unproven and stay as they are.
    dir.Write("Kvelli99.prf", "junk");
    MergeRecFiles(dir.File(kRecFileName), dir.File(kNetRecFileName));
    EXPECT_EQ(ReadProofs(Prf(kNetRecFileName)), ProofTexts{});
    EXPECT_EQ(dir.Read("Kvelli99.prf"), "junk");
}

}  // namespace
}  // namespace kv
