#include "net/ReplyParse.h"

#include <cctype>
#include <limits>

#include "net/SockErrors.h"

namespace kv {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

// One byte of a PASV address: decimal digits only, 0 to 255.
int PasvByte(std::string_view field) {
    std::string_view f = Trim(field);
    bool digits = !f.empty() && f.size() <= 10;
    for (char c : f)
        digits = digits && IsDigit(c);
    if (!digits) throw EConvertError("'" + std::string(f) + "' is not a valid integer value");
    long value = std::stol(std::string(f));
    if (value > 255) throw EConvertError("'" + std::string(f) + "' is not a valid port byte");
    return static_cast<int>(value);
}

}  // namespace

std::size_t LineLength(std::string_view bytes) {
    std::size_t lf = bytes.find('\n');
    return lf == std::string_view::npos ? std::string_view::npos : lf + 1;
}

std::int16_t ParseReplyCode(std::string_view line) {
    std::size_t n = 0;
    while (n < line.size() && n < 10 && IsDigit(line[n]))
        ++n;
    if (n == 0) return 0;
    std::int64_t value = 0;
    for (std::size_t i = 0; i < n; ++i)
        value = value * 10 + (line[i] - '0');
    if (value > std::numeric_limits<std::int16_t>::max())
        throw EConvertError("'" + std::string(line.substr(0, n)) + "' is not a valid reply code");
    return static_cast<std::int16_t>(value);
}

bool ReplyContinues(std::string_view line) {
    return (!line.empty() && line[0] == ' ') || (line.size() >= 4 && line[3] == '-');
}

std::string ReadReplyRest(std::string line, const std::function<std::string()>& readLn,
                          const std::function<void(const std::string&)>& onLine) {
    while (ReplyContinues(line)) {
        std::string next = readLn();
        if (next.empty()) break;
        if (onLine) onLine(next);
        line = std::move(next);
    }
    return line;
}

std::uint32_t ParseByteCount(std::string_view line) {
    std::size_t at = std::string_view::npos;
    for (std::size_t i = 0; i + 4 <= line.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(line[i])) == 'B' &&
            std::toupper(static_cast<unsigned char>(line[i + 1])) == 'Y' &&
            std::toupper(static_cast<unsigned char>(line[i + 2])) == 'T' &&
            std::toupper(static_cast<unsigned char>(line[i + 3])) == 'E') {
            at = i;
            break;
        }
    }
    if (at == std::string_view::npos) return 0;
    std::size_t end = at;
    while (end > 0 && !IsDigit(line[end - 1]))
        --end;
    if (end == 0) return 0;
    std::size_t begin = end;
    while (begin > 0 && IsDigit(line[begin - 1]))
        --begin;
    std::uint64_t value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        value = value * 10 + static_cast<std::uint64_t>(line[i] - '0');
        // The count is informational: one that does not fit is no count at all.
        if (value > std::numeric_limits<std::uint32_t>::max()) return 0;
    }
    return static_cast<std::uint32_t>(value);
}

int ParsePasvPort(std::string_view reply) {
    std::string_view fields[6];
    std::size_t count = 0;
    std::string_view rest = reply;
    while (count < 6) {
        std::size_t comma = rest.find(',');
        fields[count++] = rest.substr(0, comma);
        if (comma == std::string_view::npos) {
            rest = {};
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    // A missing field converts as an empty one.
    std::string_view high = count >= 5 ? fields[4] : std::string_view{};
    std::string_view low = count >= 6 ? fields[5] : std::string_view{};
    std::size_t paren = low.find(')');
    low = paren == std::string_view::npos ? std::string_view{} : low.substr(0, paren);
    int h = PasvByte(high);
    int l = PasvByte(low);
    return h * 256 + l;
}

std::string_view WithoutLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

std::string ByteLineSource::ReadLn() {
    std::size_t n = LineLength(rest_.substr(0, kSockBufferSize));
    if (n == std::string_view::npos) {
        if (rest_.size() >= kSockBufferSize) throw ESockError(SockErrorText(10040));
        rest_ = {};
        return {};
    }
    std::string line(rest_.substr(0, n));
    rest_.remove_prefix(n);
    return line;
}

}  // namespace kv
