// The stand-in host's drawing database: entities in drawing order, the tables,
// the drawing-wide variables and the handle seed. Plain data, copyable, so that an
// undo step can be a copy of the whole drawing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/point3.h"

namespace kv::sim {

// Entity handles are hexadecimal in files ("2F"); zero means "not assigned yet".
using Handle = std::uint64_t;
std::string HandleText(Handle handle);
std::optional<Handle> ParseHandle(std::string_view text);

constexpr int kColorByBlock = 0;
constexpr int kColorByLayer = 256;

struct LineGeom {
    Point3 start;
    Point3 end;

    friend bool operator==(const LineGeom&, const LineGeom&) = default;
};

// Angles in degrees, counter-clockwise from start to end.
struct ArcGeom {
    Point3 center;
    double radius = 0;
    double startAngle = 0;
    double endAngle = 0;

    friend bool operator==(const ArcGeom&, const ArcGeom&) = default;
};

struct CircleGeom {
    Point3 center;
    double radius = 0;

    friend bool operator==(const CircleGeom&, const CircleGeom&) = default;
};

// bulge = tan(included angle / 4) of the segment that starts at this vertex;
// positive turns counter-clockwise.
struct LwVertex {
    double x = 0;
    double y = 0;
    double bulge = 0;

    friend bool operator==(const LwVertex&, const LwVertex&) = default;
};

struct LwPolylineGeom {
    std::vector<LwVertex> vertices;
    bool closed = false;
    double elevation = 0;
    double constantWidth = 0;

    friend bool operator==(const LwPolylineGeom&, const LwPolylineGeom&) = default;
};

// The old-style POLYLINE: VERTEX records up to a SEQEND, with 3D points.
struct PolyVertex {
    Point3 point;
    double bulge = 0;

    friend bool operator==(const PolyVertex&, const PolyVertex&) = default;
};

struct PolylineGeom {
    std::vector<PolyVertex> vertices;
    bool closed = false;
    bool is3d = false;

    friend bool operator==(const PolylineGeom&, const PolylineGeom&) = default;
};

// An attribute of a block: its tag (group 2), prompt (3) and default value (1).
struct AttributeDef {
    std::string tag;
    std::string prompt;
    std::string value;

    friend bool operator==(const AttributeDef&, const AttributeDef&) = default;
};

struct AttributeValue {
    std::string tag;
    std::string value;

    friend bool operator==(const AttributeValue&, const AttributeValue&) = default;
};

struct InsertGeom {
    std::string name;
    Point3 point;
    double xScale = 1;
    double yScale = 1;
    double zScale = 1;
    double rotation = 0;                       // degrees
    std::vector<AttributeValue> attributes{};  // in the order of the block's definitions

    friend bool operator==(const InsertGeom&, const InsertGeom&) = default;
};

// Field per DXF group: 1 text, 7 style, 10/20 first point, 11/21 alignment point,
// 40 height, 41 width factor, 50 rotation, 51 oblique, 72 horizontal and
// 73 vertical justification. The layer (8) is the entity's.
struct TextGeom {
    std::string text;
    std::string style = "STANDARD";
    Point3 first;
    Point3 second;
    double height = 2.5;
    double widthFactor = 1;
    double rotation = 0;  // degrees
    double oblique = 0;   // degrees
    int hAlign = 0;
    int vAlign = 0;

    friend bool operator==(const TextGeom&, const TextGeom&) = default;
};

// Corners in DXF order (the third and fourth swap against drawing order).
struct SolidGeom {
    std::array<Point3, 4> corners;

    friend bool operator==(const SolidGeom&, const SolidGeom&) = default;
};

using Geometry =
    std::variant<LineGeom, ArcGeom, CircleGeom, LwPolylineGeom, PolylineGeom, InsertGeom, TextGeom, SolidGeom>;

enum class EntityKind { Line, Arc, Circle, LwPolyline, Polyline, Insert, Text, Solid };

// The DXF entity name of a kind ("LINE", "LWPOLYLINE", ...).
const char* EntityKindName(EntityKind kind);

struct Entity {
    Handle handle = 0;
    std::string layer = "0";
    std::string linetype = "BYLAYER";
    int color = kColorByLayer;
    double linetypeScale = 1;
    Geometry geom;

    EntityKind Kind() const { return static_cast<EntityKind>(geom.index()); }

    friend bool operator==(const Entity&, const Entity&) = default;
};

// A layer that is off keeps its colour here; files store it as the negative colour.
struct Layer {
    std::string name;
    int color = 7;
    bool off = false;
    bool frozen = false;
    std::string linetype = "CONTINUOUS";

    friend bool operator==(const Layer&, const Layer&) = default;
};

// Pattern: dash lengths as in DXF group 49 (positive dash, negative gap, 0 dot).
struct Linetype {
    std::string name;
    std::string description;
    std::vector<double> pattern;

    double PatternLength() const;

    friend bool operator==(const Linetype&, const Linetype&) = default;
};

struct TextStyle {
    std::string name;
    std::string fontFile = "txt";
    std::string bigFontFile;
    bool vertical = false;
    double height = 0;
    double widthFactor = 1;
    double oblique = 0;

    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

struct BlockDef {
    std::string name;
    Point3 base;
    std::vector<Entity> entities;
    std::vector<AttributeDef> attributes{};  // in the order the host asks them

    friend bool operator==(const BlockDef&, const BlockDef&) = default;
};

// Drawing-wide settings that the host keeps in the drawing and the DXF header.
// Names follow the system variables; the command core exposes them by name.
struct DrawingVars {
    int snapMode = 0;
    int osMode = 0;
    int orthoMode = 0;
    double dimScale = 1;
    std::string cLayer = "0";
    int ceColor = kColorByLayer;
    double celtScale = 1;
    std::string celtype = "BYLAYER";
    double filletRad = 0;
    int fileDia = 1;
    int luPrec = 4;
    Point3 lastPoint;
    Point3 insBase;
    Point3 viewCtr{210, 148.5, 0};
    double viewSize = 297;
    double screenWidth = 1024;
    double screenHeight = 768;
    int attReq = 1;
    int attDia = 0;
};

class Drawing {
public:
    // A new drawing: layer "0", linetypes BYBLOCK, BYLAYER and CONTINUOUS, style STANDARD.
    Drawing();

    const std::vector<Entity>& Entities() const { return entities_; }

    // Appends with a fresh handle (any handle the entity carries is replaced) and
    // returns that handle.
    Handle Add(Entity entity);
    // Appends under the handle it carries: a copy of an entity of another drawing.
    void AddCopy(Entity entity);
    // A fresh handle for anything that needs one (block entities, table records).
    Handle NewHandle() { return nextHandle_++; }
    // The next handle to be given ($HANDSEED).
    Handle HandleSeed() const { return nextHandle_; }
    // Raises the seed so that no handle below `seed` is given again (undo keeps it).
    void KeepSeedAtLeast(Handle seed);

    const Entity* Find(Handle handle) const;
    Entity* Find(Handle handle);

    // Removes the entities and remembers them as the set OOPS brings back; a later
    // Erase replaces that set. Unknown handles are ignored. Returns how many went.
    int Erase(const std::vector<Handle>& handles);
    // Removes entities that are replaced by edited ones (OOPS does not bring them back).
    void Remove(const std::vector<Handle>& handles);
    // Brings back the last erased set at the places they had; returns how many.
    int Oops();

    // Tables. Names compare case-insensitively for ASCII letters, as the host does.
    std::vector<Layer> layers;
    std::vector<Linetype> linetypes;
    std::vector<TextStyle> styles;
    std::vector<BlockDef> blocks;
    DrawingVars vars;

    Layer* FindLayer(std::string_view name);
    const Layer* FindLayer(std::string_view name) const;
    Linetype* FindLinetype(std::string_view name);
    const Linetype* FindLinetype(std::string_view name) const;
    TextStyle* FindStyle(std::string_view name);
    const TextStyle* FindStyle(std::string_view name) const;
    BlockDef* FindBlock(std::string_view name);
    const BlockDef* FindBlock(std::string_view name) const;

    // Adds the record when no record of that name exists; returns the one in the table.
    Layer& EnsureLayer(std::string_view name);

private:
    struct ErasedEntity {
        std::size_t index;
        Entity entity;
    };

    std::vector<Entity> entities_;
    std::vector<ErasedEntity> lastErased_;
    Handle nextHandle_ = 0x30;
};

}  // namespace kv::sim
