// The command texts the palette types, consumed as the palette intends: each ends
// at the prompt the palette waits for, with the intended effect. Texts with the
// palette's typical mistakes go visibly wrong, as they would on the real host.
// (Texts are split after "\x03" where a hex digit follows: "\x03" "ERASE".)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "base/strings.h"
#include "test_entities.h"
#include "simhost/dxf_in.h"
#include "simhost/sim_host.h"

namespace kv::sim {
namespace {

namespace fs = std::filesystem;
using testing::LineEntity;
using testing::ShapeTexts;
using Shapes = std::vector<std::string>;

constexpr std::string_view kIdle = "コマンド: ";
constexpr std::string_view kDestination = "目的点を指定 または <1 点目を変位として使用>: ";

// An R12 file as the palette writes it: one wire on layer WIRE from (200,0) to (210,0).
const std::string kPaletteFile =
    "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n  0\r\nENDSEC\r\n"
    "  0\r\nSECTION\r\n  2\r\nTABLES\r\n  0\r\nENDSEC\r\n"
    "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n  8\r\nWIRE\r\n 10\r\n200\r\n 20\r\n0\r\n 11\r\n210\r\n"
    " 21\r\n0\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n";

// The value a transparent variable query shows between "<" and ">".
std::string ShownValue(const std::string& prompt) {
    std::size_t open = prompt.rfind('<');
    return prompt.substr(open + 1, prompt.find('>', open) - open - 1);
}

// Two wires, y = 0 and y = 10, from x = 0 to 100; FILEDIA 1 as on a user's machine.
class CommandTexts : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("simhost_texts_" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        scratch = (folder / "kvane2k.dxf").string();
        Drawing& d = host.SetupDrawing();
        for (double y : {0.0, 10.0}) wires.push_back(d.Add(LineEntity(0, y, 100, y)));
        d.vars.fileDia = 1;
    }
    void TearDown() override { fs::remove_all(folder); }

    void ExpectIdle() { EXPECT_EQ(host.PromptLine(), kIdle) << host.HistoryText(); }

    // Runs an export text with the file dialog off and returns the file ("" if none).
    std::string Export(const std::string& options) {
        fs::remove(scratch);
        host.SendCommand("FILEDIA 0 ");
        host.SendCommand("DXFOUT " + scratch + "\r" + options);
        host.SendCommand("'FILEDIA 1 ");
        std::ifstream in(scratch, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string WritePaletteFile(const std::string& name) {
        std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << kPaletteFile;
        return path;
    }

    const Entity& Last() { return host.GetDrawing().Entities().back(); }

    SimHost host;
    fs::path folder;
    std::string scratch;
    std::vector<Handle> wires;
};

TEST_F(CommandTexts, ExportFormsWriteTheSelectionWithItsHandles) {
    host.SendCommand("SELECT F 50,-5 50,5\r\r\r\x03");
    std::string file = Export("V 2000 O P\r\r16\r");
    EXPECT_NE(file.find("AC1015"), std::string::npos);
    EXPECT_NE(file.find("\r\n  5\r\n" + HandleText(wires[0]) + "\r\n"), std::string::npos);
    EXPECT_EQ(ReadDxfFile(file).entities.size(), 1u);
    host.SendCommand("SELECT W -1,-1 101,11\r\r");
    // Each export leaves its objects as the previous set.
    const std::pair<const char*, std::size_t> forms[] = {
        {"V 2000 O P \r16 ", 2},
        {"V 2000 O SINGLE LAST 16 ", 1},
        {"V 2000 O SINGLE PRE\r16\r", 1},
        {"V 2000 O SINGLE P 16 ", 1},
        {"V R12 8\r", 2},  // without O: the whole drawing
    };
    for (auto [options, count] : forms) {
        file = Export(options);
        DxfImportResult read = ReadDxfFile(file);
        EXPECT_EQ(read.error, "") << options;
        EXPECT_EQ(read.entities.size(), count) << options;
        ExpectIdle();
        EXPECT_EQ(host.Variable("FILEDIA"), "1");
    }
    EXPECT_NE(file.find("AC1009"), std::string::npos);
}

TEST_F(CommandTexts, CopyThroughAScriptRestoresFileDialogWhileCopyWaits) {
    std::string script = (folder / "kvane2k.scr").string();
    std::ofstream(script, std::ios::binary) << "COPY SINGLE P 0,0\r\n'FILEDIA 1\r\n";
    host.SendCommand("SELECT SINGLE 5,0\r");
    host.SendCommand("FILEDIA 0 ");
    host.SendCommand("SCRIPT " + script + "\r");
    EXPECT_EQ(host.PromptLine(), kDestination);
    EXPECT_EQ(host.Variable("FILEDIA"), "1");
    host.Pick({0, 50, 0});
    ExpectIdle();
    EXPECT_EQ(ShapeTexts(host.GetDrawing()), (Shapes{"LINE 0,0 100,0", "LINE 0,10 100,10", "LINE 0,50 100,50"}));
}

TEST_F(CommandTexts, FilletAllThroughPeditThenRestoreRadius) {
    host.SetupDrawing().Add(LineEntity(100, 0, 100, 50));
    host.SendCommand("SELECT SINGLE 50,0\r");
    host.SendCommand("'FILLETRAD\r");
    std::string saved = ShownValue(host.PromptLine());
    host.SendCommand("\x03");
    host.SendCommand("PEDIT @ YES J ALL \r\r");
    ExpectIdle();
    host.SendCommand("FILLETRAD 5\r");
    host.SendCommand("FILLET P @ ");
    host.SendCommand("EXPLODE SINGLE @ ");
    host.SendCommand(
        "\x03"
        "FILLETRAD " +
        saved + "\r");
    ExpectIdle();
    EXPECT_EQ(host.Variable("FILLETRAD"), "0.0000");
    EXPECT_EQ(ShapeTexts(host.GetDrawing()),
              (Shapes{"LINE 0,10 100,10", "LINE 0,0 95,0", "ARC 95,5 5 270 0", "LINE 100,5 100,50"}));
}

TEST_F(CommandTexts, TwoLineTextInsertedAsBlockExplodedAndPurged) {
    std::string path = WritePaletteFile("kvane2k.dxf");
    host.SendCommand("\x03-INSERT " + path + "\rS 1 R 0\r");
    EXPECT_EQ(host.PromptLine(), "挿入位置を指定 または [基点(B)/尺度(S)/X/Y/Z/回転(R)]: ");
    host.Pick({0, 100, 0});
    ExpectIdle();
    EXPECT_TRUE(Contains(host.LastHistoryLine(), "挿入"));
    host.SendCommand(
        "\x03"
        "EXPLODE SINGLE LAST ");
    host.SendCommand("-PURGE B kvane2k\rN ");
    host.SendCommand("\x03");
    ExpectIdle();
    EXPECT_EQ(host.GetDrawing().FindBlock("kvane2k"), nullptr);
    EXPECT_EQ(testing::ShapeText(Last()), "LINE 200,100 210,100");
}

TEST_F(CommandTexts, SymbolInsertWithPresetScalesAtAPickOrAtTheViewCentre) {
    std::string path = WritePaletteFile("relay.dxf");
    host.SendCommand("\x03-INSERT " + path + "\rX 2\rY -2\rR 90\r");
    host.Pick({10, 10, 0});
    ExpectIdle();
    EXPECT_EQ(std::get<InsertGeom>(Last().geom), (InsertGeom{"relay", {10, 10, 0}, 2, -2, 1, 90}));
    host.SendCommand("\x03UNDO M ");
    host.SendCommand("\x03-INSERT " + path + "\rX 1\rY 1\rR 0\r210.0000,148.5000,0.0000\r");
    ExpectIdle();
    EXPECT_EQ(std::get<InsertGeom>(Last().geom).point, (Point3{210, 148.5, 0}));
    host.SendCommand("UNDO B \x03");
    ExpectIdle();
    EXPECT_EQ(host.GetDrawing().Entities().size(), 3u);
}

TEST_F(CommandTexts, AttributesAskedWithAttreqOnlyAndKeptOnTheInsert) {
    // Two ATTDEFs: one with a prompt, one asked by its tag.
    const std::string path = (folder / "term.dxf").string();
    std::ofstream(path, std::ios::binary)
        << "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n"
           "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n0\r\n 11\r\n10\r\n 21\r\n0\r\n"
           "  0\r\nATTDEF\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n2\r\n 40\r\n2.5\r\n  1\r\nCR1\r\n"
           "  3\r\nDEVICE NAME\r\n  2\r\nNAME\r\n"
           "  0\r\nATTDEF\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n-4\r\n 40\r\n2.5\r\n  1\r\n24V\r\n  2\r\nRATING\r\n"
           "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
    const std::vector<AttributeValue> defaults{{"NAME", "CR1"}, {"RATING", "24V"}};

    host.SendCommand("\x03ATTREQ 1 ATTDIA 0 -INSERT " + path + "\rX 1\rY 1\rR 0\r");
    host.Pick({10, 10, 0});
    EXPECT_EQ(host.PromptLine(), "DEVICE NAME <CR1>: ");
    host.SendCommand("KA 7\r");
    EXPECT_EQ(host.PromptLine(), "RATING <24V>: ");
    host.SendCommand("\r");
    ExpectIdle();
    EXPECT_EQ(std::get<InsertGeom>(Last().geom).attributes,
              (std::vector<AttributeValue>{{"NAME", "KA 7"}, {"RATING", "24V"}}));

    for (const char* settings : {"ATTREQ 0 ATTDIA 0 ", "ATTREQ 1 ATTDIA 1 "}) {
        host.SendCommand(std::string("\x03") + settings + "-INSERT " + path + "\rX 1\rY 1\rR 0\r");
        host.Pick({30, 10, 0});
        ExpectIdle();
        EXPECT_EQ(std::get<InsertGeom>(Last().geom).attributes, defaults) << settings;
    }
}

TEST_F(CommandTexts, MissingEnterLeavesTheHostSelecting) {
    host.SendCommand("SELECT SINGLE 5,0\r");
    EXPECT_TRUE(Export("V 2000 O P\r16\r").empty());
    EXPECT_EQ(host.PromptLine(), "オブジェクトを選択: ");
}

}  // namespace
}  // namespace kv::sim
