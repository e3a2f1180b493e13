// A large library nobody here drew: LibreCAD's electrical symbols, every one of them previewed.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "in_process_run.h"

namespace kv::scenario {
namespace {

constexpr const char* kElectrical = "/usr/share/librecad/library/elektro";

TEST(LibreCadLibrary, PagingShowsEverySymbolWithoutAFault) {
    if (!std::filesystem::exists(kElectrical)) GTEST_SKIP() << kElectrical << " is missing (Debian librecad-data)";
    InProcessRun run{"."};
    run.AddLibrary("ELEKTRO", kElectrical, {}, true);
    const TFormKvaneMain& palette = *run.palette;
    const std::vector<std::string>& names = palette.block.ListBox1.items;
    ASSERT_GT(names.size(), 600u);

    std::set<std::string> shown;
    do {
        for (const LabelControl& hint : palette.block.hints) shown.insert(hint.caption);
        run.palette->SpeedButton7Click();
    } while (palette.block.ListBox1.itemIndex != 0);
    EXPECT_EQ(shown, std::set<std::string>(names.begin(), names.end()));
    EXPECT_TRUE(run.ui.messages.empty()) << run.ui.messages.front();
}

}  // namespace
}  // namespace kv::scenario
