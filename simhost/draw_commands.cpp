#include "ask.h"
#include "commands.h"
#include "host_texts.h"
#include "input_text.h"

namespace kv::sim {

Task<void> LineCommand(Session& s) {
    const PointRequest firstRequest{std::string(text::kLineFirst)};
    PointReply first = co_await GetPoint(s, firstRequest);
    if (first.kind != PointReply::Kind::Point) co_return;
    std::vector<Point3> points{first.point};
    std::vector<Handle> segments;
    for (;;) {
        bool canClose = segments.size() >= 2;
        PointRequest request{
            std::string(canClose ? text::kLineNextClose : text::kLineNext), {{"UNDO", "U"}}, points.back()};
        if (canClose) request.keywords.push_back({"CLOSE", "C"});
        PointReply next = co_await GetPoint(s, request);
        if (next.kind == PointReply::Kind::Empty) co_return;
        if (next.kind == PointReply::Kind::Keyword && next.keyword == 0) {
            if (segments.empty()) {
                s.Print(std::string(text::kUndoNothing));
                continue;
            }
            s.drawing().Remove({segments.back()});
            segments.pop_back();
            points.pop_back();
            continue;
        }
        if (next.kind == PointReply::Kind::Keyword) {
            s.AddEntity(LineGeom{points.back(), points.front()});
            co_return;
        }
        segments.push_back(s.AddEntity(LineGeom{points.back(), next.point}));
        points.push_back(next.point);
    }
}

Task<void> PlineCommand(Session& s) {
    const PointRequest startRequest{std::string(text::kPlineStart)};
    PointReply start = co_await GetPoint(s, startRequest);
    if (start.kind != PointReply::Kind::Point) co_return;
    s.Print(std::string(text::kPlineWidthNote));
    enum { kClose, kUndo, kArc, kHalfWidth, kLength, kWidth };
    const std::vector<Keyword> keywords = {{"CLOSE", "C"},     {"UNDO", "U"},   {"ARC", "A"},
                                           {"HALFWIDTH", "H"}, {"LENGTH", "L"}, {"WIDTH", "W"}};
    std::vector<Point3> points{start.point};
    // The polyline exists from its first segment on, so Esc keeps what was drawn.
    Handle handle = 0;
    auto update = [&](bool closed) {
        LwPolylineGeom geom;
        geom.elevation = points.front().z;
        geom.closed = closed;
        for (Point3 p : points) geom.vertices.push_back({p.x, p.y, 0});
        if (points.size() < 2) {
            if (handle) s.drawing().Remove({handle});
            handle = 0;
        } else if (handle) {
            s.drawing().Find(handle)->geom = geom;
        } else {
            handle = s.AddEntity(geom);
        }
    };
    for (;;) {
        const PointRequest request{std::string(text::kPlineNext), keywords, points.back()};
        PointReply next = co_await GetPoint(s, request);
        if (next.kind == PointReply::Kind::Empty) co_return;
        if (next.kind == PointReply::Kind::Point) {
            points.push_back(next.point);
        } else if (next.keyword == kClose && points.size() >= 3) {
            update(true);
            co_return;
        } else if (next.keyword == kUndo && points.size() >= 2) {
            points.pop_back();
        } else {
            // Arcs and widths are not drawn by this host.
            s.Print(std::string(text::kKeywordRequired));
            continue;
        }
        update(false);
    }
}

Task<void> IdCommand(Session& s) {
    const PointRequest request{std::string(text::kIdPoint)};
    PointReply reply = co_await GetPoint(s, request);
    if (reply.kind != PointReply::Kind::Point) co_return;
    int decimals = s.drawing().vars.luPrec;
    s.Print("X = " + FormatFixed(reply.point.x, decimals) + "     Y = " + FormatFixed(reply.point.y, decimals) +
            "     Z = " + FormatFixed(reply.point.z, decimals));
}

}  // namespace kv::sim
