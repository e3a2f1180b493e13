// One block-trim pass against a host stand-in that answers the fence export with the wires of
// its drawing and applies the inserts and the erase to that drawing.
#include <gtest/gtest.h>

#include <functional>

#include "support/fake_ports.h"
#include "support/cut_fixtures.h"
#include "blocks/trim_around_insert.h"
#include "dxf/round_trip.h"
#include "platform/native_files.h"

namespace kv {
namespace {

constexpr const char* kScratch = "/palette/kvane2k.dxf";

// The wires of a drawing as the host holds them: the fence selects all of them, an export
// writes them, an insert adds the file's LINEs, "ERASE P" removes the selected ones.
class WireHost : public RecordingHost {
public:
    explicit WireHost(MemoryFiles& files) : files_(files) {
        onCommand = [this](const std::string& command) { Apply(command); };
    }

    std::vector<TLineEnt> drawing;
    int selected = 0;  // what the selection count reports after the fence
    bool exportWritesFile = true;

private:
    void Apply(const std::string& command) {
        if (command.rfind("SELECT F ", 0) == 0) {
            selection_ = drawing;
            selected = static_cast<int>(selection_.size());
        } else if (command.rfind("DXFOUT ", 0) == 0 && exportWritesFile) {
            ExportText text;
            text.Header("1").Tables({{"WIRE", 7}}).BeginEntities();
            for (const TLineEnt& wire : selection_) text.Wire(wire);
            files_.texts[kScratch] = text.EndSection().Finish();
        } else if (command.find("-INSERT *") != std::string::npos) {
            const std::vector<TLineEnt> lines = LinesOf(files_.texts[kScratch]);
            drawing.insert(drawing.end(), lines.begin(), lines.end());
        } else if (command ==
                   "\x03"
                   "ERASE P\r\r") {
            for (const TLineEnt& gone : selection_) {  // the first copy: the one selected
                auto at = std::find_if(drawing.begin(), drawing.end(), [&](const TLineEnt& w) {
                    return w.Handle == gone.Handle && w.P1 == gone.P1 && w.P2 == gone.P2;
                });
                if (at != drawing.end()) drawing.erase(at);
            }
        }
    }

    MemoryFiles& files_;
    std::vector<TLineEnt> selection_;
};

class TrimPass : public testing::Test {
protected:
    MemoryFiles files;
    WireHost host{files};
    StillClock clock;
    RoundTripPorts ports{host, files, clock, kScratch};

    // The export of one picked reference of a block drawn by `body`.
    TrimPassResult Run(const TInsertEnt& symbol, const std::function<void(ExportText&)>& body) {
        ExportText text;
        text.Header("1").Tables({{"0", 7}, {"SYM", 7}}).BeginBlocks().Block(symbol.Name);
        body(text);
        DxfBuffer buffer = text.EndBlock().EndSection().BeginEntities().Insert(symbol).EndSection().Buffer();
        std::vector<TInsertEnt> inserts;
        ReadInserts(buffer, inserts);
        return TrimAroundInsert(buffer, inserts, {}, ports, [this] { return host.selected; });
    }

    static void Lamp(ExportText& text) { text.Circle({0, 0}, 5); }

    bool Erased() const {
        return std::find(host.sent.begin(), host.sent.end(),
                         "\x03"
                         "ERASE P\r\r") != host.sent.end();
    }
};

TEST_F(TrimPass, FencedWiresAreReplacedByTheirPiecesAndErasedLast) {
    host.drawing = {WireOf({0, 0}, {100, 0}, "A1"), WireOf({50, 3}, {100, 3}, "A2")};
    ASSERT_EQ(Run(InsertOf("LAMP", {50, 0}), Lamp), TrimPassResult::kTrimmed);
    EXPECT_EQ(host.sent.front(), "SELECT F 55.5,5.5\r44.5,5.5\r44.5,-5.5\r55.5,-5.5\r55.5,5.5\r\r\r");
    EXPECT_EQ(host.sent.back(),
              "\x03"
              "ERASE P\r\r");
    EXPECT_EQ(Rounded(host.drawing), (Segments{{0, 0, 45, 0}, {54, 3, 100, 3}, {55, 0, 100, 0}}));
}

TEST_F(TrimPass, NothingToTrimChangesNothing) {
    host.drawing = {WireOf({0, 0}, {100, 0}, "A1")};
    EXPECT_EQ(Run(InsertOf("LAMP", {50, 0}), [](ExportText&) {}), TrimPassResult::kNoFence);
    EXPECT_TRUE(host.sent.empty());

    host.drawing.clear();
    EXPECT_EQ(Run(InsertOf("LAMP", {50, 0}), Lamp), TrimPassResult::kNothingCrossed);
    EXPECT_EQ(host.sent.size(), 1u);

    host.drawing = {WireOf({0, 0}, {100, 0}, "A1")};
    host.exportWritesFile = false;
    EXPECT_EQ(Run(InsertOf("LAMP", {50, 0}), Lamp), TrimPassResult::kNoWires);
    EXPECT_FALSE(Erased());
}

TEST_F(TrimPass, AFailedWriteLeavesTheOriginalWiresInPlace) {
    host.drawing = {WireOf({0, 0}, {100, 0}, "A1")};
    files.failWrites = true;
    EXPECT_EQ(Run(InsertOf("LAMP", {50, 0}), Lamp), TrimPassResult::kNothingInserted);
    EXPECT_FALSE(Erased());
    EXPECT_EQ(host.sent.back(), "'FILEDIA 1 ");  // the export was the last thing typed
    EXPECT_EQ(Rounded(host.drawing), (Segments{{0, 0, 100, 0}}));

    // The pieces file goes in; the edited export after it is refused: originals beside the pieces,
    // until the drawing goes back to the mark.
    files.failWrites = false;
    host.onCommand = [this, inner = host.onCommand](const std::string& command) {
        inner(command);
        if (command.find("-INSERT *") != std::string::npos) files.failWrites = true;
    };
    EXPECT_EQ(Run(InsertOf("LAMP", {50, 0}), Lamp), TrimPassResult::kPiecesOnly);
    EXPECT_FALSE(Erased());
    EXPECT_EQ(host.sent.back(), "\x03UNDO B ");
    EXPECT_FALSE(files.Exists(kScratch));  // no scratch file left behind
    EXPECT_EQ(Rounded(host.drawing), (Segments{{0, 0, 100, 0}, {55, 0, 100, 0}}));
}

TEST_F(TrimPass, LibraryResistorTurnedUpright) {
    if (!LibraryInstalled()) GTEST_SKIP() << "symbol library not installed";
    NativeFiles files;
    DxfBuffer symbol;
    ASSERT_TRUE(LoadExport(files, LibrarySymbolPath("resistor/r1.dxf"), symbol));
    host.drawing = {WireOf({200, 50}, {200, 200}, "B1"), WireOf({150, 110}, {250, 110}, "B2"),
                    WireOf({150, 130}, {250, 130}, "B3")};
    const TrimPassResult result =
        Run(InsertOf("R1", {200, 100}, 90), [&](ExportText& text) { text.EntitiesOf(symbol); });
    ASSERT_EQ(result, TrimPassResult::kTrimmed);
    EXPECT_EQ(Rounded(host.drawing), (Segments{{150, 110, 198, 110},
                                               {150, 130, 250, 130},
                                               {200, 50, 200, 100},
                                               {200, 120, 200, 200},
                                               {202, 110, 250, 110}}));
}

}  // namespace
}  // namespace kv
