#include "geometry/layer_visibility.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(LayerIsOn, OnlyANegativeColorOfTheNamedLayerSwitchesItOff) {
    const LayerList layers{"0,0,7", "WIRE,0,-7", "FROZEN,1,3", "ODD,0,abc", "A,B,0,-1"};
    EXPECT_FALSE(LayerIsOn("WIRE", layers));
    for (const char* name : {"wire", "0", "FROZEN", "ODD", "A", "MISSING"})
        EXPECT_TRUE(LayerIsOn(name, layers)) << name;
}

}  // namespace
}  // namespace kv
