// The palette's main form against the scripted host, with helpers to tick it and
// to look at what it typed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "platform/native_files.h"
#include "support/scripted_host.h"
#include "support/scripted_ui.h"

namespace kv::test {

class EngineTest : public ::testing::Test {
protected:
    EngineTest() { host.Start(); }

    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) form.Timer1Timer();
    }

    // Texts typed since the last call.
    std::vector<std::string> Typed() {
        const std::vector<std::string> all = ws.TypedTexts();
        std::vector<std::string> fresh(all.begin() + static_cast<long>(seen_), all.end());
        seen_ = all.size();
        return fresh;
    }

    // The operation at a glance: "state/queued button timer caption", the bare title as "-".
    std::string Op() const {
        return std::to_string(Number(form.op.OpState)) + "/" + std::to_string(Number(form.op.LastOp)) +
               (form.Timer1.enabled ? " on " : " off ") + (form.Caption == kAppTitle ? "-" : form.Caption);
    }

    // Draws one segment in the host and lets the palette see it.
    void DrawSegment(double x1, double y1, double x2, double y2) {
        host.Pick(x1, y1);
        Tick();
        host.Pick(x2, y2);
        Tick();
    }

    FakeWindowSystem ws;
    ScriptedHost host{ws};
    ScriptedUi ui;
    CountingClock clock;
    NativeFiles files;
    TFormKvaneMain form{ws, ui, clock, files, "/opt/kv/kvane2k.exe"};

private:
    size_t seen_ = 0;
};

using Texts = std::vector<std::string>;

}  // namespace kv::test
