// A symbol file's drawing: the geometry of its ENTITIES section as one pseudo block, and its
// texts.
#pragma once

#include <string>
#include <vector>

#include "base/point3.h"
#include "dxf/dxf_buffer.h"
#include "dxf/records.h"

namespace kv {

inline constexpr std::string_view kSymbolBlockName = "***";

struct TTextEnt {
    int Index = 0;
    std::string Handle;  // up to 9 characters
    Point3 InsertionPoint;
    Point3 AlignmentPoint;
    double Height = 0;
    double Rotation = 0;  // degrees
    int HorizontalJustification = 0;
    int VerticalJustification = 0;
    std::string Text;
};

struct SymbolEntities {
    BlockGeometry geometry;  // one block, kSymbolBlockName; polylines not yet exploded
    std::vector<TTextEnt> texts;
};

// Lines, circles, arcs, polylines and solids of the ENTITIES section, and its TEXT entities;
// references and everything else are left out. A value that should be a number and is not
// raises ConversionError.
SymbolEntities ReadSymbolEntities(const DxfBuffer& buffer);

}  // namespace kv
