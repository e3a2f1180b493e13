#include "simhost/dxf_merge.h"

#include <gtest/gtest.h>

#include <sstream>

#include "dxf_sample_drawing.h"
#include "simhost/dxf_out.h"

namespace kv::sim {
namespace {

using testing::AllHandles;
using testing::MakeEntity;
using testing::SampleDrawing;

std::ostream& operator<<(std::ostream& os, const Point3& p) {
    return os << "(" << p.x << "," << p.y << "," << p.z << ")";
}

// Every field but the handle, so that two entities compare as texts.
std::string Describe(const Entity& e) {
    std::ostringstream os;
    os.precision(17);
    os << e.layer << "|" << e.linetype << "|" << e.color << "|" << e.linetypeScale << "|";
    std::visit(
        [&](const auto& g) {
            using G = std::decay_t<decltype(g)>;
            if constexpr (std::is_same_v<G, LineGeom>) os << "LINE " << g.start << g.end;
            else if constexpr (std::is_same_v<G, ArcGeom>)
                os << "ARC " << g.center << g.radius << " " << g.startAngle << " " << g.endAngle;
            else if constexpr (std::is_same_v<G, CircleGeom>) os << "CIRCLE " << g.center << g.radius;
            else if constexpr (std::is_same_v<G, LwPolylineGeom>) {
                os << "LWPOLYLINE " << g.closed << " " << g.elevation << " " << g.constantWidth;
                for (const LwVertex& v : g.vertices) os << " " << v.x << "," << v.y << "," << v.bulge;
            } else if constexpr (std::is_same_v<G, PolylineGeom>) {
                os << "POLYLINE " << g.closed << " " << g.is3d;
                for (const PolyVertex& v : g.vertices) os << " " << v.point << v.bulge;
            } else if constexpr (std::is_same_v<G, InsertGeom>)
                os << "INSERT " << g.name << g.point << g.xScale << " " << g.yScale << " " << g.zScale << " "
                   << g.rotation;
            else if constexpr (std::is_same_v<G, TextGeom>)
                os << "TEXT [" << g.text << "] " << g.style << g.first << g.second << g.height << " "
                   << g.widthFactor << " " << g.rotation << " " << g.oblique << " " << g.hAlign << g.vAlign;
            else if constexpr (std::is_same_v<G, SolidGeom>)
                os << "SOLID " << g.corners[0] << g.corners[1] << g.corners[2] << g.corners[3];
        },
        e.geom);
    return os.str();
}

std::vector<std::string> DescribeAll(const std::vector<Entity>& entities) {
    std::vector<std::string> out;
    for (const Entity& e : entities) out.push_back(Describe(e));
    return out;
}

DxfImportResult ReadBack(const Drawing& d, DxfVersion version) {
    DxfImportResult r = ReadDxfFile(WriteDxfOut(d, AllHandles(d), version, 16));
    EXPECT_EQ(r.error, "");
    return r;
}

TEST(DxfMerge, ExportInsertedBackIsUnchangedButForHandles) {
    Drawing source = SampleDrawing();
    Drawing target;
    std::vector<Handle> added = InsertImportExploded(target, ReadBack(source, DxfVersion::R2000), Point3{}, 1, 0);

    EXPECT_EQ(DescribeAll(target.Entities()), DescribeAll(source.Entities()));
    ASSERT_EQ(added.size(), source.Entities().size());
    EXPECT_EQ(added, AllHandles(target));

    for (const char* name : {"WIRE", "HIDDEN", "ICED", "配線"}) {
        const Layer* want = source.FindLayer(name);
        const Layer* got = target.FindLayer(name);
        ASSERT_NE(got, nullptr) << name;
        EXPECT_EQ(std::tie(got->color, got->off, got->frozen, got->linetype),
                  std::tie(want->color, want->off, want->frozen, want->linetype))
            << name;
    }
    ASSERT_NE(target.FindLinetype("DOT.2"), nullptr);
    EXPECT_EQ(target.FindLinetype("DOT.2")->pattern, source.FindLinetype("DOT.2")->pattern);
    const TextStyle* jis = target.FindStyle("JIS");
    ASSERT_NE(jis, nullptr);
    EXPECT_TRUE(jis->vertical);
    EXPECT_EQ(jis->bigFontFile, "extfont.shx");
    EXPECT_EQ(jis->widthFactor, 0.8);
    for (const char* name : {"INNER", "OUTER"}) {
        ASSERT_NE(target.FindBlock(name), nullptr) << name;
        EXPECT_EQ(DescribeAll(target.FindBlock(name)->entities), DescribeAll(source.FindBlock(name)->entities));
        EXPECT_EQ(target.FindBlock(name)->base, source.FindBlock(name)->base);
    }
    EXPECT_EQ(target.FindBlock("UNUSED"), nullptr);
}

TEST(DxfMerge, R12RoundTripTurnsLightPolylinesIntoPolylines) {
    Drawing source = SampleDrawing();
    Drawing target;
    InsertImportExploded(target, ReadBack(source, DxfVersion::R12), Point3{}, 1, 0);
    ASSERT_EQ(target.Entities().size(), source.Entities().size());
    for (size_t i = 0; i < source.Entities().size(); ++i) {
        const Entity& want = source.Entities()[i];
        const Entity& got = target.Entities()[i];
        if (auto* lw = std::get_if<LwPolylineGeom>(&want.geom)) {
            auto& pl = std::get<PolylineGeom>(got.geom);
            EXPECT_EQ(pl.closed, lw->closed);
            ASSERT_EQ(pl.vertices.size(), lw->vertices.size());
            for (size_t v = 0; v < pl.vertices.size(); ++v) {
                EXPECT_EQ(pl.vertices[v].point, (Point3{lw->vertices[v].x, lw->vertices[v].y, lw->elevation}));
                EXPECT_EQ(pl.vertices[v].bulge, lw->vertices[v].bulge);
            }
        } else {
            EXPECT_EQ(Describe(got), Describe(want));
        }
    }
}

TEST(DxfMerge, ExplodedInsertPlacesScalesAndRotatesWithFreshHandles) {
    Drawing source;
    source.vars.insBase = Point3{1, 1, 0};
    source.Add(MakeEntity(LineGeom{Point3{1, 1, 0}, Point3{11, 1, 0}}));
    source.Add(MakeEntity(ArcGeom{Point3{1, 1, 0}, 2, 0, 90}));
    // The base point travels in the header's $INSBASE.
    DxfImportResult file = ReadDxfFile(WriteDxfOut(source, AllHandles(source), DxfVersion::R2000, 16));

    Drawing target = SampleDrawing();
    std::vector<Handle> before = AllHandles(target);
    std::vector<Handle> added = InsertImportExploded(target, file, Point3{100, 100, 0}, 2, 90);
    ASSERT_EQ(added.size(), 2u);
    for (Handle h : added) EXPECT_EQ(std::count(before.begin(), before.end(), h), 0);

    auto& line = std::get<LineGeom>(target.Find(added[0])->geom);
    EXPECT_NEAR(line.start.x, 100, 1e-9);
    EXPECT_NEAR(line.start.y, 100, 1e-9);
    EXPECT_NEAR(line.end.x, 100, 1e-9);
    EXPECT_NEAR(line.end.y, 120, 1e-9);
    auto& arc = std::get<ArcGeom>(target.Find(added[1])->geom);
    EXPECT_NEAR(arc.radius, 4, 1e-9);
    EXPECT_NEAR(arc.startAngle, 90, 1e-9);
    EXPECT_NEAR(arc.endAngle, 180, 1e-9);
}

TEST(DxfMerge, MissingNamesAreCreatedAndExistingRecordsKept) {
    Drawing target;
    target.EnsureLayer("WIRE").color = 4;
    DxfImportResult file;
    Entity e = MakeEntity(LineGeom{}, "WIRE");
    e.linetype = "DOT_2";
    file.entities.push_back(e);
    TextGeom text;
    text.style = "GOTHIC";
    file.entities.push_back(MakeEntity(text, "TEXT"));
    file.layers.push_back(Layer{"WIRE", 1, true, true, "CONTINUOUS"});

    InsertImportExploded(target, file, Point3{}, 1, 0);
    EXPECT_EQ(target.FindLayer("WIRE")->color, 4);
    EXPECT_FALSE(target.FindLayer("WIRE")->off);
    EXPECT_NE(target.FindLayer("TEXT"), nullptr);
    EXPECT_NE(target.FindLinetype("DOT_2"), nullptr);
    EXPECT_NE(target.FindStyle("GOTHIC"), nullptr);
}

TEST(DxfMerge, FileBecomesABlockNamedAfterItReplacingTheOldDefinition) {
    EXPECT_EQ(BlockNameFromPath("C:\\tools\\kvane2k.dxf"), "kvane2k");
    EXPECT_EQ(BlockNameFromPath("/tmp/relay.v2.dxf"), "relay.v2");

    Drawing target;
    target.blocks.push_back(BlockDef{"kvane2k", Point3{}, {MakeEntity(CircleGeom{Point3{}, 1})}});
    DxfImportResult file;
    file.insBase = Point3{2, 3, 0};
    file.entities.push_back(MakeEntity(LineGeom{Point3{}, Point3{4, 0, 0}}, "LABEL"));

    EXPECT_EQ(DefineBlockFromImport(target, file, "KVANE2K"), "");
    ASSERT_EQ(target.blocks.size(), 1u);
    const BlockDef& def = target.blocks[0];
    EXPECT_EQ(def.base, (Point3{2, 3, 0}));
    ASSERT_EQ(def.entities.size(), 1u);
    EXPECT_EQ(def.entities[0].Kind(), EntityKind::Line);
    EXPECT_NE(def.entities[0].handle, 0u);
    EXPECT_NE(target.FindLayer("LABEL"), nullptr);
    EXPECT_TRUE(target.Entities().empty());
}

TEST(DxfMerge, FileThatRefersToItsOwnBlockChangesNothing) {
    Drawing target = SampleDrawing();
    target.blocks.push_back(BlockDef{"HOLDER", Point3{}, {MakeEntity(InsertGeom{"SELF", Point3{}, 1, 1, 1, 0})}});
    DxfImportResult file;
    file.entities.push_back(MakeEntity(InsertGeom{"HOLDER", Point3{}, 1, 1, 1, 0}));
    file.layers.push_back(Layer{"NEW"});

    size_t blocks = target.blocks.size();
    EXPECT_NE(DefineBlockFromImport(target, file, "self"), "");
    EXPECT_EQ(target.blocks.size(), blocks);
    EXPECT_EQ(target.FindLayer("NEW"), nullptr);
}

}  // namespace
}  // namespace kv::sim
