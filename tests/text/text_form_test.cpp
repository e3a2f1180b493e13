#include "text/text_form.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

// What a key leaves behind: the key as the field gets it, the close and the focus asked for.
struct KeyResult {
    char key;
    std::optional<DialogResult> close;
    std::string_view focus;
};

KeyResult Press(TFormText& form, void (TFormText::*handler)(char&), char key) {
    form.closeRequest.reset();
    form.focusRequest = {};
    (form.*handler)(key);
    return {key, form.closeRequest, form.focusRequest};
}

TEST(TextForm, EnterAndEscapeMoveThroughTheFieldsAndClose) {
    TFormText plain;
    plain.ShowCountUp(false);
    EXPECT_EQ(Press(plain, &TFormText::Edit1KeyPress, '\r').close, std::nullopt);  // no text yet
    plain.Edit1.text = "R1";
    plain.Edit1Change();
    const KeyResult enter = Press(plain, &TFormText::Edit1KeyPress, '\r');
    EXPECT_EQ(enter.key, 0);
    EXPECT_EQ(enter.close, DialogResult::Ok);
    EXPECT_EQ(Press(plain, &TFormText::Edit1KeyPress, '\x1b').close, DialogResult::Cancel);
    EXPECT_EQ(Press(plain, &TFormText::Edit1KeyPress, 'a').key, 'a');

    TFormText counting;
    counting.Edit2.text = " ";
    counting.ShowCountUp(true);
    EXPECT_FALSE(counting.Button1.enabled);
    EXPECT_EQ(Press(counting, &TFormText::ComboBox1KeyPress, '\r').focus, "Edit2");
    EXPECT_EQ(Press(counting, &TFormText::ComboBox1KeyPress, '\x1b').close, DialogResult::Cancel);
    EXPECT_EQ(Press(counting, &TFormText::Edit2KeyPress, '\r').focus, "Edit3");
    EXPECT_EQ(Press(counting, &TFormText::Edit3KeyPress, '\r').close, std::nullopt);
    counting.Edit2.text = "1";
    counting.Edit2Change();
    EXPECT_TRUE(counting.Button1.enabled);
    EXPECT_EQ(Press(counting, &TFormText::Edit3KeyPress, '\r').close, DialogResult::Ok);
    EXPECT_FALSE(counting.Edit1.visible);
    EXPECT_FALSE(counting.Edit1.enabled);
}

}  // namespace
}  // namespace kv
