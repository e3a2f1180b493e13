#include <cmath>

#include "ask.h"
#include "base/strings.h"
#include "commands.h"
#include "dxf_in.h"
#include "dxf_merge.h"
#include "entity_shape.h"
#include "file_paths.h"
#include "host_texts.h"

namespace kv::sim {

namespace {

// Scales of zero would collapse the block; the host asks again.
Task<double> AskScale(Session& s, std::string_view prompt, double fallback) {
    for (;;) {
        std::optional<double> value = co_await GetReal(s, prompt);
        if (!value) co_return fallback;
        if (*value != 0) co_return *value;
        s.Print(std::string(text::kNonZeroRequired));
    }
}

struct Placement {
    Point3 point;
    std::optional<Point3> basePoint;  // B: a base point other than the block's own
    double xScale = 1, yScale = 1, zScale = 1;
    double rotation = 0;
    bool scaleSet = false;
    bool rotationSet = false;
};

// The insertion point prompt with its options, which preset values and come back.
Task<Placement> AskInsertionPoint(Session& s) {
    Placement p;
    enum { kBase, kScale, kX, kY, kZ, kRotate };
    PointRequest request{std::string(text::kInsertPoint)};
    request.keywords = {{"BASEPOINT", "B"}, {"SCALE", "S"}, {"X", "X"}, {"Y", "Y"}, {"Z", "Z"}, {"ROTATE", "R"}};
    for (;;) {
        PointReply reply = co_await GetPoint(s, request);
        if (reply.kind == PointReply::Kind::Point) {
            p.point = reply.point;
            co_return p;
        }
        if (reply.kind == PointReply::Kind::Empty) {
            s.Print(std::string(text::kPointRequired));
            continue;
        }
        switch (reply.keyword) {
        case kBase: {
            const PointRequest baseRequest{std::string(text::kInsertBasePoint)};
            PointReply base = co_await GetPoint(s, baseRequest);
            if (base.kind == PointReply::Kind::Point) p.basePoint = base.point;
            break;
        }
        case kScale:
            p.xScale = p.yScale = p.zScale = co_await AskScale(s, text::kInsertPresetScale, 1);
            p.scaleSet = true;
            break;
        case kX:
            p.xScale = co_await AskScale(s, text::kInsertPresetX, 1);
            p.scaleSet = true;
            break;
        case kY:
            p.yScale = co_await AskScale(s, text::kInsertPresetY, 1);
            p.scaleSet = true;
            break;
        case kZ:
            p.zScale = co_await AskScale(s, text::kInsertPresetZ, 1);
            p.scaleSet = true;
            break;
        case kRotate:
            p.rotation = (co_await GetAngle(s, text::kInsertPresetRotation, std::nullopt)).value_or(0);
            p.rotationSet = true;
            break;
        }
    }
}

// Where the definition's own base point goes when the user gave another base point.
Point3 EffectivePoint(const Placement& p, Point3 definitionBase) {
    if (!p.basePoint) return p.point;
    Affine t = BlockPlacement(*p.basePoint, p.point, p.xScale, p.yScale, p.rotation);
    return t.Apply(definitionBase);
}

// One question per definition, as the host asks with ATTREQ 1; with ATTREQ 0, or ATTDIA 1
// (a dialog this host does not have), the defaults are taken unasked.
Task<std::vector<AttributeValue>> AskAttributes(Session& s, std::vector<AttributeDef> defs) {
    std::vector<AttributeValue> values;
    const DrawingVars& vars = s.drawing().vars;
    const bool ask = vars.attReq == 1 && vars.attDia == 0;
    for (const AttributeDef& def : defs) {
        std::string value = def.value;
        if (ask) {
            const std::string prompt = (def.prompt.empty() ? def.tag : def.prompt) + " <" + def.value + ">: ";
            std::string answer = co_await GetText(s, prompt);
            if (!Trim(answer).empty()) value = answer;
        }
        values.push_back(AttributeValue{def.tag, value});
    }
    co_return values;
}

void ListBlocks(Session& s) {
    s.Print(std::string(text::kInsertBlockList));
    for (const BlockDef& block : s.drawing().blocks) s.Print("  " + block.name);
}

}  // namespace

Task<void> InsertCommand(Session& s) {
    std::string name = Trim(Unquote(Trim(co_await GetText(s, text::kInsertName))));
    if (name.empty()) co_return;
    if (name == "?") {
        ListBlocks(s);
        co_return;
    }
    bool exploded = StartsWith(name, "*");
    if (exploded) name = Trim(name.substr(1));
    Drawing& d = s.drawing();
    std::optional<DxfImportResult> file;
    std::string blockName = name;
    if (const BlockDef* block = LooksLikePath(name) ? nullptr : d.FindBlock(name)) {
        blockName = block->name;
    } else {
        std::string path = ResolveTypedPath(name, ".dxf", s.workingFolder);
        std::optional<std::string> bytes;
        if (!s.switches().insertFileMissing && s.files().exists(path)) bytes = s.files().read(path);
        if (!bytes) {
            s.Print(std::string(text::kInsertNotFound) + name);
            co_return;
        }
        file = ReadDxfFile(*bytes);
        if (!file->error.empty()) {
            s.Print(std::string(text::kInsertBadFile) + file->error);
            co_return;
        }
        blockName = BlockNameFromPath(path);
        // The file is judged, and a definition comes in, as soon as it is read, as the host does.
        std::string error = exploded ? BlockCycleError(d, *file) : DefineBlockFromImport(d, *file, blockName);
        if (!error.empty()) {
            s.Print(std::string(text::kInsertBadFile) + error);
            co_return;
        }
    }
    Placement p = co_await AskInsertionPoint(s);
    if (exploded) {
        if (!p.scaleSet) p.xScale = p.yScale = p.zScale = co_await AskScale(s, text::kInsertScale, 1);
        if (!p.rotationSet) p.rotation = (co_await GetAngle(s, text::kInsertRotation, p.point)).value_or(0);
        // An exploded insert takes one scale.
        p.yScale = p.zScale = p.xScale;
        if (file) {
            InsertImportExploded(d, *file, EffectivePoint(p, file->insBase), p.xScale, p.rotation);
            co_return;
        }
        InsertGeom placed{blockName, EffectivePoint(p, d.FindBlock(blockName)->base), p.xScale, p.yScale, p.zScale,
                          p.rotation};
        for (Entity& e : PlacedBlockEntities(d, placed)) d.Add(std::move(e));
        co_return;
    }
    if (!p.scaleSet) {
        p.xScale = co_await AskScale(s, text::kInsertXScale, 1);
        p.yScale = co_await AskScale(s, text::kInsertYScale, p.xScale);
        p.zScale = p.xScale;
    }
    if (!p.rotationSet) p.rotation = (co_await GetAngle(s, text::kInsertRotation, p.point)).value_or(0);
    const BlockDef* block = d.FindBlock(blockName);
    InsertGeom insert{blockName, EffectivePoint(p, block ? block->base : Point3{}), p.xScale, p.yScale, p.zScale,
                      p.rotation};
    if (block) insert.attributes = co_await AskAttributes(s, block->attributes);
    s.AddEntity(std::move(insert));
}

}  // namespace kv::sim
