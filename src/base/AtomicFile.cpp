#include "base/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

#include "base/Exception.h"

namespace kv {
namespace {

[[noreturn]] void Fail(const std::string& path, int err) {
    throw EWriteError("Unable to write to " + path + ": " + std::strerror(err), err);
}

std::string BaseOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void RemoveStaleTemporaries(const std::string& path, long olderThanSeconds) {
    const std::string dir = DirOf(path), base = BaseOf(path);
    if (base.empty()) return;
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name = e->d_name;
        // mkstemp's names: the target's, a dot, six letters or digits.
        if (name.size() != base.size() + 7 || name.substr(0, base.size()) != base || name[base.size()] != '.')
            continue;
        bool ours = true;
        for (char c : name.substr(base.size() + 1))
            ours = ours && std::isalnum(static_cast<unsigned char>(c)) != 0;
        struct stat st {};
        const std::string full = dir + "/" + std::string(name);
        // Another process may be writing its temporary right now: only old ones are left over.
        if (!ours || ::lstat(full.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() ||
            now - st.st_mtime < olderThanSeconds)
            continue;
        ::unlink(full.c_str());
    }
    ::closedir(d);
}

std::string DirOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

int OpenTemporaryBeside(const std::string& path, std::string& name) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            errno = EISDIR;
            return -1;
        }
        // rename would replace a read-only file all the same.
        if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) {
            errno = EACCES;
            return -1;
        }
    }
    std::string tmpl = path + ".XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    int fd = ::mkostemp(buf.data(), O_CLOEXEC);
    if (fd >= 0) name = buf.data();
    return fd;
}

std::string ResolveLinks(const std::string& path) {
    std::string at = path;
    // As many links as the system itself follows; a loop ends at the last one looked at.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::vector<char> buf(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 2);
        const ssize_t n = ::readlink(at.c_str(), buf.data(), buf.size());
        if (n <= 0 || static_cast<size_t>(n) >= buf.size()) break;
        std::string next(buf.data(), static_cast<size_t>(n));
        at = next.front() == '/' ? next : DirOf(at) + "/" + next;
    }
    return at;
}

namespace {

// The design's rewrite, for a file whose directory we may not change, or whose group a new file
// could not get: the same inode, so its owner, group and mode stay, written whole and flushed.
// The space is taken first, so a full disk fails before a byte of the old contents is touched.
// The contents come from `bytes`, or from the file `sourceFd` when it is not -1.
void RewriteInPlace(const std::string& path, const std::string& shown, std::string_view bytes,
                    int sourceFd = -1) {
    int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) Fail(shown, errno);
    auto fail = [&](int err) {
        ::close(fd);
        Fail(shown, err);
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) fail(errno);
    if (!S_ISREG(st.st_mode)) fail(EINVAL);
    size_t size = bytes.size();
    if (sourceFd >= 0) {
        struct stat src {};
        if (::fstat(sourceFd, &src) != 0) fail(errno);
        size = static_cast<size_t>(src.st_size);
    }
    if (size > 0) {
        const int err = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
        // A file system without it (some network shares) still takes the plain writes.
        if (err != 0 && err != EOPNOTSUPP && err != EINVAL) fail(err);
    }
    std::vector<char> block(sourceFd >= 0 ? 65536 : 0);
    size_t done = 0;
    while (done < size) {
        const char* from = bytes.data() + done;
        size_t want = size - done;
        if (sourceFd >= 0) {
            const ssize_t got =
                ::pread(sourceFd, block.data(), std::min(want, block.size()), static_cast<off_t>(done));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) fail(got < 0 ? errno : EIO);
            from = block.data();
            want = static_cast<size_t>(got);
        }
        ssize_t n = ::pwrite(fd, from, want, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        done += static_cast<size_t>(n);
    }
    if (::ftruncate(fd, static_cast<off_t>(size)) != 0) fail(errno);
    if (::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) Fail(shown, errno);
}

bool Writable(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

// A directory its group may change is shared by the group's players.
bool GroupShared(const std::string& dir) {
    struct stat st {};
    return ::stat(dir.c_str(), &st) == 0 && (st.st_mode & S_IWGRP) != 0;
}

}  // namespace

mode_t ReplacementMode(const std::string& path) {
    struct stat st {};
    const bool existed = ::stat(path.c_str(), &st) == 0;
    mode_t mode = 0666;
    if (existed) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    // In a directory shared by a group, every player must be able to replace what another one
    // wrote, as with the lock file: a file made there (or one of ours that an older version made
    // without it) is the group's to read and write. Another's file keeps its mode as it is.
    const bool ours = !existed || (st.st_uid == ::geteuid() && (mode & S_IWUSR) != 0);
    if (ours && GroupShared(DirOf(path))) mode |= S_IRGRP | S_IWGRP;
    return mode;
}

void CommitTemporary(const std::string& tmp, const std::string& shown) {
    const std::string path = ResolveLinks(shown);
    int fd = ::open(tmp.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        Fail(shown, err);
    }
    auto cleanup = [&](int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        Fail(shown, err);
    };
    struct stat st {};
    const bool existed = ::stat(path.c_str(), &st) == 0;
    const mode_t mode = ReplacementMode(path);
    // The new file is the writer's; in a directory shared by a group it must stay the group's,
    // or the others lose their access to it. A member of the group may give it the group; a
    // writer outside it rewrites the old file in place, which keeps owner, group and mode.
    if (existed && st.st_gid != ::getegid() && ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
        if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || !Writable(path)) cleanup(EPERM);
        try {
            RewriteInPlace(path, shown, {}, fd);
        } catch (...) {
            ::close(fd);
            ::unlink(tmp.c_str());
            throw;
        }
        ::close(fd);
        ::unlink(tmp.c_str());
        return;
    }
    // mkstemp makes the file 0600; give it the mode the target has or would have (after fchown,
    // which clears the set-group bit).
    if (::fchmod(fd, mode) != 0) cleanup(errno);
    if (::fsync(fd) != 0) cleanup(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        Fail(shown, err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        Fail(shown, err);
    }
    // Make the rename itself durable.
    int dfd = ::open(DirOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    RemoveStaleTemporaries(path);
}

void WriteFileAtomic(const std::string& shown, std::string_view bytes) {
    // A link is kept a link: the file it leads to is the one rewritten, beside itself.
    const std::string path = ResolveLinks(shown);
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) Fail(shown, ELOOP);
    struct stat st {};
    const bool existed = ::stat(path.c_str(), &st) == 0;
    const bool canRewrite = existed && S_ISREG(st.st_mode) && (st.st_mode & 0222) != 0 && Writable(path);
    // A share set up with a writable table in a directory the players may not change.
    if (canRewrite && !Writable(DirOf(path))) return RewriteInPlace(path, shown, bytes);

    std::string tmp;
    int fd = OpenTemporaryBeside(path, tmp);
    if (fd < 0) Fail(shown, errno);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            ::unlink(tmp.c_str());
            Fail(shown, err);
        }
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        Fail(shown, err);
    }
    CommitTemporary(tmp, shown);
}

bool ReadFilePrefix(const std::string& path, std::string& out, size_t limit, bool& cut) {
    out.clear();
    cut = false;
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    auto fail = [fd](int err) {
        ::close(fd);
        errno = err;
        return false;
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) return fail(errno);
    if (!S_ISREG(st.st_mode)) return fail(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    // One byte past the limit tells a file that is over it from one that fills it exactly.
    out.resize(std::min<size_t>(limit + 1, static_cast<size_t>(st.st_size) + 1));
    size_t got = 0;
    for (;;) {
        if (got == out.size()) {
            if (got > limit) break;
            // The file grew since fstat.
            out.resize(std::min(limit + 1, out.size() * 2));
        }
        ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            out.clear();
            return fail(errno);
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    cut = got > limit;
    out.resize(cut ? limit : got);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& out, size_t limit) {
    bool cut = false;
    if (!ReadFilePrefix(path, out, limit, cut)) return false;
    if (cut) {
        out.clear();
        errno = EFBIG;
        return false;
    }
    return true;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace kv
