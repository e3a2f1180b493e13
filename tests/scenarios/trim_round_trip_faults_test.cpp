// Round trips of the trim tools that fail half-way, with the stand-in host's file access made
// to fail at a chosen call: nothing the user drew may be lost.
#include <gtest/gtest.h>

#include <string>

#include "blocks/block_states.h"
#include "in_process_run.h"
#include "wires/wire_states.h"

namespace kv::scenario {
namespace {

class TrimFaults : public testing::Test {
protected:
    TrimFaults() {
        sim::Drawing& drawing = run.session.drawing();
        sim::BlockDef circle{"CIRC", {}, {}};
        sim::Entity ring;
        ring.geom = sim::CircleGeom{{0, 0, 0}, 5};
        circle.entities.push_back(ring);
        drawing.blocks.push_back(circle);
        sim::Entity wire;
        wire.geom = sim::LineGeom{{0, 0, 0}, {100, 0, 0}};
        wireHandle = drawing.Add(wire);
        sim::Entity insert;
        insert.geom = sim::InsertGeom{"CIRC", {50, 0, 0}};
        drawing.Add(insert);
    }

    // The host's n-th file write (1 = the first) fails; every other one goes through.
    void FailWrite(int n) {
        auto write = run.session.files().write;
        run.session.files().write = [this, n, write](const std::string& path, const std::string& bytes) {
            return ++writes != n && write(path, bytes);
        };
    }
    // The host's n-th file read fails.
    void FailRead(int n) {
        auto read = run.session.files().read;
        run.session.files().read = [this, n, read](const std::string& path) -> std::optional<std::string> {
            if (++reads == n) return std::nullopt;
            return read(path);
        };
    }

    void Pick(void (TFormKvaneMain::*button)(), Point3 at) {
        (run.palette.get()->*button)();
        run.Settle();
        run.session.Pick(at);
        run.Settle();
    }

    std::vector<sim::Handle> Lines() {
        std::vector<sim::Handle> lines;
        for (const sim::Entity& e : run.session.drawing().Entities())
            if (std::holds_alternative<sim::LineGeom>(e.geom)) lines.push_back(e.handle);
        return lines;
    }

    InProcessRun run{"."};
    sim::Handle wireHandle = 0;
    int writes = 0;
    int reads = 0;
};

TEST_F(TrimFaults, LineTrimWhoseSymbolsCannotBeExportedBringsTheWireBack) {
    FailWrite(2);  // the export of what the fence along the erased wire found
    Pick(&TFormKvaneMain::ButtonSelectClick, {20, 0, 0});
    EXPECT_EQ(std::vector<sim::Handle>{wireHandle}, Lines());
    EXPECT_EQ(kLineTrimState, run.palette->op.OpState);
}

TEST_F(TrimFaults, BlockTrimWhoseEditedExportCannotBeInsertedIsUndone) {
    FailRead(2);  // the second insert: the export with the wire shortened
    Pick(&TFormKvaneMain::ButtonBCutClick, {50, 5, 0});
    EXPECT_EQ(std::vector<sim::Handle>{wireHandle}, Lines());
    EXPECT_EQ(kBlockTrimState, run.palette->op.OpState);
}

TEST_F(TrimFaults, BlockTrimUndoneAfterASuccessfulPassLeavesUndoNothingToTakeBack) {
    run.session.drawing().Add(sim::Entity{.geom = sim::InsertGeom{"CIRC", {80, 0, 0}}});
    FailRead(4);  // the second insert of the second pass
    Pick(&TFormKvaneMain::ButtonBCutClick, {50, 5, 0});
    ASSERT_EQ(2U, Lines().size());
    ASSERT_TRUE(run.palette->SpeedButtonUndo.enabled);

    run.session.Pick({80, 5, 0});
    run.Settle();
    EXPECT_EQ(2U, Lines().size());
    EXPECT_FALSE(run.palette->SpeedButtonUndo.enabled);
}

}  // namespace
}  // namespace kv::scenario
