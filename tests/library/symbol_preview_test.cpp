#include "library/symbol_preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_ports.h"
#include "support/recording_canvas.h"

namespace kv {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr Rgb kWhite = kPreviewPen;

std::string Dxf(std::string_view entities) {
    return "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n" + std::string(entities) + "  0\r\nENDSEC\r\n  0\r\nEOF\r\n";
}

std::string Line(double x1, double y1, double x2, double y2) {
    auto n = [](double v) { return std::to_string(v); };
    return "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n" + n(x1) + "\r\n 20\r\n" + n(y1) + "\r\n 11\r\n" + n(x2) +
           "\r\n 21\r\n" + n(y2) + "\r\n";
}

struct Preview {
    explicit Preview(int size) : canvas(size, size) {}
    RecordingCanvas canvas;
    SlotView view;
    bool drawn = false;
};

Preview Render(const std::string& entities, PreviewOptions options = {}, int size = 48) {
    MemoryFiles files;
    files.texts["S.dxf"] = Dxf(entities);
    Preview p(size);
    p.drawn = RenderPreview(files, "S.dxf", p.canvas, options, p.view);
    return p;
}

// A box 20 wide and 10 high, its origin at the middle of its left side.
const std::string kBox = Line(0, -5, 20, -5) + Line(20, -5, 20, 5) + Line(20, 5, 0, 5) + Line(0, 5, 0, -5);

TEST(SymbolPreview, FitsTheWiderSideWithAMarginAndMarksTheOrigin) {
    const Preview p = Render(kBox);
    ASSERT_TRUE(p.drawn);
    EXPECT_NEAR(p.view.unit, 20.0 / 48 * 1.25, 1e-12);
    EXPECT_EQ(p.canvas.calls.front(), "fill 000000");
    EXPECT_THAT(p.canvas.In(kPreviewCross), ElementsAre("line 0 24 48 24", "line 24 0 24 48"));
    EXPECT_THAT(p.canvas.In(kWhite),
                ElementsAre("line 5 34 43 34", "line 43 34 43 14", "line 43 14 5 14", "line 5 14 5 34"));
    EXPECT_THAT(p.canvas.In(kPreviewOrigin), ElementsAre("line 4 23 7 23", "line 4 24 7 24", "line 4 25 7 25"));
    EXPECT_THAT(p.canvas.In(kPreviewCandidate), IsEmpty());
}

TEST(SymbolPreview, MirroredAndTurnedEqualsTheMirroredSymbolTurned) {
    const Preview p = Render(Line(0, -5, 20, -5) + Line(20, -5, 20, 5), {.mirrorX = true, .rotation = "90"});
    EXPECT_DOUBLE_EQ(p.view.rotation, 1.5 * 3.14159265358979323846);
    // mirrored about the box's middle, then turned a quarter counter-clockwise
    EXPECT_THAT(p.canvas.In(kWhite), ElementsAre("line 34 5 34 43", "line 34 43 14 43"));
}

TEST(SymbolPreview, ArcsTurnWithTheViewAndSwapTheirEndsWhenMirrored) {
    const std::string arc = "  0\r\nARC\r\n 10\r\n10\r\n 20\r\n0\r\n 40\r\n5\r\n 50\r\n0\r\n 51\r\n90\r\n";
    EXPECT_THAT(Render(kBox + arc).canvas.In(kWhite).back(), "arc 14 14 34 34 34 24 24 14");
    EXPECT_THAT(Render(kBox + arc, {.mirrorX = true}).canvas.In(kWhite).back(), "arc 14 14 34 34 24 14 14 24");
    EXPECT_THAT(Render(kBox + arc, {.mirrorY = true}).canvas.In(kWhite).back(), "arc 14 14 34 34 24 34 34 24");
}

TEST(SymbolPreview, TextSizeRoundsHalfToEvenAndItsAnchorRisesByItsHeight) {
    const std::string text =
        "  0\r\nTEXT\r\n  5\r\n1234567890AB\r\n 10\r\n0\r\n 20\r\n0\r\n 40\r\n2.5\r\n  1\r\nR1\r\n";
    // 16 wide in a 40 by 40 picture: a unit of exactly 0.5, so 2.5 / 0.5 * 1.3 is 6.5
    const Preview p = Render(Line(0, 0, 16, 0) + Line(0, 0, 0, 8) + text, {}, 40);
    EXPECT_EQ(p.view.unit, 0.5);
    EXPECT_THAT(p.canvas.In(kWhite).back(), "text R1 4 24 6 0");
}

TEST(SymbolPreview, AFlatSymbolUsesUnitOneAndAQuarter) {
    EXPECT_DOUBLE_EQ(Render(Line(-10, 0, 10, 0)).view.unit, 1.25);
}

TEST(SymbolPreview, NothingToDrawOrAllAtTheOriginLeavesTheClearedSlot) {
    for (const std::string& entities :
         {std::string(), Line(0, 0, 0, 0), std::string("  0\r\nINSERT\r\n  2\r\nX\r\n")}) {
        const Preview p = Render(entities);
        EXPECT_FALSE(p.drawn);
        EXPECT_THAT(p.canvas.In(kWhite), IsEmpty());
        EXPECT_EQ(p.canvas.In(kPreviewCross).size(), 2u);
    }
    MemoryFiles files;
    RecordingCanvas untouched;
    SlotView view;
    EXPECT_FALSE(RenderPreview(files, "missing.dxf", untouched, {}, view));
    EXPECT_THAT(untouched.calls, IsEmpty());
}

TEST(SymbolPreview, CandidatesMoveToTheCentreLinesWhenTheOriginIsACorner) {
    const Preview p = Render(Line(0, 0, 20, 0) + Line(20, 0, 20, 10), {.showCandidates = true});
    const auto& c = p.view.candidates;
    EXPECT_EQ(c[4], (Point3{10, 5, 0}));
    EXPECT_EQ(c[1], (Point3{10, 0, 0}));
    EXPECT_EQ(c[3], (Point3{0, 5, 0}));
    EXPECT_EQ(c[8], (Point3{20, 10, 0}));
    EXPECT_EQ(p.canvas.In(kPreviewCandidate).size(), 27u);
}

TEST(SymbolPreview, AMouseDownChoosesTheNearestCandidateAsDrawn) {
    Preview p = Render(Line(0, 0, 20, 0) + Line(20, 0, 20, 10), {.rotation = "90"});
    // candidate 9, (20, 10), is drawn turned: left of the middle, at the top
    ChooseBasePoint(p.view, 14, 5, 48, 48);
    EXPECT_EQ(p.view.basePoint, (Point3{20, 10, 0}));
    ChooseBasePoint(p.view, 24, 24, 48, 48);
    EXPECT_EQ(p.view.basePoint, (Point3{10, 5, 0}));
}

}  // namespace
}  // namespace kv
