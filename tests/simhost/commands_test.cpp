// The editing commands as a user (or the palette) drives them, checked by their
// effect on the drawing.
#include <gtest/gtest.h>

#include "simhost/sim_host.h"
#include "test_entities.h"

namespace kv::sim {
namespace {

using testing::LineEntity;
using testing::MakeEntity;
using testing::ShapeTexts;
using Shapes = std::vector<std::string>;

// Entities put into a drawing that defines block SYM (a unit line along x), the text
// typed, and the shapes of the drawing afterwards.
struct Edit {
    std::vector<Entity> before;
    std::string typed;
    Shapes after;
};

const Edit kEdits[] = {
    {{}, "LINE 0,0 10,0 10,10 U 20,0 C ", {"LINE 0,0 10,0", "LINE 10,0 20,0", "LINE 20,0 0,0"}},
    {{}, "PLINE 0,0 10,0 10,10 \x03", {"PLINE 0,0 10,0 10,10"}},
    {{}, "LINE 0,0 'LUPREC\r2 'ID 5,0\r\r", {"LINE 0,0 5,0"}},  // resumed after transparent answers
    {{LineEntity(0, 0, 100, 0)},
     "OSMODE 33\rOSMODE 0 PLINE 0,0\r100,0.5\r100,50\rC\r",
     {"LINE 0,0 100,0", "PLINE 0,0 100,0.5 100,50 closed"}},
    {{LineEntity(0, 0, 10, 0)}, "MOVE 5,0\r\r0,0\r3,4\rCOPY SINGLE P 0,0 10,0 ", {"LINE 3,4 13,4", "LINE 13,4 23,4"}},
    {{LineEntity(0, 0, 10, 0), MakeEntity(CircleGeom{{50, 50, 0}, 1})},
     "STRETCH C\r8,-2\r60,60\r\r0,0 5,5 ",
     {"LINE 0,0 15,5", "CIRCLE 55,55 1"}},
    {{LineEntity(0, 0, 100, 0)}, "BREAK NEA 50,1\rF 40,0\r60,0\r", {"LINE 0,0 40,0", "LINE 60,0 100,0"}},
    {{LineEntity(0, 0, 100, 0), LineEntity(120, 20, 120, 100)},
     "FILLETRAD 10\rFILLET 50,0\r120,50\r",
     {"LINE 0,0 110,0", "LINE 120,10 120,100", "ARC 110,10 10 270 0"}},
    {{},
     "PLINE 0,0 100,0 100,100 0,100\r\rFILLETRAD 10\rFILLET P LAST ",
     {"PLINE 0,0 90,0/0.414214 100,10 100,90/0.414214 90,100 0,100"}},
    {{},
     "PLINE 0,0 100,0 100,100 0,100\r\rFILLETRAD 10\rFILLET P LAST FILLETRAD 0\rFILLET P LAST ",
     {"PLINE 0,0 100,0 100,100 0,100"}},
    {{LineEntity(0, 0, 10, 0), LineEntity(20, 10, 10, 0), LineEntity(50, 50, 60, 50)},
     "ID 5,0\rPEDIT @ YES J ALL \r\r",
     {"LINE 50,50 60,50", "PLINE 0,0 10,0 20,10"}},
    {{MakeEntity(InsertGeom{"SYM", {10, 10, 0}, 2, 2, 1, 90})}, "EXPLODE SINGLE LAST ", {"LINE 10,10 10,12"}},
    {{}, "PLINE 0,0 10,0 10,10\r\rEXPLODE SINGLE LAST ", {"LINE 0,0 10,0", "LINE 10,0 10,10"}},
    {{}, "LINE 0,0 1,0\r\x03UNDO B \x03", {"LINE 0,0 1,0"}},  // Esc at "undo everything?"
    {{}, "LINE 0,0 1,0\r\x03UNDO B \r", {}},
    {{}, "LINE 0,0 1,0\r\rSNAPMODE 1 UNDO 1 ", {"LINE 0,0 1,0"}},  // a setting is an undo step of its own
};

TEST(Commands, EditsChangeTheDrawingAsTyped) {
    for (const Edit& edit : kEdits) {
        SCOPED_TRACE(edit.typed);
        SimHost host;
        Drawing& d = host.SetupDrawing();
        d.blocks.push_back(BlockDef{"SYM", {0, 0, 0}, {LineEntity(0, 0, 1, 0)}});
        for (const Entity& e : edit.before) d.Add(e);
        host.SendCommand(edit.typed);
        EXPECT_TRUE(host.Idle());
        EXPECT_EQ(ShapeTexts(host.GetDrawing()), edit.after);
    }
}

TEST(Commands, NewEntitiesTakeTheCurrentProperties) {
    SimHost host;
    host.SetupDrawing().EnsureLayer("WIRE");
    host.SetupDrawing().linetypes.push_back(Linetype{"DASHED", "", {5, -2.5}});
    host.SendCommand("CLAYER WIRE\rCECOLOR 3\rCELTSCALE 2\rCELTYPE DASHED\rLINE 0,0 10,0\r");
    const Entity& e = host.GetDrawing().Entities().at(0);
    EXPECT_EQ(e.layer, "WIRE");
    EXPECT_EQ(e.color, 3);
    EXPECT_EQ(e.linetypeScale, 2);
    EXPECT_EQ(e.linetype, "DASHED");
}

TEST(Commands, OrthoAndObjectSnapActOnPoints) {
    SimHost host;
    host.SetupDrawing().Add(LineEntity(100, 100, 120, 100));
    host.SendCommand("ORTHOMODE 1 LINE 0,0 ");
    host.Pick({30, 4, 0});
    host.SendCommand("\rORTHOMODE 0 OSMODE 1 LINE 0,50 101,101\r");
    EXPECT_EQ(ShapeTexts(host.GetDrawing()), (Shapes{"LINE 100,100 120,100", "LINE 0,0 30,0", "LINE 0,50 100,100"}));
}

TEST(Commands, StretchTakesItsCrossingWindowAsTwoPicks) {
    SimHost host;
    host.SetupDrawing().Add(LineEntity(0, 0, 10, 0));
    host.SendCommand("STRETCH C\r");
    host.PickWindow({8, -2, 0}, {60, 60, 0});
    EXPECT_EQ(host.PromptLine(), "オブジェクトを選択: ");
    host.SendCommand("\r0,0 5,5 ");
    EXPECT_EQ(ShapeTexts(host.GetDrawing()), Shapes{"LINE 0,0 15,5"});
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
    Handle kept = host.GetDrawing().Entities()[0].handle;
    host.SendCommand("\x03UNDO M ");
    host.SendCommand("LINE 0,5 1,5\rERASE SINGLE 0.5,0\rSNAPMODE 1 ");
    host.SendCommand("\x03UNDO B ");
    ASSERT_EQ(host.GetDrawing().Entities().size(), 1u);
    EXPECT_EQ(host.GetDrawing().Entities()[0].handle, kept);
    EXPECT_EQ(host.Variable("SNAPMODE"), "0");
    host.SendCommand("LINE 0,9 1,9\r");
    EXPECT_GT(host.GetDrawing().Entities()[1].handle, kept + 1);
}

}  // namespace
}  // namespace kv::sim
