#include "geometry/layer_visibility.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(SwitchedOffLayers, OnlyANegativeColorOfTheNamedLayerSwitchesItOff) {
    const LayerList layers{"0,0,7", "WIRE,0,-7", "FROZEN,1,3", "ODD,0,abc", "A,B,0,-1", "WIRE,0,7"};
    EXPECT_EQ(SwitchedOffLayers(layers), std::unordered_set<std::string>{"WIRE"});
}

}  // namespace
}  // namespace kv
