#include "polyline/rectangle_edit_form.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(RectangleEditForm, FieldsTakeNumbersAndEnterMovesOnToTheButton) {
    TFormRecEd form;
    const std::pair<void (TFormRecEd::*)(char&), std::string_view> fields[] = {{&TFormRecEd::Edit1KeyPress, "Edit2"},
                                                                               {&TFormRecEd::Edit2KeyPress, "Edit3"},
                                                                               {&TFormRecEd::Edit3KeyPress, "Button1"}};
    for (const auto& [handler, next] : fields) {
        char enter = '\r';
        (form.*handler)(enter);
        EXPECT_EQ(enter, 0);  // used up: Enter never closes the dialog from a field
        EXPECT_EQ(form.focusRequest, next);
        for (char key : std::string("7.\b")) {
            (form.*handler)(key);
            EXPECT_NE(key, 0);
        }
        char letter = 'a';
        (form.*handler)(letter);
        EXPECT_EQ(letter, 0);
    }
}

}  // namespace
}  // namespace kv
