// The symbols a wire may be cut at, found by the boxes of their placed shapes: a block trim
// cuts every fenced wire, and only the few symbols near a wire can give it a gap.
#pragma once

#include <cstdint>
#include <vector>

#include "dxf/records.h"
#include "geometry/bounding_boxes.h"
#include "geometry/symbol_shapes.h"

namespace kv {

class SymbolIndex {
public:
    SymbolIndex(const std::vector<TInsertEnt>& inserts, const SymbolShapes& shapes);

    // The references whose shapes may meet the wire, in array order. A gap lies on the wire
    // between hits on a symbol's shapes (or their ends within the touch tolerance), so a
    // reference whose shapes' box stays clear of the wire's box gives none. References without
    // a block definition are no symbols and are left out.
    std::vector<const TInsertEnt*> Near(const TLineEnt& wire) const;

private:
    struct Placed {
        const TInsertEnt* insert;
        Box box;
    };
    std::vector<Placed> placed_;
    std::vector<uint32_t> everywhere_;  // boxes too large or not finite: tried with every wire
    // The grid's cells, open-addressed, each naming its references as a stretch of ids_;
    // an empty stretch is a free slot.
    struct Cell {
        uint64_t key = 0;
        uint32_t begin = 0, end = 0;
    };
    const Cell* Find(uint64_t key) const;
    std::vector<Cell> cells_;
    std::vector<uint32_t> ids_;
    double cell_ = 1;
};

}  // namespace kv
