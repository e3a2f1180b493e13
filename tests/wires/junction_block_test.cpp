#include <gtest/gtest.h>

#include "dxf/read_blocks.h"
#include "geometry/block_extents.h"
#include "wires/junction_block.h"

namespace kv {
namespace {

TEST(BuiltInJunctionBlockTest, DefinesFiveConcentricCirclesOneUnitWideAndNoEntities) {
    std::string text;
    for (const std::string& item : BuiltInJunctionBlockItems()) text += item + "\r\n";
    EXPECT_EQ(text.find("ENTITIES"), std::string::npos);
    EXPECT_TRUE(text.ends_with("  0\r\nENDSEC\r\n  0\r\nEOF\r\n"));
    DxfBuffer buffer;
    buffer.Load(text);

    BlockGeometry geometry;
    ASSERT_EQ(ReadBlocks(buffer, geometry), 1);
    EXPECT_EQ(geometry.blocks[0].Name, "I_KOUTEN");
    ASSERT_EQ(geometry.circles.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_DOUBLE_EQ(geometry.circles[i].Radius, 0.1 * static_cast<double>(i + 1));
        EXPECT_EQ(geometry.circles[i].Center, (Point3{0, 0, 0}));
        EXPECT_EQ(geometry.circles[i].Layer, "0");
    }
    // The range the picker would give this block is the one the load button sets.
    std::vector<BlockExtent> extents;
    ASSERT_EQ(ComputeBlockExtents(geometry, extents), 1);
    EXPECT_DOUBLE_EQ((extents[0].Max.x - extents[0].Min.x) / 1.6, 0.625);
}

}  // namespace
}  // namespace kv
