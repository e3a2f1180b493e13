#include "wires/symbol_index.h"

#include <algorithm>
#include <bit>
#include <utility>
#include <cmath>

#include "geometry/block_placement.h"
#include "geometry/grid_cells.h"
#include "wires/cut_engine.h"

namespace kv {

namespace {

// A box spanning more cells than this is tried with every wire instead.
constexpr double kMostCells = 256;

bool IsFinite(const Box& box) {
    return std::isfinite(box.min.x) && std::isfinite(box.min.y) && std::isfinite(box.max.x) && std::isfinite(box.max.y);
}

bool Overlap(const Box& a, const Box& b) {
    return a.min.x <= b.max.x && b.min.x <= a.max.x && a.min.y <= b.max.y && b.min.y <= a.max.y;
}

void Grow(Box& box, double by) {
    box.min.x -= by;
    box.min.y -= by;
    box.max.x += by;
    box.max.y += by;
}

// Every shape that can cut, whatever the options: a box too large only costs a needless try.
Box PlacedBox(const TInsertEnt& insert, const BlockShapes& shapes) {
    const double inf = INFINITY;
    Box box{{inf, inf, 0}, {-inf, -inf, 0}};
    const TBlockBlk& block = shapes.block;
    for (const auto* lines : {&shapes.lines, &shapes.polylineLines})
        for (const TLineBlk& line : *lines)
            MergeBox(box, SegmentBox(PlaceBlockPoint(insert, block, line.P1), PlaceBlockPoint(insert, block, line.P2)));
    for (const TCircleBlk& circle : shapes.circles)
        MergeBox(box,
                 CircleBox(PlaceBlockPoint(insert, block, circle.Center), PlaceBlockRadius(insert, circle.Radius)));
    for (const auto* arcs : {&shapes.arcs, &shapes.polylineArcs})
        for (const TArcBlk& arc : *arcs)
            MergeBox(box, CircleBox(PlaceBlockPoint(insert, block, arc.Center), PlaceBlockRadius(insert, arc.Radius)));
    // Hits count within the touch tolerance of a shape; the rest covers rounding.
    const double scale =
        std::max({std::fabs(box.min.x), std::fabs(box.min.y), std::fabs(box.max.x), std::fabs(box.max.y)});
    Grow(box, kTouchTolerance + 1e-6 * (1 + scale));
    return box;
}

struct CellRange {
    int64_t x0, y0, x1, y1;
    double Count() const { return static_cast<double>(x1 - x0 + 1) * static_cast<double>(y1 - y0 + 1); }
};

CellRange CellsOf(const Box& box, double cell) {
    return {GridCell(box.min.x, cell), GridCell(box.min.y, cell), GridCell(box.max.x, cell), GridCell(box.max.y, cell)};
}

}  // namespace

SymbolIndex::SymbolIndex(const std::vector<TInsertEnt>& inserts, const SymbolShapes& shapes) {
    double extents = 0;
    for (const TInsertEnt& insert : inserts) {
        const BlockShapes* symbol = shapes.Find(insert.Name);
        if (!symbol) continue;
        const Box box = PlacedBox(insert, *symbol);
        placed_.push_back({&insert, box});
        if (IsFinite(box)) extents += (box.max.x - box.min.x) + (box.max.y - box.min.y);
    }
    // Cells about a symbol wide hold a few symbols each and see a wire through few cells.
    if (extents > 0) cell_ = extents / (2.0 * static_cast<double>(placed_.size()));
    std::vector<std::pair<uint64_t, uint32_t>> inCells;  // cell key, reference
    for (uint32_t i = 0; i < placed_.size(); ++i) {
        const Box& box = placed_[i].box;
        if (box.min.x > box.max.x) continue;  // no shapes: never hit
        if (!IsFinite(box) || CellsOf(box, cell_).Count() > kMostCells) {
            everywhere_.push_back(i);
            continue;
        }
        const CellRange cells = CellsOf(box, cell_);
        for (int64_t x = cells.x0; x <= cells.x1; ++x)
            for (int64_t y = cells.y0; y <= cells.y1; ++y) inCells.push_back({GridKey(x, y), i});
    }
    std::sort(inCells.begin(), inCells.end());
    cells_.resize(std::bit_ceil(std::max<size_t>(16, 2 * inCells.size())));
    const size_t mask = cells_.size() - 1;
    for (size_t first = 0; first < inCells.size();) {
        const uint64_t key = inCells[first].first;
        size_t slot = GridSlot(key, mask);
        while (cells_[slot].begin != cells_[slot].end) slot = (slot + 1) & mask;
        cells_[slot] = {key, static_cast<uint32_t>(ids_.size()), 0};
        for (; first < inCells.size() && inCells[first].first == key; ++first) ids_.push_back(inCells[first].second);
        cells_[slot].end = static_cast<uint32_t>(ids_.size());
    }
}

const SymbolIndex::Cell* SymbolIndex::Find(uint64_t key) const {
    const size_t mask = cells_.size() - 1;
    for (size_t slot = GridSlot(key, mask); cells_[slot].begin != cells_[slot].end; slot = (slot + 1) & mask)
        if (cells_[slot].key == key) return &cells_[slot];
    return nullptr;
}

std::vector<const TInsertEnt*> SymbolIndex::Near(const TLineEnt& wire) const {
    const Box box = SegmentBox(wire.P1, wire.P2);
    std::vector<uint32_t> found = everywhere_;
    if (!IsFinite(box) || CellsOf(box, cell_).Count() > static_cast<double>(placed_.size())) {
        for (uint32_t i = 0; i < placed_.size(); ++i) found.push_back(i);
    } else {
        const CellRange cells = CellsOf(box, cell_);
        for (int64_t x = cells.x0; x <= cells.x1; ++x) {
            for (int64_t y = cells.y0; y <= cells.y1; ++y) {
                if (const Cell* cell = Find(GridKey(x, y)))
                    found.insert(found.end(), ids_.begin() + cell->begin, ids_.begin() + cell->end);
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    std::vector<const TInsertEnt*> near;
    for (uint32_t i : found)
        if (!IsFinite(box) || !IsFinite(placed_[i].box) || Overlap(box, placed_[i].box))
            near.push_back(placed_[i].insert);
    return near;
}

}  // namespace kv
