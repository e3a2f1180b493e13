// The entity records the DXF readers fill and every tool works on. Plain data:
// strings are the trimmed value texts of the file, angles stay in degrees.
#pragma once

#include <string>
#include <vector>

#include "base/point3.h"

namespace kv {

constexpr int kColorByLayer = 256;

struct TLineEnt {
    std::string Handle;  // may carry an EditMark prefix "+" or "-"
    std::string Layer;
    std::string Linetype = "BYLAYER";
    int Color = kColorByLayer;
    double LtScale = 1.0;
    Point3 P1;
    Point3 P2;
};

struct TArcEnt {
    std::string Handle;
    std::string Layer;
    std::string Linetype = "BYLAYER";
    int Color = kColorByLayer;
    double LtScale = 1.0;
    Point3 Center;
    double Radius = 0;
    double StartAngle = 0;
    double EndAngle = 0;
};

struct TInsertEnt {
    std::string Handle;
    std::string Name;
    std::string Layer;
    Point3 Point;
    Point3 Scale{1.0, 1.0, 1.0};
    double Rotation = 0;
};

// Polyline header: Owner is "LWP" or "PLN" in ENTITIES, the block name in BLOCKS.
struct TLwpBlk {
    std::string Owner;
    std::string Layer = "0";
    std::string Handle;
    int Flags = 0;
};

struct TLwpEle {
    std::string OwnerHandle;
    Point3 Point;
    double Bulge = 0;
};

struct TBlockBlk {
    std::string Name;
    std::string Layer;
    Point3 BasePoint;
};

struct TLineBlk {
    std::string BlockName;
    std::string Layer = "0";
    Point3 P1;
    Point3 P2;
};

struct TCircleBlk {
    std::string BlockName;
    std::string Layer = "0";
    Point3 Center;
    double Radius = 0;
};

struct TArcBlk {
    std::string BlockName;
    std::string Layer = "0";
    Point3 Center;
    double Radius = 0;
    double StartAngle = 0;
    double EndAngle = 0;
};

// Raw value texts (untrimmed) of the header variables used for new entities.
struct HeaderVars {
    std::string CLayer;
    std::string CeLtScale;
    std::string CeLtype;
    std::string CeColor;
    std::string DimScale;
};

// Plain form: one layer name per item. Detailed form: "name,flags,color" per item.
using LayerList = std::vector<std::string>;

// Everything ReadBlocks fills, kept together because the block tools use it as one.
struct BlockGeometry {
    std::vector<TBlockBlk> blocks;
    std::vector<TLineBlk> lines;
    std::vector<TCircleBlk> circles;
    std::vector<TArcBlk> arcs;
    std::vector<TLwpBlk> polylines;
    std::vector<TLwpEle> vertices;
    LayerList layers;  // detailed form
};

}  // namespace kv
