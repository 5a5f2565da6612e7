#include "HostileFiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <stdexcept>
#include <thread>

namespace kv::test {

const char* HostileName(Hostile kind) {
    switch (kind) {
        case Hostile::Fifo:
            return "FIFO";
        case Hostile::Huge:
            return "4 GiB sparse file";
        case Hostile::Directory:
            return "directory";
    }
    return "?";
}

void MakeHostile(Hostile kind, const std::string& path) {
    bool ok = false;
    switch (kind) {
        case Hostile::Fifo:
            ok = ::mkfifo(path.c_str(), 0666) == 0;
            break;
        case Hostile::Huge: {
            int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            // A line of text at its start, as if it were one of ours, then zeros.
            ok = fd >= 0 && ::write(fd, "[Data]\n", 7) == 7 && ::ftruncate(fd, off_t{4} << 30) == 0;
            if (fd >= 0) ::close(fd);
            break;
        }
        case Hostile::Directory:
            ok = ::mkdir(path.c_str(), 0777) == 0;
            break;
    }
    if (!ok) throw std::runtime_error(std::string("cannot make a ") + HostileName(kind) + " at " + path);
}

namespace {
long PeakKiB() {
    rusage ru{};
    ::getrusage(RUSAGE_SELF, &ru);
    return ru.ru_maxrss;
}
}  // namespace

void ExpectPromptAndSmall(Hostile kind, const std::string& path, const std::function<void()>& read) {
    SCOPED_TRACE(std::string("a ") + HostileName(kind) + " at " + path);
    const long before = PeakKiB();
    std::packaged_task<void()> task(read);
    auto done = task.get_future();
    std::thread reader(std::move(task));
    const bool prompt = done.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!prompt && kind == Hostile::Fifo) {
        // A reader blocked in open() or read() sees the end of the file once a writer comes and goes.
        int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) ::close(fd);
    }
    reader.join();
    EXPECT_TRUE(prompt) << "the read took more than 5 seconds";
    EXPECT_LT(PeakKiB() - before, 64 * 1024) << "the read grew the memory by more than 64 MiB";
    done.get();  // the reader's own failure, if any
}

}  // namespace kv::test
