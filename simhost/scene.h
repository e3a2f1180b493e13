// What a window front draws for a drawing: every visible entity flattened into
// coloured paths, texts and filled quadrilaterals in drawing coordinates. Block
// references are drawn through their definitions; an entity of a block on layer "0"
// takes the reference's layer, a BYBLOCK colour the reference's colour.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "drawing.h"

namespace kv::sim {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct ScenePath {
    std::vector<Point3> points;
    bool closed = false;
    Rgb color;
};

// Alignment as in the entity; `anchor` is the point the alignment refers to.
struct SceneText {
    std::string text;
    Point3 anchor;
    double height = 0;
    double rotation = 0;  // degrees
    double widthFactor = 1;
    int hAlign = 0;
    int vAlign = 0;
    Rgb color;
};

// Corners in outline order (not the DXF order of a SOLID).
struct SceneFill {
    std::array<Point3, 4> corners;
    Rgb color;
};

struct Scene {
    std::vector<ScenePath> paths;
    std::vector<SceneText> texts;
    std::vector<SceneFill> fills;
};

// Arcs become chords of at most this many degrees.
inline constexpr double kArcStepDegrees = 5;

Scene BuildScene(const Drawing& drawing);

// An indexed colour on the host's dark background (7 is white there).
Rgb IndexColor(int index);

}  // namespace kv::sim
