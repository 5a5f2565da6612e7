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
    throw Exception("Unable to write to " + path + ": " + std::strerror(err));
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

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
    // Keep the mode of a file being replaced; a new one gets the usual 0666 & ~umask.
    mode_t mode = 0666;
    struct stat st {};
    const bool existed = ::stat(path.c_str(), &st) == 0;
    if (existed) mode = st.st_mode & 07777;

    std::string tmp;
    int fd = OpenTemporaryBeside(path, tmp);
    if (fd < 0) Fail(path, errno);

    auto cleanup = [&](int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        Fail(path, err);
    };
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            cleanup(errno);
        }
        done += static_cast<size_t>(n);
    }
    if (!existed) {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    // mkstemp makes the file 0600; give it the mode the target has or would have.
    if (::fchmod(fd, mode) != 0) cleanup(errno);
    if (::fsync(fd) != 0) cleanup(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        Fail(path, err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        Fail(path, err);
    }
    // Make the rename itself durable.
    int dfd = ::open(DirOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    RemoveStaleTemporaries(path);
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
