#pragma once
// Files that matter are replaced whole: the new contents go to a temporary file beside the
// target, are flushed to disk, and are renamed over it. A crash or a full disk leaves the old
// contents or the new, never a torn file.

#include <cstddef>
#include <string>
#include <string_view>

namespace kv {

// A writer that lives is done with its temporary file within seconds, even on a slow share.
inline constexpr long kStaleTemporarySeconds = 600;

// Replaces (or creates) `path` with `bytes`. Throws kv::Exception naming the file on failure;
// the old file is then untouched and no temporary file is left behind.
//
// Shared directories: a symlink stays a link, and the file it leads to is replaced. The new file
// keeps the old one's group and mode. Where that can't be had (the writer is not in the group),
// or the directory is not writable but the file is, the file is rewritten in place instead,
// flushed, as the original did: it keeps its owner, group and mode, but a crash in the middle of
// that write can leave it torn.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Where `path` leads through symbolic links (itself when it is none).
std::string ResolveLinks(const std::string& path);

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

// Every file the program reads is small: records, settings and window state are a few hundred
// bytes, a saved game under a kilobyte. More than this is not one of ours.
inline constexpr size_t kReadLimit = size_t{1} << 20;

// Reads a whole file without blocking: opened O_NONBLOCK, so that a FIFO or a device put in a
// file's place cannot hang the program, and refused unless it is a regular file of at most
// `limit` bytes. Returns false with errno set when it cannot be read: ENOENT when missing,
// EISDIR for a directory, EINVAL for another kind of file, EFBIG when over the limit.
bool ReadWholeFile(const std::string& path, std::string& out, size_t limit = kReadLimit);

// As ReadWholeFile, but a file over the limit gives its first `limit` bytes and sets `cut`.
bool ReadFilePrefix(const std::string& path, std::string& out, size_t limit, bool& cut);

bool FileExists(const std::string& path);

}  // namespace kv
