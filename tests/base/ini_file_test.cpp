#include "base/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kv {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("kv_ini_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "kvane2k.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void WriteRaw(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string ReadRaw() {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(IniFileTest, MissingFileGivesDefaults) {
    IniFile ini(path_);
    EXPECT_EQ(ini.ReadString("Edit", "Min", "5.0"), "5.0");
    EXPECT_EQ(ini.ReadInteger("Form", "Top", 42), 42);
    EXPECT_TRUE(ini.ReadBool("Check", "Line", true));
    EXPECT_EQ(ini.ReadFloat("EleMove", "Dist1", 5.0), 5.0);
}

TEST_F(IniFileTest, SectionsAndKeysIgnoreCase) {
    WriteRaw("[FORM]\r\ntop=120\r\n");
    IniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("Form", "Top", 0), 120);
    ini.WriteInteger("form", "TOP", 7);
    EXPECT_EQ(ReadRaw(), "[FORM]\r\nTOP=7\r\n");
}

TEST_F(IniFileTest, BooleansReadAnyNonZeroIntegerAsTrue) {
    WriteRaw("[Check]\r\nA=0\r\nB=1\r\nC=-3\r\nD=yes\r\nE=\r\n");
    IniFile ini(path_);
    EXPECT_FALSE(ini.ReadBool("Check", "A", true));
    EXPECT_TRUE(ini.ReadBool("Check", "B", false));
    EXPECT_TRUE(ini.ReadBool("Check", "C", false));
    EXPECT_TRUE(ini.ReadBool("Check", "D", true));  // not an integer: the default
    EXPECT_FALSE(ini.ReadBool("Check", "E", false));
}

TEST_F(IniFileTest, UnconvertibleNumbersGiveTheDefault) {
    WriteRaw("[Edit]\r\nKpRad=abc\r\nN=1.5\r\n");
    IniFile ini(path_);
    EXPECT_EQ(ini.ReadFloat("Edit", "KpRad", 1.0), 1.0);
    EXPECT_EQ(ini.ReadInteger("Edit", "N", 9), 9);
    EXPECT_EQ(ini.ReadFloat("Edit", "N", 0), 1.5);
}

TEST_F(IniFileTest, EachWriteLandsOnDiskAtOnceAndKeepsOtherEntries) {
    IniFile ini(path_);
    ASSERT_TRUE(ini.WriteString("Edit", "Layer", "WIRE"));
    ASSERT_TRUE(ini.WriteBool("Check", "Line", false));
    ASSERT_TRUE(ini.WriteFloat("Edit", "KpRad", 0.625));
    ASSERT_TRUE(ini.WriteString("Edit", "Layer", "電線"));
    EXPECT_EQ(ReadRaw(), "[Edit]\r\nLayer=\x93\x64\x90\xFC\r\nKpRad=0.625\r\n\r\n[Check]\r\nLine=0\r\n");
    IniFile again(path_);
    EXPECT_EQ(again.ReadString("Edit", "Layer", ""), "電線");
    EXPECT_FALSE(again.ReadBool("Check", "Line", true));
}

TEST_F(IniFileTest, KeysOfAnotherSectionAreNotMatched) {
    WriteRaw("[Edit]\r\nMin=2\r\n[Check]\r\nLine=1\r\n");
    IniFile ini(path_);
    EXPECT_EQ(ini.ReadString("Check", "Min", "none"), "none");
    EXPECT_EQ(ini.ReadString("Edit", "Line", "none"), "none");
}

TEST_F(IniFileTest, WriteIntoAnUnwritableFolderReportsFailure) {
    IniFile ini((dir_ / "no-such-folder" / "x.ini").string());
    EXPECT_FALSE(ini.WriteString("A", "B", "C"));
}

}  // namespace
}  // namespace kv
