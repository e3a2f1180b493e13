#include "app/palette_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/dialog_layouts.h"
#include "support/engine_fixture.h"

namespace kv {
namespace {

std::vector<const ControlInfo*> OnPage(PalettePage page, bool offPage = false) {
    std::vector<const ControlInfo*> found;
    for (const PaletteSlot& s : PaletteLayout())
        if (s.page == page && s.row->info.offPage == offPage) found.push_back(&s.row->info);
    return found;
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

bool Inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

std::string Where(const ControlInfo& c) {
    return std::string(c.name.empty() ? c.text : c.name) + " at " + std::to_string(c.rect.x) + "," +
           std::to_string(c.rect.y);
}

// Inside `area`, and overlapping another control only as a group box holding it whole, with
// the group made first so that it lies below.
void ExpectLaidOut(const std::vector<const ControlInfo*>& controls, const PixelRect& area) {
    for (size_t i = 0; i < controls.size(); ++i) {
        const ControlInfo& a = *controls[i];
        EXPECT_TRUE(Inside(a.rect, area)) << Where(a);
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const ControlInfo& b = *controls[j];
            if (!Overlap(a.rect, b.rect)) continue;
            EXPECT_TRUE(a.kind == ControlKind::Group && Inside(b.rect, a.rect)) << Where(a) << " overlaps " << Where(b);
        }
    }
}

TEST(PaletteLayout, EachRowBindsWhatItsKindShows) {
    for (const PaletteSlot& s : PaletteLayout()) {
        const PaletteRow& r = *s.row;
        SCOPED_TRACE(Where(r.info));
        // A picture's hint is a label of its own.
        const int bindings = (r.button != nullptr) + (r.check != nullptr) + (r.edit != nullptr) +
                             (r.label != nullptr && !r.image) + (r.list != nullptr) + (r.image != nullptr) +
                             (r.upDown != nullptr);
        switch (r.info.kind) {
        // A button without a click handler would do nothing when pressed.
        case ControlKind::Button: EXPECT_TRUE(r.button && r.click); break;
        case ControlKind::Check: EXPECT_TRUE(r.check); break;
        case ControlKind::Edit:
        case ControlKind::EditList: EXPECT_TRUE(r.edit); break;
        case ControlKind::UpDown: EXPECT_TRUE(r.upDown && r.click); break;
        case ControlKind::Label: EXPECT_TRUE(r.label); break;
        case ControlKind::Group:
        case ControlKind::Text: EXPECT_FALSE(r.info.text.empty()); break;
        case ControlKind::Combo: EXPECT_TRUE(r.list); break;
        case ControlKind::List: EXPECT_TRUE(r.list && r.click); break;
        case ControlKind::Image: EXPECT_TRUE(r.image && r.label && r.click); break;
        }
        EXPECT_EQ(bindings, r.info.name.empty() ? 0 : 1);
        EXPECT_TRUE(!r.mouseDown || r.info.kind == ControlKind::Button);
        EXPECT_TRUE(!r.keyPress || r.info.kind == ControlKind::Edit || r.info.kind == ControlKind::EditList);
        EXPECT_TRUE(r.info.setting.section.empty() || r.edit || r.check);
    }
}

// The story runner and the settings file find a control by its name or key: each must
// lead to one control, and no two rows may show the same member.
class PaletteBinding : public test::EngineTest {};

TEST_F(PaletteBinding, NamesKeysAndMembersAreUnique) {
    std::set<std::string_view> names;
    std::set<std::string> keys;
    std::set<int> orders;
    std::set<const void*> members;
    for (const BoundControl& c : BindPalette(form)) {
        const ControlInfo& info = *c.info;
        if (info.name.empty()) continue;
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
        const void* member = c.button  ? static_cast<const void*>(c.button)
                             : c.check ? static_cast<const void*>(c.check)
                             : c.edit  ? static_cast<const void*>(c.edit)
                             : c.list  ? static_cast<const void*>(c.list)
                                       : static_cast<const void*>(c.label);
        EXPECT_TRUE(members.insert(member).second) << info.name;
        if (info.setting.section.empty()) continue;
        EXPECT_TRUE(keys.insert(std::string(info.setting.section) + "/" + std::string(info.setting.key)).second)
            << info.name;
        EXPECT_TRUE(orders.insert(info.setting.order).second) << info.name;
    }
}

// Six buttons start their operation with the right button; the text buttons select their preset.
TEST(PaletteLayout, RightButtonWorksOnTheSixToolButtonsAndTheTextButtons) {
    std::set<std::string> withMouseDown;
    for (const PaletteSlot& s : PaletteLayout())
        if (s.row->mouseDown) withMouseDown.insert(std::string(s.row->info.name));
    std::set<std::string> expected{"ButtonDraw",  "ButtonSelect", "ButtonBErase",
                                   "ButtonBMove", "ButtonBCopy",  "ButtonBCut"};
    for (int n = 1; n <= 14; ++n) expected.insert("ButtonTxt" + std::to_string(n));
    EXPECT_EQ(withMouseDown, expected);
}

TEST(PaletteLayout, PagesAndTheAreaBelowTheClientHoldTheirControls) {
    const PixelRect page{0, 0, kPageWidth, kExpandedPageHeight};
    const PixelRect below{0, kClientHeightExpanded, kClientWidth, 1000};
    for (PalettePage p : {PalettePage::Main, PalettePage::Text, PalettePage::Block, PalettePage::Polyline}) {
        ExpectLaidOut(OnPage(p), page);
        ExpectLaidOut(OnPage(p, true), below);
    }
    EXPECT_EQ(OnPage(PalettePage::Main, true).size() + OnPage(PalettePage::Block, true).size(), 9u);
}

TEST(DialogLayouts, RectangleEditHoldsItsControlsAndClosesByItsTwoButtons) {
    const DialogLayout* d = FindDialogLayout("TFormRecEd");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->frame.caption, "RECTANG修正");
    ExpectLaidOut(d->controls, {0, 0, d->frame.clientWidth, d->frame.clientHeight});
    std::string named;
    for (const ControlInfo* c : d->controls) {
        if (c->name.empty()) continue;
        named += std::string(c->name) + (c->closes == DialogResult::Ok ? "(ok) " : c->closes ? "(cancel) " : " ");
    }
    EXPECT_EQ(named, "Edit1 Edit2 Edit3 Button1(ok) Button2(cancel) ");
    EXPECT_EQ(FindDialogLayout("TFormNone"), nullptr);
}

}  // namespace
}  // namespace kv
