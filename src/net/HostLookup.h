#pragma once
// The host lookup of the transport: getaddrinfo() in a worker thread, so that the waiting thread
// keeps running its event pump, and wakes it through an eventfd when done.

#include <netinet/in.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace kv {

// 0 and the address, or an EAI_ error.
using LookupResolver = std::function<int(const std::string& name, in_addr& address)>;

// A lookup in flight. Shared by the waiting object and the worker thread, so that either may go
// first; the worker signals `wake` when done.
struct LookupJob {
    std::atomic<bool> done{false};
    int rc = 0;
    in_addr address{};
    int wake = -1;
    LookupJob() = default;
    LookupJob(const LookupJob&) = delete;
    LookupJob& operator=(const LookupJob&) = delete;
    ~LookupJob();
};

// Starts the lookup of `name`; null when the system gives no eventfd or thread.
std::shared_ptr<LookupJob> StartLookup(const std::string& name);

// Replaces getaddrinfo() for the lookups that start afterwards (tests); an empty one restores it.
void SetLookupResolver(LookupResolver resolver);

// "127.0.0.1"
std::string DottedAddress(in_addr address);

}  // namespace kv
