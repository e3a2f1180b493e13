// The editing commands as a user (or the palette) drives them, checked by their
// effect on the drawing.
#include <gtest/gtest.h>

#include "entity_builders.h"
#include "simhost/sim_host.h"

namespace kv::sim {
namespace {

using testing::LineEntity;
using testing::MakeEntity;

const Entity& At(const SimHost& host, std::size_t index) { return host.GetDrawing().Entities().at(index); }
const LineGeom& LineAt(const SimHost& host, std::size_t index) { return std::get<LineGeom>(At(host, index).geom); }

void ExpectPoint(Point3 p, double x, double y) {
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

TEST(Commands, LineDrawsWithCurrentPropertiesUndoesOneAndCloses) {
    SimHost host;
    host.SetupDrawing().EnsureLayer("WIRE");
    host.SendCommand("CLAYER WIRE\rCECOLOR 3\rCELTSCALE 2 ");
    host.SendCommand("LINE 0,0 10,0 10,10 U 20,0 C ");
    ASSERT_EQ(host.GetDrawing().Entities().size(), 3u);
    EXPECT_EQ(At(host, 0).layer, "WIRE");
    EXPECT_EQ(At(host, 0).color, 3);
    EXPECT_EQ(At(host, 0).linetypeScale, 2);
    ExpectPoint(LineAt(host, 1).start, 10, 0);
    ExpectPoint(LineAt(host, 1).end, 20, 0);
    ExpectPoint(LineAt(host, 2).end, 0, 0);
}

TEST(Commands, PlineKeepsWhatWasDrawnWhenCancelled) {
    SimHost host;
    host.SendCommand("PLINE 0,0 10,0 10,10 \x03");
    ASSERT_EQ(host.GetDrawing().Entities().size(), 1u);
    const auto& pl = std::get<LwPolylineGeom>(At(host, 0).geom);
    EXPECT_EQ(pl.vertices.size(), 3u);
    EXPECT_FALSE(pl.closed);
}

TEST(Commands, OrthoAndObjectSnapActOnPoints) {
    SimHost host;
    host.SetupDrawing().Add(LineEntity(100, 100, 120, 100));
    host.SendCommand("ORTHOMODE 1 LINE 0,0 ");
    host.Pick({30, 4, 0});
    host.SendCommand("\r");
    ExpectPoint(LineAt(host, 1).end, 30, 0);
    host.SendCommand("ORTHOMODE 0 OSMODE 1 LINE 0,50 101,101\r");
    ExpectPoint(LineAt(host, 2).end, 100, 100);
}

TEST(Commands, MoveAndCopyByBaseAndSecondPoint) {
    SimHost host;
    host.SetupDrawing().Add(LineEntity(0, 0, 10, 0));
    host.SendCommand("MOVE 5,0\r\r0,0\r");
    host.Pick({3, 4, 0});
    ExpectPoint(LineAt(host, 0).start, 3, 4);
    host.SendCommand("COPY SINGLE P 0,0 10,0 ");
    ASSERT_EQ(host.GetDrawing().Entities().size(), 2u);
    ExpectPoint(LineAt(host, 1).start, 13, 4);
    ExpectPoint(LineAt(host, 0).start, 3, 4);
}

TEST(Commands, StretchMovesOnlyTheEndsInsideTheCrossingWindow) {
    SimHost host;
    host.SetupDrawing().Add(LineEntity(0, 0, 10, 0));
    host.SetupDrawing().Add(MakeEntity(CircleGeom{{50, 50, 0}, 1}));
    host.SendCommand("STRETCH C\r");
    host.PickWindow({8, -2, 0}, {60, 60, 0});
    EXPECT_EQ(host.PromptLine(), "オブジェクトを選択: ");
    host.SendCommand("\r0,0 5,5 ");
    EXPECT_TRUE(host.Idle());
    ExpectPoint(LineAt(host, 0).start, 0, 0);
    ExpectPoint(LineAt(host, 0).end, 15, 5);
    ExpectPoint(std::get<CircleGeom>(At(host, 1).geom).center, 55, 55);
}

TEST(Commands, BreakWithFirstPointCutsAGap) {
    SimHost host;
    host.SetupDrawing().Add(LineEntity(0, 0, 100, 0));
    host.SendCommand("\x03" "BREAK NEA 50,1\rF 40,0\r60,0\r\x03");
    ASSERT_EQ(host.GetDrawing().Entities().size(), 2u);
    ExpectPoint(LineAt(host, 0).end, 40, 0);
    ExpectPoint(LineAt(host, 1).start, 60, 0);
    ExpectPoint(LineAt(host, 1).end, 100, 0);
}

TEST(Commands, FilletTwoLinesMeetInAnArc) {
    SimHost host;
    host.SetupDrawing().Add(LineEntity(0, 0, 100, 0));
    host.SetupDrawing().Add(LineEntity(120, 20, 120, 100));
    host.SendCommand("FILLETRAD 10\rFILLET 50,0\r120,50\r");
    ASSERT_EQ(host.GetDrawing().Entities().size(), 3u);
    ExpectPoint(LineAt(host, 0).end, 110, 0);
    ExpectPoint(LineAt(host, 1).start, 120, 10);
    const auto& arc = std::get<ArcGeom>(At(host, 2).geom);
    ExpectPoint(arc.center, 110, 10);
    EXPECT_NEAR(arc.startAngle, 270, 1e-9);
    EXPECT_NEAR(arc.endAngle, 0, 1e-9);
}

TEST(Commands, FilletPolylineRoundsEveryCornerAndRefilletsWithAnotherRadius) {
    SimHost host;
    host.SendCommand("PLINE 0,0 100,0 100,100 0,100\r\r");
    host.SendCommand("FILLETRAD 10\rFILLET P LAST ");
    EXPECT_EQ(host.LastHistoryLine(), "2 本の線分がフィレットされました");
    host.SendCommand("FILLETRAD 0\rFILLET P LAST ");
    const auto& pl = std::get<LwPolylineGeom>(At(host, 0).geom);
    ASSERT_EQ(pl.vertices.size(), 4u);
    ExpectPoint({pl.vertices[1].x, pl.vertices[1].y, 0}, 100, 0);
    EXPECT_EQ(pl.vertices[1].bulge, 0);
}

TEST(Commands, PeditTurnsALineIntoAPolylineJoinedWithItsNeighbours) {
    SimHost host;
    host.SetupDrawing().Add(LineEntity(0, 0, 10, 0));
    host.SetupDrawing().Add(LineEntity(20, 10, 10, 0));
    host.SetupDrawing().Add(LineEntity(50, 50, 60, 50));  // not connected
    host.SendCommand("ID 5,0\rPEDIT @ YES J ALL \r\r");
    EXPECT_TRUE(host.Idle());
    ASSERT_EQ(host.GetDrawing().Entities().size(), 2u);
    const auto& pl = std::get<LwPolylineGeom>(At(host, 1).geom);
    ASSERT_EQ(pl.vertices.size(), 3u);
    EXPECT_NEAR(pl.vertices[2].x, 20, 1e-9);
}

TEST(Commands, ExplodeTurnsAnInsertOrAPolylineIntoItsPieces) {
    SimHost host;
    Drawing& d = host.SetupDrawing();
    d.blocks.push_back(BlockDef{"SYM", {0, 0, 0}, {LineEntity(0, 0, 1, 0)}});
    d.Add(MakeEntity(InsertGeom{"SYM", {10, 10, 0}, 2, 2, 1, 90}));
    host.SendCommand("EXPLODE SINGLE LAST ");
    ASSERT_EQ(host.GetDrawing().Entities().size(), 1u);
    ExpectPoint(LineAt(host, 0).end, 10, 12);
    host.SendCommand("PLINE 0,0 10,0 10,10\r\rEXPLODE SINGLE LAST ");
    EXPECT_EQ(host.GetDrawing().Entities().size(), 3u);
}

TEST(Commands, LayerMakeCreatesAndSetsCurrent) {
    SimHost host;
    host.SendCommand("-LAYER M 交点 層\r\r");
    EXPECT_TRUE(host.Idle());
    EXPECT_EQ(host.Variable("CLAYER"), "\"交点 層\"");
    EXPECT_NE(host.GetDrawing().FindLayer("交点 層"), nullptr);
}

TEST(Commands, PurgeRemovesOnlyUnusedBlocks) {
    SimHost host;
    Drawing& d = host.SetupDrawing();
    d.blocks.push_back(BlockDef{"KVANE2K", {}, {}});
    d.blocks.push_back(BlockDef{"USED", {}, {}});
    d.Add(MakeEntity(InsertGeom{"USED", {}, 1, 1, 1, 0}));
    host.SendCommand("-PURGE B kvane2k\rN ");
    EXPECT_TRUE(host.Idle());
    EXPECT_EQ(host.GetDrawing().FindBlock("KVANE2K"), nullptr);
    host.SendCommand("-PURGE B *\rN ");
    EXPECT_NE(host.GetDrawing().FindBlock("USED"), nullptr);
    EXPECT_EQ(host.LastHistoryLine(), "名前削除する未使用の名前はありません。");
}

TEST(Commands, UndoBackReturnsToTheMarkAndKeepsHandlesFresh) {
    SimHost host;
    host.SendCommand("LINE 0,0 1,0\r");
    Handle kept = At(host, 0).handle;
    host.SendCommand("\x03UNDO M ");
    host.SendCommand("LINE 0,5 1,5\rERASE SINGLE 0.5,0\rSNAPMODE 1 ");
    host.SendCommand("\x03UNDO B ");
    ASSERT_EQ(host.GetDrawing().Entities().size(), 1u);
    EXPECT_EQ(At(host, 0).handle, kept);
    EXPECT_EQ(host.Variable("SNAPMODE"), "0");
    host.SendCommand("LINE 0,9 1,9\r");
    EXPECT_GT(At(host, 1).handle, kept + 1);
}

TEST(Commands, UndoBackWithoutMarkAsksAndEscKeepsTheDrawing) {
    SimHost host;
    host.SendCommand("LINE 0,0 1,0\r");
    host.SendCommand("\x03UNDO B ");
    EXPECT_EQ(host.PromptLine(), "すべての操作が取り消されます。よろしいですか? <Y>: ");
    host.SendCommand("\x03");
    EXPECT_EQ(host.GetDrawing().Entities().size(), 1u);
    host.SendCommand("UNDO B \r");
    EXPECT_TRUE(host.GetDrawing().Entities().empty());
}

}  // namespace
}  // namespace kv::sim
