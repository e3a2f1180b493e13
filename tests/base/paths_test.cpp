#include "base/paths.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(Paths, ExtensionOfTheFileNameOnlyIsReplaced) {
    for (const auto& [path, changed] : {std::pair{"C:\\Tools\\kvane2k.exe", "C:\\Tools\\kvane2k.ini"},
                                        {"/opt/kv.2/kvane2k.exe", "/opt/kv.2/kvane2k.ini"},
                                        {"/opt/kv.2/kvane2k", "/opt/kv.2/kvane2k.ini"},
                                        {"kvane2k.v1.exe", "kvane2k.v1.ini"},
                                        {".hidden", ".hidden.ini"}})
        EXPECT_EQ(WithExtension(path, ".ini"), changed);
}

TEST(Paths, FoldersKeepTheirOwnSeparator) {
    EXPECT_EQ(FolderOf("C:\\Tools\\kvane2k.exe"), "C:\\Tools\\");
    EXPECT_EQ(FolderOf("kvane2k.exe"), "");
    EXPECT_EQ(JoinPath("C:\\Tools", "a.ini"), "C:\\Tools\\a.ini");
    EXPECT_EQ(JoinPath("/opt/kv/", "a.ini"), "/opt/kv/a.ini");
    EXPECT_EQ(JoinPath("", "a.ini"), "");
}

}  // namespace
}  // namespace kv
