#include "sim_host.h"

#include "base/encoding.h"
#include "base/strings.h"
#include "sysvars.h"

namespace kv::sim {

SimHost::SimHost(HostFiles files) : session_(std::move(files)) {}

bool SimHost::SendCommand(std::string_view text) {
    if (gone_) return false;
    if (delayTicks_ > 0 || !delayed_.empty()) {
        delayed_.push_back(Delayed{std::string(text), delayTicks_});
        return true;
    }
    session_.Type(text);
    return true;
}

bool SimHost::SendAnsi(std::string_view bytes) {
    std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
    if (gone_) return false;
    sent_.push_back(AnsiToUtf8(bytes));
    return SendCommand(sent_.back());
}

void SimHost::Tick() {
    if (gone_) return;
    for (Delayed& d : delayed_) --d.ticksLeft;
    while (!delayed_.empty() && delayed_.front().ticksLeft <= 0) {
        std::string text = std::move(delayed_.front().text);
        delayed_.pop_front();
        session_.Type(text);
    }
}

void SimHost::Type(std::string_view text) {
    if (!gone_) session_.Type(text);
}

void SimHost::Pick(Point3 p) {
    if (!gone_) session_.Pick(p);
}

void SimHost::PickWindow(Point3 first, Point3 second) {
    if (!gone_) session_.GiveWindow(first, second);
}

void SimHost::PressEnter() { Type("\r"); }

void SimHost::PressEscape() {
    if (!gone_) session_.PressEscape();
}

std::string SimHost::PromptLine() const { return gone_ ? std::string() : session_.PromptLine(); }

std::vector<std::string> SimHost::HistoryLines() const {
    return gone_ ? std::vector<std::string>{} : session_.History();
}

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
