#include "records/PlayerSettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "base/Cp1251.h"
#include "base/XdgDirs.h"
#include "records/RecFile.h"

namespace kv {

namespace {

bool ValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        auto b = static_cast<unsigned char>(s[i]);
        size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

}  // namespace

std::string DataDirectory() {
    return DataHome() + "/kvelli99";
}

std::string LocalRecordsDirectory(const std::string& workingDir) {
    struct stat st {};
    // A game started on purpose where a table lies keeps using that table.
    if (::stat((workingDir + "/" + kRecFileName).c_str(), &st) == 0) return workingDir;
    const std::string dir = DataDirectory();
    if (!MakeDirectories(dir)) return workingDir;
    const std::string file = dir + "/" + kRecFileName;
    // What an installation put beside the program: an empty table. O_EXCL never touches one
    // that is there, whatever it is.
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::close(fd);
    } else if (errno != EEXIST) {
        return workingDir;
    }
    return dir;
}

std::string CurrentDirectory() {
    std::vector<char> buf(4096);
    for (;;) {
        if (::getcwd(buf.data(), buf.size())) return buf.data();
        if (errno != ERANGE) return {};
        buf.resize(buf.size() * 2);
    }
}

void ApplyPlayerSettings(const SettingsData& data, const std::string& workingDir, RecordsState& records) {
    const auto& name = data.Name;
    records.PlayerName = name ? (ValidUtf8(*name) ? *name : Cp1251ToUtf8(*name)) : kDefaultPlayerName;
    records.RecDir = data.Directory ? *data.Directory : LocalRecordsDirectory(workingDir);
}

void StorePlayerSettings(const RecordsState& records, SettingsData& data) {
    data.Name = records.PlayerName;
    data.Directory = records.RecDir;
}

}  // namespace kv
