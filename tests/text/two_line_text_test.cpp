#include "text/two_line_text.h"

#include <gtest/gtest.h>

#include <variant>

#include "support/engine_fixture.h"

namespace kv::test {
namespace {

// What the preview draws, in order: "fill", "pen RRGGBB", "line x1,y1 x2,y2", "text x,y TEXT".
class RecordingCanvas : public Canvas {
public:
    std::vector<std::string> calls;
    int Width() const override { return kPreviewWidth; }
    int Height() const override { return kPreviewHeight; }
    void Fill(Rgb color) override { calls.push_back("fill " + Hex(color)); }
    void SetPen(Rgb color) override { calls.push_back("pen " + Hex(color)); }
    void Line(int x1, int y1, int x2, int y2) override {
        calls.push_back("line " + std::to_string(x1) + "," + std::to_string(y1) + " " + std::to_string(x2) + "," +
                        std::to_string(y2));
    }
    void Arc(int, int, int, int, int, int, int, int) override { calls.push_back("arc"); }
    void Ellipse(int, int, int, int) override { calls.push_back("ellipse"); }
    void Text(int x, int y, std::string_view text, int height, int) override {
        calls.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " " + std::string(text) + " " +
                        std::to_string(height));
    }
    int TextHeight(std::string_view, int height) const override { return height; }
    bool GrabScreen(const ScreenRect&) override { return false; }

private:
    static std::string Hex(Rgb c) {
        char text[8];
        std::snprintf(text, sizeof text, "%06X", c);
        return text;
    }
};

TEST(TwoLinePreview, NearestBasePointTakesTheFirstOfTwoEquallyNear) {
    EXPECT_EQ(NearestBasePoint(23, 30).column, 0);  // midway between the left and centre columns
    EXPECT_EQ(NearestBasePoint(23, 30).row, 0);     // midway between the lower rows
    EXPECT_EQ(NearestBasePoint(70, 0).column, 2);
    EXPECT_EQ(NearestBasePoint(70, 0).row, 2);
    EXPECT_EQ(NearestBasePoint(36, 24).column, 1);
    EXPECT_EQ(NearestBasePoint(36, 24).row, 1);
}

TEST(TwoLinePreview, OneLineShowsTheMiddleRowOnlyWithTheChosenPointInRed) {
    RecordingCanvas canvas;
    DrawTwoLinePreview(canvas, 1, {2, 0});
    const std::vector<std::string> want{
        "fill 000000",      "pen FFFFFF", "text 14,17 TEXT1 16", "pen FF0000",       "line 0,25 73,25",
        "line 59,0 59,49",  "pen FFFF00", "line 9,23 13,23",     "line 9,24 13,24",  "line 9,25 13,25",
        "line 9,26 13,26",  "pen FFFF00", "line 33,23 37,23",    "line 33,24 37,24", "line 33,25 37,25",
        "line 33,26 37,26", "pen 0000FF", "line 57,23 61,23",    "line 57,24 61,24", "line 57,25 61,25",
        "line 57,26 61,26",
    };
    EXPECT_EQ(canvas.calls, want);

    canvas.calls.clear();
    DrawTwoLinePreview(canvas, 2, {0, 2});
    EXPECT_EQ(canvas.calls[2], "text 14,7 TEXT1 16");
    EXPECT_EQ(canvas.calls[3], "text 14,27 TEXT2 16");
    EXPECT_EQ(canvas.calls[5], "line 0,15 73,15");
    EXPECT_EQ(std::count(canvas.calls.begin(), canvas.calls.end(), "pen 0000FF"), 1);
    EXPECT_EQ(std::count(canvas.calls.begin(), canvas.calls.end(), "pen FFFF00"), 8);
}

TEST(TwoLineDialog, ThePreviewIsDrawnAsItOpensAndAgainWhenTheLinesChange) {
    TFormText2 dialog;
    RecordingCanvas canvas;
    dialog.Image1 = &canvas;
    dialog.Opening();
    const auto drawn = [&](std::string_view call) {
        return std::count(canvas.calls.begin(), canvas.calls.end(), call);
    };
    EXPECT_EQ(drawn("text 14,17 TEXT1 16"), 1);
    dialog.Edit1.text = "MCCB1";
    dialog.Edit2.text = "CB";
    dialog.Edit2Change();
    EXPECT_EQ(drawn("text 14,27 TEXT2 16"), 1);
}

TEST(TwoLineDialog, TypedLettersBecomeCapitalsWhileTheBoxIsTicked) {
    TFormText2 dialog;
    for (char typed : {'a', 'z', '1', 'B'}) {
        char key = typed;
        dialog.Edit1KeyPress(key);
        EXPECT_EQ(key, typed >= 'a' && typed <= 'z' ? typed - 'a' + 'A' : typed);
    }
    dialog.CheckUpper.checked = false;
    char key = 'a';
    dialog.Edit2KeyPress(key);
    EXPECT_EQ(key, 'a');
}

// The label's texts, as "text@x,y h72".
std::vector<std::string> Texts(const sim::Drawing& drawing) {
    std::vector<std::string> texts;
    for (const sim::Entity& e : drawing.Entities()) {
        const auto* t = std::get_if<sim::TextGeom>(&e.geom);
        if (!t) {
            texts.push_back("not a text");
            continue;
        }
        char line[96];
        std::snprintf(line, sizeof line, "%s@%g,%g h%g w%g %d/%d %s", t->text.c_str(), t->second.x, t->second.y,
                      t->height, t->widthFactor, t->hAlign, t->vAlign, e.layer.c_str());
        texts.push_back(line);
    }
    return texts;
}

class TwoLineLabel : public EngineTest {
protected:
    // Confirms the dialog with two lines after a click on the preview at (x, y).
    void PlaceLabel(int x, int y, Point3 at) {
        ui.runDialog = [&](Dialog& d) {
            auto& dialog = dynamic_cast<TFormText2&>(d);
            dialog.Edit1.text = "MCCB1";
            dialog.Edit1Change();
            dialog.Edit2.text = "CB";
            dialog.Edit2Change();
            dialog.CheckText2Ren.checked = false;
            dialog.Image1MouseDown(x, y);
            dialog.Image1Click();
            return DialogResult::Ok;
        };
        form.ButtonMainClick();
        run.Settle();
        run.Pick(at);
        run.Settle();
    }
};

TEST_F(TwoLineLabel, EachBaseRowHangsTheLabelByItsPointAtDimScale10) {
    vars.dimScale = 10;
    struct Case {
        int x, y;
        std::vector<std::string> want;
    };
    const Case cases[] = {
        {11, 35, {"MCCB1@100,138 h28 w0.8 0/2 KIKI_MOJI", "CB@100,100 h28 w0.8 0/2 KIKI_MOJI"}},
        {35, 25, {"MCCB1@100,119 h28 w0.8 1/2 KIKI_MOJI", "CB@100,81 h28 w0.8 1/2 KIKI_MOJI"}},
        {59, 15, {"MCCB1@100,100 h28 w0.8 2/2 KIKI_MOJI", "CB@100,62 h28 w0.8 2/2 KIKI_MOJI"}},
    };
    for (const Case& c : cases) {
        PlaceLabel(c.x, c.y, {100, 100, 0});
        const std::vector<std::string> texts = Texts(host.drawing());
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(texts.end() - 2, texts.end()), c.want) << c.x << "," << c.y;
        EXPECT_EQ(host.drawing().FindBlock("kvane2k"), nullptr);
        EXPECT_EQ(Op(), "0/0 off -");
    }
    EXPECT_EQ(Texts(host.drawing()).size(), 6u);
}

}  // namespace
}  // namespace kv::test
