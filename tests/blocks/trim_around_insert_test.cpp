// What the block trim stories cannot reach: a fence that crosses no wire ends the pass before
// any export, and an export that brings no wires erases nothing.
#include "blocks/trim_around_insert.h"

#include <gtest/gtest.h>

#include "dxf/read_entities.h"
#include "support/counting_clock.h"
#include "support/dxf_text.h"
#include "support/fake_ports.h"

namespace kv {
namespace {

TEST(TrimAroundInsert, NothingCrossedOrNoWiresExportedLeavesTheDrawingAlone) {
    DxfBuffer picked =
        DxfOf({"  0", "SECTION", "  2", "BLOCKS", "  0", "BLOCK",   "  8", "0",        "  2", "LAMP",   " 10", "0",
               " 20", "0",       "  0", "CIRCLE", "  8", "0",       " 10", "0",        " 20", "0",      " 40", "5",
               "  0", "ENDBLK",  "  0", "ENDSEC", "  0", "SECTION", "  2", "ENTITIES", "  0", "INSERT", "  8", "SYM",
               "  2", "LAMP",    " 10", "50",     " 20", "0",       "  0", "ENDSEC",   "  0", "EOF"});
    std::vector<TInsertEnt> inserts;
    ASSERT_EQ(ReadInserts(picked, inserts), 1);
    // The host writes no export: with nothing selected none is asked for.
    for (const auto& [selected, result] :
         {std::pair{0, TrimPassResult::kNothingCrossed}, std::pair{1, TrimPassResult::kNoWires}}) {
        MemoryFiles files;
        RecordingHost host;
        test::CountingClock clock;
        RoundTripPorts ports{host, files, clock, "/palette/kvane2k.dxf"};
        EXPECT_EQ(TrimAroundInsert(picked, inserts, {}, ports, [count = selected] { return count; }), result);
        EXPECT_EQ(host.sent.size(), selected == 0 ? 1u : 4u) << "the fence, then the export only";
    }
}

}  // namespace
}  // namespace kv
