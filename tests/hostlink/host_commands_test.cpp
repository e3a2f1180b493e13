#include "hostlink/host_commands.h"

#include <gtest/gtest.h>

#include <utility>

namespace kv {
namespace {

TEST(HostCommands, PointsWindowsAndTheFileInsert) {
    const Point3 a{10, 20, 5}, b{-1.5, 0.25, 0};
    const std::pair<std::string, std::string> cases[] = {
        {PointArg({12.5, -3, 7}), "12.5,-3"},
        {WindowCommand(a, b), "SELECT W 10,20 -1.5,0.25\r\r"},
        {SquareWindowCommand({10, 20, 0}, 0.5), "SELECT W 10.5,20.5\r9.5,19.5\r\r"},
        {InsertFileCommand("C:\\kv\\kvane2k.dxf"), "-INSERT *C:\\kv\\kvane2k.dxf\r0,0 1 0\r"},
    };
    for (const auto& [typed, expected] : cases) EXPECT_EQ(typed, expected);
}

TEST(HostCommands, EachExportFormWithTheFileDialogsOffAroundIt) {
    using Texts = std::vector<std::string>;
    const std::string dxfout = "DXFOUT C:\\kv\\kvane2k.dxf";
    const std::pair<ExportForm, Texts> forms[] = {
        {ExportForm::kStandard, {"FILEDIA 0 ", dxfout + "\rV 2000 O P\r\r16\r", "'FILEDIA 1 "}},
        {ExportForm::kJunctionCheck,
         {"\x03"
          "FILEDIA 0 ",
          dxfout + "\rV 2000 O P \r16 ", "'FILEDIA 1 "}},
        {ExportForm::kLastObject,
         {"\x03"
          "FILEDIA 0 ",
          dxfout + "\rV 2000 O SINGLE LAST 16 ", "'FILEDIA 1 "}},
    };
    for (const auto& [form, texts] : forms) EXPECT_EQ(DxfOutCommands("C:\\kv\\kvane2k.dxf", form), texts);
}

}  // namespace
}  // namespace kv
