#pragma once
// Files that matter are replaced whole: the new contents go to a temporary file beside the
// target, are flushed to disk, and are renamed over it. A crash or a full disk leaves the old
// contents or the new, never a torn file.

#include <string>
#include <string_view>

namespace kv {

// A writer that lives is done with its temporary file within seconds, even on a slow share.
inline constexpr long kStaleTemporarySeconds = 600;

// Replaces (or creates) `path` with `bytes`. Throws kv::Exception naming the file on failure;
// the old file is then untouched and no temporary file is left behind.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Removes the temporary files of `path` that a killed writer left beside it: our own regular
// files named as mkstemp names them, untouched for `olderThanSeconds`. WriteFileAtomic calls it
// after each replacement.
void RemoveStaleTemporaries(const std::string& path, long olderThanSeconds = kStaleTemporarySeconds);

// The directory part of `path`: "." when it has none, "/" for a file in the root.
std::string DirOf(const std::string& path);

// Makes an empty temporary file beside `path`, named as RemoveStaleTemporaries expects it, and
// returns its descriptor (close-on-exec) and name. Returns -1 with errno set when `path` is a
// directory (EISDIR) or a read-only file (EACCES; it stays as it is, for root too), or when the
// temporary cannot be made.
int OpenTemporaryBeside(const std::string& path, std::string& name);

// Reads a whole file. Returns false if it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& out);

bool FileExists(const std::string& path);

}  // namespace kv
