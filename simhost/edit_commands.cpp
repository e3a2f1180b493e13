#include <optional>

#include "ask.h"
#include "commands.h"
#include "entity_edit.h"
#include "entity_shape.h"
#include "host_texts.h"
#include "selection.h"

namespace kv::sim {

namespace {

// Base point then second point, or a typed displacement; none ends the command.
Task<std::optional<Point3>> AskDisplacement(Session& s) {
    PointRequest first{std::string(text::kBasePoint)};
    first.keywords.push_back({"DISPLACEMENT", "D"});
    PointReply base = co_await GetPoint(s, first);
    if (base.kind != PointReply::Kind::Point) {
        const PointRequest request{std::string(text::kDisplacement), {}, {}, false};
        PointReply d = co_await GetPoint(s, request);
        co_return d.kind == PointReply::Kind::Point ? d.point : Point3{};
    }
    const PointRequest secondRequest{std::string(text::kSecondPoint), {}, base.point};
    PointReply second = co_await GetPoint(s, secondRequest);
    // Enter takes the first point as the displacement.
    if (second.kind != PointReply::Kind::Point) co_return base.point;
    co_return Point3{second.point.x - base.point.x, second.point.y - base.point.y, second.point.z - base.point.z};
}

}  // namespace

Task<void> SelectCommand(Session& s) { co_await SelectObjects(s); }

Task<void> EraseCommand(Session& s) {
    SelectionResult selection = co_await SelectObjects(s);
    s.drawing().Erase(selection.handles);
}

Task<void> OopsCommand(Session& s) {
    s.drawing().Oops();
    co_return;
}

Task<void> MoveCommand(Session& s) {
    SelectionResult selection = co_await SelectObjects(s);
    if (selection.handles.empty()) co_return;
    std::optional<Point3> d = co_await AskDisplacement(s);
    if (!d) co_return;
    for (Handle h : selection.handles) {
        if (Entity* e = s.drawing().Find(h)) MoveEntity(*e, d->x, d->y);
    }
}

Task<void> CopyCommand(Session& s) {
    SelectionResult selection = co_await SelectObjects(s);
    if (selection.handles.empty()) co_return;
    std::optional<Point3> d = co_await AskDisplacement(s);
    if (!d) co_return;
    for (Handle h : selection.handles) {
        const Entity* original = s.drawing().Find(h);
        if (!original) continue;
        Entity copy = *original;
        MoveEntity(copy, d->x, d->y);
        s.drawing().Add(std::move(copy));
    }
}

Task<void> StretchCommand(Session& s) {
    s.Print(std::string(text::kStretchIntro));
    SelectionResult selection = co_await SelectObjects(s);
    if (selection.handles.empty()) co_return;
    std::optional<Point3> d = co_await AskDisplacement(s);
    if (!d) co_return;
    for (Handle h : selection.handles) {
        Entity* e = s.drawing().Find(h);
        if (!e) continue;
        // Objects picked without a crossing window move whole.
        if (selection.lastCrossing) StretchEntity(*e, *selection.lastCrossing, d->x, d->y);
        else MoveEntity(*e, d->x, d->y);
    }
}

namespace {

// What an entity explodes into; none when it cannot be exploded.
std::optional<std::vector<Entity>> ExplodedPieces(const Drawing& drawing, const Entity& original) {
    if (const auto* insert = std::get_if<InsertGeom>(&original.geom)) {
        if (!drawing.FindBlock(insert->name)) return std::nullopt;
        return PlacedBlockEntities(drawing, *insert);
    }
    if (original.Kind() != EntityKind::LwPolyline && original.Kind() != EntityKind::Polyline) return std::nullopt;
    std::vector<Entity> pieces;
    for (Geometry& part : PolylineParts(original.geom)) {
        Entity piece = original;
        piece.geom = std::move(part);
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

}  // namespace

Task<void> ExplodeCommand(Session& s) {
    SelectionResult selection = co_await SelectObjects(s);
    int refused = 0;
    for (Handle h : selection.handles) {
        const Entity* found = s.drawing().Find(h);
        if (!found) continue;
        std::optional<std::vector<Entity>> pieces = ExplodedPieces(s.drawing(), *found);
        if (!pieces) {
            ++refused;
            continue;
        }
        s.drawing().Remove({h});
        for (Entity& piece : *pieces) s.drawing().Add(std::move(piece));
    }
    if (refused > 0) s.Print(std::to_string(refused) + " 個は" + std::string(text::kCannotExplode));
}

}  // namespace kv::sim
