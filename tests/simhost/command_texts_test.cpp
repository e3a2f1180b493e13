// The command texts the palette types, consumed as the palette intends: each ends
// at the prompt the palette waits for, with the intended effect. A few texts with
// the palette's typical mistakes go visibly wrong, as they would on the real host.
// (Texts are split after "\x03" where a hex digit follows: "\x03" "ERASE".)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/strings.h"
#include "simhost/dxf_in.h"
#include "simhost/sim_host.h"

namespace kv::sim {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kIdle = "コマンド: ";

Entity LineEntity(double x1, double y1, double x2, double y2) {
    Entity e;
    e.geom = LineGeom{{x1, y1, 0}, {x2, y2, 0}};
    return e;
}

// How the palette counts a selection: the number after the last "総数" or
// "認識された数:" that follows the last "SELECT" of the history.
int SelectionCount(const SimHost& host) {
    if (host.PromptLine() != kIdle) return 0;
    std::string history = host.HistoryText();
    std::string tail = history.substr(history.rfind("SELECT") + 6);
    std::size_t total = tail.rfind("総数");
    std::string rest = total != std::string::npos ? tail.substr(total + std::string("総数").size())
                                                  : tail.substr(tail.rfind("認識された数:") + std::string("認識された数:").size());
    std::size_t cut = rest.find("オブジェクトを");
    return std::stoi(Trim(rest.substr(0, cut)));
}

// The value a transparent variable query shows between "<" and ">".
std::string ShownValue(const std::string& prompt) {
    std::size_t open = prompt.rfind('<');
    std::size_t close = prompt.find('>', open);
    return prompt.substr(open + 1, close - open - 1);
}

class CommandTexts : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("simhost_texts_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        scratch = (folder / "kvane2k.dxf").string();
        Drawing& d = host.SetupDrawing();
        for (double y : {0.0, 10.0}) wires.push_back(d.Add(LineEntity(0, y, 100, y)));
        d.vars.fileDia = 1;  // as on a user's machine
    }
    void TearDown() override { fs::remove_all(folder); }

    void ExpectIdle() { EXPECT_EQ(host.PromptLine(), kIdle) << host.HistoryText(); }

    std::string Export(const std::string& text) {
        fs::remove(scratch);
        host.SendCommand("FILEDIA 0 ");
        host.SendCommand(text);
        host.SendCommand("'FILEDIA 1 ");
        if (!fs::exists(scratch)) return {};
        std::ifstream in(scratch, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    void WriteFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    SimHost host;
    fs::path folder;
    std::string scratch;
    std::vector<Handle> wires;
};

// An R12 file as the palette writes it: one wire on layer WIRE from (200,0) to (210,0).
const std::string kPaletteFile =
    "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n  0\r\nENDSEC\r\n"
    "  0\r\nSECTION\r\n  2\r\nTABLES\r\n  0\r\nENDSEC\r\n"
    "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n  8\r\nWIRE\r\n 10\r\n200\r\n 20\r\n0\r\n 11\r\n210\r\n"
    " 21\r\n0\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n";

TEST_F(CommandTexts, SnapOffAndSinglePickThenCount) {
    host.SendCommand("\x03");
    host.SendCommand("'SNAPMODE\r");
    EXPECT_EQ(ShownValue(host.PromptLine()), "0");
    host.SendCommand("\x03");
    host.SendCommand("SNAPMODE 0 ");
    host.SendCommand("SELECT SINGLE ");
    EXPECT_EQ(host.PromptLine(), "オブジェクトを選択: ");
    EXPECT_EQ(SelectionCount(host), 0);  // still selecting
    host.Pick({50, 10.3, 0});
    ExpectIdle();
    EXPECT_EQ(SelectionCount(host), 1);
}

TEST_F(CommandTexts, ClosedFenceAndOpenFenceSelections) {
    host.SendCommand("SELECT F 40,-5\r60,-5\r60,5\r40,5\r40,-5\r\r\r");
    ExpectIdle();
    EXPECT_EQ(SelectionCount(host), 1);
    host.SendCommand("SELECT F 50,-5 50,15\r\r\r\x03");
    ExpectIdle();
    EXPECT_EQ(SelectionCount(host), 2);
}

TEST_F(CommandTexts, ExportPreviousWritesTheSelectionWithHandles) {
    host.SendCommand("SELECT F 50,-5 50,5\r\r\r\x03");
    std::string file = Export("DXFOUT " + scratch + "\rV 2000 O P\r\r16\r");
    ExpectIdle();
    EXPECT_EQ(host.Variable("FILEDIA"), "1");
    DxfImportResult read = ReadDxfFile(file);
    ASSERT_TRUE(read.error.empty()) << read.error;
    ASSERT_EQ(read.entities.size(), 1u);
    EXPECT_NE(file.find("\r\n  5\r\n" + HandleText(wires[0]) + "\r\n"), std::string::npos);
    EXPECT_NE(file.find("AC1015"), std::string::npos);
}

TEST_F(CommandTexts, OtherExportForms) {
    host.SendCommand("SELECT W -1,-1 101,11\r\r");
    host.SendCommand("\x03" "FILEDIA 0 ");
    host.SendCommand("DXFOUT " + scratch + "\rV 2000 O P \r16 ");
    host.SendCommand("'FILEDIA 1 ");
    ExpectIdle();
    EXPECT_EQ(ReadDxfFile(Export("DXFOUT " + scratch + "\rV 2000 O P \r16 ")).entities.size(), 2u);
    EXPECT_EQ(ReadDxfFile(Export("DXFOUT " + scratch + "\rV 2000 O SINGLE LAST 16 ")).entities.size(), 1u);
    host.SendCommand("SELECT SINGLE 5,0\r");
    EXPECT_EQ(ReadDxfFile(Export("DXFOUT " + scratch + "\rV 2000 O SINGLE PRE\r16\r")).entities.size(), 1u);
    EXPECT_EQ(ReadDxfFile(Export("DXFOUT " + scratch + "\rV 2000 O SINGLE P 16 ")).entities.size(), 1u);
    std::string r12 = Export("DXFOUT " + scratch + "\rV R12 8\r");
    EXPECT_NE(r12.find("AC1009"), std::string::npos);
    EXPECT_EQ(ReadDxfFile(r12).entities.size(), 2u);  // without O: the whole drawing
    ExpectIdle();
}

TEST_F(CommandTexts, ExplodedInsertOfAPaletteFileThenErasePrevious) {
    std::string path = (folder / "kvane2k.dxf").string();
    WriteFile(path, kPaletteFile);
    host.SendCommand("SELECT SINGLE 5,0\r");
    host.SendCommand("\x03-INSERT *" + path + "\r0,0 1 0\r");
    ExpectIdle();
    ASSERT_EQ(host.GetDrawing().Entities().size(), 3u);
    const Entity& inserted = host.GetDrawing().Entities().back();
    EXPECT_EQ(inserted.layer, "WIRE");
    EXPECT_EQ(std::get<LineGeom>(inserted.geom).start, (Point3{200, 0, 0}));
    EXPECT_NE(host.GetDrawing().FindLayer("WIRE"), nullptr);
    host.SendCommand("-INSERT *" + path + "\r0,0 1 0\r");
    host.SendCommand("\x03" "ERASE P\r\r");
    ExpectIdle();
    EXPECT_EQ(host.GetDrawing().Find(wires[0]), nullptr);
    EXPECT_EQ(host.GetDrawing().Entities().size(), 3u);
}

TEST_F(CommandTexts, MoveOfThePreviousSetWaitsForTheDestination) {
    host.SendCommand("SELECT SINGLE 5,0\r");
    host.SendCommand("MOVE P \r0,0\r");
    EXPECT_EQ(host.PromptLine(), "目的点を指定 または <1 点目を変位として使用>: ");
    host.Pick({0, 30, 0});
    ExpectIdle();
    EXPECT_EQ(std::get<LineGeom>(host.GetDrawing().Find(wires[0])->geom).start, (Point3{0, 30, 0}));
}

TEST_F(CommandTexts, CopyThroughAScriptRestoresFileDialogWhileCopyWaits) {
    std::string script = (folder / "kvane2k.scr").string();
    WriteFile(script, "COPY SINGLE P 0,0\r\n'FILEDIA 1\r\n");
    host.SendCommand("SELECT SINGLE 5,0\r");
    host.SendCommand("FILEDIA 0 ");
    host.SendCommand("SCRIPT " + script + "\r");
    EXPECT_EQ(host.PromptLine(), "目的点を指定 または <1 点目を変位として使用>: ");
    EXPECT_EQ(host.Variable("FILEDIA"), "1");
    host.Pick({0, 50, 0});
    ExpectIdle();
    ASSERT_EQ(host.GetDrawing().Entities().size(), 3u);
    EXPECT_EQ(std::get<LineGeom>(host.GetDrawing().Entities().back().geom).start, (Point3{0, 50, 0}));
}

TEST_F(CommandTexts, FilletAllThroughPeditThenRestoreRadius) {
    Drawing& d = host.SetupDrawing();
    d.Add(LineEntity(100, 0, 100, 50));
    host.SendCommand("SELECT SINGLE 50,0\r");
    host.SendCommand("'FILLETRAD\r");
    std::string saved = ShownValue(host.PromptLine());
    host.SendCommand("\x03");
    host.SendCommand("PEDIT @ YES J ALL \r\r");
    ExpectIdle();
    host.SendCommand("FILLETRAD 5\r");
    host.SendCommand("FILLET P @ ");
    host.SendCommand("EXPLODE SINGLE @ ");
    host.SendCommand("\x03" "FILLETRAD " + saved + "\r");
    ExpectIdle();
    EXPECT_EQ(host.Variable("FILLETRAD"), "0.0000");
    int arcs = 0;
    for (const Entity& e : host.GetDrawing().Entities()) arcs += e.Kind() == EntityKind::Arc;
    EXPECT_EQ(arcs, 1);
}

TEST_F(CommandTexts, TwoLineTextInsertedAsBlockExplodedAndPurged) {
    std::string path = (folder / "kvane2k.dxf").string();
    WriteFile(path, kPaletteFile);
    host.SendCommand("\x03-INSERT " + path + "\rS 1 R 0\r");
    EXPECT_EQ(host.PromptLine(), "挿入位置を指定 または [基点(B)/尺度(S)/X/Y/Z/回転(R)]: ");
    host.Pick({0, 100, 0});
    ExpectIdle();
    EXPECT_TRUE(Contains(host.LastHistoryLine(), "挿入"));
    host.SendCommand("\x03" "EXPLODE SINGLE LAST ");
    host.SendCommand("-PURGE B kvane2k\rN ");
    host.SendCommand("\x03");
    ExpectIdle();
    EXPECT_EQ(host.GetDrawing().FindBlock("kvane2k"), nullptr);
    EXPECT_EQ(std::get<LineGeom>(host.GetDrawing().Entities().back().geom).start, (Point3{200, 100, 0}));
}

TEST_F(CommandTexts, SymbolInsertWithPresetScalesAtAPickOrAtTheViewCentre) {
    std::string path = (folder / "relay.dxf").string();
    WriteFile(path, kPaletteFile);
    host.SendCommand("\x03-INSERT " + path + "\rX 2\rY -2\rR 90\r");
    host.Pick({10, 10, 0});
    ExpectIdle();
    const auto& first = std::get<InsertGeom>(host.GetDrawing().Entities().back().geom);
    EXPECT_EQ(first.name, "relay");
    EXPECT_EQ(first.xScale, 2);
    EXPECT_EQ(first.yScale, -2);
    EXPECT_EQ(first.rotation, 90);
    host.SendCommand("\x03UNDO M ");
    host.SendCommand("\x03-INSERT " + path + "\rX 1\rY 1\rR 0\r210.0000,148.5000,0.0000\r");
    ExpectIdle();
    EXPECT_EQ(std::get<InsertGeom>(host.GetDrawing().Entities().back().geom).point, (Point3{210, 148.5, 0}));
    host.SendCommand("UNDO B \x03");
    ExpectIdle();
    EXPECT_EQ(host.GetDrawing().Entities().size(), 3u);
}

TEST_F(CommandTexts, JunctionMarkOnAFixedLayerAtAnIdPoint) {
    host.SetupDrawing().blocks.push_back(BlockDef{"KP", {}, {LineEntity(-1, 0, 1, 0)}});
    host.SendCommand("\x03ID ");
    EXPECT_EQ(host.PromptLine(), "点を指定: ");
    host.Pick({50, 10, 0});
    EXPECT_TRUE(Contains(host.LastHistoryLine(), "X =") && Contains(host.LastHistoryLine(), "Z ="));
    host.SendCommand("-LAYER M KP\r\r");
    host.SendCommand("-INSERT KP\rS 2 R 0\r50,10\r");
    host.SendCommand("\x03");
    host.SendCommand("CLAYER \"0\"\r");
    ExpectIdle();
    const Entity& mark = host.GetDrawing().Entities().back();
    EXPECT_EQ(mark.layer, "KP");
    EXPECT_EQ(std::get<InsertGeom>(mark.geom).xScale, 2);
    EXPECT_EQ(host.Variable("CLAYER"), "\"0\"");
}

TEST_F(CommandTexts, LineEndsAfterOneSegmentWhenThePaletteTypesEnter) {
    host.SendCommand("LINE ");
    host.Pick({0, 50, 0});
    host.Pick({20, 50, 0});
    EXPECT_TRUE(Contains(host.PromptLine(), "次の点を指定"));
    EXPECT_TRUE(Contains(host.LastHistoryLine(), "次の点を指定"));
    host.SendCommand("\r");
    ExpectIdle();
    host.SendCommand("\x03LINE 0,60\r20,60\r\r");
    ExpectIdle();
    EXPECT_EQ(host.GetDrawing().Entities().size(), 4u);
}

TEST_F(CommandTexts, PreciseLastPointAndViewCentreReads) {
    host.SendCommand("ID 1.23456789,2\r");
    host.SendCommand("'LUPREC\r");
    std::string saved = ShownValue(host.PromptLine());
    host.SendCommand("\x03");
    host.SendCommand("'LUPREC 8 ");
    host.SendCommand("'LASTPOINT\r");
    EXPECT_EQ(ShownValue(host.PromptLine()), "1.23456789,2.00000000,0.00000000");
    host.SendCommand("\x03");
    host.SendCommand("'LUPREC " + saved + "\r");
    host.SendCommand("'VIEWCTR\r");
    std::string last = host.LastHistoryLine();
    EXPECT_EQ(last.substr(last.find('=') + 1, last.find('(') - last.find('=') - 1), " 210.0000,148.5000,0.0000 ");
    host.SendCommand("\x03LASTPOINT 5,6,0\r");
    EXPECT_EQ(host.Variable("LASTPOINT"), "5.0000,6.0000,0.0000");
}

TEST_F(CommandTexts, StretchIsRepeatedAfterTheSelectionIsEnded) {
    host.SendCommand("STRETCH C\r");
    host.PickWindow({90, -5, 0}, {110, 5, 0});
    EXPECT_EQ(host.PromptLine(), "オブジェクトを選択: ");
    host.SendCommand("\r");
    host.Pick({100, 0, 0});
    host.Pick({110, 0, 0});
    ExpectIdle();
    EXPECT_FALSE(Contains(host.LastHistoryLine(), "キャンセル"));
    EXPECT_EQ(std::get<LineGeom>(host.GetDrawing().Find(wires[0])->geom).end, (Point3{110, 0, 0}));
    host.SendCommand("STRETCH C\r");
    host.PressEscape();
    EXPECT_TRUE(Contains(host.LastHistoryLine(), "キャンセル"));
}

TEST_F(CommandTexts, LineCutBreakAndEraseByNearestPoint) {
    host.SendCommand("\x03" "BREAK NEA 50,1\rF 40,0\r60,0\r\x03");
    ExpectIdle();
    EXPECT_EQ(host.GetDrawing().Entities().size(), 3u);
    host.SendCommand("\x03" "ERASE SINGLE NEA 50,11\r\x03");
    EXPECT_EQ(host.GetDrawing().Find(wires[1]), nullptr);
    host.SendCommand("OOPS ");
    EXPECT_NE(host.GetDrawing().Find(wires[1]), nullptr);
}

TEST_F(CommandTexts, PolylineTypedWithSnapsOffAndItsAttributes) {
    host.SetupDrawing().EnsureLayer("PL");
    host.SendCommand("CLAYER PL\rCECOLOR 256\rCELTSCALE 1\rCELTYPE BYLAYER\r");
    host.SendCommand("OSMODE 0 ");
    host.SendCommand("\x03PLINE 0,0\r100,0.5\r100,50\rC\r");
    host.SendCommand("\x03OSMODE 33\r");
    ExpectIdle();
    const Entity& pl = host.GetDrawing().Entities().back();
    EXPECT_EQ(pl.layer, "PL");
    EXPECT_TRUE(std::get<LwPolylineGeom>(pl.geom).closed);
    EXPECT_EQ(std::get<LwPolylineGeom>(pl.geom).vertices[1].y, 0.5);  // no snap to the wire's end
}

// --- texts with a mistake go wrong visibly ---

TEST_F(CommandTexts, MissingEnterLeavesTheHostSelecting) {
    host.SendCommand("SELECT SINGLE 5,0\r");
    std::string file = Export("DXFOUT " + scratch + "\rV 2000 O P\r16\r");
    EXPECT_TRUE(file.empty());
    EXPECT_EQ(host.PromptLine(), "オブジェクトを選択: ");
}

TEST_F(CommandTexts, ExportWithFileDialogStillOnWritesNothing) {
    host.SendCommand("SELECT SINGLE 5,0\r");
    host.SendCommand("DXFOUT " + scratch + "\rV 2000 O P\r\r16\r");
    EXPECT_FALSE(fs::exists(scratch));
    EXPECT_NE(host.PromptLine(), kIdle);
}

TEST_F(CommandTexts, PickWithSnapModeLeftOnMissesAnOffGridWire) {
    Handle offGrid = host.SetupDrawing().Add(LineEntity(0, 25, 100, 25));
    host.SendCommand("SNAPMODE 1 ");
    host.SendCommand("SELECT SINGLE ");
    host.Pick({53, 25, 0});  // the grid takes the pick to 50,30: nothing there
    EXPECT_EQ(host.PromptLine(), "オブジェクトを選択: ");
    host.SendCommand("\x03\x03SNAPMODE 0 ");
    host.SendCommand("SELECT SINGLE ");
    host.Pick({53, 25, 0});
    ExpectIdle();
    host.SendCommand("ERASE P\r\r");
    EXPECT_EQ(host.GetDrawing().Find(offGrid), nullptr);
}

TEST_F(CommandTexts, FaultSwitchesDropTheExportAndTheInsertFile) {
    std::string path = (folder / "kvane2k.dxf").string();
    WriteFile(path, kPaletteFile);
    host.Switches().insertFileMissing = true;
    host.SendCommand("\x03-INSERT *" + path + "\r0,0 1 0\r");
    EXPECT_EQ(host.GetDrawing().Entities().size(), 2u);
    fs::remove(path);
    host.Switches().dxfoutWritesNothing = true;
    EXPECT_TRUE(Export("DXFOUT " + scratch + "\rV 2000 O SINGLE LAST 16 ").empty());
    ExpectIdle();
}

}  // namespace
}  // namespace kv::sim
