// Object selection as the host does it: picks within the pick box, windows,
// crossing windows, fences, the previous set, the last object, and the counts it
// reports on the command line.
#pragma once

#include <optional>
#include <vector>

#include "drawing.h"
#include "geometry.h"
#include "session.h"

namespace kv::sim {

// Entities on layers that are off or frozen cannot be picked.
bool Visible(const Drawing& drawing, const Entity& entity);

// The object under a point: the nearest within `radius`, the later one on a tie.
std::optional<Handle> ObjectAt(const Drawing& drawing, Point3 p, double radius);
std::optional<Handle> LastVisible(const Drawing& drawing);
std::vector<Handle> InWindow(const Drawing& drawing, const Rect& window);
std::vector<Handle> Crossing(const Drawing& drawing, const Rect& window);
std::vector<Handle> AlongFence(const Drawing& drawing, const std::vector<Point3>& fence);

struct SelectionResult {
    std::vector<Handle> handles;
    // The last crossing window given (STRETCH moves what lies in it).
    std::optional<Rect> lastCrossing;
};

// Asks "オブジェクトを選択: " until Enter (or, in SINGLE mode, until something is
// found). A non-empty result becomes the previous selection set.
Task<SelectionResult> SelectObjects(Session& s);

}  // namespace kv::sim
