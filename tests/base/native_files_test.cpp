#include "platform/native_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace kv {
namespace {

TEST(NativeFiles, TextIsStoredInTheAnsiCodePageAndReadBackAsUtf8) {
    auto dir = std::filesystem::temp_directory_path() / "kv_native_files_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    NativeFiles files;
    const std::string path = (dir / "a.scr").string();

    ASSERT_TRUE(files.WriteText(path, "COPY SINGLE P 1,2\r\n'FILEDIA 1\r\n文字\r\n"));
    EXPECT_EQ(std::filesystem::file_size(path), 37u);  // "文字" is four bytes in CP932
    EXPECT_EQ(files.ReadText(path), "COPY SINGLE P 1,2\r\n'FILEDIA 1\r\n文字\r\n");

    std::filesystem::create_directories(dir / "lib");
    files.WriteText((dir / ".hidden").string(), "");
    auto entries = files.ListFolder(dir.string());
    ASSERT_EQ(entries.size(), 3u);
    auto lib = std::find_if(entries.begin(), entries.end(), [](auto& e) { return e.name == "lib"; });
    ASSERT_NE(lib, entries.end());
    EXPECT_TRUE(lib->isFolder);
    auto hidden = std::find_if(entries.begin(), entries.end(), [](auto& e) { return e.name == ".hidden"; });
    ASSERT_NE(hidden, entries.end());
    EXPECT_TRUE(hidden->hidden);

    EXPECT_TRUE(files.Delete(path));
    EXPECT_FALSE(files.Exists(path));
    EXPECT_FALSE(files.ReadText(path).has_value());
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kv
