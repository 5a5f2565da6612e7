#pragma once
// The administrator's commands of kvelli99-records: each prints what it did and returns the exit
// status (Merge.h's codes).
#include <string>

#include "records/tool/Merge.h"

namespace kv::tool {

// Prints "kvelli99-records: message" on stderr; returns code.
int Fail(int code, const std::string& message);
std::string Entries(int n);
// A database given where a table is: "-", a URI, or a connection string's key=value.
bool IsDatabase(const std::string& where);

int List(const std::string& where);
int Check(const std::string& path);
int Page(const std::string& path, const std::string& out);
int Export(const std::string& conninfo, const std::string& file);
int Repair(const std::string& path);
// The lines of a merge or a removal on stdout (refusals on stderr too); the exit status.
int Report(const Outcome& o);

}  // namespace kv::tool
