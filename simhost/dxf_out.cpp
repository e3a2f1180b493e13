#include "dxf_out.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <type_traits>
#include <variant>

#include "base/encoding.h"
#include "base/strings.h"
#include "dxf_pairs.h"

namespace kv::sim {

namespace {

// Handles of the objects every file holds. Drawing entities start above them
// (the drawing's first handle is 0x30), so the two never meet.
constexpr Handle kLayerTable = 0x2;
constexpr Handle kStyleTable = 0x3;
constexpr Handle kLtypeTable = 0x5;
constexpr Handle kViewTable = 0x6;
constexpr Handle kUcsTable = 0x7;
constexpr Handle kVportTable = 0x8;
constexpr Handle kAppidTable = 0x9;
constexpr Handle kDimstyleTable = 0xA;
constexpr Handle kBlockRecordTable = 0x1;
constexpr Handle kRootDict = 0xC;
constexpr Handle kGroupDict = 0xD;
constexpr Handle kLayoutDict = 0x1A;
constexpr Handle kPaperRecord = 0x1B;
constexpr Handle kPaperBlock = 0x1C;
constexpr Handle kPaperEndBlk = 0x1D;
constexpr Handle kPaperLayout = 0x1E;
constexpr Handle kModelRecord = 0x1F;
constexpr Handle kModelBlock = 0x20;
constexpr Handle kModelEndBlk = 0x21;
constexpr Handle kModelLayout = 0x22;
constexpr Handle kAcadAppid = 0x12;
constexpr Handle kActiveVport = 0x29;
constexpr Handle kStandardDimstyle = 0x27;
constexpr Handle kFirstFreeHandle = 0x30;

constexpr const char* kModelSpace = "*Model_Space";
constexpr const char* kPaperSpace = "*Paper_Space";
constexpr double kPaperWidth = 420;
constexpr double kPaperHeight = 297;

// Layer 0, STANDARD and the three fixed linetypes keep the handles the host gives them.
std::optional<Handle> FixedRecordHandle(std::string_view table, std::string_view name) {
    static const std::map<std::pair<std::string, std::string>, Handle> fixed = {
        {{"LAYER", "0"}, 0x10},       {{"STYLE", "STANDARD"}, 0x11},   {{"LTYPE", "BYBLOCK"}, 0x14},
        {{"LTYPE", "BYLAYER"}, 0x15}, {{"LTYPE", "CONTINUOUS"}, 0x16},
    };
    auto it = fixed.find({std::string(table), UpperAscii(name)});
    if (it == fixed.end()) return std::nullopt;
    return it->second;
}

bool IsByName(std::string_view name) {
    return EqualsIgnoreCaseAscii(name, "BYLAYER") || EqualsIgnoreCaseAscii(name, "BYBLOCK");
}

class DxfOutWriter {
public:
    DxfOutWriter(const Drawing& drawing, DxfVersion version, int decimals)
        : drawing_(drawing), r2000_(version == DxfVersion::R2000), decimals_(decimals), out_(decimals) {}

    std::string Write(const std::vector<Handle>& selection);

private:
    void Plan(const std::vector<Handle>& selection);
    void UseBlock(const std::string& name);
    void NoteNames(const Entity& entity);
    Handle Fresh() { return next_++; }
    Handle EntityHandle(const Entity& entity, bool exported);
    Handle RecordHandle(std::string_view table, std::string_view name);

    void Header(DxfPairWriter& w) const;
    void Classes();
    void Tables();
    void TableStart(const char* name, Handle handle, size_t count);
    void RecordStart(const char* type, const char* subclass, Handle handle, Handle owner);
    void VportTable();
    void LtypeTable();
    void LayerTable();
    void StyleTable();
    void AppidTable();
    void DimstyleTable();
    void BlockRecordTable();
    void Blocks();
    void Block(const std::string& name, const Point3& base, Handle record, Handle begin, Handle end,
               const std::vector<Entity>* entities);
    void Entities();
    void Objects();
    void Layout(Handle handle, const char* name, int tabOrder, Handle record);

    void EntityOut(const Entity& entity, Handle owner, bool exported);
    void Common(const char* type, Handle handle, Handle owner, const Entity& entity);
    void Subclass(const char* name);
    void LwPolylineOut(const Entity& e, const LwPolylineGeom& g, Handle handle, Handle owner);
    void PolylineOut(const Entity& e, const std::vector<PolyVertex>& vertices, bool closed, bool is3d, double elevation,
                     Handle handle, Handle owner);
    void TextOut(const TextGeom& g);

    const Drawing& drawing_;
    bool r2000_;
    int decimals_;
    DxfPairWriter out_;
    Handle next_ = kFirstFreeHandle;

    std::vector<const Entity*> exported_;
    std::vector<std::string> blocks_;  // used definitions, in the drawing's table order
    std::set<Handle> exportedHandles_;
    std::set<Handle> taken_;
    std::map<std::string, Handle> recordHandles_;  // "TABLE\nNAME" -> handle
    std::map<std::string, Handle> blockRecords_;   // upper-case block name -> record handle
    std::vector<std::string> extraLayers_;         // used but not in the table
    std::vector<std::string> extraLinetypes_;
    std::vector<std::string> extraStyles_;
};

std::string DxfOutWriter::Write(const std::vector<Handle>& selection) {
    Plan(selection);
    if (r2000_) Classes();
    Tables();
    Blocks();
    Entities();
    if (r2000_) Objects();
    out_.Str(0, "EOF");
    DxfPairWriter header(decimals_);
    Header(header);
    return Utf8ToAnsi(header.Text() + out_.Text());
}

void DxfOutWriter::Plan(const std::vector<Handle>& selection) {
    std::set<Handle> wanted(selection.begin(), selection.end());
    for (const Entity& e : drawing_.Entities()) {
        next_ = std::max(next_, e.handle + 1);
        if (!wanted.count(e.handle)) continue;
        exported_.push_back(&e);
        exportedHandles_.insert(e.handle);
        NoteNames(e);
    }
    next_ = std::max(next_, drawing_.HandleSeed());
    for (const BlockDef& def : drawing_.blocks) {
        for (const Entity& e : def.entities) next_ = std::max(next_, e.handle + 1);
    }
    for (const Entity* e : exported_) {
        if (auto* insert = std::get_if<InsertGeom>(&e->geom)) UseBlock(insert->name);
    }
    // Keep the drawing's table order so that nested definitions come out as the host has them.
    std::vector<std::string> ordered;
    for (const BlockDef& def : drawing_.blocks) {
        for (const std::string& used : blocks_) {
            if (EqualsIgnoreCaseAscii(used, def.name)) ordered.push_back(def.name);
        }
    }
    for (const std::string& used : blocks_) {
        if (!drawing_.FindBlock(used)) ordered.push_back(used);
    }
    blocks_ = std::move(ordered);
}

void DxfOutWriter::UseBlock(const std::string& name) {
    for (const std::string& known : blocks_) {
        if (EqualsIgnoreCaseAscii(known, name)) return;
    }
    blocks_.push_back(name);
    const BlockDef* def = drawing_.FindBlock(name);
    if (!def) return;
    for (const Entity& e : def->entities) {
        NoteNames(e);
        if (auto* insert = std::get_if<InsertGeom>(&e.geom)) UseBlock(insert->name);
    }
}

// A name an entity uses but the tables lack still gets a record, so that the file
// is complete on its own.
void DxfOutWriter::NoteNames(const Entity& entity) {
    auto note = [](std::vector<std::string>& extra, std::string_view name, bool known) {
        if (known || name.empty()) return;
        for (const std::string& n : extra) {
            if (EqualsIgnoreCaseAscii(n, name)) return;
        }
        extra.emplace_back(name);
    };
    note(extraLayers_, entity.layer, drawing_.FindLayer(entity.layer) != nullptr);
    note(extraLinetypes_, entity.linetype,
         IsByName(entity.linetype) || drawing_.FindLinetype(entity.linetype) != nullptr);
    if (auto* text = std::get_if<TextGeom>(&entity.geom)) {
        note(extraStyles_, text->style, drawing_.FindStyle(text->style) != nullptr);
    }
}

// Exported entities keep their handles (the palette finds them by handle); entities of
// block definitions that carry none, or one already used, get a fresh one.
Handle DxfOutWriter::EntityHandle(const Entity& entity, bool exported) {
    if (exported) return entity.handle;
    bool usable = entity.handle >= kFirstFreeHandle && !exportedHandles_.count(entity.handle);
    if (usable && taken_.insert(entity.handle).second) return entity.handle;
    Handle h = Fresh();
    taken_.insert(h);
    return h;
}

Handle DxfOutWriter::RecordHandle(std::string_view table, std::string_view name) {
    std::string key = std::string(table) + "\n" + UpperAscii(name);
    auto it = recordHandles_.find(key);
    if (it != recordHandles_.end()) return it->second;
    Handle h = FixedRecordHandle(table, name).value_or(0);
    if (h == 0) h = Fresh();
    recordHandles_[key] = h;
    return h;
}

void DxfOutWriter::Header(DxfPairWriter& w) const {
    const DrawingVars& v = drawing_.vars;
    auto var = [&w](const char* name) { w.Str(9, name); };
    w.Str(0, "SECTION");
    w.Str(2, "HEADER");
    var("$ACADVER");
    w.Str(1, r2000_ ? "AC1015" : "AC1009");
    if (r2000_) {
        var("$ACADMAINTVER");
        w.Int(70, 6);
    }
    var("$DWGCODEPAGE");
    w.Str(3, "ANSI_932");
    var("$INSBASE");
    w.Point(10, v.insBase);
    var("$LIMMIN");
    w.Point(10, Point3{}, false);
    var("$LIMMAX");
    w.Point(10, Point3{kPaperWidth, kPaperHeight, 0}, false);
    var("$ORTHOMODE");
    w.Int(70, v.orthoMode);
    var("$LTSCALE");
    w.Real(40, 1.0);
    var("$ATTREQ");
    w.Int(70, v.attReq);
    var("$ATTDIA");
    w.Int(70, v.attDia);
    var("$TEXTSTYLE");
    w.Str(7, "STANDARD");
    var("$CLAYER");
    w.Str(8, v.cLayer);
    var("$CELTYPE");
    w.Str(6, v.celtype);
    var("$CECOLOR");
    w.Int(62, v.ceColor);
    if (r2000_) {
        var("$CELTSCALE");
        w.Real(40, v.celtScale);
    }
    var("$DIMSCALE");
    w.Real(40, v.dimScale);
    var("$LUNITS");
    w.Int(70, 2);
    var("$LUPREC");
    w.Int(70, v.luPrec);
    var("$FILLETRAD");
    w.Real(40, v.filletRad);
    if (!r2000_) {
        var("$HANDLING");
        w.Int(70, 1);
    }
    var("$HANDSEED");
    w.Str(5, HandleText(next_));
    if (r2000_) {
        var("$MEASUREMENT");
        w.Int(70, 1);
    }
    w.Str(0, "ENDSEC");
}

void DxfOutWriter::Classes() {
    out_.Str(0, "SECTION");
    out_.Str(2, "CLASSES");
    out_.Str(0, "ENDSEC");
}

void DxfOutWriter::Tables() {
    out_.Str(0, "SECTION");
    out_.Str(2, "TABLES");
    VportTable();
    LtypeTable();
    LayerTable();
    StyleTable();
    TableStart("VIEW", kViewTable, 0);
    out_.Str(0, "ENDTAB");
    TableStart("UCS", kUcsTable, 0);
    out_.Str(0, "ENDTAB");
    AppidTable();
    DimstyleTable();
    if (r2000_) BlockRecordTable();
    out_.Str(0, "ENDSEC");
}

void DxfOutWriter::TableStart(const char* name, Handle handle, size_t count) {
    out_.Str(0, "TABLE");
    out_.Str(2, name);
    if (r2000_) {
        out_.Str(5, HandleText(handle));
        out_.Str(330, "0");
        out_.Str(100, "AcDbSymbolTable");
    }
    out_.Int(70, static_cast<long long>(count));
}

void DxfOutWriter::RecordStart(const char* type, const char* subclass, Handle handle, Handle owner) {
    out_.Str(0, type);
    if (!r2000_) return;
    out_.Str(std::string_view(type) == "DIMSTYLE" ? 105 : 5, HandleText(handle));
    out_.Str(330, HandleText(owner));
    out_.Str(100, "AcDbSymbolTableRecord");
    out_.Str(100, subclass);
}

void DxfOutWriter::VportTable() {
    const DrawingVars& v = drawing_.vars;
    TableStart("VPORT", kVportTable, 1);
    RecordStart("VPORT", "AcDbViewportTableRecord", kActiveVport, kVportTable);
    out_.Str(2, "*ACTIVE");
    out_.Int(70, 0);
    out_.Point(10, Point3{}, false);
    out_.Point(11, Point3{1, 1, 0}, false);
    out_.Point(12, v.viewCtr, false);
    out_.Point(13, Point3{}, false);
    out_.Point(14, Point3{10, 10, 0}, false);
    out_.Point(15, Point3{10, 10, 0}, false);
    out_.Point(16, Point3{0, 0, 1});
    out_.Point(17, Point3{});
    out_.Real(40, v.viewSize);
    out_.Real(41, v.screenHeight > 0 ? v.screenWidth / v.screenHeight : 1.0);
    out_.Real(42, 50);
    out_.Real(43, 0);
    out_.Real(44, 0);
    out_.Real(50, 0);
    out_.Real(51, 0);
    out_.Int(71, 0);
    out_.Int(72, 100);
    out_.Int(73, 1);
    out_.Int(74, 3);
    out_.Int(75, v.snapMode);
    out_.Int(76, 0);
    out_.Int(77, 0);
    out_.Int(78, 0);
    out_.Str(0, "ENDTAB");
}

void DxfOutWriter::LtypeTable() {
    TableStart("LTYPE", kLtypeTable, drawing_.linetypes.size() + extraLinetypes_.size());
    auto record = [this](const std::string& name, const std::string& description, const std::vector<double>& pattern,
                         double length) {
        RecordStart("LTYPE", "AcDbLinetypeTableRecord", RecordHandle("LTYPE", name), kLtypeTable);
        out_.Str(2, name);
        out_.Int(70, 0);
        out_.Str(3, description);
        out_.Int(72, 65);
        out_.Int(73, static_cast<long long>(pattern.size()));
        out_.Real(40, length);
        for (double dash : pattern) {
            out_.Real(49, dash);
            if (r2000_) out_.Int(74, 0);
        }
    };
    for (const Linetype& lt : drawing_.linetypes) record(lt.name, lt.description, lt.pattern, lt.PatternLength());
    for (const std::string& name : extraLinetypes_) record(name, "", {}, 0);
    out_.Str(0, "ENDTAB");
}

void DxfOutWriter::LayerTable() {
    TableStart("LAYER", kLayerTable, drawing_.layers.size() + extraLayers_.size());
    auto record = [this](const Layer& layer) {
        RecordStart("LAYER", "AcDbLayerTableRecord", RecordHandle("LAYER", layer.name), kLayerTable);
        out_.Str(2, layer.name);
        out_.Int(70, layer.frozen ? 1 : 0);
        out_.Int(62, layer.off ? -layer.color : layer.color);
        out_.Str(6, layer.linetype);
        if (r2000_) out_.Int(370, -3);
    };
    for (const Layer& layer : drawing_.layers) record(layer);
    for (const std::string& name : extraLayers_) {
        Layer layer;
        layer.name = name;
        record(layer);
    }
    out_.Str(0, "ENDTAB");
}

void DxfOutWriter::StyleTable() {
    TableStart("STYLE", kStyleTable, drawing_.styles.size() + extraStyles_.size());
    auto record = [this](const TextStyle& style) {
        RecordStart("STYLE", "AcDbTextStyleTableRecord", RecordHandle("STYLE", style.name), kStyleTable);
        out_.Str(2, style.name);
        out_.Int(70, style.vertical ? 4 : 0);
        out_.Real(40, style.height);
        out_.Real(41, style.widthFactor);
        out_.Real(50, style.oblique);
        out_.Int(71, 0);
        out_.Real(42, style.height > 0 ? style.height : 2.5);
        out_.Str(3, style.fontFile);
        out_.Str(4, style.bigFontFile);
    };
    for (const TextStyle& style : drawing_.styles) record(style);
    for (const std::string& name : extraStyles_) {
        TextStyle style;
        style.name = name;
        record(style);
    }
    out_.Str(0, "ENDTAB");
}

void DxfOutWriter::AppidTable() {
    TableStart("APPID", kAppidTable, 1);
    RecordStart("APPID", "AcDbRegAppTableRecord", kAcadAppid, kAppidTable);
    out_.Str(2, "ACAD");
    out_.Int(70, 0);
    out_.Str(0, "ENDTAB");
}

void DxfOutWriter::DimstyleTable() {
    TableStart("DIMSTYLE", kDimstyleTable, 1);
    if (r2000_) out_.Str(100, "AcDbDimStyleTable");
    RecordStart("DIMSTYLE", "AcDbDimStyleTableRecord", kStandardDimstyle, kDimstyleTable);
    out_.Str(2, "STANDARD");
    out_.Int(70, 0);
    out_.Real(40, 1.0);
    out_.Str(0, "ENDTAB");
}

void DxfOutWriter::BlockRecordTable() {
    TableStart("BLOCK_RECORD", kBlockRecordTable, 2 + blocks_.size());
    auto record = [this](const std::string& name, Handle handle, Handle layout) {
        RecordStart("BLOCK_RECORD", "AcDbBlockTableRecord", handle, kBlockRecordTable);
        out_.Str(2, name);
        out_.Str(340, HandleText(layout));
    };
    record(kModelSpace, kModelRecord, kModelLayout);
    record(kPaperSpace, kPaperRecord, kPaperLayout);
    for (const std::string& name : blocks_) {
        Handle h = Fresh();
        blockRecords_[UpperAscii(name)] = h;
        record(name, h, 0);
    }
    out_.Str(0, "ENDTAB");
}

void DxfOutWriter::Blocks() {
    out_.Str(0, "SECTION");
    out_.Str(2, "BLOCKS");
    // The two layout blocks come first: readers skip the anonymous blocks that open the section.
    // Release 12 names them as that release did.
    Block(r2000_ ? kModelSpace : "$MODEL_SPACE", Point3{}, kModelRecord, kModelBlock, kModelEndBlk, nullptr);
    Block(r2000_ ? kPaperSpace : "$PAPER_SPACE", Point3{}, kPaperRecord, kPaperBlock, kPaperEndBlk, nullptr);
    for (const std::string& name : blocks_) {
        const BlockDef* def = drawing_.FindBlock(name);
        Handle record = r2000_ ? blockRecords_[UpperAscii(name)] : 0;
        Handle begin = Fresh();
        Handle end = Fresh();
        Block(name, def ? def->base : Point3{}, record, begin, end, def ? &def->entities : nullptr);
    }
    out_.Str(0, "ENDSEC");
}

void DxfOutWriter::Block(const std::string& name, const Point3& base, Handle record, Handle begin, Handle end,
                         const std::vector<Entity>* entities) {
    out_.Str(0, "BLOCK");
    out_.Str(5, HandleText(begin));
    if (r2000_) {
        out_.Str(330, HandleText(record));
        out_.Str(100, "AcDbEntity");
        if (record == kPaperRecord) out_.Int(67, 1);
    }
    out_.Str(8, "0");
    if (r2000_) out_.Str(100, "AcDbBlockBegin");
    out_.Str(2, name);
    out_.Int(70, 0);
    out_.Point(10, base);
    out_.Str(3, name);
    out_.Str(1, "");
    if (entities) {
        for (const Entity& e : *entities) EntityOut(e, record, false);
    }
    out_.Str(0, "ENDBLK");
    out_.Str(5, HandleText(end));
    if (r2000_) {
        out_.Str(330, HandleText(record));
        out_.Str(100, "AcDbEntity");
        if (record == kPaperRecord) out_.Int(67, 1);
    }
    out_.Str(8, "0");
    if (r2000_) out_.Str(100, "AcDbBlockEnd");
}

void DxfOutWriter::Entities() {
    out_.Str(0, "SECTION");
    out_.Str(2, "ENTITIES");
    for (const Entity* e : exported_) EntityOut(*e, kModelRecord, true);
    out_.Str(0, "ENDSEC");
}

void DxfOutWriter::Objects() {
    out_.Str(0, "SECTION");
    out_.Str(2, "OBJECTS");
    auto dictionary = [this](Handle handle, Handle owner, const std::vector<std::pair<const char*, Handle>>& items) {
        out_.Str(0, "DICTIONARY");
        out_.Str(5, HandleText(handle));
        out_.Str(330, HandleText(owner));
        out_.Str(100, "AcDbDictionary");
        out_.Int(281, 1);
        for (auto& [name, item] : items) {
            out_.Str(3, name);
            out_.Str(350, HandleText(item));
        }
    };
    dictionary(kRootDict, 0, {{"ACAD_GROUP", kGroupDict}, {"ACAD_LAYOUT", kLayoutDict}});
    dictionary(kGroupDict, kRootDict, {});
    dictionary(kLayoutDict, kRootDict, {{"Layout1", kPaperLayout}, {"Model", kModelLayout}});
    Layout(kPaperLayout, "Layout1", 1, kPaperRecord);
    Layout(kModelLayout, "Model", 0, kModelRecord);
    out_.Str(0, "ENDSEC");
}

void DxfOutWriter::Layout(Handle handle, const char* name, int tabOrder, Handle record) {
    out_.Str(0, "LAYOUT");
    out_.Str(5, HandleText(handle));
    out_.Str(330, HandleText(kLayoutDict));
    out_.Str(100, "AcDbPlotSettings");
    out_.Str(1, "");
    out_.Str(2, "none_device");
    out_.Str(4, "");
    out_.Str(6, "");
    for (int code = 40; code <= 49; ++code) out_.Real(code, 0);
    out_.Real(140, 0);
    out_.Real(141, 0);
    out_.Real(142, 1);
    out_.Real(143, 1);
    out_.Int(70, tabOrder == 0 ? 1712 : 688);
    out_.Int(72, 1);
    out_.Int(73, 0);
    out_.Int(74, 5);
    out_.Str(7, "");
    out_.Int(75, 16);
    out_.Real(147, 1);
    out_.Point(148, Point3{}, false);
    out_.Str(100, "AcDbLayout");
    out_.Str(1, name);
    out_.Int(70, 1);
    out_.Int(71, tabOrder);
    out_.Point(10, Point3{}, false);
    out_.Point(11, Point3{kPaperWidth, kPaperHeight, 0}, false);
    out_.Point(12, Point3{});
    out_.Point(14, Point3{});
    out_.Point(15, Point3{});
    out_.Real(146, 0);
    out_.Point(13, Point3{});
    out_.Point(16, Point3{1, 0, 0});
    out_.Point(17, Point3{0, 1, 0});
    out_.Int(76, 0);
    out_.Str(330, HandleText(record));
}

void DxfOutWriter::Common(const char* type, Handle handle, Handle owner, const Entity& entity) {
    out_.Str(0, type);
    out_.Str(5, HandleText(handle));
    if (r2000_) {
        out_.Str(330, HandleText(owner));
        out_.Str(100, "AcDbEntity");
    }
    out_.Str(8, entity.layer);
    if (!EqualsIgnoreCaseAscii(entity.linetype, "BYLAYER")) out_.Str(6, entity.linetype);
    if (entity.color != kColorByLayer) out_.Int(62, entity.color);
    if (entity.linetypeScale != 1.0) out_.Real(48, entity.linetypeScale);
}

void DxfOutWriter::Subclass(const char* name) {
    if (r2000_) out_.Str(100, name);
}

void DxfOutWriter::EntityOut(const Entity& e, Handle owner, bool exported) {
    Handle h = EntityHandle(e, exported);
    std::visit(
        [&](const auto& g) {
            using G = std::decay_t<decltype(g)>;
            if constexpr (std::is_same_v<G, LineGeom>) {
                Common("LINE", h, owner, e);
                Subclass("AcDbLine");
                out_.Point(10, g.start);
                out_.Point(11, g.end);
            } else if constexpr (std::is_same_v<G, CircleGeom>) {
                Common("CIRCLE", h, owner, e);
                Subclass("AcDbCircle");
                out_.Point(10, g.center);
                out_.Real(40, g.radius);
            } else if constexpr (std::is_same_v<G, ArcGeom>) {
                Common("ARC", h, owner, e);
                Subclass("AcDbCircle");
                out_.Point(10, g.center);
                out_.Real(40, g.radius);
                Subclass("AcDbArc");
                out_.Real(50, g.startAngle);
                out_.Real(51, g.endAngle);
            } else if constexpr (std::is_same_v<G, LwPolylineGeom>) {
                LwPolylineOut(e, g, h, owner);
            } else if constexpr (std::is_same_v<G, PolylineGeom>) {
                PolylineOut(e, g.vertices, g.closed, g.is3d, 0, h, owner);
            } else if constexpr (std::is_same_v<G, InsertGeom>) {
                Common("INSERT", h, owner, e);
                Subclass("AcDbBlockReference");
                out_.Str(2, g.name);
                out_.Point(10, g.point);
                if (g.xScale != 1.0) out_.Real(41, g.xScale);
                if (g.yScale != 1.0) out_.Real(42, g.yScale);
                if (g.zScale != 1.0) out_.Real(43, g.zScale);
                if (g.rotation != 0.0) out_.Real(50, g.rotation);
            } else if constexpr (std::is_same_v<G, TextGeom>) {
                Common("TEXT", h, owner, e);
                TextOut(g);
            } else if constexpr (std::is_same_v<G, SolidGeom>) {
                Common("SOLID", h, owner, e);
                Subclass("AcDbTrace");
                for (int i = 0; i < 4; ++i) out_.Point(10 + i, g.corners[static_cast<size_t>(i)]);
            }
        },
        e.geom);
}

void DxfOutWriter::LwPolylineOut(const Entity& e, const LwPolylineGeom& g, Handle handle, Handle owner) {
    if (!r2000_) {
        // R12 knows only the old POLYLINE; the light form becomes a 2D one at its elevation.
        std::vector<PolyVertex> vertices;
        for (const LwVertex& v : g.vertices) vertices.push_back({Point3{v.x, v.y, g.elevation}, v.bulge});
        PolylineOut(e, vertices, g.closed, false, g.elevation, handle, owner);
        return;
    }
    Common("LWPOLYLINE", handle, owner, e);
    Subclass("AcDbPolyline");
    out_.Int(90, static_cast<long long>(g.vertices.size()));
    out_.Int(70, g.closed ? 1 : 0);
    out_.Real(43, g.constantWidth);
    if (g.elevation != 0.0) out_.Real(38, g.elevation);
    for (const LwVertex& v : g.vertices) {
        out_.Real(10, v.x);
        out_.Real(20, v.y);
        if (v.bulge != 0.0) out_.Real(42, v.bulge);
    }
}

void DxfOutWriter::PolylineOut(const Entity& e, const std::vector<PolyVertex>& vertices, bool closed, bool is3d,
                               double elevation, Handle handle, Handle owner) {
    Common("POLYLINE", handle, owner, e);
    Subclass(is3d ? "AcDb3dPolyline" : "AcDb2dPolyline");
    out_.Int(66, 1);
    out_.Point(10, Point3{0, 0, is3d ? 0 : elevation});
    out_.Int(70, (closed ? 1 : 0) | (is3d ? 8 : 0));
    for (const PolyVertex& v : vertices) {
        Entity vertex = e;
        vertex.handle = 0;
        Common("VERTEX", EntityHandle(vertex, false), handle, vertex);
        Subclass("AcDbVertex");
        Subclass(is3d ? "AcDb3dPolylineVertex" : "AcDb2dVertex");
        out_.Point(10, v.point);
        if (v.bulge != 0.0) out_.Real(42, v.bulge);
        out_.Int(70, is3d ? 32 : 0);
    }
    Entity seqend = e;
    seqend.handle = 0;
    Common("SEQEND", EntityHandle(seqend, false), handle, seqend);
}

void DxfOutWriter::TextOut(const TextGeom& g) {
    Subclass("AcDbText");
    out_.Point(10, g.first);
    out_.Real(40, g.height);
    out_.Str(1, g.text);
    if (g.rotation != 0.0) out_.Real(50, g.rotation);
    if (g.widthFactor != 1.0) out_.Real(41, g.widthFactor);
    if (g.oblique != 0.0) out_.Real(51, g.oblique);
    out_.Str(7, g.style);
    if (g.hAlign != 0) out_.Int(72, g.hAlign);
    out_.Point(11, g.second);
    Subclass("AcDbText");
    if (g.vAlign != 0) out_.Int(73, g.vAlign);
}

}  // namespace

std::string WriteDxfOut(const Drawing& drawing, const std::vector<Handle>& selection, DxfVersion version,
                        int decimals) {
    return DxfOutWriter(drawing, version, decimals).Write(selection);
}

}  // namespace kv::sim
