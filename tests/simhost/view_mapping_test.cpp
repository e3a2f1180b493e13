// The window front's view: pixels to drawing points and back, zooming about the mouse,
// panning with it, and zooming to what is drawn; VIEWCTR, VIEWSIZE and SCREENSIZE follow.
#include <gtest/gtest.h>

#include "simhost/sim_host.h"
#include "simhost/view_mapping.h"
#include "test_entities.h"

namespace kv::sim {
namespace {

constexpr double kTol = 1e-9;

// 10 pixels per unit.
ViewMapping View800x600() { return ViewMapping{{100, 50, 0}, 60, 800, 600}; }

void ExpectNear(Point3 p, double x, double y) {
    EXPECT_NEAR(p.x, x, kTol);
    EXPECT_NEAR(p.y, y, kTol);
}

TEST(ViewMapping, CentrePixelShowsTheCentreAndYRunsUpwards) {
    ViewMapping v = View800x600();
    ExpectNear(v.ToDrawing({400, 300}), 100, 50);
    ExpectNear(v.ToDrawing({0, 0}), 60, 80);
    ExpectNear(v.ToDrawing({800, 600}), 140, 20);
    PixelPoint p = v.ToPixels({103, 52, 0});
    EXPECT_NEAR(p.x, 430, kTol);
    EXPECT_NEAR(p.y, 280, kTol);
}

TEST(ViewMapping, ZoomAndPanKeepThePointUnderTheMouse) {
    ViewMapping v = View800x600();
    PixelPoint mouse{650, 120};
    Point3 under = v.ToDrawing(mouse);
    ViewMapping closer = ZoomAt(v, mouse, 2);
    EXPECT_NEAR(closer.height, 30, kTol);
    ExpectNear(closer.ToDrawing(mouse), under.x, under.y);
    ViewMapping back = ZoomAt(closer, mouse, 0.5);
    ExpectNear(back.center, 100, 50);
    EXPECT_NEAR(back.height, 60, kTol);
    ExpectNear(PanByPixels(v, 50, -30).ToDrawing({700, 90}), under.x, under.y);
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
    d.Add(testing::LineEntity(0, 0, 10, 5));
    d.blocks.push_back(BlockDef{"MARK", {}, {testing::MakeEntity(CircleGeom{{0, 0, 0}, 2})}});
    d.Add(testing::MakeEntity(InsertGeom{"MARK", {50, -20, 0}, 2, 2, 1, 0}));
    std::optional<Rect> r = DrawingExtents(d);
    ASSERT_TRUE(r);
    ExpectNear({r->minX, r->minY, 0}, 0, -24);
    ExpectNear({r->maxX, r->maxY, 0}, 54, 5);
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
