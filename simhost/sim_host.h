// The stand-in host as one object: the command channel the palette types into,
// the simulated user (typing, picking, windows, Enter, Esc), what tests and the
// window faces read back (prompt line, history, drawing, variables), and the fault
// switches of reliability tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drawing.h"
#include "session.h"

namespace kv::sim {

class SimHost {
public:
    explicit SimHost(HostFiles files = RealFiles());

    // --- command channel: one whole command text per message ---
    // UTF-8 text.
    void SendCommand(std::string_view text);
    // What WM_COPYDATA carries: ANSI bytes, up to the first NUL.
    void SendAnsi(std::string_view bytes);
    // Every text that came through the command channel, in order (UTF-8).
    const std::vector<std::string>& SentCommands() const { return sent_; }

    // --- simulated user ---
    void Type(std::string_view text);
    void Pick(Point3 p);
    // A window dragged at an object prompt (to the left: crossing), else two picks.
    void PickWindow(Point3 first, Point3 second);
    void PressEnter();
    void PressEscape();

    // --- inspection ---
    std::string PromptLine() const;
    std::vector<std::string> HistoryLines() const;
    // The history as the text window holds it and copies it: each line ends with CR LF.
    std::string HistoryText() const;
    std::string LastHistoryLine() const;
    // A system variable as the host shows it ("0", "\"BYLAYER\"", "1.0000"); empty if unknown.
    std::string Variable(std::string_view name) const;
    const Drawing& GetDrawing() const { return session_.drawing(); }
    // The view a window front shows (centre and height in drawing units, size in pixels):
    // the read-only VIEWCTR, VIEWSIZE and SCREENSIZE follow it.
    void SetView(Point3 center, double height, double screenWidth, double screenHeight);
    // Test setup only: the simulated user never edits the drawing directly.
    Drawing& SetupDrawing() { return session_.drawing(); }
    void ReplaceDrawing(Drawing drawing) { session_.ReplaceDrawing(std::move(drawing)); }
    bool Idle() const { return session_.Idle(); }
    bool DialogOpen() const { return session_.DialogOpen(); }

    // --- options and fault switches ---
    HostSwitches& Switches() { return session_.switches(); }
    void SetWorkingFolder(std::string folder) { session_.workingFolder = std::move(folder); }

private:
    Session session_;
    std::vector<std::string> sent_;
};

}  // namespace kv::sim
