#include "dxf_in.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>

#include "base/encoding.h"
#include "base/number_text.h"
#include "base/strings.h"
#include "block_cycles.h"
#include "dxf_pairs.h"

namespace kv::sim {

namespace {

class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr int kCommentCode = 999;

std::string LinePrefix(int line) { return "line " + std::to_string(line) + ": "; }

// One "0" pair and the pairs after it up to the next "0": a section marker, table
// record or entity.
struct Group {
    std::string type;
    std::span<const DxfPair> tags;  // without the "0" pair
    int line = 0;
};

double RealOf(const DxfPair& p) {
    double v = 0;
    if (!TryParseReal(p.value, v)) throw ReadError(LinePrefix(p.line + 1) + RealConversionMessage(Trim(p.value)));
    return v;
}

int IntOf(const DxfPair& p) {
    int v = 0;
    if (!TryParseInt(p.value, v)) throw ReadError(LinePrefix(p.line + 1) + IntConversionMessage(Trim(p.value)));
    return v;
}

// Indexed colours are 1-255, stored negated for a layer that is off; an entity also takes
// 0 (BYBLOCK) and 256 (BYLAYER) and may repeat its layer's off state as the sign.
int ColorOf(const DxfPair& p, int highest) {
    const int v = IntOf(p);
    if (v < -highest || v > highest)
        throw ReadError(LinePrefix(p.line + 1) + "'" + Trim(p.value) + "' is not a colour number");
    return v;
}

std::string NameOf(const DxfPair& p) { return Trim(p.value); }

// Sets x, y or z of `point` when `code` is base, base + 10 or base + 20.
bool TakeCoordinate(const DxfPair& p, int base, Point3& point) {
    if (p.code == base) point.x = RealOf(p);
    else if (p.code == base + 10) point.y = RealOf(p);
    else if (p.code == base + 20) point.z = RealOf(p);
    else return false;
    return true;
}

double NormalizedAngle(double degrees) {
    double a = std::fmod(degrees, 360.0);
    return a < 0 ? a + 360.0 : a;
}

// Texts before AC1021 are in the code page of the writing system; later ones in UTF-8. The
// release is the group 1 after $ACADVER: a file without it is read as the older kind.
bool IsUtf8Release(std::span<const DxfPair> pairs) {
    for (size_t i = 0; i + 1 < pairs.size(); ++i) {
        if (pairs[i].code == 0 && Trim(pairs[i].value) == "ENDSEC") break;
        if (pairs[i].code == 9 && Trim(pairs[i].value) == "$ACADVER")
            return pairs[i + 1].code == 1 && Trim(pairs[i + 1].value) >= "AC1021";
    }
    return false;
}

std::vector<Group> GroupPairs(std::span<const DxfPair> pairs) {
    std::vector<Group> groups;
    size_t i = 0;
    while (i < pairs.size()) {
        if (pairs[i].code != 0) {
            throw ReadError(LinePrefix(pairs[i].line) + "group " + std::to_string(pairs[i].code) +
                            " where a section was expected");
        }
        size_t end = i + 1;
        while (end < pairs.size() && pairs[end].code != 0) ++end;
        groups.push_back(Group{Trim(pairs[i].value), pairs.subspan(i + 1, end - i - 1), pairs[i].line});
        i = end;
    }
    return groups;
}

// The sections of a file by name, each a run of groups between its SECTION and ENDSEC.
struct Sections {
    std::vector<Group> header;
    std::vector<Group> tables;
    std::vector<Group> blocks;
    std::vector<Group> entities;
};

Sections SplitSections(const std::vector<Group>& groups) {
    Sections sections;
    bool sawEof = false;
    bool sawSection = false;
    for (size_t i = 0; i < groups.size(); ++i) {
        const Group& g = groups[i];
        if (g.type == "EOF") {
            sawEof = true;
            break;
        }
        if (g.type != "SECTION") throw ReadError(LinePrefix(g.line) + "'" + g.type + "' outside any section");
        if (g.tags.empty() || g.tags[0].code != 2) throw ReadError(LinePrefix(g.line) + "section without a name");
        std::string name = NameOf(g.tags[0]);
        sawSection = true;
        // The section's first records share the SECTION group when its name pair is followed
        // by more tags (a HEADER's variables); keep them as a nameless group.
        std::vector<Group> body;
        if (g.tags.size() > 1) body.push_back(Group{"", g.tags.subspan(1), g.tags[1].line});
        size_t j = i + 1;
        while (j < groups.size() && groups[j].type != "ENDSEC") {
            if (groups[j].type == "EOF" || groups[j].type == "SECTION") break;
            body.push_back(groups[j]);
            ++j;
        }
        if (j == groups.size() || groups[j].type != "ENDSEC") {
            throw ReadError("the file ends inside the " + name + " section (line " + std::to_string(g.line) + ")");
        }
        if (name == "HEADER") sections.header = std::move(body);
        else if (name == "TABLES") sections.tables = std::move(body);
        else if (name == "BLOCKS") sections.blocks = std::move(body);
        else if (name == "ENTITIES") sections.entities = std::move(body);
        i = j;
    }
    if (!sawSection) throw ReadError("not a DXF file: no section found");
    if (!sawEof) throw ReadError("the file ends without EOF; it may be cut short");
    return sections;
}

Point3 ReadInsBase(const std::vector<Group>& header) {
    Point3 base;
    for (const Group& g : header) {
        bool inInsBase = false;
        for (const DxfPair& p : g.tags) {
            if (p.code == 9) inInsBase = Trim(p.value) == "$INSBASE";
            else if (inInsBase) TakeCoordinate(p, 10, base);
        }
    }
    return base;
}

Layer ReadLayer(const Group& g) {
    Layer layer;
    for (const DxfPair& p : g.tags) {
        if (p.code == 2) layer.name = NameOf(p);
        else if (p.code == 70) layer.frozen = (IntOf(p) & 1) != 0;
        else if (p.code == 62) layer.color = ColorOf(p, 255);
        else if (p.code == 6) layer.linetype = NameOf(p);
    }
    layer.off = layer.color < 0;
    layer.color = std::abs(layer.color);
    return layer;
}

Linetype ReadLinetype(const Group& g) {
    Linetype lt;
    for (const DxfPair& p : g.tags) {
        if (p.code == 2) lt.name = NameOf(p);
        else if (p.code == 3) lt.description = p.value;
        else if (p.code == 49) lt.pattern.push_back(RealOf(p));
    }
    return lt;
}

TextStyle ReadStyle(const Group& g, bool& isShapeFile) {
    TextStyle style;
    isShapeFile = false;
    for (const DxfPair& p : g.tags) {
        if (p.code == 2) style.name = NameOf(p);
        else if (p.code == 70) {
            int flags = IntOf(p);
            style.vertical = (flags & 4) != 0;
            isShapeFile = (flags & 1) != 0;
        } else if (p.code == 40) style.height = RealOf(p);
        else if (p.code == 41) style.widthFactor = RealOf(p);
        else if (p.code == 50) style.oblique = RealOf(p);
        else if (p.code == 3) style.fontFile = NameOf(p);
        else if (p.code == 4) style.bigFontFile = NameOf(p);
    }
    return style;
}

void ReadTables(const std::vector<Group>& tables, DxfImportResult& result) {
    std::string table;
    for (const Group& g : tables) {
        if (g.type == "TABLE") {
            table.clear();
            for (const DxfPair& p : g.tags) {
                if (p.code == 2) {
                    table = NameOf(p);
                    break;
                }
            }
            continue;
        }
        if (g.type == "ENDTAB") {
            table.clear();
            continue;
        }
        if (g.type != table) continue;
        if (table == "LAYER") {
            Layer layer = ReadLayer(g);
            if (!layer.name.empty()) result.layers.push_back(std::move(layer));
        } else if (table == "LTYPE") {
            Linetype lt = ReadLinetype(g);
            if (!lt.name.empty()) result.linetypes.push_back(std::move(lt));
        } else if (table == "STYLE") {
            bool isShapeFile = false;
            TextStyle style = ReadStyle(g, isShapeFile);
            if (!style.name.empty() && !isShapeFile) result.styles.push_back(std::move(style));
        }
    }
}

// Groups every entity has; false for the others.
bool TakeCommon(const DxfPair& p, Entity& e) {
    switch (p.code) {
    case 8: e.layer = NameOf(p); return true;
    case 6: e.linetype = NameOf(p); return true;
    case 62: e.color = std::abs(ColorOf(p, 256)); return true;
    case 48: e.linetypeScale = RealOf(p); return true;
    default: return false;
    }
}

// What an entity group says beyond its geometry: paper space, and an extrusion
// pointing down (a mirrored entity, drawn in a flipped coordinate system).
struct EntityFlags {
    bool paperSpace = false;
    bool flipped = false;
    bool attributesFollow = false;
};

bool TakeFlags(const DxfPair& p, EntityFlags& flags) {
    if (p.code == 67) flags.paperSpace = IntOf(p) == 1;
    else if (p.code == 230) flags.flipped = RealOf(p) < 0;
    else if (p.code == 66) flags.attributesFollow = IntOf(p) == 1;
    else return false;
    return true;
}

Entity ReadLine(const Group& g, EntityFlags& flags) {
    Entity e;
    LineGeom geom;
    for (const DxfPair& p : g.tags) {
        if (TakeCommon(p, e) || TakeFlags(p, flags)) continue;
        if (!TakeCoordinate(p, 10, geom.start)) TakeCoordinate(p, 11, geom.end);
    }
    e.geom = geom;
    return e;
}

Entity ReadCircleOrArc(const Group& g, bool arc, EntityFlags& flags) {
    Entity e;
    ArcGeom geom;
    for (const DxfPair& p : g.tags) {
        if (TakeCommon(p, e) || TakeFlags(p, flags) || TakeCoordinate(p, 10, geom.center)) continue;
        if (p.code == 40) geom.radius = RealOf(p);
        else if (p.code == 50) geom.startAngle = RealOf(p);
        else if (p.code == 51) geom.endAngle = RealOf(p);
    }
    if (flags.flipped) {
        geom.center.x = -geom.center.x;
        double start = geom.startAngle;
        geom.startAngle = NormalizedAngle(180.0 - geom.endAngle);
        geom.endAngle = NormalizedAngle(180.0 - start);
    }
    if (arc) e.geom = geom;
    else e.geom = CircleGeom{geom.center, geom.radius};
    return e;
}

Entity ReadLwPolyline(const Group& g, EntityFlags& flags) {
    Entity e;
    LwPolylineGeom geom;
    for (const DxfPair& p : g.tags) {
        if (TakeCommon(p, e) || TakeFlags(p, flags)) continue;
        switch (p.code) {
        case 70: geom.closed = (IntOf(p) & 1) != 0; break;
        case 38: geom.elevation = RealOf(p); break;
        case 43: geom.constantWidth = RealOf(p); break;
        case 10: geom.vertices.push_back(LwVertex{RealOf(p), 0, 0}); break;
        case 20:
            if (!geom.vertices.empty()) geom.vertices.back().y = RealOf(p);
            break;
        case 42:
            if (!geom.vertices.empty()) geom.vertices.back().bulge = RealOf(p);
            break;
        default: break;
        }
    }
    if (flags.flipped) {
        for (LwVertex& v : geom.vertices) {
            v.x = -v.x;
            v.bulge = -v.bulge;
        }
    }
    e.geom = geom;
    return e;
}

Entity ReadInsert(const Group& g, EntityFlags& flags) {
    Entity e;
    InsertGeom geom;
    for (const DxfPair& p : g.tags) {
        if (TakeCommon(p, e) || TakeFlags(p, flags) || TakeCoordinate(p, 10, geom.point)) continue;
        switch (p.code) {
        case 2: geom.name = NameOf(p); break;
        case 41: geom.xScale = RealOf(p); break;
        case 42: geom.yScale = RealOf(p); break;
        case 43: geom.zScale = RealOf(p); break;
        case 50: geom.rotation = RealOf(p); break;
        default: break;
        }
    }
    e.geom = geom;
    return e;
}

Entity ReadText(const Group& g, EntityFlags& flags) {
    Entity e;
    TextGeom geom;
    bool hasSecond = false;
    for (const DxfPair& p : g.tags) {
        if (TakeCommon(p, e) || TakeFlags(p, flags) || TakeCoordinate(p, 10, geom.first)) continue;
        if (TakeCoordinate(p, 11, geom.second)) {
            hasSecond = true;
            continue;
        }
        switch (p.code) {
        case 1: geom.text = p.value; break;
        case 7: geom.style = NameOf(p); break;
        case 40: geom.height = RealOf(p); break;
        case 41: geom.widthFactor = RealOf(p); break;
        case 50: geom.rotation = RealOf(p); break;
        case 51: geom.oblique = RealOf(p); break;
        case 72: geom.hAlign = IntOf(p); break;
        case 73: geom.vAlign = IntOf(p); break;
        default: break;
        }
    }
    if (!hasSecond) geom.second = geom.first;
    e.geom = geom;
    return e;
}

Entity ReadSolid(const Group& g, EntityFlags& flags) {
    Entity e;
    SolidGeom geom;
    bool hasFourth = false;
    for (const DxfPair& p : g.tags) {
        if (TakeCommon(p, e) || TakeFlags(p, flags)) continue;
        for (int i = 0; i < 4; ++i) {
            if (TakeCoordinate(p, 10 + i, geom.corners[static_cast<size_t>(i)]) && i == 3) hasFourth = true;
        }
    }
    if (!hasFourth) geom.corners[3] = geom.corners[2];  // three corners make a triangle
    e.geom = geom;
    return e;
}

// A POLYLINE group and the VERTEX groups after it; returns the index past its SEQEND.
size_t ReadPolyline(std::span<const Group> groups, size_t at, EntityFlags& flags, std::optional<Entity>& out) {
    Entity e;
    PolylineGeom geom;
    double elevation = 0;
    int typeFlags = 0;
    for (const DxfPair& p : groups[at].tags) {
        if (TakeCommon(p, e) || TakeFlags(p, flags)) continue;
        if (p.code == 30) elevation = RealOf(p);
        else if (p.code == 70) typeFlags = IntOf(p);
    }
    geom.closed = (typeFlags & 1) != 0;
    geom.is3d = (typeFlags & 8) != 0;
    size_t i = at + 1;
    for (; i < groups.size() && groups[i].type == "VERTEX"; ++i) {
        PolyVertex v;
        v.point.z = elevation;
        for (const DxfPair& p : groups[i].tags) {
            if (!TakeCoordinate(p, 10, v.point) && p.code == 42) v.bulge = RealOf(p);
        }
        geom.vertices.push_back(v);
    }
    if (i < groups.size() && groups[i].type == "SEQEND") ++i;
    // Meshes and polyface meshes are surfaces, not lines: the drawing does not hold them.
    constexpr int kMeshFlags = 16 | 64;
    if ((typeFlags & kMeshFlags) == 0) {
        e.geom = geom;
        out = std::move(e);
    }
    return i;
}

// Reads the entity groups of ENTITIES or of one block body. Kinds the drawing cannot
// hold are passed over, as are paper-space entities (an insert takes model space).
std::vector<Entity> ReadEntityGroups(std::span<const Group> groups) {
    std::vector<Entity> entities;
    size_t i = 0;
    while (i < groups.size()) {
        const Group& g = groups[i];
        EntityFlags flags;
        std::optional<Entity> entity;
        size_t next = i + 1;
        if (g.type == "LINE") entity = ReadLine(g, flags);
        else if (g.type == "ARC") entity = ReadCircleOrArc(g, true, flags);
        else if (g.type == "CIRCLE") entity = ReadCircleOrArc(g, false, flags);
        else if (g.type == "LWPOLYLINE") entity = ReadLwPolyline(g, flags);
        else if (g.type == "TEXT") entity = ReadText(g, flags);
        else if (g.type == "SOLID") entity = ReadSolid(g, flags);
        else if (g.type == "POLYLINE") next = ReadPolyline(groups, i, flags, entity);
        else if (g.type == "INSERT") {
            entity = ReadInsert(g, flags);
            // Attributes are not kept: skip them up to their SEQEND.
            if (flags.attributesFollow) {
                while (next < groups.size() && groups[next].type == "ATTRIB") ++next;
                if (next < groups.size() && groups[next].type == "SEQEND") ++next;
            }
        }
        if (entity && !flags.paperSpace) entities.push_back(std::move(*entity));
        i = next;
    }
    return entities;
}

std::vector<AttributeDef> ReadAttributeDefs(std::span<const Group> groups) {
    std::vector<AttributeDef> defs;
    for (const Group& g : groups) {
        if (g.type != "ATTDEF") continue;
        AttributeDef def;
        for (const DxfPair& p : g.tags) {
            if (p.code == 2) def.tag = NameOf(p);
            else if (p.code == 3) def.prompt = p.value;
            else if (p.code == 1) def.value = p.value;
        }
        if (!def.tag.empty()) defs.push_back(std::move(def));
    }
    return defs;
}

bool IsLayoutBlock(std::string_view name) {
    std::string upper = UpperAscii(name);
    return upper == "*MODEL_SPACE" || StartsWith(upper, "*PAPER_SPACE") || upper == "$MODEL_SPACE" ||
           StartsWith(upper, "$PAPER_SPACE");
}

// The first definition of a name is the one that counts, as when the file is merged.
void RefuseSelfInsertingBlocks(const std::vector<BlockDef>& blocks, const std::map<std::string, int>& lines) {
    std::map<std::string, const std::vector<Entity>*> byName;
    std::vector<std::string> names;
    for (const BlockDef& def : blocks) {
        if (byName.try_emplace(UpperAscii(def.name), &def.entities).second) names.push_back(def.name);
    }
    const std::string cyclic = SelfInsertingBlock(names, [&](std::string_view name) {
        const auto found = byName.find(UpperAscii(name));
        return found == byName.end() ? nullptr : found->second;
    });
    if (cyclic.empty()) return;
    throw ReadError(LinePrefix(lines.at(UpperAscii(cyclic))) + "block '" + cyclic + "' inserts itself");
}

void ReadBlocks(const std::vector<Group>& groups, DxfImportResult& result) {
    std::map<std::string, int> lines;  // of each name's first BLOCK, by upper-case name
    size_t i = 0;
    while (i < groups.size()) {
        const Group& g = groups[i];
        if (g.type != "BLOCK") {
            ++i;
            continue;
        }
        BlockDef def;
        for (const DxfPair& p : g.tags) {
            if (p.code == 2) def.name = NameOf(p);
            else TakeCoordinate(p, 10, def.base);
        }
        size_t end = i + 1;
        while (end < groups.size() && groups[end].type != "ENDBLK") ++end;
        if (end == groups.size()) throw ReadError(LinePrefix(g.line) + "block '" + def.name + "' has no ENDBLK");
        const std::span<const Group> body = std::span<const Group>(groups).subspan(i + 1, end - i - 1);
        def.entities = ReadEntityGroups(body);
        def.attributes = ReadAttributeDefs(body);
        if (!def.name.empty() && !IsLayoutBlock(def.name)) {
            lines.try_emplace(UpperAscii(def.name), g.line);
            result.blocks.push_back(std::move(def));
        }
        i = end + 1;
    }
    RefuseSelfInsertingBlocks(result.blocks, lines);
}

}  // namespace

DxfImportResult ReadDxfFile(std::string_view bytes) {
    DxfImportResult result;
    if (StartsWith(bytes, "AutoCAD Binary DXF")) {
        result.error = "binary DXF files are not supported";
        return result;
    }
    DxfPairsResult raw = ReadDxfPairs(bytes);
    if (!raw.error.empty()) {
        result.error = raw.error;
        return result;
    }
    std::erase_if(raw.pairs, [](const DxfPair& p) { return p.code == kCommentCode; });
    if (!IsUtf8Release(raw.pairs)) {
        for (DxfPair& p : raw.pairs) {
            bool ascii = std::all_of(p.value.begin(), p.value.end(), [](char c) { return (c & 0x80) == 0; });
            if (!ascii) p.value = AnsiToUtf8(p.value);
        }
    }
    try {
        std::vector<Group> groups = GroupPairs(raw.pairs);
        Sections sections = SplitSections(groups);
        result.insBase = ReadInsBase(sections.header);
        ReadTables(sections.tables, result);
        ReadBlocks(sections.blocks, result);
        result.entities = ReadEntityGroups(sections.entities);
        result.attributes = ReadAttributeDefs(sections.entities);
    } catch (const ReadError& e) {
        DxfImportResult failed;
        failed.error = e.what();
        return failed;
    }
    return result;
}

}  // namespace kv::sim
