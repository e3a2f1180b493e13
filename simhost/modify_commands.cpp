#include "ask.h"
#include "commands.h"
#include "entity_edit.h"
#include "host_texts.h"
#include "input_text.h"
#include "selection.h"

namespace kv::sim {

namespace {

// The pieces of an edited entity: the first keeps the entity (and its handle),
// the others are added after it with the same properties.
void ReplaceGeometry(Drawing& drawing, Handle handle, std::vector<Geometry> pieces) {
    Entity* entity = drawing.Find(handle);
    if (!entity) return;
    if (pieces.empty()) {
        drawing.Remove({handle});
        return;
    }
    Entity copy = *entity;
    if (pieces.front().index() == entity->geom.index()) {
        entity->geom = std::move(pieces.front());
    } else {
        drawing.Remove({handle});
        copy.geom = std::move(pieces.front());
        drawing.Add(copy);
    }
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        copy.geom = std::move(pieces[i]);
        drawing.Add(copy);
    }
}

}  // namespace

Task<void> BreakCommand(Session& s) {
    ObjectReply object = co_await GetObject(s, s.SelectObjectsPrompt());
    if (object.kind != ObjectReply::Kind::Object) co_return;
    Point3 first = object.point;
    PointRequest secondRequest{std::string(text::kBreakSecond)};
    secondRequest.keywords.push_back({"FIRST", "F"});
    PointReply second = co_await GetPoint(s, secondRequest);
    if (second.kind == PointReply::Kind::Empty) co_return;
    if (second.kind == PointReply::Kind::Keyword) {
        const PointRequest firstRequest{std::string(text::kBreakFirstPoint)};
        PointReply p1 = co_await GetPoint(s, firstRequest);
        if (p1.kind != PointReply::Kind::Point) co_return;
        first = p1.point;
        const PointRequest lastRequest{std::string(text::kBreakSecondPoint)};
        second = co_await GetPoint(s, lastRequest);
        if (second.kind != PointReply::Kind::Point) co_return;
    }
    const Entity* entity = s.drawing().Find(object.handle);
    std::optional<std::vector<Geometry>> pieces = BreakGeometry(entity->geom, first, second.point);
    if (!pieces) {
        s.Print(std::string(text::kCannotBreak));
        co_return;
    }
    ReplaceGeometry(s.drawing(), object.handle, std::move(*pieces));
}

namespace {

std::string FilletCountLine(int count) { return std::to_string(count) + std::string(text::kFilletDone); }

// The arc takes the common layer, colour and linetype of the two lines, else the current ones.
Entity FilletArcEntity(Session& s, const Entity& a, const Entity& b, const ArcGeom& arc) {
    const DrawingVars& v = s.drawing().vars;
    Entity e;
    e.layer = a.layer == b.layer ? a.layer : v.cLayer;
    e.color = a.color == b.color ? a.color : v.ceColor;
    e.linetype = a.linetype == b.linetype ? a.linetype : v.celtype;
    e.linetypeScale = a.linetypeScale == b.linetypeScale ? a.linetypeScale : v.celtScale;
    e.geom = arc;
    return e;
}

void FilletTwo(Session& s, const ObjectReply& first, const ObjectReply& second) {
    Drawing& d = s.drawing();
    Entity* a = d.Find(first.handle);
    Entity* b = d.Find(second.handle);
    const auto* l1 = std::get_if<LineGeom>(&a->geom);
    const auto* l2 = std::get_if<LineGeom>(&b->geom);
    if (!l1 || !l2 || first.handle == second.handle) {
        s.Print(std::string(text::kFilletCannot));
        return;
    }
    auto result = FilletLines(*l1, first.point, *l2, second.point, d.vars.filletRad);
    if (const FilletError* error = std::get_if<FilletError>(&result)) {
        s.Print(std::string(*error == FilletError::Parallel ? text::kFilletParallel : text::kFilletTooLarge));
        return;
    }
    const LineFillet& fillet = std::get<LineFillet>(result);
    a->geom = fillet.first;
    b->geom = fillet.second;
    if (fillet.arc) d.Add(FilletArcEntity(s, *a, *b, *fillet.arc));
}

}  // namespace

Task<void> FilletCommand(Session& s) {
    s.Print(std::string(text::kFilletSettings) + FormatFixed(s.drawing().vars.filletRad, s.drawing().vars.luPrec));
    enum { kPolyline, kRadius, kTrim };
    const std::vector<Keyword> keywords = {{"POLYLINE", "P"}, {"RADIUS", "R"}, {"TRIM", "T"}};
    for (;;) {
        ObjectReply first = co_await GetObject(s, text::kFilletFirst, keywords);
        if (first.kind == ObjectReply::Kind::Empty) co_return;
        if (first.kind == ObjectReply::Kind::Object) {
            ObjectReply second = co_await GetObject(s, text::kFilletSecond);
            if (second.kind == ObjectReply::Kind::Object) FilletTwo(s, first, second);
            co_return;
        }
        if (first.keyword == kRadius) {
            std::string prompt = std::string(text::kFilletRadius) +
                                 FormatFixed(s.drawing().vars.filletRad, s.drawing().vars.luPrec) + ">: ";
            std::optional<double> radius = co_await GetReal(s, prompt);
            if (radius && *radius >= 0) s.drawing().vars.filletRad = *radius;
            else if (radius) s.Print(std::string(text::kNonNegativeRequired));
            co_return;
        }
        if (first.keyword == kTrim) {
            s.Print(std::string(text::kKeywordRequired));
            continue;
        }
        ObjectReply picked = co_await GetObject(s, text::kFilletPolyline);
        if (picked.kind != ObjectReply::Kind::Object) co_return;
        Entity* entity = s.drawing().Find(picked.handle);
        auto* polyline = std::get_if<LwPolylineGeom>(&entity->geom);
        if (!polyline) {
            s.Print(std::string(text::kFilletNotPolyline));
            co_return;
        }
        s.Print(FilletCountLine(FilletPolyline(*polyline, s.drawing().vars.filletRad)));
        co_return;
    }
}

namespace {

// Joins every selected line, arc and open polyline that continues the polyline at
// one of its ends, until nothing more fits. Returns how many were joined.
int JoinSelected(Drawing& d, Handle target, std::vector<Handle> candidates) {
    int joined = 0;
    bool progress = true;
    while (progress) {
        progress = false;
        for (auto it = candidates.begin(); it != candidates.end(); ++it) {
            const Entity* part = *it == target ? nullptr : d.Find(*it);
            auto* polyline = std::get_if<LwPolylineGeom>(&d.Find(target)->geom);
            if (!part || !JoinToPolyline(*polyline, part->geom)) continue;
            d.Remove({*it});
            candidates.erase(it);
            ++joined;
            progress = true;
            break;
        }
    }
    return joined;
}

}  // namespace

Task<void> PeditCommand(Session& s) {
    const std::vector<Keyword> selectKeywords = {{"MULTIPLE", "M"}};
    ObjectReply picked = co_await GetObject(s, text::kPeditSelect, selectKeywords);
    if (picked.kind == ObjectReply::Kind::Keyword) {
        s.Print(std::string(text::kKeywordRequired));
        co_return;
    }
    if (picked.kind != ObjectReply::Kind::Object) co_return;
    Handle target = picked.handle;
    Entity original = *s.drawing().Find(target);
    if (original.Kind() != EntityKind::LwPolyline) {
        std::optional<LwPolylineGeom> converted = PolylineFrom(original.geom);
        if (!converted) {
            s.Print(std::string(text::kPeditCannotConvert));
            co_return;
        }
        const std::vector<Keyword> yesNo = {{"YES", "Y"}, {"NO", "N"}};
        std::optional<std::size_t> answer = co_await GetKeyword(s, text::kPeditConvert, yesNo);
        if (answer == 1u) co_return;
        s.drawing().Remove({target});
        original.geom = *converted;
        target = s.drawing().Add(original);
    }
    enum { kOpenClose, kJoin };
    const std::vector<Keyword> openKeywords = {{"CLOSE", "C"}, {"JOIN", "J"}};
    const std::vector<Keyword> closedKeywords = {{"OPEN", "O"}, {"JOIN", "J"}};
    for (;;) {
        bool closed = std::get<LwPolylineGeom>(s.drawing().Find(target)->geom).closed;
        std::optional<std::size_t> option =
            co_await GetKeyword(s, std::string(closed ? text::kPeditOptionsClosed : text::kPeditOptionsOpen),
                                closed ? closedKeywords : openKeywords);
        if (!option) co_return;
        if (*option == kOpenClose) {
            std::get<LwPolylineGeom>(s.drawing().Find(target)->geom).closed = !closed;
            continue;
        }
        SelectionResult selection = co_await SelectObjects(s);
        int joined = JoinSelected(s.drawing(), target, selection.handles);
        s.Print(std::to_string(joined) + std::string(text::kPeditJoined));
    }
}

}  // namespace kv::sim
