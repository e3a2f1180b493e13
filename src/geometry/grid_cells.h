// Square cells of a uniform grid, for finding nearby points and boxes without comparing every
// pair. Cells are clamped far beyond any drawing, so neighbouring cells stay neighbours.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace kv {

// The cell along one axis holding v; v must be a finite number.
inline int64_t GridCell(double v, double cellSize) {
    return static_cast<int64_t>(std::clamp(std::floor(v / cellSize), -1e15, 1e15));
}

inline uint64_t GridKey(int64_t x, int64_t y) {
    return static_cast<uint64_t>(x) * 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(y);
}

// The first slot to probe for a cell key in an open-addressed table of mask + 1 slots.
inline size_t GridSlot(uint64_t key, size_t mask) {
    const uint64_t mixed = key * 0x9E3779B97F4A7C15ull;
    return static_cast<size_t>(mixed ^ mixed >> 32) & mask;
}

}  // namespace kv
