#include "simhost/dxf_merge.h"

#include <gtest/gtest.h>

#include "dxf_sample_drawing.h"
#include "simhost/dxf_out.h"
#include "simhost/geometry.h"

namespace kv::sim {
namespace {

using testing::AllHandles;
using testing::MakeEntity;
using testing::SampleDrawing;

void ExpectSameButHandles(std::vector<Entity> got, std::vector<Entity> want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        got[i].handle = want[i].handle = 0;
        EXPECT_TRUE(got[i] == want[i]) << "entity " << i << " (" << EntityKindName(want[i].Kind()) << ")";
    }
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
    ExpectSameButHandles(target.Entities(), source.Entities());
    EXPECT_EQ(added, AllHandles(target));
    for (const char* name : {"WIRE", "HIDDEN", "ICED", "配線"}) {
        ASSERT_NE(target.FindLayer(name), nullptr) << name;
        EXPECT_EQ(*target.FindLayer(name), *source.FindLayer(name)) << name;
    }
    ASSERT_NE(target.FindLinetype("DOT.2"), nullptr);
    EXPECT_EQ(*target.FindLinetype("DOT.2"), *source.FindLinetype("DOT.2"));
    ASSERT_NE(target.FindStyle("JIS"), nullptr);
    EXPECT_EQ(*target.FindStyle("JIS"), *source.FindStyle("JIS"));
    for (const char* name : {"INNER", "OUTER"}) {
        ASSERT_NE(target.FindBlock(name), nullptr) << name;
        ExpectSameButHandles(target.FindBlock(name)->entities, source.FindBlock(name)->entities);
        EXPECT_EQ(target.FindBlock(name)->base, source.FindBlock(name)->base);
    }
    EXPECT_EQ(target.FindBlock("UNUSED"), nullptr);
}

TEST(DxfMerge, R12RoundTripTurnsLightPolylinesIntoPolylines) {
    Drawing source = SampleDrawing();
    std::vector<Entity> want = source.Entities();
    for (Entity& e : want) {
        const auto* lw = std::get_if<LwPolylineGeom>(&e.geom);
        if (!lw) continue;
        PolylineGeom pl{{}, lw->closed, false};
        for (const LwVertex& v : lw->vertices) {
            pl.vertices.push_back({Point3{v.x, v.y, lw->elevation}, v.bulge});
        }
        e.geom = pl;
    }
    Drawing target;
    InsertImportExploded(target, ReadBack(source, DxfVersion::R12), Point3{}, 1, 0);
    ExpectSameButHandles(target.Entities(), want);
}

TEST(DxfMerge, ExplodedInsertPlacesScalesAndRotatesWithFreshHandles) {
    Drawing source;
    source.vars.insBase = Point3{1, 1, 0};  // travels in the header's $INSBASE
    source.Add(MakeEntity(LineGeom{Point3{1, 1, 0}, Point3{11, 1, 0}}));
    source.Add(MakeEntity(ArcGeom{Point3{1, 1, 0}, 2, 0, 90}));
    Drawing target = SampleDrawing();
    std::vector<Handle> before = AllHandles(target);
    std::vector<Handle> added =
        InsertImportExploded(target, ReadBack(source, DxfVersion::R2000), Point3{100, 100, 0}, 2, 90);
    ASSERT_EQ(added.size(), 2u);
    for (Handle h : added) EXPECT_EQ(std::count(before.begin(), before.end(), h), 0);
    auto& line = std::get<LineGeom>(target.Find(added[0])->geom);
    EXPECT_NEAR(Distance(line.start, {100, 100, 0}), 0, 1e-9);
    EXPECT_NEAR(Distance(line.end, {100, 120, 0}), 0, 1e-9);
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
    EXPECT_EQ(*target.FindLayer("WIRE"), (Layer{"WIRE", 4}));
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
    std::size_t blocks = target.blocks.size();
    EXPECT_NE(DefineBlockFromImport(target, file, "self"), "");
    EXPECT_EQ(target.blocks.size(), blocks);
    EXPECT_EQ(target.FindLayer("NEW"), nullptr);
}

TEST(DxfMerge, FileThatClosesACycleThroughTheDrawingsBlocksChangesNothing) {
    Drawing target;
    target.blocks.push_back(BlockDef{"HOLDER", Point3{}, {MakeEntity(InsertGeom{"LOOP", Point3{}, 1, 1, 1, 0})}});
    DxfImportResult file;
    file.blocks.push_back(BlockDef{"LOOP", Point3{}, {MakeEntity(InsertGeom{"HOLDER", Point3{}, 1, 1, 1, 0})}});
    file.entities.push_back(MakeEntity(InsertGeom{"LOOP", Point3{}, 1, 1, 1, 0}));
    const Drawing before = target;
    EXPECT_NE(BlockCycleError(target, file), "");
    EXPECT_TRUE(InsertImportExploded(target, file, Point3{}, 1, 0).empty());
    EXPECT_NE(DefineBlockFromImport(target, file, "OTHER"), "");
    EXPECT_EQ(target.blocks, before.blocks);
    EXPECT_TRUE(target.Entities().empty());
}

}  // namespace
}  // namespace kv::sim
