#include "library/library_folders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fake_ports.h"

namespace kv {
namespace {

using ::testing::ElementsAre;
using namespace file_attribute;

class ListedFiles : public MemoryFiles {
public:
    std::vector<FolderEntry> entries;
    std::vector<FolderEntry> ListFolder(std::string_view) override { return entries; }
};

TEST(LibraryFolders, OnlyPlainFoldersAreLibrariesSortedWithoutRegardToCase) {
    ListedFiles files;
    files.entries = {{"relays", true, false, kDirectory},
                     {"Motors", true, false, kDirectory},
                     {"Hidden", true, true, kDirectory | kHidden},
                     {"ReadOnly", true, false, kDirectory | kReadOnly},
                     {"..", true, false, kDirectory},
                     {"kvane2k.ini", false, false, kArchive}};
    EXPECT_THAT(ListLibraryFolders(files, "C:\\kv\\"), ElementsAre("Motors", "relays"));
}

TEST(LibraryFolders, SymbolsAreTheDxfFilesWithUsualAttributes) {
    ListedFiles files;
    constexpr unsigned kTemporary = 0x100;
    files.entries = {{"CR.DXF", false, false, kArchive | kReadOnly}, {"ab.dxf", false, true, kHidden},
                     {"Kvane2k.ini", false, false, kArchive},        {"tmp.dxf", false, false, kArchive | kTemporary},
                     {"old.dxf", true, false, kDirectory},           {".dxf", false, false, kArchive}};
    EXPECT_THAT(ListSymbolNames(files, "C:\\kv\\", "RELAY"), ElementsAre("ab", "CR"));
    EXPECT_EQ(SymbolFilePath("C:\\kv\\", "RELAY", "CR"), "C:\\kv\\RELAY\\CR.dxf");
}

TEST(LibraryFolders, PagesAreACircularWindowFromTheSelection) {
    EXPECT_THAT(PreviewEntries(10, 6), ElementsAre(6, 7, 8, 9, 0, 1));
    EXPECT_THAT(PreviewEntries(7, 6), ElementsAre(6, 0, 1, 2, 3, 4));
    EXPECT_THAT(PreviewEntries(4, 2), ElementsAre(2, 3, 0, 1));
    EXPECT_EQ(NextPageSelection(10, 0), 6);
    EXPECT_EQ(NextPageSelection(10, 6), 0);
    EXPECT_EQ(NextPageSelection(6, 3), 3);
    EXPECT_EQ(EntryOfSlot(10, 8, 3), 1);
    EXPECT_EQ(EntryOfSlot(4, 2, 4), -1);
}

}  // namespace
}  // namespace kv
