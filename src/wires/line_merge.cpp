#include "wires/line_merge.h"

#include "dxf/handle_edits.h"
#include "geometry/geometry.h"

namespace kv {

int MergeCollinear(TLineEnt& currentLine, std::vector<TLineEnt>& records) {
    std::vector<Point3> points;
    TLineEnt merged = currentLine;
    int count = 0;
    for (TLineEnt& record : records) {
        if (!IsCollinear(currentLine.P1, currentLine.P2, record.P1, record.P2)) {
            record.Handle.clear();
            continue;
        }
        points.push_back(record.P1);
        points.push_back(record.P2);
        merged.Layer = record.Layer;
        merged.Linetype = record.Linetype;
        merged.Color = record.Color;
        merged.LtScale = record.LtScale;
        merged.Handle = record.Handle;
        ++count;
    }
    if (count == 0) return 0;
    points.push_back(currentLine.P1);
    points.push_back(currentLine.P2);

    double best = -1;
    for (size_t i = 0; i < points.size(); ++i) {
        for (size_t j = i + 1; j < points.size(); ++j) {
            const double d = Distance2D(points[i], points[j]);
            if (d <= best) continue;
            best = d;
            merged.P1 = points[i];
            merged.P2 = points[j];
        }
    }
    currentLine = merged;
    return count;
}

void RemoveMergedLines(DxfBuffer& buffer, const std::vector<TLineEnt>& records) {
    for (const TLineEnt& record : records)
        if (!record.Handle.empty()) DeleteEntityByHandle(buffer, "LINE", record.Handle);
}

}  // namespace kv
