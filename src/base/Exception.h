#pragma once
// The one base of every failure the program reports. Handlers catch it (and std::exception)
// at the window boundary and pass the message to the general error report.

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Marks a text of a core for the translators: lupdate reads it as QT_TRANSLATE_NOOP. The cores
// have no Qt, so the window translates the text where it shows it, in the context kv::kTextContext.
#define KV_TRANSLATE_NOOP(context, text) text

namespace kv {

// The translators' context of the texts the cores make.
inline constexpr char kTextContext[] = "kv::Text";

// `pattern` with %1 ... %9 replaced by `args`, in one pass: an argument's own "%1" stays.
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& args);

// Message text is UTF-8, as the interface shows it.
class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    // A message from a text marked with KV_TRANSLATE_NOOP(kTextContext, ...) and its arguments:
    // the window shows the pattern in the player's language, with the same arguments.
    Exception(const char* pattern, std::vector<std::string> args)
        : std::runtime_error(FillPattern(pattern, args)), pattern_(pattern), args_(std::move(args)) {}
    const std::string Message() const { return what(); }
    // nullptr for a message without a pattern.
    const char* Pattern() const { return pattern_; }
    const std::vector<std::string>& Args() const { return args_; }

  private:
    const char* pattern_ = nullptr;
    std::vector<std::string> args_;
};

inline std::string FillPattern(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

}  // namespace kv
