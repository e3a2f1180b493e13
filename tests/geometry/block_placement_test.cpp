#include "geometry/block_placement.h"

#include <cmath>

#include <gtest/gtest.h>

namespace kv {
namespace {

TInsertEnt Insert(Point3 at, Point3 scale, double rotation) {
    TInsertEnt insert;
    insert.Name.assign(1, 'R');  // not = "R": GCC 12 warns falsely (-Wrestrict) on that at -O2
    insert.Point = at;
    insert.Scale = scale;
    insert.Rotation = rotation;
    return insert;
}

void ExpectPoint(const Point3& p, const Point3& expected) {
    EXPECT_NEAR(p.x, expected.x, 1e-9);
    EXPECT_NEAR(p.y, expected.y, 1e-9);
}

TEST(PlaceBlockPoint, ScalesAboutTheBasePointMirrorsThenRotatesAboutTheInsertionPoint) {
    const TBlockBlk block{"R", "0", {1, 1, 0}};
    struct Case {
        TInsertEnt insert;
        Point3 p, placed;
    };
    const Case cases[] = {{Insert({10, 20}, {2, 2, 1}, 90), {2, 1}, {10, 22}},
                          {Insert({10, 20}, {1, 1, 1}, 0), {1, 1}, {10, 20}},
                          {Insert({0, 0}, {1, 1, 1}, 45), {2, 1}, {std::sqrt(0.5), std::sqrt(0.5)}},
                          {Insert({10, 20}, {-1, 1, 1}, 0), {2, 1}, {9, 20}},
                          {Insert({10, 20}, {-1, 1, 1}, 90), {2, 1}, {10, 19}},
                          {Insert({10, 20}, {1, -3, 1}, 0), {1, 2}, {10, 17}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.insert.Scale.x << "," << c.insert.Scale.y << "@" << c.insert.Rotation);
        ExpectPoint(PlaceBlockPoint(c.insert, block, c.p), c.placed);
    }
}

TEST(ComputeFence, EnlargedAboutTheCentreTurnedWithTheInsertAndScaledFromTheBasePoint) {
    const std::vector<BlockExtent> extents{{"X", {}, {9, 9, 0}}, {"R", {0, 0, 0}, {2, 1, 0}}};
    auto fence = ComputeFence(Insert({10, 10}, {1, 1, 1}, 90), extents, {}, kTrimFenceFactor);
    ASSERT_TRUE(fence);
    const Point3 turned[] = {{8.95, 12.1}, {8.95, 9.9}, {10.05, 9.9}, {10.05, 12.1}};
    for (int i = 0; i < 4; ++i) ExpectPoint((*fence)[i], turned[i]);

    const std::vector<TBlockBlk> blocks{{"R", "0", {1, 1, 0}}};
    fence = ComputeFence(Insert({10, 10}, {2, 2, 1}, 0), {{"R", {1, 1, 0}, {3, 2, 0}}}, blocks, 1);
    ASSERT_TRUE(fence);
    const Point3 scaled[] = {{14, 12}, {10, 12}, {10, 10}, {14, 10}};
    for (int i = 0; i < 4; ++i) ExpectPoint((*fence)[i], scaled[i]);

    EXPECT_FALSE(ComputeFence(Insert({}, {1, 1, 1}, 0), {{"r", {}, {1, 1, 0}}}, {}, 1.1));  // exact names
}

}  // namespace
}  // namespace kv
