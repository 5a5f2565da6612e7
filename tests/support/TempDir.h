#pragma once
// A fresh directory under the system's temporary directory, removed with everything in it.

#include <string>
#include <string_view>

namespace kv::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

    void Write(std::string_view name, std::string_view bytes) const;
    std::string Read(std::string_view name) const;  // throws if missing
    bool Exists(std::string_view name) const;

  private:
    std::string path_;
};

}  // namespace kv::test
