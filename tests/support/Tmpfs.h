#pragma once
// A small tmpfs mounted for one test, for a disk that fills up or a directory that cannot be
// written even by root. Needs root (CI runs as root); Available() says whether it could mount.

#include <string>
#include <string_view>

namespace kv::test {

class Tmpfs {
  public:
    // sizeKiB: the size of the file system.
    explicit Tmpfs(unsigned sizeKiB);
    ~Tmpfs();
    Tmpfs(const Tmpfs&) = delete;
    Tmpfs& operator=(const Tmpfs&) = delete;

    bool Available() const { return mounted_; }
    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Writes a whole file before the file system is made read-only (true on success).
    bool Write(const std::string& name, std::string_view bytes) const;
    // Remounts read-only (true on success).
    bool MakeReadOnly();

  private:
    std::string path_;
    bool mounted_ = false;
};

}  // namespace kv::test
