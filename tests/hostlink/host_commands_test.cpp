#include "hostlink/host_commands.h"

#include <gtest/gtest.h>

#include <utility>

namespace kv {
namespace {

// The export and insert texts are typed in every story; these texts are in none.
TEST(HostCommands, PointsAndWindows) {
    const Point3 a{10, 20, 5}, b{-1.5, 0.25, 0};
    const std::pair<std::string, std::string> cases[] = {
        {PointArg({12.5, -3, 7}), "12.5,-3"},
        {WindowCommand(a, b), "SELECT W 10,20 -1.5,0.25\r\r"},
        {SquareWindowCommand({10, 20, 0}, 0.5), "SELECT W 10.5,20.5\r9.5,19.5\r\r"},
    };
    for (const auto& [typed, expected] : cases) EXPECT_EQ(typed, expected);
}

}  // namespace
}  // namespace kv
