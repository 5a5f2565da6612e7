// The proofs beside a table: the file's strict format, and that adding and merging keep the proofs
// of exactly the entries the table holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordsTestUtil.h"
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

}  // namespace
}  // namespace kv
