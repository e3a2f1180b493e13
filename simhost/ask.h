// The common question forms commands put to the user: points (with object snaps,
// snap grid and ortho as the host applies them), numbers, keywords, names, and
// single objects picked by point.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "input_text.h"
#include "session.h"

namespace kv::sim {

struct PointRequest {
    std::string prompt;
    std::vector<Keyword> keywords{};
    // Base of ortho and of the rubber band; none for a first point.
    std::optional<Point3> base{};
    // Running object snaps (OSMODE) apply; object picks never snap.
    bool objectSnaps = true;
};

struct PointReply {
    enum class Kind { Point, Keyword, Empty };
    Kind kind = Kind::Empty;
    Point3 point;
    std::size_t keyword = 0;
};

// Requests, keyword lists and prompts are passed by reference or view: the caller
// keeps them in named variables (see Session::Ask for why).
Task<PointReply> GetPoint(Session& s, const PointRequest& request);
Task<PointReply> GetPoint(Session& s, PointRequest&& request) = delete;

// Empty answer gives nothing (the caller's default); refused text is asked again.
Task<std::optional<double>> GetReal(Session& s, std::string_view prompt);
// An angle in degrees; a picked point gives the direction from `base`.
Task<std::optional<double>> GetAngle(Session& s, std::string_view prompt, std::optional<Point3> base);
Task<std::optional<int>> GetInteger(Session& s, std::string_view prompt, int min, int max);
Task<std::optional<std::size_t>> GetKeyword(Session& s, std::string_view prompt, const std::vector<Keyword>& keywords);
Task<std::optional<std::size_t>> GetKeyword(Session& s, std::string_view prompt,
                                            std::vector<Keyword>&& keywords) = delete;
// Names and texts: only Enter ends the answer.
Task<std::string> GetText(Session& s, std::string_view prompt);

struct ObjectReply {
    enum class Kind { Object, Keyword, Empty };
    Kind kind = Kind::Empty;
    Handle handle = 0;
    Point3 point;
    std::size_t keyword = 0;
};

// One object picked by a point (typed, picked, "@", NEA + point) or LAST.
Task<ObjectReply> GetObject(Session& s, std::string_view prompt, const std::vector<Keyword>& keywords);
Task<ObjectReply> GetObject(Session& s, std::string_view prompt, std::vector<Keyword>&& keywords) = delete;
Task<ObjectReply> GetObject(Session& s, std::string_view prompt);

enum class SnapKind { None, EndPoint, Nearest };
// The point an answer gives, after the snap grid, ortho and the object snap; it
// becomes the last point. None when the text is not a point.
std::optional<Point3> ResolvePoint(Session& s, const Answer& answer, std::optional<Point3> base, SnapKind snap);

}  // namespace kv::sim
