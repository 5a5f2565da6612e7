#pragma once
// An advisory lock beside a records file, held from the read of the file through its rewrite, so
// that copies of the program sharing one records directory don't overwrite each other's results.
// Copies that don't lock are no worse off than without it.

#include <string>

namespace kv {

class RecLock {
  public:
    static constexpr int kDefaultTimeoutMs = 3000;

    // Waits at most timeoutMs for the lock on recordsPath + ".lock". If it cannot be had (no
    // records file there, a directory that can't be written, a copy that holds it too long), the
    // work goes on without it rather than hang.
    explicit RecLock(const std::string& recordsPath, int timeoutMs = kDefaultTimeoutMs);
    ~RecLock();
    RecLock(const RecLock&) = delete;
    RecLock& operator=(const RecLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    static std::string LockPath(const std::string& recordsPath) { return recordsPath + ".lock"; }

  private:
    int fd_ = -1;
};

}  // namespace kv
