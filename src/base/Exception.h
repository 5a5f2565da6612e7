#pragma once
// The one base of every failure the program reports. Handlers catch it (and std::exception)
// at the window boundary and pass the message to the general error report.

#include <stdexcept>
#include <string>

namespace kv {

// Message text is UTF-8, as the interface shows it.
class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    const std::string Message() const { return what(); }
};

}  // namespace kv
