#include "app/palette_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kv {
namespace {

using Form = TFormKvaneMain;

std::vector<PaletteControl> OnPage(PalettePage page) {
    std::vector<PaletteControl> found;
    for (const PaletteControl& c : PaletteControls()) {
        if (c.page == page) found.push_back(c);
    }
    return found;
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

bool Inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.Right() <= outer.Right() &&
           inner.Bottom() <= outer.Bottom();
}

int Bindings(const PaletteControl& c) {
    return (c.button != nullptr) + (c.check != nullptr) + (c.edit != nullptr) + (c.label != nullptr);
}

std::string Where(const PaletteControl& c) {
    return std::to_string(c.rect.x) + "," + std::to_string(c.rect.y) + " " + std::to_string(c.rect.width) + "x" +
           std::to_string(c.rect.height);
}

const PaletteControl* Find(ButtonControl Form::*button) {
    const auto all = PaletteControls();
    const auto it = std::find_if(all.begin(), all.end(), [&](const PaletteControl& c) { return c.button == button; });
    return it == all.end() ? nullptr : &*it;
}

TEST(PaletteControls, EachControlBindsWhatItsKindShows) {
    for (const PaletteControl& c : PaletteControls()) {
        SCOPED_TRACE(Where(c));
        switch (c.kind) {
        // A button without a click handler would do nothing when pressed.
        case ControlKind::Button: EXPECT_TRUE(c.button && Bindings(c) == 1 && c.click); break;
        case ControlKind::Check: EXPECT_TRUE(c.check && Bindings(c) == 1); break;
        case ControlKind::Edit: EXPECT_TRUE(c.edit && Bindings(c) == 1); break;
        case ControlKind::Label: EXPECT_TRUE(c.label && Bindings(c) == 1); break;
        case ControlKind::Group:
        case ControlKind::Text:
            EXPECT_EQ(Bindings(c), 0);
            EXPECT_FALSE(c.text.empty());
            break;
        }
        if (c.mouseDown || c.click) {
            EXPECT_TRUE(c.kind == ControlKind::Button || c.kind == ControlKind::Check);
        }
        if (c.keyPress) {
            EXPECT_EQ(c.kind, ControlKind::Edit);
        }
    }
}

// Member pointers compare for equality only.
bool SameModelControl(const PaletteControl& a, const PaletteControl& b) {
    return (a.button && a.button == b.button) || (a.check && a.check == b.check) || (a.edit && a.edit == b.edit) ||
           (a.label && a.label == b.label);
}

TEST(PaletteControls, NoModelControlIsShownTwice) {
    const auto all = PaletteControls();
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(SameModelControl(all[i], all[j])) << Where(all[i]) << " and " << Where(all[j]);
    }
}

TEST(PaletteControls, CommandButtonsFillTheFirstRowsOfTheMainTab) {
    const std::vector<ButtonControl Form::*> commands{
        &Form::SpeedButtonUndo, &Form::SpeedButton2, &Form::ButtonDraw,     &Form::ButtonLdrawN,
        &Form::ButtonSelect,    &Form::ButtonLpick,  &Form::ButtonBErase,   &Form::ButtonBMove,
        &Form::ButtonBCopy,     &Form::ButtonBCut,   &Form::ButtonKpMark,   &Form::ButtonCStretch,
        &Form::ButtonLJoint,    &Form::ButtonTW,     &Form::ButtonSealed,   &Form::ButtonText,
        &Form::SpeedButtonHeight};
    for (auto command : commands) {
        const PaletteControl* c = Find(command);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->page, PalettePage::Main);
        EXPECT_LE(c->rect.Bottom(), kCollapsedPageHeight) << Where(*c);
        EXPECT_NE(c->click, nullptr) << Where(*c);
    }
}

TEST(PaletteControls, RightButtonStartsExactlyTheSixButtonsWithMouseDownHandlers) {
    const std::vector<ButtonControl Form::*> expected{&Form::ButtonDraw,  &Form::ButtonSelect, &Form::ButtonBErase,
                                                      &Form::ButtonBMove, &Form::ButtonBCopy,  &Form::ButtonBCut};
    int withMouseDown = 0;
    for (const PaletteControl& c : PaletteControls()) {
        if (!c.mouseDown) continue;
        ++withMouseDown;
        EXPECT_NE(std::find(expected.begin(), expected.end(), c.button), expected.end()) << Where(c);
    }
    EXPECT_EQ(withMouseDown, static_cast<int>(expected.size()));
}

TEST(PaletteControls, EveryTabHasItsHeightButtonAtTheSamePlace) {
    const std::vector<std::pair<ButtonControl Form::*, PalettePage>> heightButtons{
        {&Form::SpeedButtonHeight, PalettePage::Main},
        {&Form::SpeedButton4, PalettePage::Text},
        {&Form::SpeedButton6, PalettePage::Block},
        {&Form::SpeedButton17, PalettePage::Pl15}};
    const PaletteControl* first = Find(&Form::SpeedButtonHeight);
    ASSERT_NE(first, nullptr);
    for (const auto& [button, page] : heightButtons) {
        const PaletteControl* c = Find(button);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->page, page);
        EXPECT_EQ(c->click, &Form::SpeedButtonHeightClick);
        EXPECT_EQ(Where(*c), Where(*first));
    }
}

TEST(PaletteControls, PagesHoldTheirControlsWithoutOverlaps) {
    const PixelRect page{0, 0, kPageWidth, kExpandedPageHeight};
    for (PalettePage p : {PalettePage::Main, PalettePage::Text, PalettePage::Block, PalettePage::Pl15}) {
        const std::vector<PaletteControl> controls = OnPage(p);
        for (size_t i = 0; i < controls.size(); ++i) {
            const PaletteControl& a = controls[i];
            EXPECT_TRUE(Inside(a.rect, page)) << Where(a);
            for (size_t j = i + 1; j < controls.size(); ++j) {
                const PaletteControl& b = controls[j];
                if (!Overlap(a.rect, b.rect)) continue;
                // Only a group box may overlap, and only by holding the other control whole.
                const bool held = (a.kind == ControlKind::Group && Inside(b.rect, a.rect)) ||
                                  (b.kind == ControlKind::Group && Inside(a.rect, b.rect));
                EXPECT_TRUE(held) << Where(a) << " overlaps " << Where(b);
            }
        }
    }
}

TEST(PaletteControls, GroupBoxesComeBeforeTheControlsTheyHold) {
    const auto all = PaletteControls();
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].kind != ControlKind::Group) continue;
        for (size_t j = 0; j < i; ++j) {
            if (all[j].page != all[i].page) continue;
            EXPECT_FALSE(Inside(all[j].rect, all[i].rect)) << Where(all[j]);
        }
    }
}

TEST(PaletteControls, OptionsOutsideThePagesStayBelowTheExpandedClientArea) {
    const std::vector<PaletteControl> hidden = OnPage(PalettePage::Form);
    ASSERT_FALSE(hidden.empty());
    for (const PaletteControl& c : hidden) EXPECT_GE(c.rect.y, kClientHeightExpanded) << Where(c);
    for (CheckControl Form::*kept : {&Form::CheckMin, &Form::CheckActive, &Form::CheckMouse}) {
        EXPECT_TRUE(std::any_of(hidden.begin(), hidden.end(), [&](const PaletteControl& c) { return c.check == kept; }));
    }
}

TEST(PaletteControls, TheFourTabsInTheirOrder) {
    EXPECT_EQ(kPaletteTabNames[0], "Main");
    EXPECT_EQ(kPaletteTabNames[1], "文字");
    EXPECT_EQ(kPaletteTabNames[2], "ﾌﾞﾛｯｸ");
    EXPECT_EQ(kPaletteTabNames[3], "15PL");
    EXPECT_EQ(static_cast<int>(PalettePage::Block), kBlockTabIndex);
}

}  // namespace
}  // namespace kv
