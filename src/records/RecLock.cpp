#include "records/RecLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "base/AtomicFile.h"

namespace kv {

RecLock::RecLock(const std::string& recordsPath, int timeoutMs) {
    // A directory without a records file gets no lock file either.
    if (!FileExists(recordsPath)) return;
    const std::string lockPath = LockPath(recordsPath);
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd >= 0) {
        // Every player sharing the directory must be able to open it.
        struct stat st {};
        if (::fstat(fd, &st) == 0 && st.st_uid == ::geteuid()) ::fchmod(fd, 0666);
    } else {
        // flock needs no write access.
        fd = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
    }
    // A directory the players may not change holds no lock file, and its table is rewritten in
    // place: the table itself is then the one file every copy can lock.
    if (fd < 0) fd = ::open(recordsPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;

    // The lock is held for a read and a rewrite of a small file: short waits in slices, no spin.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::close(fd);
}

RecLock::~RecLock() {
    // Closing releases the lock; the lock file stays, since removing it would race with a waiter.
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace kv
