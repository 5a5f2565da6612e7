#pragma once
// Files that matter are replaced whole: the new contents go to a temporary file beside the
// target, are flushed to disk, and are renamed over it. A crash or a full disk leaves the old
// contents or the new, never a torn file.

#include <string>
#include <string_view>

namespace kv {

// Replaces (or creates) `path` with `bytes`. Throws kv::Exception naming the file on failure;
// the old file is then untouched and no temporary file is left behind.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Reads a whole file. Returns false if it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& out);

bool FileExists(const std::string& path);

}  // namespace kv
