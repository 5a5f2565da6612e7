// The records file: its bytes, the line reader, ranking, merging and entering a result.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "HostileFiles.h"
#include "RecordsTestUtil.h"
#include "base/AtomicFile.h"
#include "base/Cp1251.h"
#include "records/RecFile.h"

namespace kv {
namespace {

using test::Filled;
using test::Rows;
using test::Stored;

class RecFileTest : public test::RecordsTest {};

TEST_F(RecFileTest, StoredFormBothWays) {
    RecTable table{};
    table[0] = {"abc", 5};
    WriteRecFile(table, dir.File(kRecFileName));
    EXPECT_EQ(dir.Read(kRecFileName), std::string("\x9F\x9E\x9D\xA1\xCB\x0D\x0A"));

    dir.Write(kRecFileName, "\x9F\x9E\x9D\xA1\xCB\x0D\x0A");
    ReadRecFile(kRecFileName);
    EXPECT_EQ(Matr[0], (RecEntry{"abc", 5}));
    EXPECT_EQ(FilledRows(Matr), 1);

    EXPECT_EQ(NegateBytes("_0123456789"), "\xA1\xD0\xCF\xCE\xCD\xCC\xCB\xCA\xC9\xC8\xC7");
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(NegateBytes(NegateBytes(all)), all);
    EXPECT_EQ(NegateBytes(std::string(1, '\0')), std::string(1, '\0'));
}

TEST_F(RecFileTest, WriteStopsAtFirstEmptyRowAndRewritesWhole) {
    dir.Write(kRecFileName, std::string(500, 'x'));
    RecTable table{};
    table[0] = {"a", 3};
    table[1] = {"b", -2};
    table[3] = {"d", 1};  // after the empty row 3: not written
    WriteRecFile(table, dir.File(kRecFileName));
    EXPECT_EQ(dir.Read(kRecFileName), Stored({"a_3", "b_-2"}));
    WriteRecFile(RecTable{}, dir.File(kRecFileName));
    EXPECT_EQ(dir.Read(kRecFileName), "");
}

TEST(RecLineReader, LineEndsAndEndOfText) {
    // CR alone ends a line, LF after it belongs to the line end, a lone LF is part of the text.
    RecLineReader r("a\rb\r\nc\nd\r\r\ne");
    EXPECT_EQ(r.Next(), "a");
    EXPECT_EQ(r.Next(), "b");
    EXPECT_EQ(r.Next(), "c\nd");
    EXPECT_EQ(r.Next(), "");
    EXPECT_EQ(r.Next(), "e");
    EXPECT_EQ(r.Next(), "");
    EXPECT_EQ(r.Next(), "");

    // 0x1A ends the whole text, in the middle of a line too; every later line is empty.
    RecLineReader z(
        "ab\r\ncd\x1A"
        "ef\r\ngh\r\n");
    EXPECT_EQ(z.Next(), "ab");
    EXPECT_EQ(z.Next(), "cd");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(z.Next(), "");
}

TEST_F(RecFileTest, ReaderRules) {
    // 0x1A ends the file: the rows after it stay empty, without an error.
    dir.Write(kRecFileName,
              Stored({"a_1"}) + NegateBytes("b_2") + "\x1A" + NegateBytes("9") + "\r\n" + Stored({"c_3"}));
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"a_1", "b_2"}));

    // CR without LF.
    dir.Write(kRecFileName, NegateBytes("a_1") + "\r" + NegateBytes("b_2") + "\r");
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"a_1", "b_2"}));
    // A lone LF doesn't end the line: the score then reads "1", LF, "b_2".
    dir.Write(kRecFileName, NegateBytes("a_1") + "\n" + NegateBytes("b_2") + "\r\n");
    EXPECT_THROW(ReadRecFile(kRecFileName), ERecordsError);

    // Rows are positional: a line without "_", an empty line and a score of 0 leave their rows
    // empty, and the next line still goes to the next row.
    WriteRec({"a_1", "no separator", "", "zero_0", "e_5"});
    ReadRecFile(kRecFileName);
    EXPECT_EQ(Rows(Matr)[0], "a_1");
    EXPECT_EQ(Rows(Matr)[1], "_0");
    EXPECT_EQ(Rows(Matr)[2], "_0");
    EXPECT_EQ(Rows(Matr)[3], "_0");
    EXPECT_EQ(Rows(Matr)[4], "e_5");
    EXPECT_EQ(FilledRows(Matr), 1);

    // Of 25 lines only the first 20 are read; a name of 20 bytes keeps its first 15.
    std::string many;
    for (int k = 1; k <= 25; ++k)
        many += Stored({"p" + std::to_string(k) + "_" + std::to_string(100 - k)});
    dir.Write(kRecFileName, many);
    ReadRecFile(kRecFileName);
    EXPECT_EQ(FilledRows(Matr), 20);
    EXPECT_EQ(Matr[19], (RecEntry{"p20", 80}));
    WriteRec({"abcdefghijklmnopqrst_7"});
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"abcdefghijklmno_7"}));

    // An empty file is an empty table.
    dir.Write(kRecFileName, "");
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{}));
}

TEST_F(RecFileTest, InvalidScoreFailsKeepingRowsBefore) {
    for (std::string bad :
         {"", "x", "1_2", "12a", " 5", "5 ", "-", "2147483648", "-2147483649", "99999999999999999999"}) {
        SCOPED_TRACE(bad);
        WriteRec({"a_1", "b_2", "c_" + bad, "d_4"});
        EXPECT_THROW(ReadRecFile(kRecFileName), ERecordsError);
        EXPECT_EQ(Rows(Matr)[0], "a_1");
        EXPECT_EQ(Rows(Matr)[1], "b_2");
        EXPECT_EQ(FilledRows(Matr), 2);
        EXPECT_TRUE(Matr[3].Empty());
    }
    WriteRec({"a_2147483647", "b_-2147483648", "c_+7", "d_007", "e_-0"});
    ReadRecFile(kRecFileName);
    EXPECT_EQ(Rows(Matr)[0], "a_2147483647");
    EXPECT_EQ(Rows(Matr)[1], "b_-2147483648");
    EXPECT_EQ(Rows(Matr)[2], "c_7");
    EXPECT_EQ(Rows(Matr)[3], "d_7");
    EXPECT_TRUE(Matr[4].Empty());
    try {
        WriteRec({"a_1x"});
        ReadRecFile(kRecFileName);
    } catch (const ERecordsError& e) {
        EXPECT_STREQ(e.what(), "'1x' is not a valid integer value");
    }
}

TEST_F(RecFileTest, MissingFileFailsWithEmptyTable) {
    Matr[0] = {"old", 9};
    try {
        ReadRecFile(kRecFileName);
        FAIL() << "no error";
    } catch (const ERecordsError& e) {
        EXPECT_NE(std::string(e.what()).find(dir.File(kRecFileName)), std::string::npos);
    }
    EXPECT_EQ(FilledRows(Matr), 0);
    EXPECT_FALSE(dir.Exists(kRecFileName));
    EXPECT_EQ(st.RecPath(kRecFileName), dir.path() + "/Kvelli99.rec");
}

// A FIFO, a huge file or a directory where a table should be: unreadable, at once and in normal
// memory, and left as it is.
TEST_F(RecFileTest, HostileFilesAreUnreadableAndLeftAlone) {
    for (test::Hostile kind : test::kHostileFiles) {
        test::TempDir d;
        RecDir = d.path();
        test::MakeHostile(kind, d.File(kRecFileName));
        test::ExpectPromptAndSmall(kind, d.File(kRecFileName), [this] {
            EXPECT_THROW(ReadRecFile(kRecFileName), ERecordsError);
            EXPECT_THROW(StoreResult(kRecFileName, 50), ERecordsError);
        });
        EXPECT_EQ(FilledRows(Matr), 0);

        // The server's copy in kvelint.rec, and the local table, in a merge.
        d.Write("local.rec", Stored({"A_100"}));
        test::MakeHostile(kind, d.File(kNetRecFileName));
        test::ExpectPromptAndSmall(kind, d.File(kNetRecFileName), [&] {
            EXPECT_THROW(MergeRecFiles(d.File("local.rec"), d.File(kNetRecFileName)), ERecordsError);
            EXPECT_THROW(MergeRecFiles(d.File(kRecFileName), d.File("local.rec")), ERecordsError);
        });
        EXPECT_EQ(d.Read("local.rec"), Stored({"A_100"}));
        struct stat st {};
        ASSERT_EQ(::stat(d.File(kNetRecFileName).c_str(), &st), 0);
        EXPECT_EQ(S_ISFIFO(st.st_mode), kind == test::Hostile::Fifo);
        EXPECT_EQ(S_ISDIR(st.st_mode), kind == test::Hostile::Directory);
    }
    // Up to the bound a table reads; a byte more and it is not one.
    RecDir = dir.path();
    std::string big = Stored({"A_100"}) + std::string(kReadLimit, '\x1A');
    big.resize(kReadLimit);
    dir.Write(kRecFileName, big);
    EXPECT_EQ(FileEntries(), (std::vector<std::string>{"A_100"}));
    dir.Write(kRecFileName, big + "\x1A");
    EXPECT_THROW(ReadRecFile(kRecFileName), ERecordsError);
}

TEST_F(RecFileTest, RankingIsStableAndFillsGaps) {
    Matr[0] = {"a", 10};
    Matr[1] = {"b", 30};
    Matr[2] = {"c", 10};
    Matr[4] = {"e", 30};  // after an empty row
    Matr[5] = {"f", 10};
    MatrSortir();
    EXPECT_EQ(Filled(Matr), (std::vector<std::string>{"b_30", "e_30", "a_10", "c_10", "f_10"}));
    // Two entries with one score are both kept, in their order.
    WriteRec({"x_5", "y_5"});
    ReadRecFile(kRecFileName);
    MatrSortir();
    EXPECT_EQ(Filled(Matr), (std::vector<std::string>{"x_5", "y_5"}));
}

TEST_F(RecFileTest, MatrSortIntKeepsEachScoreOnceEarliestWins) {
    MatrInt[0] = {"a", 5};
    MatrInt[1] = {"b", 5};
    MatrInt[3] = {"d", 7};
    MatrInt[20] = {"c", 5};
    MatrInt[21] = {"e", 7};
    MatrInt[39] = {"z", 1};
    MatrSortInt();
    EXPECT_EQ(Filled(MatrInt), (std::vector<std::string>{"d_7", "a_5", "z_1"}));
    EXPECT_EQ(FilledRows(MatrInt), 3);
    for (int k = 3; k < kMatrIntRows; ++k)
        EXPECT_TRUE(MatrInt[k].Empty()) << k;
}

// The one merge that the game's exchange and the records tool (with either --ties) share.
TEST_F(RecFileTest, MergeTablesTiesGoToTheSideAsked) {
    RecTable table{}, sent{};
    table[0] = {"t", 100};
    table[1] = {"t", 50};
    table[2] = {"t", 10};
    sent[0] = {"s", 70};
    sent[1] = {"s", 50};
    sent[2] = {"s2", 50};
    for (int k = 3; k < kMatrRows; ++k)
        sent[k] = {"low", 40 - k};
    const struct {
        TiesTo ties;
        const char* fifty;
    } cases[] = {{TiesTo::Sent, "s"}, {TiesTo::Table, "t"}};
    for (const auto& c : cases) {
        const MergeTable all = MergeTables(table, sent, c.ties);
        EXPECT_EQ(all[0], (RecEntry{"t", 100}));
        EXPECT_EQ(all[1], (RecEntry{"s", 70}));
        EXPECT_EQ(all[2], (RecEntry{c.fifty, 50})) << c.fifty;
        EXPECT_EQ(all[3], (RecEntry{"low", 37}));
        // Each score once, best first; what falls past the 20th row stays in the merge table.
        EXPECT_EQ(FilledRows(all), kMatrRows + 1);
        EXPECT_EQ(all[kMatrRows], (RecEntry{"t", 10}));
    }
}

TEST_F(RecFileTest, MergeExamples) {
    WriteRec({"A_100", "B_50"});
    WriteRec({"C_100", "D_70"}, kNetRecFileName);
    const std::string local = dir.Read(kRecFileName);
    MergeRecFiles(dir.File(kRecFileName), dir.File(kNetRecFileName));
    EXPECT_EQ(dir.Read(kNetRecFileName), Stored({"A_100", "D_70", "B_50"}));
    EXPECT_EQ(dir.Read(kRecFileName), local);

    // Three entries with one score: only the first local one stays.
    WriteRec({"X_10", "Y_10"});
    WriteRec({"Z_10"}, kNetRecFileName);
    MergeRecFiles(dir.File(kRecFileName), dir.File(kNetRecFileName));
    EXPECT_EQ(dir.Read(kNetRecFileName), Stored({"X_10"}));

    // The best 20 of both; an earlier merge's rows don't come back.
    std::string big;
    for (int k = 1; k <= 20; ++k)
        big += Stored({"n" + std::to_string(k) + "_" + std::to_string(k * 2)});
    dir.Write(kNetRecFileName, big);
    WriteRec({"L_41", "M_3"});
    MergeRecFiles(dir.File(kRecFileName), dir.File(kNetRecFileName));
    ReadRecFile(kNetRecFileName);
    EXPECT_EQ(FilledRows(Matr), 20);
    EXPECT_EQ(Matr[0], (RecEntry{"L", 41}));
    EXPECT_EQ(Matr[19], (RecEntry{"n2", 4}));
    WriteRec({});
    dir.Write(kNetRecFileName, Stored({"q_1"}));
    MergeRecFiles(dir.File(kRecFileName), dir.File(kNetRecFileName));
    EXPECT_EQ(dir.Read(kNetRecFileName), Stored({"q_1"}));
}

TEST_F(RecFileTest, MergeFailuresLeaveBothFiles) {
    WriteRec({"A_100"});
    // No server copy.
    EXPECT_THROW(MergeRecFiles(dir.File(kRecFileName), dir.File(kNetRecFileName)), ERecordsError);
    EXPECT_FALSE(dir.Exists(kNetRecFileName));
    // An invalid line in either file.
    WriteRec({"C_1", "D_?"}, kNetRecFileName);
    const std::string net = dir.Read(kNetRecFileName);
    EXPECT_THROW(MergeRecFiles(dir.File(kRecFileName), dir.File(kNetRecFileName)), ERecordsError);
    EXPECT_EQ(dir.Read(kNetRecFileName), net);
    WriteRec({"C_1"}, kNetRecFileName);
    WriteRec({"A_x"});
    EXPECT_THROW(MergeRecFiles(dir.File(kRecFileName), dir.File(kNetRecFileName)), ERecordsError);
    EXPECT_EQ(dir.Read(kNetRecFileName), Stored({"C_1"}));
    // No local file.
    EXPECT_THROW(MergeRecFiles(dir.File("none.rec"), dir.File(kNetRecFileName)), ERecordsError);
    EXPECT_EQ(dir.Read(kNetRecFileName), Stored({"C_1"}));
}

TEST_F(RecFileTest, AddResultToFiveRows) {
    WriteRec({"r1_500", "r2_400", "r3_300", "r4_200", "r5_100"});
    PlayerName = "new";
    ReadRecFile(kRecFileName);
    AddResult(kRecFileName, 300);
    const std::vector<std::string> expected{"r1_500", "r2_400", "r3_300", "new_300", "r4_200", "r5_100"};
    EXPECT_EQ(Filled(Matr), expected);
    EXPECT_EQ(FileEntries(), expected);
}

TEST_F(RecFileTest, AddResultToFullTable) {
    std::string full;
    for (int k = 1; k <= 20; ++k)
        full += NegateBytes("p" + std::to_string(k) + "_" + std::to_string(300 + (20 - k) * 10)) + "\r";
    // Lines end in CR alone, so a rewrite shows in the bytes.
    dir.Write(kRecFileName, full);
    PlayerName = "low";
    ReadRecFile(kRecFileName);
    AddResult(kRecFileName, 295);
    EXPECT_NE(dir.Read(kRecFileName), full);
    auto rows = FileEntries();
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[19], "p20_300");

    // A result equal to the lowest replaces it: the newer result wins the tie at the bottom.
    PlayerName = "tie";
    ReadRecFile(kRecFileName);
    AddResult(kRecFileName, 300);
    rows = FileEntries();
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[18], "p19_310");
    EXPECT_EQ(rows[19], "tie_300");

    // The highest enters at the top and pushes the lowest out.
    PlayerName = "top";
    ReadRecFile(kRecFileName);
    AddResult(kRecFileName, 10000);
    rows = FileEntries();
    EXPECT_EQ(rows[0], "top_10000");
    EXPECT_EQ(rows[19], "p19_310");
}

TEST_F(RecFileTest, AddResultOfZeroTouchesNothing) {
    // Unsorted and with an empty line: any rewrite would change the bytes.
    const std::string bytes = Stored({"b_1", "", "a_9"});
    dir.Write(kRecFileName, bytes);
    ReadRecFile(kRecFileName);
    const auto before = Rows(Matr);
    AddResult(kRecFileName, 0);
    AddResult(kRecFileName, -5);
    EXPECT_EQ(dir.Read(kRecFileName), bytes);
    EXPECT_EQ(Rows(Matr), before);
}

TEST_F(RecFileTest, AddResultNeverCreatesTheFile) {
    WriteRec({});
    ReadRecFile(kRecFileName);
    std::remove(dir.File(kRecFileName).c_str());
    EXPECT_THROW(AddResult(kRecFileName, 10), ERecordsError);
    EXPECT_FALSE(dir.Exists(kRecFileName));
    // StoreResult: a directory without a records file gets neither a records file nor a lock.
    EXPECT_THROW(StoreResult(kRecFileName, 10), ERecordsError);
    EXPECT_FALSE(dir.Exists(kRecFileName));
    EXPECT_FALSE(dir.Exists(kRecFileName + ".lock"));
}

TEST_F(RecFileTest, NamesEnterAsWindows1251CutTo15Bytes) {
    WriteRec({});
    PlayerName = "Александр Великий";  // 17 letters; the name itself stays as typed
    StoreResult(kRecFileName, 40);
    ReadRecFile(kRecFileName);
    EXPECT_EQ(Matr[0].name, Utf8ToCp1251("Александр Велик"));
    EXPECT_EQ(PlayerName, "Александр Великий");
}

// Every byte of Windows-1251 may stand in a name. The four the format can't carry become their
// stand-ins, everything else is kept, and the file reads back the same after a results server
// moved it in text mode.
TEST_F(RecFileTest, EveryByteOfANameReadsBack) {
    RecTable table{};
    std::vector<std::string> originals;
    for (int b = 0, row = 0; b < 256; b += 15, ++row) {
        std::string name;
        for (int c = b; c < std::min(256, b + 15); ++c)
            name.push_back(static_cast<char>(c));
        originals.push_back(name);
        table[row] = {RowName(name), 1000 - row};
    }
    ASSERT_LE(originals.size(), 20u);
    WriteRecFile(table, dir.File(kRecFileName));
    const std::string stored = dir.Read(kRecFileName);

    auto expectNames = [&] {
        ReadRecFile(kRecFileName);
        ASSERT_EQ(FilledRows(Matr), static_cast<int>(originals.size()));
        for (size_t k = 0; k < originals.size(); ++k) {
            ASSERT_EQ(Matr[k].name.size(), originals[k].size());
            for (size_t i = 0; i < originals[k].size(); ++i) {
                unsigned char was = static_cast<unsigned char>(originals[k][i]);
                unsigned char now = static_cast<unsigned char>(Matr[k].name[i]);
                unsigned char want = was == '_'    ? '-'
                                     : was == 0xF3 ? 'y'
                                     : was == 0xE6 ? 0xC6
                                     : was == 0xF6 ? 0xD6
                                                   : was;
                EXPECT_EQ(now, want) << "byte " << int(was);
            }
            EXPECT_EQ(Matr[k].score, 1000 - static_cast<int>(k));
        }
    };
    expectNames();

    // Upload in text mode (CR LF -> LF), download in text mode (LF -> CR LF).
    std::string lf, crlf;
    for (size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') continue;
        lf += stored[i];
    }
    for (char c : lf) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(crlf, stored);
    dir.Write(kRecFileName, crlf);
    expectNames();

    // The stand-ins are what a name enters a row as: through AddResult too.
    PlayerName = "a_bужц";
    WriteRec({});
    StoreResult(kRecFileName, 5);
    EXPECT_EQ(dir.Read(kRecFileName), Stored({"a-by\xC6\xD6_5"}));
    EXPECT_EQ(PlayerName, "a_bужц");
    // A file of an older copy whose name holds "ц" (stored as LF) is mended when it enters a row.
    dir.Write(kRecFileName, NegateBytes("\xF6x_3") + "\r\n");
    ReadRecFile(kRecFileName);
    EXPECT_EQ(Matr[0].name, "\xD6x");
}

// The copies KeepDamaged left beside `name`, by file name.
std::vector<std::string> DamagedCopies(const test::TempDir& dir, const std::string& name) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        const std::string file = e.path().filename().string();
        if (file.rfind(name + ".damaged-", 0) == 0) out.push_back(file);
    }
    std::sort(out.begin(), out.end());
    return out;
}

TEST(DropsBytes, WhatReadingLeavesOut) {
    EXPECT_FALSE(DropsBytes(""));
    EXPECT_FALSE(DropsBytes(Stored({"a_3", "b_2"})));
    EXPECT_FALSE(DropsBytes(Stored({"a_3", "", "b_2"})));  // an empty line holds nothing
    EXPECT_FALSE(DropsBytes(Stored({"a_3"}) + "\x1A"));    // an end mark with nothing after it
    EXPECT_TRUE(DropsBytes(Stored({"a_3", "no entry"})));  // no "_"
    EXPECT_TRUE(DropsBytes(Stored({"a_3", "b_0"})));       // a score of 0
    EXPECT_TRUE(DropsBytes(Stored({"a_3"}) + "\x1A" + Stored({"b_2"})));
    EXPECT_TRUE(DropsBytes("Kvelli 99 records\r\nAnna 500\r\n"));  // a wrong file, not negated
    std::string many;
    for (int k = 0; k < 21; ++k)
        many += Stored({"p_" + std::to_string(100 - k)});
    EXPECT_TRUE(DropsBytes(many));  // the 21st line
}

TEST_F(RecFileTest, ADamagedFileIsKeptBesideItBeforeItsFirstRewrite) {
    // An editor saved it as UTF-8: no line gives an entry, and the table reads as empty.
    const std::string damaged = Cp1251ToUtf8(Stored({"anna_500", "boris_400"}));
    dir.Write(kRecFileName, damaged);
    ReadRecFile(kRecFileName);
    ASSERT_EQ(FilledRows(Matr), 0);
    AddResult(kRecFileName, 10);
    std::vector<std::string> copies = DamagedCopies(dir, kRecFileName);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(dir.Read(copies[0]), damaged);
    EXPECT_EQ(copies[0].size(), kRecFileName.size() + std::string(".damaged-20261209-061500").size())
        << copies[0];
    EXPECT_FALSE(DropsBytes(dir.Read(kRecFileName)));

    // Rewrites of the mended file keep no more copies.
    ReadRecFile(kRecFileName);
    AddResult(kRecFileName, 20);
    EXPECT_EQ(DamagedCopies(dir, kRecFileName).size(), 1u);

    // Damaged again while copies of this second's name are there already: a new name, and
    // none of the earlier copies changed.
    dir.Write(kRecFileName, damaged + "2");
    std::vector<std::string> taken;
    for (std::time_t t = std::time(nullptr), end = t + 2; t <= end; ++t) {
        std::tm local{};
        localtime_r(&t, &local);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
        const std::string name = kRecFileName + ".damaged-" + stamp;
        if (dir.Exists(name)) continue;  // the first copy
        taken.push_back(name);
        dir.Write(name, "earlier");
    }
    ReadRecFile(kRecFileName);
    AddResult(kRecFileName, 30);
    for (const std::string& t : taken)
        EXPECT_EQ(dir.Read(t), "earlier") << t;
    EXPECT_EQ(dir.Read(copies[0]), damaged);
    copies = DamagedCopies(dir, kRecFileName);
    ASSERT_EQ(copies.size(), 2 + taken.size());
    int seconds = 0;
    for (const std::string& c : copies)
        if (dir.Read(c) == damaged + "2") {
            ++seconds;
            EXPECT_NE(c.find("-2"), std::string::npos) << c;
        }
    EXPECT_EQ(seconds, 1);

    // A clean file, and a result that changes nothing, keep no copy.
    test::TempDir other;
    RecDir = other.path();
    other.Write(kRecFileName, Stored({"a_3"}));
    ReadRecFile(kRecFileName);
    AddResult(kRecFileName, 5);
    other.Write("x.rec", "junk");
    ReadRecFile("x.rec");
    AddResult("x.rec", 0);
    EXPECT_TRUE(DamagedCopies(other, kRecFileName).empty());
    EXPECT_TRUE(DamagedCopies(other, "x.rec").empty());
    EXPECT_EQ(other.Read("x.rec"), "junk");
}

TEST_F(RecFileTest, ADamagedServerCopyIsKeptBeforeTheMerge) {
    dir.Write(kRecFileName, Stored({"A_100"}));
    const std::string server = Stored({"C_90"}) + "<html>not a table</html>\r\n";
    dir.Write(kNetRecFileName, server);
    MergeRecFiles(dir.File(kRecFileName), dir.File(kNetRecFileName));
    EXPECT_EQ(dir.Read(kNetRecFileName), Stored({"A_100", "C_90"}));
    const std::vector<std::string> copies = DamagedCopies(dir, kNetRecFileName);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(dir.Read(copies[0]), server);
    EXPECT_TRUE(DamagedCopies(dir, kRecFileName).empty());
}

}  // namespace
}  // namespace kv
