#pragma once
// Shared by the records tests: a records directory of its own, and lines in their stored form.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "TempDir.h"
#include "records/Html.h"
#include "records/PlayerSettings.h"
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

// A records directory of its own and the records state of a run in it. The operations under test
// are reached as the program reaches them, with names resolved in the records directory.
class RecordsTest : public ::testing::Test {
  protected:
    void SetUp() override { RecDir = dir.path(); }
    void ReadRecFile(const std::string& name) { kv::ReadRecFile(st.RecPath(name), Matr); }
    void AddResult(const std::string& name, int32_t score) {
        kv::AddResult(Matr, st.RecPath(name), PlayerName, score);
    }
    void StoreResult(const std::string& name, int32_t score) {
        kv::StoreResult(Matr, st.RecPath(name), PlayerName, score);
    }
    void MergeRecFiles(const std::string& localPath, const std::string& netPath) {
        kv::MergeRecFiles(MatrInt, localPath, netPath);
    }
    void MatrSortir() { kv::MatrSortir(Matr); }
    void MatrSortInt() { kv::MatrSortInt(MatrInt); }
    void WriteHtmlTable(const std::string& recordsPath) {
        kv::WriteHtmlTable(recordsPath, st.RecPath(kHtmlFileName));
    }
    // The settings file's records part, read and written as the program does it.
    void ReadPlayerSettings(const std::string& path, const std::string& workingDir) {
        kv::ApplyPlayerSettings(kv::ReadSettingsData(path), workingDir, st);
    }
    void WritePlayerSettings(const std::string& path) {
        SettingsData data;
        kv::StorePlayerSettings(st, data);
        kv::WriteSettings(path, data);
    }

    RecordsState st;
    RecTable& Matr = st.Matr;
    MergeTable& MatrInt = st.MatrInt;
    std::string& PlayerName = st.PlayerName;
    std::string& RecDir = st.RecDir;
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
