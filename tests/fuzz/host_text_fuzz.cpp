// The host's prompt and history texts, as any host could print them, through every reading
// the palette makes of them: selection counts, markers, points and variable answers.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/point3.h"
#include "hostlink/host_link.h"
#include "hostlink/host_text.h"
#include "support/counting_clock.h"
#include "support/fake_window_system.h"

namespace kv {
namespace {

bool HasBlankEnds(std::string_view s) {
    return !s.empty() && (static_cast<unsigned char>(s.front()) <= ' ' || static_cast<unsigned char>(s.back()) <= ' ');
}

// A marked text is trimmed and part of the text it was read from.
void CheckMarked(std::string_view text, const std::string& marked) {
    if (HasBlankEnds(marked) || text.find(marked) == std::string_view::npos) std::abort();
}

void ReadDirectly(std::string_view text) {
    if (SelectionCountInHistory(text) < -1) std::abort();
    CheckMarked(text, TextBetween("<", ">", text));
    CheckMarked(text, TextBetween("X =", "Y =", text));
    CheckMarked(text, TextAfterLast("=", text));
    const std::string last = LastLine(text);
    if (last.find_first_of("\r\n") != std::string::npos || text.find(last) == std::string_view::npos) std::abort();
    Point3 point;
    ParsePoint(text, point);
    const std::string trimmed = TrimTrailingZeros(text);
    if (TrimTrailingZeros(trimmed) != trimmed || !text.starts_with(trimmed)) std::abort();
}

// The same text as the host's prompt line and its history, read through the host link.
void ReadThroughTheLink(const std::string& text) {
    test::FakeWindowSystem ws;
    const test::FakeHost host = test::AddFakeHost(ws, 1);
    ws.onCommand = [&](WindowHandle, std::uint32_t) { ws.clipboard = text; };
    ws.SetText(host.history, text);
    test::CountingClock clock;
    HostLink link(ws, clock);
    for (const char* prompt : {"コマンド: ", ""}) {
        ws.SetText(host.prompt, prompt);
        link.SelectionCount();
        Point3 point;
        ParsePoint(link.GetSysVar("VIEWCTR"), point);
    }
    ws.SetText(host.prompt, text);
    link.GetSysVar("SNAPMODE");
}

}  // namespace
}  // namespace kv

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    kv::ReadDirectly(text);
    kv::ReadThroughTheLink(text);
    return 0;
}
