#pragma once
// Bounds-checked reads over a span, shared by the version reader's container finders and its
// block query: whatever the bytes claim, no read leaves the span.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "app/VerInfoFind.h"

namespace kv::verinfo::detail {

// Bounds-checked little/big-endian reads: every access goes through these, and a read that would
// leave the span yields nothing.
struct Reader {
    Bytes b;
    bool bigEndian = false;

    bool Has(std::uint64_t off, std::uint64_t n) const { return off <= b.size() && n <= b.size() - off; }
    std::optional<std::uint64_t> U(std::uint64_t off, int n) const {
        if (!Has(off, static_cast<std::uint64_t>(n))) return std::nullopt;
        std::uint64_t v = 0;
        for (int i = 0; i < n; ++i) {
            const int shift = bigEndian ? 8 * (n - 1 - i) : 8 * i;
            v |= static_cast<std::uint64_t>(b[off + i]) << shift;
        }
        return v;
    }
    std::uint16_t U16(std::uint64_t off, bool& ok) const {
        return static_cast<std::uint16_t>(Get(off, 2, ok));
    }
    std::uint32_t U32(std::uint64_t off, bool& ok) const {
        return static_cast<std::uint32_t>(Get(off, 4, ok));
    }
    std::uint64_t U64(std::uint64_t off, bool& ok) const { return Get(off, 8, ok); }
    std::uint64_t Get(std::uint64_t off, int n, bool& ok) const {
        auto v = U(off, n);
        if (!v) ok = false;
        return v.value_or(0);
    }
    Bytes Sub(std::uint64_t off, std::uint64_t n) const {
        if (!Has(off, n)) return {};
        return b.subspan(static_cast<std::size_t>(off), static_cast<std::size_t>(n));
    }
};

constexpr std::size_t Align4(std::size_t v) {
    return (v + 3) & ~static_cast<std::size_t>(3);
}

}  // namespace kv::verinfo::detail
