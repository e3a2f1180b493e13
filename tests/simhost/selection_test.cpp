// Object selection: what each form finds, the counts the host reports (the palette
// reads them back), the previous set and the last point.
#include <gtest/gtest.h>

#include "test_entities.h"
#include "simhost/sim_host.h"

namespace kv::sim {
namespace {

using testing::LineEntity;

constexpr const char* kSelecting = "オブジェクトを選択: ";

// Three horizontal wires at y = 0, 10, 20 from x = 0 to 100, a circle at (50, 50) r 5
// and a wire at y = 30 on a layer that is off; returns the wires and the circle.
std::vector<Handle> Populate(Drawing& d) {
    std::vector<Handle> handles;
    for (double y : {0.0, 10.0, 20.0}) handles.push_back(d.Add(LineEntity(0, y, 100, y)));
    handles.push_back(d.Add(testing::MakeEntity(CircleGeom{{50, 50, 0}, 5})));
    d.EnsureLayer("HIDDEN").off = true;
    d.Add(LineEntity(0, 30, 100, 30, "HIDDEN"));
    return handles;
}

class Selection : public ::testing::Test {
protected:
    SimHost host;
    std::vector<Handle> wires = Populate(host.SetupDrawing());
    Handle circle = wires.back();
};

// A selection text and the line that reports it (the last but one in the history).
struct Form {
    std::string typed;
    std::string report;
    bool endsIdle = true;
};

const Form kForms[] = {
    {"SELECT F 50,-5 50,15\r\r\r", "線分の端点を指定 または [元に戻す(U)]: 認識された数: 2"},
    {"SELECT F 40,-5\r60,-5\r60,5\r40,5\r40,-5\r\r\r", "線分の端点を指定 または [元に戻す(U)]: 認識された数: 1"},
    {"SELECT F 20,25 20,35\r\r\r", "線分の端点を指定 または [元に戻す(U)]: 認識された数: 0"},
    {"SELECT W 40,40\r60,60\r\r", "もう一方のコーナーを指定: 60,60 認識された数: 1"},
    {"SELECT W 40,-5 60,25\r\r", "もう一方のコーナーを指定: 60,25 認識された数: 0"},
    {"SELECT C 40,-5 60,25\r\r", "もう一方のコーナーを指定: 60,25 認識された数: 3"},
    {"SELECT ALL \r", "オブジェクトを選択: ALL 認識された数: 5"},
    // The previous set survives empty and cancelled selections.
    {"SELECT 10,0 10,10\r\rSELECT \rSELECT 10,20\x03SELECT PRE\r\r", "オブジェクトを選択: PRE 認識された数: 2"},
    {"ERASE 10,0\r\rSELECT P\r\r", "オブジェクトを選択: P 認識された数: 0"},
    {"ERASE 10,0\r\rOOPS SELECT P\r\r", "オブジェクトを選択: P 認識された数: 1"},
    {"SELECT XYZ ", "*無効な選択*", false},
};

TEST(SelectionForms, EachReportsWhatItFound) {
    for (const Form& form : kForms) {
        SCOPED_TRACE(form.typed);
        SimHost host;
        Populate(host.SetupDrawing());
        host.SendCommand(form.typed);
        EXPECT_EQ(host.HistoryLines().at(host.HistoryLines().size() - 2), form.report);
        EXPECT_EQ(host.Idle(), form.endsIdle);
    }
}

TEST_F(Selection, SinglePickEndsAtTheFirstFindAndErasePreviousTakesIt) {
    host.SendCommand("SELECT SINGLE ");
    EXPECT_EQ(host.PromptLine(), kSelecting);
    host.Pick({30, 30.5, 0});  // nothing visible within the pick box
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 0");
    EXPECT_FALSE(host.Idle());
    host.Pick({30, 10.5, 0});
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 1");
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
    host.SendCommand("ERASE P\r\r");
    EXPECT_EQ(host.GetDrawing().Find(wires[1]), nullptr);
    EXPECT_NE(host.GetDrawing().Find(wires[0]), nullptr);
    host.SendCommand("OOPS ");
    EXPECT_EQ(host.GetDrawing().Entities().at(1).handle, wires[1]);  // back in its place
}

TEST_F(Selection, LaterPicksReportTheTotalAndDuplicates) {
    host.SendCommand("SELECT ");
    host.Pick({10, 0, 0});
    host.Pick({10, 20, 0});
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 1、総数 2");
    host.Pick({10, 20, 0});
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 1 (1 個重複)、総数 2");
    host.PickWindow({40, 60, 0}, {60, 15, 0});  // to the right: window
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 1、総数 3");
    host.PickWindow({60, 15, 0}, {40, 60, 0});  // to the left: crossing
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 2 (2 個重複)、総数 3");
    host.PressEnter();
    EXPECT_TRUE(host.Idle());
}

TEST_F(Selection, PickBoxFollowsTheViewScale) {
    // 3 pixels of a 768-pixel screen showing 297 units: about 1.16 units.
    host.SendCommand("SELECT SINGLE 10,1.1\r");
    EXPECT_TRUE(host.Idle());
    host.SendCommand("SELECT SINGLE 10,11.3\r");
    EXPECT_FALSE(host.Idle());
}

TEST_F(Selection, LastAtPointAndNearest) {
    host.SendCommand("SELECT SINGLE LAST ERASE P\r\r");
    EXPECT_EQ(host.GetDrawing().Find(circle), nullptr);  // the hidden wire is not LAST
    host.SendCommand("ID 70,10.2\r");
    host.SendCommand("ERASE SINGLE @ ");
    EXPECT_EQ(host.GetDrawing().Find(wires[1]), nullptr);
    // 3 units off the wire: outside the pick box, inside the snap aperture.
    host.SendCommand("ERASE SINGLE NEA 30,23\r\x03");
    EXPECT_EQ(host.GetDrawing().Find(wires[2]), nullptr);
    EXPECT_EQ(host.Variable("LASTPOINT"), "30.0000,20.0000,0.0000");
}

TEST_F(Selection, SnapModeMovesPicksOntoTheGrid) {
    host.SendCommand("SNAPMODE 1 SELECT SINGLE ");
    host.Pick({34, 14.6, 0});  // snaps to 30,10: on the middle wire
    EXPECT_TRUE(host.Idle());
    EXPECT_EQ(host.Variable("LASTPOINT"), "30.0000,10.0000,0.0000");
    host.SendCommand("SNAPMODE 0 SELECT SINGLE ");
    host.Pick({34, 14.6, 0});
    EXPECT_FALSE(host.Idle());
}

}  // namespace
}  // namespace kv::sim
