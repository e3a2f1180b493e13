#include "ask.h"

#include <cmath>
#include <limits>

#include "base/number_text.h"
#include "base/strings.h"
#include "entity_shape.h"
#include "host_texts.h"
#include "selection.h"

namespace kv::sim {

namespace {

// The snap grid spacing (SNAPUNIT).
constexpr double kSnapUnit = 10;
const Keyword kNearestKeyword{"NEAREST", "NEA"};
const Keyword kLastKeyword{"LAST", "L"};

std::optional<Point3> TypedPoint(const Session& s, std::string_view typed) {
    std::string t = Trim(typed);
    if (!StartsWith(t, "@")) return ParsePointText(t);
    Point3 last = s.LastPoint();
    if (t.size() == 1) return last;
    std::optional<Point3> d = ParsePointText(t.substr(1));
    if (!d) return std::nullopt;
    return Point3{last.x + d->x, last.y + d->y, last.z + d->z};
}

std::optional<Point3> NearestOnVisible(const Drawing& d, Point3 p, double radius) {
    std::optional<Point3> best;
    double bestDistance = radius;
    for (const Entity& e : d.Entities()) {
        if (!Visible(d, e)) continue;
        std::optional<Point3> q = ShapeNearest(EntityShape(d, e), p);
        if (q && Distance(*q, p) <= bestDistance) {
            bestDistance = Distance(*q, p);
            best = q;
        }
    }
    return best;
}

std::optional<Point3> EndPointNear(const Drawing& d, Point3 p, double radius) {
    std::optional<Point3> best;
    double bestDistance = radius;
    for (const Entity& e : d.Entities()) {
        if (!Visible(d, e)) continue;
        for (Point3 q : EntityShape(d, e).endPoints) {
            if (Distance(q, p) <= bestDistance) {
                bestDistance = Distance(q, p);
                best = q;
            }
        }
    }
    return best;
}

}  // namespace

std::optional<Point3> ResolvePoint(Session& s, const Answer& answer, std::optional<Point3> base, SnapKind snap) {
    const DrawingVars& v = s.drawing().vars;
    Point3 p;
    if (answer.pick) {
        p = *answer.pick;
        if (v.snapMode != 0) {
            p.x = std::round(p.x / kSnapUnit) * kSnapUnit;
            p.y = std::round(p.y / kSnapUnit) * kSnapUnit;
        }
        if (v.orthoMode != 0 && base) {
            if (std::fabs(p.x - base->x) >= std::fabs(p.y - base->y)) p.y = base->y;
            else p.x = base->x;
        }
    } else {
        std::optional<Point3> typed = TypedPoint(s, answer.text);
        if (!typed) return std::nullopt;
        p = *typed;
    }
    if (snap == SnapKind::Nearest) {
        if (auto q = NearestOnVisible(s.drawing(), p, s.ApertureRadius())) p = *q;
    } else if (snap == SnapKind::EndPoint && v.osMode != 0) {
        if (auto q = EndPointNear(s.drawing(), p, s.ApertureRadius())) p = *q;
    }
    s.SetLastPoint(p);
    return p;
}

Task<PointReply> GetPoint(Session& s, const PointRequest& request) {
    bool nearest = false;
    for (;;) {
        Answer a = co_await s.Ask(nearest ? text::kNearest : std::string_view(request.prompt));
        if (!a.pick) {
            std::string t = Trim(a.text);
            if (t.empty()) co_return PointReply{};
            if (!nearest && MatchesKeyword(t, kNearestKeyword)) {
                nearest = true;
                continue;
            }
            if (auto k = MatchKeyword(t, request.keywords)) co_return PointReply{PointReply::Kind::Keyword, {}, *k};
        }
        SnapKind snap = nearest ? SnapKind::Nearest : request.objectSnaps ? SnapKind::EndPoint : SnapKind::None;
        std::optional<Point3> p = ResolvePoint(s, a, request.base, snap);
        nearest = false;
        if (p) co_return PointReply{PointReply::Kind::Point, *p, 0};
        s.Print(std::string(text::kPointRequired));
    }
}

Task<std::optional<double>> GetReal(Session& s, std::string_view prompt) {
    for (;;) {
        Answer a = co_await s.Ask(prompt);
        std::string t = Trim(a.text);
        if (t.empty() && !a.pick) co_return std::nullopt;
        double value = 0;
        if (!a.pick && TryParseReal(t, value)) co_return value;
        s.Print(std::string(text::kNumberRequired));
    }
}

Task<std::optional<double>> GetAngle(Session& s, std::string_view prompt, std::optional<Point3> base) {
    for (;;) {
        Answer a = co_await s.Ask(prompt);
        std::string t = Trim(a.text);
        if (t.empty() && !a.pick) co_return std::nullopt;
        double value = 0;
        if (!a.pick && TryParseReal(t, value)) co_return value;
        if (a.pick && base) {
            std::optional<Point3> p = ResolvePoint(s, a, base, SnapKind::EndPoint);
            co_return Degrees(NormalizeAngle(AngleOf(*base, *p)));
        }
        s.Print(std::string(text::kNumberRequired));
    }
}

Task<std::optional<int>> GetInteger(Session& s, std::string_view prompt, int min, int max) {
    for (;;) {
        Answer a = co_await s.Ask(prompt);
        std::string t = Trim(a.text);
        if (t.empty() && !a.pick) co_return std::nullopt;
        int value = 0;
        if (a.pick || !TryParseInt(t, value)) {
            s.Print(std::string(text::kIntegerRequired));
        } else if (value < min || value > max) {
            s.Print(std::string(text::kValueRangePrefix) + std::to_string(min) + std::string(text::kValueRangeInfix) +
                    std::to_string(max) + std::string(text::kValueRangeSuffix));
        } else {
            co_return value;
        }
    }
}

Task<std::optional<std::size_t>> GetKeyword(Session& s, std::string_view prompt, const std::vector<Keyword>& keywords) {
    for (;;) {
        Answer a = co_await s.Ask(prompt);
        std::string t = Trim(a.text);
        if (t.empty() && !a.pick) co_return std::nullopt;
        if (!a.pick) {
            if (auto k = MatchKeyword(t, keywords)) co_return *k;
        }
        s.Print(std::string(text::kKeywordRequired));
    }
}

Task<std::string> GetText(Session& s, std::string_view prompt) {
    Answer a = co_await s.Ask(prompt, AnswerEnd::Line);
    co_return a.text;
}

Task<ObjectReply> GetObject(Session& s, std::string_view prompt) {
    static const std::vector<Keyword> kNone;
    return GetObject(s, prompt, kNone);
}

Task<ObjectReply> GetObject(Session& s, std::string_view prompt, const std::vector<Keyword>& keywords) {
    bool nearest = false;
    for (;;) {
        Answer a = co_await s.Ask(nearest ? text::kNearest : prompt);
        if (!a.pick) {
            std::string t = Trim(a.text);
            if (t.empty()) co_return ObjectReply{};
            if (!nearest && MatchesKeyword(t, kNearestKeyword)) {
                nearest = true;
                continue;
            }
            if (auto k = MatchKeyword(t, keywords)) co_return ObjectReply{ObjectReply::Kind::Keyword, 0, {}, *k};
            if (!nearest && MatchesKeyword(t, kLastKeyword)) {
                if (std::optional<Handle> last = LastVisible(s.drawing())) {
                    const Entity* e = s.drawing().Find(*last);
                    Point3 at = ShapeNearest(EntityShape(s.drawing(), *e), s.LastPoint()).value_or(s.LastPoint());
                    co_return ObjectReply{ObjectReply::Kind::Object, *last, at, 0};
                }
                s.Print(std::string(text::kNoObjectFound));
                continue;
            }
        }
        std::optional<Point3> p = ResolvePoint(s, a, std::nullopt, nearest ? SnapKind::Nearest : SnapKind::None);
        nearest = false;
        if (!p) {
            s.Print(std::string(text::kPointRequired));
            continue;
        }
        if (std::optional<Handle> h = ObjectAt(s.drawing(), *p, s.PickRadius())) {
            co_return ObjectReply{ObjectReply::Kind::Object, *h, *p, 0};
        }
        s.Print(std::string(text::kNoObjectFound));
    }
}

}  // namespace kv::sim
