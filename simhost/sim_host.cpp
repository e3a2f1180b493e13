#include "sim_host.h"

#include "base/encoding.h"
#include "base/strings.h"
#include "sysvars.h"

namespace kv::sim {

SimHost::SimHost(HostFiles files) : session_(std::move(files)) {}

void SimHost::SendCommand(std::string_view text) { session_.Type(text); }

void SimHost::SendAnsi(std::string_view bytes) {
    std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
    sent_.push_back(AnsiToUtf8(bytes));
    SendCommand(sent_.back());
}

void SimHost::Type(std::string_view text) { session_.Type(text); }

void SimHost::Pick(Point3 p) { session_.Pick(p); }

void SimHost::PickWindow(Point3 first, Point3 second) { session_.GiveWindow(first, second); }

void SimHost::PressEnter() { Type("\r"); }

void SimHost::PressEscape() { session_.PressEscape(); }

std::string SimHost::PromptLine() const { return session_.PromptLine(); }

std::vector<std::string> SimHost::HistoryLines() const { return session_.History(); }

std::string SimHost::HistoryText() const {
    std::string text;
    for (const std::string& line : HistoryLines()) text += line + "\r\n";
    return text;
}

std::string SimHost::LastHistoryLine() const {
    std::vector<std::string> lines = HistoryLines();
    return lines.empty() ? std::string() : lines.back();
}

void SimHost::SetView(Point3 center, double height, double screenWidth, double screenHeight) {
    DrawingVars& vars = session_.drawing().vars;
    vars.viewCtr = center;
    vars.viewSize = height;
    vars.screenWidth = screenWidth;
    vars.screenHeight = screenHeight;
}

std::string SimHost::Variable(std::string_view name) const {
    const VariableInfo* info = FindVariable(UpperAscii(name));
    return info ? VariableText(session_.drawing(), *info) : std::string();
}

}  // namespace kv::sim
