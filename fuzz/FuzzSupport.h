#pragma once
// Shared by the fuzz targets: a check that stops the run with a message, a scratch directory of
// the process's own, and whole-file reads and writes for parsers that take paths.

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace kv::fuzz {

[[noreturn]] inline void Fail(const char* file, int line, const char* what) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
    std::abort();
}

// An invariant that must hold for every input; a break is a finding, reported like a crash.
#define FUZZ_CHECK(cond)                                          \
    do {                                                          \
        if (!(cond)) ::kv::fuzz::Fail(__FILE__, __LINE__, #cond); \
    } while (0)

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The targets put only plain files into their directory.
inline void RemoveFlatDir(const std::string& dir) {
    if (DIR* d = ::opendir(dir.c_str())) {
        while (dirent* e = ::readdir(d)) {
            std::string_view name = e->d_name;
            if (name != "." && name != "..") ::unlink((dir + "/" + e->d_name).c_str());
        }
        ::closedir(d);
    }
    ::rmdir(dir.c_str());
}

// A directory made once per process, in memory where the system offers it, removed at exit.
inline const std::string& ScratchDir() {
    // Never destroyed, so that the exit handler below still finds it.
    static const std::string* dir = [] {
        const char* base = std::getenv("KV_FUZZ_TMP");
        if (!base || !*base) base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        auto* path = new std::string(std::string(base) + "/kv-fuzz-XXXXXX");
        if (!mkdtemp(path->data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        return path;
    }();
    static const bool cleanup = std::atexit([] { RemoveFlatDir(*dir); }) == 0;
    (void)cleanup;
    return *dir;
}

inline std::string ScratchPath(const std::string& name) {
    return ScratchDir() + "/" + name;
}

// Replaces the file with exactly these bytes; a failure here is the harness's, not the parser's.
inline void PutFile(const std::string& path, std::string_view bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        std::perror(path.c_str());
        std::abort();
    }
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            std::perror(path.c_str());
            std::abort();
        }
        done += static_cast<size_t>(n);
    }
    ::close(fd);
}

// The whole file, or false if it cannot be opened.
inline bool GetFile(const std::string& path, std::string& out) {
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char buf[8192];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        out.append(buf, static_cast<size_t>(n));
    ::close(fd);
    return n == 0;
}

}  // namespace kv::fuzz
