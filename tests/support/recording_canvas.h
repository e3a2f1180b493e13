// A canvas that keeps what was drawn on it, one line of text per call, with the pen colour.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace kv {

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(int width = 48, int height = 48) : width_(width), height_(height) {}

    std::vector<std::string> calls;
    // The height TextHeight reports for a font of height h.
    int textHeightPerFont = 1;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Fill(Rgb color) override { calls.push_back("fill " + Hex(color)); }
    void SetPen(Rgb color) override { pen_ = Hex(color); }
    void Line(int x1, int y1, int x2, int y2) override { Add("line", {x1, y1, x2, y2}); }
    void Arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override {
        Add("arc", {l, t, r, b, xs, ys, xe, ye});
    }
    void Ellipse(int l, int t, int r, int b) override { Add("ellipse", {l, t, r, b}); }
    void Text(int x, int y, std::string_view text, int height, int escapement) override {
        Add("text " + std::string(text), {x, y, height, escapement});
    }
    int TextHeight(std::string_view, int height) const override { return height * textHeightPerFont; }
    bool GrabScreen(const ScreenRect&) override { return false; }

    // The calls drawn in the pen colour, e.g. "line 0 24 48 24".
    std::vector<std::string> In(Rgb color) const {
        std::vector<std::string> found;
        const std::string prefix = Hex(color) + " ";
        for (const std::string& c : calls)
            if (c.rfind(prefix, 0) == 0) found.push_back(c.substr(prefix.size()));
        return found;
    }

private:
    static std::string Hex(Rgb c) {
        char text[16];
        std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c));
        return text;
    }
    void Add(const std::string& what, std::initializer_list<int> values) {
        std::string call = pen_ + " " + what;
        for (int v : values) call += " " + std::to_string(v);
        calls.push_back(call);
    }

    int width_, height_;
    std::string pen_ = "000000";
};

}  // namespace kv
