#pragma once
// Files that matter are replaced whole: the new contents go to a temporary file beside the
// target, are flushed to disk, and are renamed over it. A crash or a full disk leaves the old
// contents or the new, never a torn file.

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "base/Exception.h"

namespace kv {

// A file that could not be written: the message names it, Errno() says why.
class EWriteError : public Exception {
  public:
    EWriteError(const std::string& message, int err) : Exception(message), errno_(err) {}
    int Errno() const { return errno_; }

  private:
    int errno_;
};

// A writer that lives is done with its temporary file within seconds, even on a slow share.
inline constexpr long kStaleTemporarySeconds = 600;

// Replaces (or creates) `path` with `bytes`. Throws EWriteError naming the file on failure;
// the old file is then untouched and no temporary file is left behind.
//
// Shared directories: a symlink stays a link, and the file it leads to is replaced. The new file
// keeps the old one's group and mode. Where that can't be had (the writer is not in the group),
// or the directory is not writable but the file is, the file is rewritten in place instead,
// flushed, as the original did: it keeps its owner, group and mode, but a crash in the middle of
// that write can leave it torn.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// The one commit of every replacement, WriteFileAtomic's and a download's: `tmp`, made by
// OpenTemporaryBeside(path) and filled, takes the group and mode that ReplacementMode gives,
// is flushed and renamed over `path` (through its links), and the rename is flushed. Where the
// group can't be given, `path` is rewritten in place from `tmp`, as WriteFileAtomic does. `tmp`
// is gone afterwards, whatever happens; on failure EWriteError, and `path` is as it was.
void CommitTemporary(const std::string& tmp, const std::string& path);

// The mode a replacement of `path` gets: the old file's, or for a new one 0666 less the umask.
// In a directory whose group may write it (a records folder shared by a group), a new file,
// and one of the writer's own, is readable and writable by the group too, as the lock file is.
mode_t ReplacementMode(const std::string& path);

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
