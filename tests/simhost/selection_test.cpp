// Object selection: what each form finds, the counts the host reports (the palette
// reads them back), the previous set and the last point.
#include <gtest/gtest.h>

#include "simhost/sim_host.h"

namespace kv::sim {
namespace {

Entity LineEntity(double x1, double y1, double x2, double y2, std::string layer = "0") {
    Entity e;
    e.layer = std::move(layer);
    e.geom = LineGeom{{x1, y1, 0}, {x2, y2, 0}};
    return e;
}

// Three horizontal wires at y = 0, 10, 20 from x = 0 to 100, and a circle at (50, 50) r 5.
class Selection : public ::testing::Test {
protected:
    void SetUp() override {
        Drawing& d = host.SetupDrawing();
        for (double y : {0.0, 10.0, 20.0}) wires.push_back(d.Add(LineEntity(0, y, 100, y)));
        Entity circle;
        circle.geom = CircleGeom{{50, 50, 0}, 5};
        circleHandle = d.Add(circle);
    }
    SimHost host;
    std::vector<Handle> wires;
    Handle circleHandle = 0;
};

TEST_F(Selection, SinglePickEndsAtTheFirstFindAndReportsIt) {
    host.SendCommand("SELECT SINGLE ");
    EXPECT_EQ(host.PromptLine(), "オブジェクトを選択: ");
    host.Pick({30, 30.5, 0});  // nothing within the pick box
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 0");
    EXPECT_FALSE(host.Idle());
    host.Pick({30, 10.5, 0});
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 1");
    EXPECT_EQ(host.PromptLine(), "コマンド: ");
    host.SendCommand("ERASE P\r\r");
    EXPECT_EQ(host.GetDrawing().Find(wires[1]), nullptr);
    EXPECT_NE(host.GetDrawing().Find(wires[0]), nullptr);
}

TEST_F(Selection, LaterPicksReportTheTotal) {
    host.SendCommand("SELECT ");
    host.Pick({10, 0, 0});
    host.Pick({10, 20, 0});
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 1、総数 2");
    host.Pick({10, 20, 0});
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 1 (1 個重複)、総数 2");
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

TEST_F(Selection, FenceFindsWhatItCrosses) {
    host.SendCommand("SELECT F 50,-5 50,15\r\r\r\x03");
    EXPECT_EQ(host.HistoryLines()[host.HistoryLines().size() - 3],
              "線分の端点を指定 または [元に戻す(U)]: 認識された数: 2");
    EXPECT_EQ(host.LastHistoryLine(), "コマンド: *キャンセル*");
    host.SendCommand("ERASE P\r\r");
    EXPECT_EQ(host.GetDrawing().Entities().size(), 2u);
    EXPECT_NE(host.GetDrawing().Find(wires[2]), nullptr);
}

TEST_F(Selection, WindowTakesWhatLiesInsideCrossingWhatTouches) {
    host.SendCommand("SELECT W 40,40\r60,60\r\r");
    EXPECT_EQ(host.HistoryLines()[host.HistoryLines().size() - 2], "もう一方のコーナーを指定: 60,60 認識された数: 1");
    host.SendCommand("SELECT W 40,-5 60,25\r\r");
    EXPECT_EQ(host.HistoryLines()[host.HistoryLines().size() - 2], "もう一方のコーナーを指定: 60,25 認識された数: 0");
    host.SendCommand("SELECT C 40,-5 60,25\r\r");
    EXPECT_EQ(host.HistoryLines()[host.HistoryLines().size() - 2], "もう一方のコーナーを指定: 60,25 認識された数: 3");
}

TEST_F(Selection, DraggedWindowDirectionChoosesWindowOrCrossing) {
    host.SendCommand("SELECT ");
    host.PickWindow({40, 60, 0}, {60, 15, 0});  // to the right: window
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 1");
    host.PickWindow({60, 15, 0}, {40, 60, 0});  // to the left: crossing
    EXPECT_EQ(host.LastHistoryLine(), "オブジェクトを選択: 認識された数: 2 (1 個重複)、総数 2");
}

TEST_F(Selection, PreviousSetIsKeptByEmptyAndCancelledSelections) {
    host.SendCommand("SELECT 10,0 10,10\r\r");
    host.SendCommand("SELECT \r");            // empty
    host.SendCommand("SELECT 10,20\x03");     // cancelled
    host.SendCommand("SELECT PRE\r\r");
    EXPECT_EQ(host.HistoryLines()[host.HistoryLines().size() - 2], "オブジェクトを選択: PRE 認識された数: 2");
}

TEST_F(Selection, PreviousSetSkipsErasedObjectsUntilOops) {
    host.SendCommand("ERASE 10,0\r\r");
    host.SendCommand("SELECT P\r\r");
    EXPECT_EQ(host.HistoryLines()[host.HistoryLines().size() - 2], "オブジェクトを選択: P 認識された数: 0");
    host.SendCommand("OOPS ");
    EXPECT_EQ(host.GetDrawing().Entities().front().handle, wires[0]);
    host.SendCommand("SELECT P\r\r");
    EXPECT_EQ(host.HistoryLines()[host.HistoryLines().size() - 2], "オブジェクトを選択: P 認識された数: 1");
}

TEST_F(Selection, LastAtPointAndNearest) {
    host.SendCommand("SELECT SINGLE LAST ");
    EXPECT_TRUE(host.Idle());
    host.SendCommand("ERASE P\r\r");
    EXPECT_EQ(host.GetDrawing().Find(circleHandle), nullptr);
    host.SendCommand("ID 70,10.2\r");
    host.SendCommand("ERASE SINGLE @ ");
    EXPECT_EQ(host.GetDrawing().Find(wires[1]), nullptr);
    // 3 units off the wire: outside the pick box, inside the snap aperture.
    host.SendCommand("ERASE SINGLE NEA 30,23\r\x03");
    EXPECT_EQ(host.GetDrawing().Find(wires[2]), nullptr);
    EXPECT_EQ(host.Variable("LASTPOINT"), "30.0000,20.0000,0.0000");
}

TEST_F(Selection, ObjectsOnOffOrFrozenLayersCannotBePicked) {
    Drawing& d = host.SetupDrawing();
    d.EnsureLayer("HIDDEN").off = true;
    Handle hidden = d.Add(LineEntity(0, 30, 100, 30, "HIDDEN"));
    host.SendCommand("SELECT F 20,25 20,35\r\r\r");
    EXPECT_EQ(host.HistoryLines()[host.HistoryLines().size() - 2], "線分の端点を指定 または [元に戻す(U)]: 認識された数: 0");
    host.SendCommand("SELECT ALL \r");
    EXPECT_EQ(host.HistoryLines()[host.HistoryLines().size() - 2], "オブジェクトを選択: ALL 認識された数: 5");
    EXPECT_NE(host.GetDrawing().Find(hidden), nullptr);
}

TEST_F(Selection, InvalidAnswerIsRefusedAndAskedAgain) {
    host.SendCommand("SELECT XYZ ");
    EXPECT_EQ(host.HistoryLines()[host.HistoryLines().size() - 2], "*無効な選択*");
    EXPECT_EQ(host.PromptLine(), "オブジェクトを選択: ");
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
