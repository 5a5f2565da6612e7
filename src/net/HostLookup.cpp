#include "net/HostLookup.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <mutex>
#include <system_error>
#include <thread>

namespace kv {
namespace {

std::mutex g_resolverMutex;
LookupResolver g_resolver;

int DefaultResolve(const std::string& name, in_addr& address) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* result = nullptr;
    int rc = ::getaddrinfo(name.c_str(), nullptr, &hints, &result);
    if (rc != 0) return rc;
    int out = EAI_NONAME;
    for (addrinfo* a = result; a; a = a->ai_next) {
        if (a->ai_family == AF_INET && a->ai_addr) {
            address = reinterpret_cast<sockaddr_in*>(a->ai_addr)->sin_addr;
            out = 0;
            break;
        }
    }
    ::freeaddrinfo(result);
    return out;
}

}  // namespace

LookupJob::~LookupJob() {
    if (wake >= 0) ::close(wake);
}

std::shared_ptr<LookupJob> StartLookup(const std::string& name) {
    auto job = std::make_shared<LookupJob>();
    job->rc = EAI_FAIL;
    job->wake = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (job->wake < 0) return nullptr;
    LookupResolver resolver;
    {
        std::lock_guard lock(g_resolverMutex);
        resolver = g_resolver;
    }
    if (!resolver) resolver = DefaultResolve;
    try {
        std::thread([job, name, resolver] {
            in_addr address{};
            int rc = EAI_FAIL;
            try {
                rc = resolver(name, address);
            } catch (...) {
            }
            job->address = address;
            job->rc = rc;
            job->done.store(true, std::memory_order_release);
            std::uint64_t one = 1;
            [[maybe_unused]] ssize_t w = ::write(job->wake, &one, sizeof one);
        }).detach();
    } catch (const std::system_error&) {
        return nullptr;
    }
    return job;
}

void SetLookupResolver(LookupResolver resolver) {
    std::lock_guard lock(g_resolverMutex);
    g_resolver = std::move(resolver);
}

std::string DottedAddress(in_addr address) {
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &address, text, sizeof text);
    return text;
}

}  // namespace kv
