// What a results server sends on the control connection, read as the client reads it: lines framed
// as the transport frames them, each reply's code, the rest of a multi-line reply, the byte count
// of a transfer reply and the data port of a PASV reply.
//
// Input: the bytes the server sends.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "net/ReplyParse.h"
#include "net/ResultsExchange.h"
#include "net/SockErrors.h"

using namespace kv;

namespace {

bool Digit(char c) {
    return c >= '0' && c <= '9';
}

// The reply code read off the rules: up to ten leading digits; nullopt where it cannot be one.
std::optional<int64_t> CodeOf(std::string_view line) {
    int64_t v = 0;
    for (size_t i = 0; i < line.size() && i < 10 && Digit(line[i]); ++i)
        v = v * 10 + (line[i] - '0');
    if (v > std::numeric_limits<int16_t>::max()) return std::nullopt;
    return v;
}

// The digits nearest before the first "BYTE" in any case, or 0.
uint32_t CountOf(std::string_view line) {
    std::string upper(line);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    size_t at = upper.find("BYTE");
    if (at == std::string::npos) return 0;
    size_t end = at;
    while (end > 0 && !Digit(line[end - 1]))
        --end;
    size_t begin = end;
    while (begin > 0 && Digit(line[begin - 1]))
        --begin;
    if (begin == end) return 0;
    std::string_view digits = line.substr(begin, end - begin);
    while (digits.size() > 1 && digits[0] == '0')
        digits.remove_prefix(1);
    if (digits.size() > 10) return 0;
    uint64_t v = 0;
    for (char c : digits)
        v = v * 10 + static_cast<uint64_t>(c - '0');
    return v > std::numeric_limits<uint32_t>::max() ? 0 : static_cast<uint32_t>(v);
}

// Field 5 * 256 + field 6 of the comma-separated reply, field 6 up to its ")"; each a byte.
std::optional<int> PortOf(std::string_view reply) {
    std::vector<std::string_view> fields;
    size_t from = 0;
    while (fields.size() < 6) {
        size_t comma = reply.find(',', from);
        fields.push_back(
            reply.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
        if (comma == std::string_view::npos) break;
        from = comma + 1;
    }
    if (fields.size() < 6) return std::nullopt;
    std::string_view low = fields[5];
    size_t paren = low.find(')');
    if (paren == std::string_view::npos) return std::nullopt;
    low = low.substr(0, paren);
    auto byte = [](std::string_view f) -> std::optional<int> {
        auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
        while (!f.empty() && (f.front() == ' ' || f.front() == '\t'))
            f.remove_prefix(1);
        while (!f.empty() && blank(f.back()))
            f.remove_suffix(1);
        if (f.empty() || f.size() > 10) return std::nullopt;
        int64_t v = 0;
        for (char c : f) {
            if (!Digit(c)) return std::nullopt;
            v = v * 10 + (c - '0');
        }
        if (v > 255) return std::nullopt;
        return static_cast<int>(v);
    };
    auto high = byte(fields[4]), lowByte = byte(low);
    if (!high || !lowByte) return std::nullopt;
    return *high * 256 + *lowByte;
}

// Lines handed out by the source, checked against the bytes they come from.
class Framed {
  public:
    explicit Framed(std::string_view bytes) : bytes_(bytes), source_(bytes) {}

    // A line with its line feed, "" at the end; nullopt for a line beyond the buffer.
    std::optional<std::string> Next() {
        std::string line;
        try {
            line = source_.ReadLn();
        } catch (const ESockError&) {
            FUZZ_CHECK(!tooLong_);
            tooLong_ = true;
            // Refused only when no line feed lies within the buffer's reach.
            FUZZ_CHECK(bytes_.size() - at_ >= kSockBufferSize);
            FUZZ_CHECK(bytes_.substr(at_, kSockBufferSize).find('\n') == std::string_view::npos);
            return std::nullopt;
        }
        if (line.empty()) {
            // The end: only an unterminated last line (a closed connection) is left unread.
            FUZZ_CHECK(bytes_.substr(at_).find('\n') == std::string_view::npos);
            ended_ = true;
            return line;
        }
        FUZZ_CHECK(!ended_);
        FUZZ_CHECK(line.size() <= kSockBufferSize);
        FUZZ_CHECK(line.back() == '\n');
        FUZZ_CHECK(line.find('\n') == line.size() - 1);
        FUZZ_CHECK(bytes_.substr(at_, line.size()) == line);
        FUZZ_CHECK(LineLength(line) == line.size());
        at_ += line.size();
        // The rest is a view of the same bytes: comparing where it starts and ends is enough, and
        // keeps a run over many short lines from growing quadratic.
        FUZZ_CHECK(source_.Rest().data() == bytes_.data() + at_);
        FUZZ_CHECK(source_.Rest().size() == bytes_.size() - at_);
        return line;
    }
    bool Over() const { return ended_ || tooLong_; }

  private:
    std::string_view bytes_;
    ByteLineSource source_;
    size_t at_ = 0;
    bool ended_ = false;
    bool tooLong_ = false;
};

// Everything the client takes from one line of a reply.
void CheckLine(const std::string& line) {
    const auto code = CodeOf(line);
    try {
        const int16_t got = ParseReplyCode(line);
        FUZZ_CHECK(code && got == *code);
    } catch (const EConvertError&) {
        FUZZ_CHECK(!code);
    }

    FUZZ_CHECK(ParseByteCount(line) == CountOf(line));

    const auto port = PortOf(line);
    try {
        const int got = ParsePasvPort(line);
        FUZZ_CHECK(port && got == *port);
        FUZZ_CHECK(got >= 0 && got <= 65535);
    } catch (const EConvertError&) {
        FUZZ_CHECK(!port);
    }

    const std::string_view bare = WithoutLineEnd(line);
    FUZZ_CHECK(std::string_view(line).starts_with(bare));
    FUZZ_CHECK(line.size() - bare.size() <= 2);
    FUZZ_CHECK(bare.empty() || bare.back() != '\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A closing reply's verdict is read only in its one form, and never counts more than a table.
    if (const auto verdict = ParseVerdict(fuzz::AsText(data, size))) {
        FUZZ_CHECK(verdict->Refused() <= kVerdictMaxEntries);
        FUZZ_CHECK(fuzz::AsText(data, size).find("kvelli99-verdict unproven=") != std::string_view::npos);
    }
    Framed server(fuzz::AsText(data, size));
    // Reply after reply, as a session reads them, until the server has nothing more.
    for (int reply = 0; reply < 1000 && !server.Over(); ++reply) {
        auto first = server.Next();
        if (!first || first->empty()) break;
        CheckLine(*first);

        std::vector<std::string> rest;
        bool sourceDry = false;
        std::string last;
        try {
            last = ReadReplyRest(
                *first,
                [&] {
                    auto next = server.Next();
                    if (!next) throw ESockError("line too long");
                    if (next->empty()) sourceDry = true;
                    return *next;
                },
                [&](const std::string& line) {
                    FUZZ_CHECK(!line.empty());
                    rest.push_back(line);
                });
        } catch (const ESockError&) {
            break;
        }
        for (const auto& line : rest)
            CheckLine(line);
        FUZZ_CHECK(last == (rest.empty() ? *first : rest.back()));
        // Each line handed on belonged to the reply: the one before it said the reply goes on.
        for (size_t i = 0; i < rest.size(); ++i)
            FUZZ_CHECK(ReplyContinues(i == 0 ? *first : rest[i - 1]));
        // The reply ends at a line that doesn't continue it, unless the connection ended first.
        FUZZ_CHECK(!ReplyContinues(last) || sourceDry);
    }
    return 0;
}
