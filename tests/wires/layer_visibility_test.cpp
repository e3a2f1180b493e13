#include "wires/layer_visibility.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(LayerIsOn, OnlyANegativeColorOfTheNamedLayerSwitchesItOff) {
    const LayerList layers{"0,0,7", "WIRE,0,-7", "FROZEN,1,3", "ODD,0,abc", "A,B,0,-1"};
    EXPECT_FALSE(LayerIsOn("WIRE", layers));
    EXPECT_TRUE(LayerIsOn("wire", layers));
    EXPECT_TRUE(LayerIsOn("0", layers));
    EXPECT_TRUE(LayerIsOn("FROZEN", layers));
    EXPECT_TRUE(LayerIsOn("ODD", layers));
    EXPECT_TRUE(LayerIsOn("A", layers));
    EXPECT_TRUE(LayerIsOn("MISSING", layers));
}

}  // namespace
}  // namespace kv
