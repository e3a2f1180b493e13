#include "app/library_settings.h"

#include <algorithm>
#include <array>

namespace kv {

namespace {

constexpr std::string_view kSection = "Config";

struct LibraryKey {
    std::string_view key;
    CheckControl BlockPage::*check = nullptr;
    EditControl BlockPage::*edit = nullptr;
    bool checked = false;
    std::string_view text{};
    int writeOrder = 0;
};

constexpr LibraryKey Check(std::string_view key, CheckControl BlockPage::*check, bool checked, int order) {
    return {.key = key, .check = check, .checked = checked, .writeOrder = order};
}
constexpr LibraryKey Edit(std::string_view key, EditControl BlockPage::*edit, std::string_view text, int order) {
    return {.key = key, .edit = edit, .text = text, .writeOrder = order};
}

// In the order they are read.
constexpr auto kKeys = std::to_array<LibraryKey>({
    Check("Renzoku", &BlockPage::CheckRenzoku, true, 1),
    Check("Korvane", &BlockPage::CheckBCut, true, 2),
    Check("Dimscale", &BlockPage::CheckDimsc, true, 3),
    Check("Xrev", &BlockPage::CheckXrev, false, 4),
    Check("Yrev", &BlockPage::CheckYrev, false, 5),
    Check("Kiten", &BlockPage::CheckKiten, false, 6),
    Check("Attreq", &BlockPage::CheckAttreq, false, 7),
    Check("Attdia", &BlockPage::CheckAttdia, false, 8),
    Edit("Syakudo", &BlockPage::EditSyakudo, "1.0", 9),
    Edit("Kakudo", &BlockPage::EditKakudo, "0", 10),
    Check("LayerChk", &BlockPage::CheckInLay, false, 12),
    Edit("LayerName", &BlockPage::EditInLay, "", 13),
    Check("Text2InChk", &BlockPage::CheckText2In, false, 14),
    Edit("Comment", &BlockPage::EditCmt, "ｺﾒﾝﾄなし", 11),
});

// A line break inside a value would start a new line of the file.
std::string OneLine(std::string_view text) {
    std::string line(text);
    std::erase_if(line, [](char c) { return c == '\r' || c == '\n'; });
    return line;
}

}  // namespace

void ReadLibrarySettings(const IniFile& ini, BlockPage& page) {
    for (const LibraryKey& k : kKeys) {
        if (k.check) (page.*k.check).checked = ini.ReadBool(kSection, k.key, k.checked);
        else (page.*k.edit).text = ini.ReadString(kSection, k.key, k.text);
    }
    page.CheckAttdia.enabled = page.CheckAttreq.checked;
}

bool WriteLibrarySettings(IniFile& ini, const BlockPage& page) {
    std::array<const LibraryKey*, kKeys.size()> ordered{};
    for (size_t i = 0; i < kKeys.size(); ++i) ordered[i] = &kKeys[i];
    std::sort(ordered.begin(), ordered.end(), [](auto a, auto b) { return a->writeOrder < b->writeOrder; });
    for (const LibraryKey* k : ordered) {
        const bool written = k->check ? ini.WriteBool(kSection, k->key, (page.*k->check).checked)
                                      : ini.WriteString(kSection, k->key, OneLine((page.*k->edit).text));
        if (!written) return false;
    }
    return true;
}

}  // namespace kv
