#pragma once
// Shared by the records tests: a records directory of its own, and lines in their stored form.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "TempDir.h"
#include "records/RecFile.h"

namespace kv::test {

// The stored bytes of plain lines, each ending in CR LF.
inline std::string Stored(std::initializer_list<std::string> plainLines) {
    std::string out;
    for (const auto& line : plainLines)
        out += NegateBytes(line) + "\r\n";
    return out;
}

// Every row of a table as "name_score", empty rows included as "_0".
template <class Table>
std::vector<std::string> Rows(const Table& table) {
    std::vector<std::string> out;
    for (const auto& row : table)
        out.push_back(row.name + "_" + std::to_string(row.score));
    return out;
}

// The filled leading rows only.
template <class Table>
std::vector<std::string> Filled(const Table& table) {
    std::vector<std::string> out;
    for (int k = 0; k < FilledRows(table); ++k)
        out.push_back(table[k].name + "_" + std::to_string(table[k].score));
    return out;
}

class RecordsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RecDir = dir.path();
        PlayerName = "User";
        Matr.fill(RecEntry{});
        MatrInt.fill(RecEntry{});
    }
    void WriteRec(std::initializer_list<std::string> plainLines, const std::string& name = kRecFileName) {
        dir.Write(name, Stored(plainLines));
    }
    // The file's entries, read back through the reader under test.
    std::vector<std::string> FileEntries(const std::string& name = kRecFileName) {
        ReadRecFile(name);
        return Filled(Matr);
    }
    TempDir dir;
};

}  // namespace kv::test
