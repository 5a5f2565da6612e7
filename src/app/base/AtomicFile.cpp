#include "app/base/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "app/base/Exception.h"

namespace kv {
namespace {

std::string DirOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

[[noreturn]] void Fail(const std::string& path, int err) {
    throw Exception("Unable to write to " + path + ": " + std::strerror(err));
}

}  // namespace

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
    // Keep the mode of a file being replaced; a new one gets the usual 0666 & ~umask.
    mode_t mode = 0666;
    struct stat st {};
    bool existed = ::stat(path.c_str(), &st) == 0;
    if (existed) mode = st.st_mode & 07777;
    // A read-only file stays as it is, for root too (rename would otherwise replace it).
    if (existed && ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)) Fail(path, EACCES);

    std::string tmpl = path + ".XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) Fail(path, errno);
    std::string tmp(name.data());

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
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    out.clear();
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace kv
