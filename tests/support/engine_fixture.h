// The palette's main form on the stand-in host in process, built as the story runner
// builds them, with helpers to tick it by hand and to look at what it typed.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "in_process_run.h"

namespace kv::test {

using Texts = std::vector<std::string>;

class EngineTest : public ::testing::Test {
protected:
    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) form.Timer1Timer();
    }

    // Texts typed since the last call.
    Texts Typed() {
        const Texts& all = run.desktop.TypedTexts();
        Texts fresh(all.begin() + static_cast<long>(seen_), all.end());
        seen_ = all.size();
        return fresh;
    }

    // The operation at a glance: "state/queued button timer caption", the bare title as "-".
    std::string Op() const {
        return std::to_string(Number(form.op.OpState)) + "/" + std::to_string(Number(form.op.LastOp)) +
               (form.Timer1.enabled ? " on " : " off ") + (form.Caption == kAppTitle ? "-" : form.Caption);
    }

    void QuitHost() { run.desktop.CloseHost(run.hostInstance); }

    scenario::InProcessRun run{"."};
    TFormKvaneMain& form = *run.palette;
    sim::Session& host = run.session;
    sim::DrawingVars& vars = host.drawing().vars;
    scenario::ScriptedUi& ui = run.ui;

private:
    size_t seen_ = 0;
};

}  // namespace kv::test
