#pragma once
// A cell of the board, 1-based: row 1 is the top, column 1 the left. The cores and the windows
// name every cell this way, row first.

#include <cstdint>

namespace kv {

struct Cell {
    int32_t row = 0;  // 1..8
    int32_t col = 0;  // 1..8
    bool operator==(const Cell&) const = default;
};

}  // namespace kv
