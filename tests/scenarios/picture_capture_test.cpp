// The picture capture against the stand-in host: which screen square is grabbed into the
// block tab's picture, and where the mouse pointer is left.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "in_process_run.h"

namespace kv::scenario {
namespace {

class GrabRecorder : public Canvas {
public:
    std::vector<ScreenRect> grabs;
    int Width() const override { return 49; }
    int Height() const override { return 49; }
    void Fill(Rgb) override {}
    void SetPen(Rgb) override {}
    void Line(int, int, int, int) override {}
    void Arc(int, int, int, int, int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Text(int, int, std::string_view, int, int) override {}
    int TextHeight(std::string_view, int) const override { return 0; }
    bool GrabScreen(const ScreenRect& source) override {
        grabs.push_back(source);
        return true;
    }
};

class PictureCapture : public testing::Test {
protected:
    PictureCapture() {
        sim::Drawing& drawing = run.session.drawing();
        sim::BlockDef relay{"Relay", {}, {}};
        sim::Entity ring;
        ring.geom = sim::CircleGeom{{0, 0, 0}, 5};
        relay.entities.push_back(ring);
        drawing.blocks.push_back(relay);
        sim::Entity insert;
        insert.geom = sim::InsertGeom{"Relay", {50, 50, 0}};
        drawing.Add(insert);
        run.palette->block.Image1 = &canvas;
    }

    void PickRelay() {
        run.palette->SpeedButton3Click();
        run.Settle();
        run.session.Pick({50, 55, 0});
        run.Settle();
    }

    InProcessRun run{"."};
    GrabRecorder canvas;
};

TEST_F(PictureCapture, GrabsTheSquareAroundTheInsertionPointAndLeavesThePointerThere) {
    PickRelay();
    EXPECT_EQ("Relay", run.palette->block.Label8.caption);
    // The host's default view: centre 210,148.5, 297 units over 768 pixels of 1024; the view
    // window's top-left corner is at 4,64 on the screen. 50,50 lies at pixel 98,638 of the view.
    ASSERT_EQ(1u, canvas.grabs.size());
    EXPECT_EQ(4 + 98 - 23, canvas.grabs[0].left);
    EXPECT_EQ(64 + 638 - 23, canvas.grabs[0].top);
    EXPECT_EQ(49, canvas.grabs[0].right - canvas.grabs[0].left);
    EXPECT_EQ(49, canvas.grabs[0].bottom - canvas.grabs[0].top);
    EXPECT_EQ(4 + 98, run.desktop.CursorPos().x);
    EXPECT_EQ(64 + 638, run.desktop.CursorPos().y);
    EXPECT_EQ(kIdle, run.palette->op.OpState);
}

}  // namespace
}  // namespace kv::scenario
