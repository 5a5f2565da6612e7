#include "base/XdgDirs.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "base/AtomicFile.h"

namespace kv {
namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

bool Absolute(const std::string& path) {
    return !path.empty() && path[0] == '/';
}

// $variable if it is absolute, else the home directory + `underHome`.
std::string BaseDirectory(const char* variable, const char* underHome) {
    const std::string value = Env(variable);
    if (Absolute(value)) return WithoutTrailingSlash(value);
    return WithoutTrailingSlash(HomeDirectory()) + underHome;
}

}  // namespace

std::string HomeDirectory() {
    std::string home = Env("HOME");
    if (home.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) home = pw->pw_dir;
    }
    return home;
}

std::string ConfigHome() {
    return BaseDirectory("XDG_CONFIG_HOME", "/.config");
}

std::string DataHome() {
    return BaseDirectory("XDG_DATA_HOME", "/.local/share");
}

std::vector<std::string> ConfigDirs() {
    std::vector<std::string> dirs;
    const std::string list = Env("XDG_CONFIG_DIRS");
    std::size_t from = 0;
    while (from <= list.size()) {
        std::size_t to = list.find(':', from);
        if (to == std::string::npos) to = list.size();
        std::string dir = list.substr(from, to - from);
        if (Absolute(dir)) dirs.push_back(WithoutTrailingSlash(dir));
        from = to + 1;
    }
    if (dirs.empty()) dirs.push_back("/etc/xdg");
    return dirs;
}

bool MakeDirectories(const std::string& dir) {
    struct stat st {};
    if (::stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    if (dir != "/" && dir != "." && !MakeDirectories(DirOf(dir))) return false;
    return ::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace kv
