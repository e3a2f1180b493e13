// Writes sample files for the independent check in ezdxf_writers.py, which runs this test with
// KV_WRITER_SAMPLES pointing at a folder holding the export.dxf it made and KV_SAMPLE_CIRCLE naming
// the handle of a circle in it. Skipped otherwise.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "dxf/dxf_frame.h"
#include "dxf/dxf_line_entity.h"
#include "dxf/dxf_writer.h"
#include "dxf/handle_edits.h"
#include "dxf/line_edits.h"
#include "dxf/read_entities.h"
#include "platform/native_files.h"
#include "dxf/round_trip.h"

namespace kv {
namespace {

TEST(WriterSamples, WritesFramesAndEditedExportsForTheIndependentCheck) {
    const char* folder = std::getenv("KV_WRITER_SAMPLES");
    if (!folder) GTEST_SKIP() << "KV_WRITER_SAMPLES not set";
    const std::string dir = std::string(folder) + "/";
    NativeFiles files;
    DxfBuffer source;
    ASSERT_TRUE(LoadExport(files, dir + "export.dxf", source));
    std::vector<TLineEnt> lines;
    ASSERT_GE(ReadLines(source, lines), 3);

    // A frame with the export's linetypes and one line of each form.
    TLineEnt flat;
    flat.Layer = "配線";
    flat.Color = 1;
    flat.Linetype = "DOT_2";
    flat.LtScale = 2.5;
    flat.P1 = {1.25, -2, 7};
    flat.P2 = {1e-7, 1234567.125, 7};
    TLineEnt raised = flat;
    raised.Layer = "WIRE";
    raised.Color = kColorByLayer;
    raised.Linetype = "BYLAYER";
    raised.P1.z = 3;
    raised.P2.z = -4.5;
    std::vector<std::string> entities;
    AppendLineEntity(flat, LineForm::k2D, entities);
    AppendLineEntity(raised, LineForm::k3D, entities);
    ASSERT_TRUE(WriteDxfFile(files, dir + "frame_lines.dxf", DxfFrame(source, entities)));

    DxfBuffer noTables;
    ASSERT_TRUE(WriteDxfFile(files, dir + "frame_without_ltype.dxf", DxfFrame(noTables, entities)));

    // The export with its first line moved and its second removed.
    DxfBuffer edited;
    ASSERT_TRUE(LoadExport(files, dir + "export.dxf", edited));
    lines[0].P1 = {100, 200, 0};
    lines[0].P2 = {300, 400, 0};
    EditMark(lines[0], LineEdit::kMoved);
    EditMark(lines[1], LineEdit::kRemoved);
    ApplyLineEdits(lines, edited);
    ASSERT_TRUE(SaveDxfBuffer(files, dir + "applied.dxf", edited));

    // The export with its third line and first arc patched and its first circle deleted.
    DxfBuffer patched;
    ASSERT_TRUE(LoadExport(files, dir + "export.dxf", patched));
    std::vector<TArcEnt> arcs;
    ASSERT_GE(ReadArcs(patched, arcs), 1);
    ASSERT_TRUE(PatchLineByHandle(patched, lines[2].Handle, {-1, -2, -3}, {4, 5, 6}));
    ASSERT_TRUE(PatchArcByHandle(patched, arcs[0].Handle, {50, 60, 0}, 30, 120));
    const char* circle = std::getenv("KV_SAMPLE_CIRCLE");
    ASSERT_TRUE(circle);
    ASSERT_TRUE(DeleteEntityByHandle(patched, "CIRCLE", circle));
    ASSERT_TRUE(SaveDxfBuffer(files, dir + "patched.dxf", patched));
}

}  // namespace
}  // namespace kv
