#include "wires/block_placement.h"

#include <cmath>

#include <gtest/gtest.h>

namespace kv {
namespace {

constexpr double kEps = 1e-9;

void ExpectPoint(const Point3& p, double x, double y) {
    EXPECT_NEAR(p.x, x, kEps);
    EXPECT_NEAR(p.y, y, kEps);
}

TInsertEnt Insert(Point3 at, Point3 scale, double rotation, std::string name = "R") {
    TInsertEnt insert;
    insert.Name = std::move(name);
    insert.Point = at;
    insert.Scale = scale;
    insert.Rotation = rotation;
    return insert;
}

TEST(PlaceBlockPoint, ScalesAboutTheBasePointThenRotatesAboutTheInsertionPoint) {
    const TBlockBlk block{"R", "0", {1, 1, 0}};
    ExpectPoint(PlaceBlockPoint(Insert({10, 20, 0}, {2, 2, 1}, 90), block, {2, 1, 0}), 10, 22);
    ExpectPoint(PlaceBlockPoint(Insert({10, 20, 0}, {1, 1, 1}, 0), block, {1, 1, 0}), 10, 20);
    ExpectPoint(PlaceBlockPoint(Insert({0, 0, 0}, {1, 1, 1}, 45), block, {2, 1, 0}), std::sqrt(0.5),
                std::sqrt(0.5));
}

TEST(PlaceBlockPoint, NegativeScaleMirrors) {
    const TBlockBlk block{"R", "0", {1, 1, 0}};
    ExpectPoint(PlaceBlockPoint(Insert({10, 20, 0}, {-1, 1, 1}, 0), block, {2, 1, 0}), 9, 20);
    ExpectPoint(PlaceBlockPoint(Insert({10, 20, 0}, {-1, 1, 1}, 90), block, {2, 1, 0}), 10, 19);
    ExpectPoint(PlaceBlockPoint(Insert({10, 20, 0}, {1, -3, 1}, 0), block, {1, 2, 0}), 10, 17);
}


TEST(ComputeFence, EnlargesAboutTheCentreAndRotatesAboutTheInsertionPoint) {
    const std::vector<BlockExtent> extents{{"R", {0, 0, 0}, {2, 1, 0}}};
    const auto fence = ComputeFence(Insert({10, 10, 0}, {1, 1, 1}, 90), extents, {}, kTrimFenceFactor);
    ASSERT_TRUE(fence);
    ExpectPoint((*fence)[0], 8.95, 12.1);
    ExpectPoint((*fence)[1], 8.95, 9.9);
    ExpectPoint((*fence)[2], 10.05, 9.9);
    ExpectPoint((*fence)[3], 10.05, 12.1);
}

TEST(ComputeFence, UnrotatedFenceFollowsScaleAndBasePoint) {
    const std::vector<BlockExtent> extents{{"X", {}, {9, 9, 0}}, {"R", {1, 1, 0}, {3, 2, 0}}};
    const std::vector<TBlockBlk> blocks{{"R", "0", {1, 1, 0}}};
    const auto fence = ComputeFence(Insert({10, 10, 0}, {2, 2, 1}, 0), extents, blocks, 1);
    ASSERT_TRUE(fence);
    ExpectPoint((*fence)[0], 14, 12);
    ExpectPoint((*fence)[1], 10, 12);
    ExpectPoint((*fence)[2], 10, 10);
    ExpectPoint((*fence)[3], 14, 10);
}

TEST(ComputeFence, GivesNothingForABlockWithoutExtents) {
    const std::vector<BlockExtent> extents{{"r", {}, {1, 1, 0}}};
    EXPECT_FALSE(ComputeFence(Insert({}, {1, 1, 1}, 0), extents, {}, 1.1));
}

}  // namespace
}  // namespace kv
