#include "wires/collinear_join.h"

#include <optional>

#include "base/strings.h"
#include "dxf/line_edits.h"
#include "geometry/geometry.h"

namespace kv {

namespace {

bool Absorbed(const TLineEnt& line) { return StartsWith(line.Handle, "-"); }

bool SameLook(const TLineEnt& a, const TLineEnt& b) {
    return a.Layer == b.Layer && a.Linetype == b.Linetype && a.Color == b.Color;
}

}  // namespace

int JoinCollinearLines(std::vector<TLineEnt>& lines) {
    int absorbed = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        // Collinearity within a tolerance is not transitive: a piece already gone must not
        // come back holding another.
        if (Absorbed(lines[i])) continue;
        for (size_t j = i + 1; j < lines.size(); ++j) {
            TLineEnt& kept = lines[i];
            TLineEnt& other = lines[j];
            if (Absorbed(other) || !SameLook(kept, other)) continue;
            if (!IsCollinear(kept.P1, kept.P2, other.P1, other.P2)) continue;
            const std::optional<std::pair<Point3, Point3>> ends = FarthestPair(kept.P1, kept.P2, other.P1, other.P2);
            if (ends) {
                kept.P1 = ends->first;
                kept.P2 = ends->second;
            }
            EditMark(kept, LineEdit::kMoved);
            EditMark(other, LineEdit::kRemoved);
            ++absorbed;
        }
    }
    return absorbed;
}

}  // namespace kv
