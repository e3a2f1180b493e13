// An entity as a scenario line writes it ("line 0,0 100,0 layer=WIRE"): made into a
// drawing entity by the setup, matched against the drawing by the expectations.
// Whatever a line leaves out takes the host's default when made and matches
// anything when expected.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "simhost/drawing.h"
#include "step_args.h"

namespace kv::scenario {

struct EntityDesc {
    sim::EntityKind kind = sim::EntityKind::Line;
    std::vector<Point3> points;  // line 2; arc, circle, insert, text 1; pline n; solid 3 or 4
    std::optional<double> radius, startAngle, endAngle;
    std::optional<std::string> name;  // block name of an insert, value of a text
    std::optional<double> xScale, yScale, rotation, height, widthFactor;
    std::optional<std::string> style;
    std::optional<int> hAlign, vAlign;
    std::optional<Point3> second;
    std::optional<std::vector<double>> bulges;
    std::optional<bool> closed;
    std::optional<std::string> layer, linetype;
    std::optional<int> color;
    std::optional<double> linetypeScale;
};

// The kind words: line, arc, circle, pline, insert, text, solid.
bool IsEntityWord(std::string_view word);
std::optional<sim::EntityKind> KindOfWord(std::string_view word);
EntityDesc ParseEntityDesc(std::string_view kindWord, Args& args);

// Fails (with the line) where the setup needs a value the line left out.
sim::Entity MakeEntity(const EntityDesc& desc, int line);

bool Matches(const EntityDesc& desc, const sim::Entity& entity, double tolerance);

// One line about an entity, for failure messages.
std::string Describe(const sim::Entity& entity);

}  // namespace kv::scenario
