#include "records/tool/HelperProtocol.h"

#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

#include "records/tool/Merge.h"
#include "records/tool/PgStore.h"

namespace kv::tool {
namespace {

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields;
    size_t at = 0;
    for (;;) {
        const size_t tab = line.find('\t', at);
        fields.push_back(line.substr(at, tab == std::string::npos ? std::string::npos : tab - at));
        if (tab == std::string::npos) return fields;
        at = tab + 1;
    }
}

std::string OneLine(std::string text) {
    for (auto& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

// Now as the server's log lines begin ("2026-12-09 06:20:01,512 "): the watcher's lines go to the
// same log.
std::string Stamp() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    ::localtime_r(&now.tv_sec, &local);
    char text[40];
    const size_t n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    std::snprintf(text + n, sizeof text - n, ",%03ld ", now.tv_nsec / 1000000);
    return text;
}

}  // namespace

int Serve(const std::string& conninfo) {
    std::unique_ptr<kv::tool::PgStore> store;
    if (!conninfo.empty()) {
        store = std::make_unique<kv::tool::PgStore>(conninfo);
        try {
            store->Open();
        } catch (const kv::Exception& e) {
            std::printf("end %d %s\n", kBadTarget, OneLine(e.what()).c_str());
            return kBadTarget;
        }
    }
    std::printf("ready\n");
    std::fflush(stdout);
    char* buffer = nullptr;
    size_t size = 0;
    ssize_t n = 0;
    while ((n = ::getline(&buffer, &size, stdin)) > 0) {
        std::string line(buffer, static_cast<size_t>(n));
        if (line.back() == '\n') line.pop_back();
        const auto f = Split(line);
        Outcome o;
        const bool verify = f[0] == "verify";
        if ((f[0] == "merge" || (verify && f.size() % 2 == 1)) && f.size() >= 4) {
            std::vector<Sent> froms;
            for (size_t i = 3; i < f.size(); i += verify ? 2 : 1)
                froms.push_back({f[i], verify && f[i + 1] != "-" ? f[i + 1] : std::string()});
            const MergeOptions options{false, verify};
            o = store ? MergeStore(*store, froms, options) : MergeFiles(f[1], froms, f[2], options);
        } else if (f[0] == "publish" && f.size() == 3) {
            if (store) {
                try {
                    int64_t generation = 0;
                    kv::tool::Publish(store->Read(generation), f[1], f[2]);
                } catch (const kv::Exception& e) {
                    o = {kBadTarget, {}, e.what()};
                }
            }
        } else {
            o = {kUsage, {}, "no such request: " + f[0]};
        }
        for (const auto& said : o.said)
            std::printf("%s\n", OneLine(said).c_str());
        std::printf("end %d%s%s\n", o.status, o.failure.empty() ? "" : " ", OneLine(o.failure).c_str());
        std::fflush(stdout);
    }
    std::free(buffer);
    return kOk;
}

int Watch(const std::string& conninfo, const std::string& into, const std::string& page) {
    constexpr int kRecheckMs = 60 * 1000;
    kv::tool::PgStore store(conninfo);
    int64_t published = -1;
    bool down = false;
    for (;;) {
        try {
            store.Listen();
            for (bool changed = true;;) {
                if (changed) {
                    int64_t generation = 0;
                    const kv::RecTable table = store.Read(generation);
                    if (generation != published) kv::tool::Publish(table, into, page);
                    published = generation;
                    if (down)
                        std::fprintf(stderr, "%skvelli99-records: the database is back\n", Stamp().c_str());
                    down = false;
                }
                // Read again on a notice, and after a quiet minute too: a notice lost on the way
                // (a pooler between, a bug) then costs a minute, not every change until the next.
                bool input = false;
                const bool notified = store.Wait(kRecheckMs, 0, input);
                if (input) {
                    char c;
                    if (::read(0, &c, 1) <= 0) return kOk;
                }
                changed = notified || !input;
            }
        } catch (const kv::Exception& e) {
            if (!down)
                std::fprintf(stderr, "%skvelli99-records: %s; trying again every second\n", Stamp().c_str(),
                             e.what());
            down = true;
        }
        pollfd p{0, POLLIN, 0};
        if (::poll(&p, 1, 1000) > 0) {
            char c;
            if (::read(0, &c, 1) <= 0) return kOk;
        }
    }
}

}  // namespace kv::tool
