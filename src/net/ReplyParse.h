#pragma once
// Reading FTP replies: pure functions over text, so that hostile replies can be fed to them
// directly (tests, fuzzers) without a socket.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/Exception.h"

namespace kv {

// The one working buffer of a transport; no line longer than this is taken from a connection.
inline constexpr std::size_t kSockBufferSize = 65536;

// A number in a reply that cannot be converted (a PASV field, a reply code out of range).
class EConvertError : public Exception {
  public:
    using Exception::Exception;
};

// Length of the first line of `bytes` including its line feed, or npos when no line feed is there.
std::size_t LineLength(std::string_view bytes);

// The reply code of a reply line: its leading decimal digits (at most the first 10 characters);
// 0 when it does not begin with a digit. A code beyond 16 bits raises EConvertError.
std::int16_t ParseReplyCode(std::string_view line);

// A reply goes on after `line` while the line begins with a blank or has "-" as its fourth character.
bool ReplyContinues(std::string_view line);

// Reads the lines after `line` that belong to the same reply, through `readLn` (an empty line, a
// closed connection, ends it), handing each to `onLine`. Returns the last line read, or `line`.
std::string ReadReplyRest(std::string line, const std::function<std::string()>& readLn,
                          const std::function<void(const std::string&)>& onLine);

// The byte count announced in a reply: the run of digits nearest before the first "BYTE" (in any
// case). 0 when there is no "BYTE", no digit before it, or the number does not fit in 32 bits.
std::uint32_t ParseByteCount(std::string_view line);

// The data port of a PASV reply: field 5 * 256 + field 6 of the line split at commas, field 6 taken
// up to its first ")". Missing or non-numeric fields, or fields beyond a byte, raise EConvertError.
int ParsePasvPort(std::string_view reply);

// The bytes of a reply without its line end, for status reports.
std::string_view WithoutLineEnd(std::string_view line);

// Lines out of a fixed run of bytes, framed as the transport frames them from a connection: each
// line with its line end; at the end of the bytes (a closed connection) the empty text, also for
// a last line without line feed; a line beyond the buffer raises ESockError.
class ByteLineSource {
  public:
    explicit ByteLineSource(std::string_view bytes) : rest_(bytes) {}
    std::string ReadLn();
    std::string_view Rest() const { return rest_; }

  private:
    std::string_view rest_;
};

}  // namespace kv
