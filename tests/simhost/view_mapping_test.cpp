// The window front's view: pixels to drawing points and back, zooming about the mouse,
// panning with it, and zooming to what is drawn; VIEWCTR, VIEWSIZE and SCREENSIZE follow.
#include <gtest/gtest.h>

#include "simhost/sim_host.h"
#include "simhost/view_mapping.h"

namespace kv::sim {
namespace {

constexpr double kTol = 1e-9;

ViewMapping View800x600() {
    ViewMapping v;
    v.center = {100, 50, 0};
    v.height = 60;  // 10 pixels per unit
    v.widthPx = 800;
    v.heightPx = 600;
    return v;
}

void ExpectNear(Point3 p, double x, double y) {
    EXPECT_NEAR(p.x, x, kTol);
    EXPECT_NEAR(p.y, y, kTol);
}

TEST(ViewMapping, CentrePixelShowsTheCentreAndYRunsUpwards) {
    ViewMapping v = View800x600();
    ExpectNear(v.ToDrawing({400, 300}), 100, 50);
    ExpectNear(v.ToDrawing({0, 0}), 60, 80);       // top-left corner
    ExpectNear(v.ToDrawing({800, 600}), 140, 20);  // bottom-right corner
    PixelPoint p = v.ToPixels({103, 52, 0});
    EXPECT_NEAR(p.x, 430, kTol);
    EXPECT_NEAR(p.y, 280, kTol);
}

TEST(ViewMapping, ZoomKeepsThePointUnderTheMouse) {
    ViewMapping v = View800x600();
    PixelPoint mouse{650, 120};
    Point3 under = v.ToDrawing(mouse);
    ViewMapping closer = ZoomAt(v, mouse, 2);
    EXPECT_NEAR(closer.height, 30, kTol);
    ExpectNear(closer.ToDrawing(mouse), under.x, under.y);
    ViewMapping back = ZoomAt(closer, mouse, 0.5);
    EXPECT_NEAR(back.center.x, 100, kTol);
    EXPECT_NEAR(back.center.y, 50, kTol);
    EXPECT_NEAR(back.height, 60, kTol);
}

TEST(ViewMapping, ZoomRefusesNonsenseFactorsAndStaysInRange) {
    ViewMapping v = View800x600();
    EXPECT_EQ(ZoomAt(v, {1, 1}, 0).height, 60);
    EXPECT_EQ(ZoomAt(v, {1, 1}, -2).height, 60);
    ViewMapping far = v;
    for (int i = 0; i < 400; ++i) far = ZoomAt(far, {400, 300}, 0.5);
    EXPECT_LE(far.height, 1e12);
    ViewMapping near = v;
    for (int i = 0; i < 400; ++i) near = ZoomAt(near, {400, 300}, 2);
    EXPECT_GE(near.height, 1e-6);
}

TEST(ViewMapping, PanMovesTheDrawingWithTheMouse) {
    ViewMapping v = View800x600();
    Point3 grabbed = v.ToDrawing({200, 200});
    ViewMapping moved = PanByPixels(v, 50, -30);
    ExpectNear(moved.ToDrawing({250, 170}), grabbed.x, grabbed.y);
}

TEST(ViewMapping, ResizeKeepsCentreAndHeight) {
    ViewMapping v = Resized(View800x600(), 1000, 0);
    EXPECT_EQ(v.widthPx, 1000);
    EXPECT_EQ(v.heightPx, 1);  // a minimised view still maps
    ExpectNear(v.center, 100, 50);
    EXPECT_EQ(v.height, 60);
}

TEST(ViewMapping, ZoomToRectFitsTheWiderSideWithAMargin) {
    ViewMapping v = View800x600();
    ViewMapping wide = ZoomToRect(v, Rect{0, 0, 400, 30});  // limited by its width
    ExpectNear(wide.center, 200, 15);
    EXPECT_GT(wide.height * 800 / 600, 400);
    EXPECT_LT(wide.height * 800 / 600, 400 * 1.2);
    ViewMapping tall = ZoomToRect(v, Rect{-10, -100, 10, 100});
    EXPECT_GT(tall.height, 200);
    EXPECT_LT(tall.height, 240);
    ViewMapping dot = ZoomToRect(v, Rect{5, 5, 5, 5});
    ExpectNear(dot.center, 5, 5);
    EXPECT_EQ(dot.height, 60);
}

TEST(ViewMapping, ExtentsCoverEveryEntityInsertsThroughTheirBlocks) {
    Drawing d;
    EXPECT_FALSE(DrawingExtents(d));
    Entity line;
    line.geom = LineGeom{{0, 0, 0}, {10, 5, 0}};
    d.Add(line);
    BlockDef block;
    block.name = "MARK";
    Entity circle;
    circle.geom = CircleGeom{{0, 0, 0}, 2};
    block.entities.push_back(circle);
    d.blocks.push_back(block);
    Entity insert;
    insert.geom = InsertGeom{"MARK", {50, -20, 0}, 2, 2, 1, 0};
    d.Add(insert);
    std::optional<Rect> r = DrawingExtents(d);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->minX, 0, kTol);
    EXPECT_NEAR(r->maxX, 54, kTol);
    EXPECT_NEAR(r->minY, -24, kTol);
    EXPECT_NEAR(r->maxY, 5, kTol);
}

TEST(ViewMapping, ViewVariablesFollowTheFrontsView) {
    SimHost host;
    host.SetView({12.5, -3, 0}, 80, 640, 480);
    EXPECT_EQ(host.Variable("VIEWCTR"), "12.5000,-3.0000,0.0000");
    EXPECT_EQ(host.Variable("VIEWSIZE"), "80.0000");
    EXPECT_EQ(host.Variable("SCREENSIZE"), "640.0000,480.0000");
    // Undoing a drawing change leaves the view where the user put it.
    host.SendCommand("LINE 0,0 10,0 \r");
    host.SetView({1, 2, 0}, 40, 800, 600);
    host.SendCommand("UNDO 1 ");
    EXPECT_TRUE(host.GetDrawing().Entities().empty());
    EXPECT_EQ(host.Variable("VIEWCTR"), "1.0000,2.0000,0.0000");
}

}  // namespace
}  // namespace kv::sim
