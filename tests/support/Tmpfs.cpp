#include "Tmpfs.h"

#include <sys/mount.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace kv::test {

Tmpfs::Tmpfs(unsigned sizeKiB) {
    std::string tmpl = "/tmp/kvelli-tmpfs-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (!::mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed");
    path_ = buf.data();
    std::string opts = "size=" + std::to_string(sizeKiB) + "k,mode=0777";
    mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", 0, opts.c_str()) == 0;
}

bool Tmpfs::MakeReadOnly() {
    return mounted_ && ::mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

bool Tmpfs::Write(const std::string& name, std::string_view bytes) const {
    std::FILE* f = std::fopen(File(name).c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

Tmpfs::~Tmpfs() {
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace kv::test
