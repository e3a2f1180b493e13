// The user guide quotes the caption of every button the palette shows, and every picture the
// guide and the README link exists.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "app/palette_layout.h"
#include "support/engine_fixture.h"

namespace kv {
namespace {

const std::filesystem::path kRoot{KV_SOURCE_DIR};

std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every "](path.png)" of a Markdown file, relative to the file's folder.
void ExpectLinkedPicturesExist(const std::filesystem::path& page) {
    const std::string text = ReadText(page);
    ASSERT_FALSE(text.empty()) << page << " is missing or empty";
    const std::regex link(R"(\]\(([^)\s]+\.png)\))");
    for (auto m = std::sregex_iterator(text.begin(), text.end(), link); m != std::sregex_iterator(); ++m) {
        const std::filesystem::path picture = page.parent_path() / (*m)[1].str();
        EXPECT_TRUE(std::filesystem::exists(picture))
            << page.filename() << " links " << (*m)[1].str() << ", which does not exist";
    }
}

class UserGuide : public test::EngineTest {};

// Captions as the user reads them; the text buttons' captions are the user's own presets.
TEST_F(UserGuide, QuotesEveryButtonOfTheFourTabs) {
    const std::string guide = ReadText(kRoot / "docs" / "user-guide.md");
    ASSERT_FALSE(guide.empty()) << "docs/user-guide.md is missing or empty";
    for (const PaletteSlot& s : PaletteLayout()) {
        const PaletteRow& r = *s.row;
        if (r.info.kind != ControlKind::Button || r.info.offPage) continue;
        const std::string& caption = r.button(form).caption;
        if (caption.empty()) continue;
        EXPECT_TRUE(guide.find('"' + caption + '"') != std::string::npos)
            << "docs/user-guide.md does not name the button " << r.info.name << " \"" << caption << "\" of the tab "
            << kPaletteTabNames[static_cast<int>(s.page)];
    }
}

TEST(UserGuidePictures, EveryLinkedPictureExists) {
    ExpectLinkedPicturesExist(kRoot / "docs" / "user-guide.md");
    ExpectLinkedPicturesExist(kRoot / "README.md");
}

}  // namespace
}  // namespace kv
