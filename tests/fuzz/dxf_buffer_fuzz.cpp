// The palette's DXF path on any text: the buffer, every reader, the edits of the wire and
// stretch tools, and the edited export saved and loaded back line for line.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "base/encoding.h"
#include "base/number_text.h"
#include "base/strings.h"
#include "dxf/dxf_writer.h"
#include "dxf/handle_edits.h"
#include "dxf/line_edits.h"
#include "dxf/read_blocks.h"
#include "dxf/read_entities.h"
#include "dxf/read_tables.h"
#include "dxf/round_trip.h"
#include "support/fake_ports.h"

namespace kv {
namespace {

// A value that should be a number and is not: the readers' one way to refuse a file, and
// the message names the line.
template <typename Read>
void Refusable(Read read) {
    try {
        read();
    } catch (const ConversionError& e) {
        if (!StartsWith(e.what(), "line ")) std::abort();
    }
}

void ReadAll(DxfBuffer& buffer, std::vector<TLineEnt>& lines, std::vector<TArcEnt>& arcs) {
    HeaderVars vars;
    LayerList names, details;
    BlockGeometry blocks;
    std::vector<TInsertEnt> inserts;
    std::vector<TLwpBlk> polylines;
    std::vector<TLwpEle> vertices;
    std::vector<TLineEnt> attributes;
    Refusable([&] { ReadHeaderVars(buffer, vars); });
    Refusable([&] { ReadLayerTable(buffer, names, false); });
    Refusable([&] { ReadLayerTable(buffer, details, true); });
    Refusable([&] { ReadBlocks(buffer, blocks); });
    Refusable([&] { ReadInserts(buffer, inserts); });
    Refusable([&] { ReadPolylines(buffer, polylines, vertices, attributes); });
    Refusable([&] { ReadArcs(buffer, arcs); });
    Refusable([&] { ReadLines(buffer, lines); });
}

// Every line turned round or removed, every arc patched, then one of each deleted by handle.
void EditAll(DxfBuffer& buffer, std::vector<TLineEnt> lines, const std::vector<TArcEnt>& arcs) {
    const std::string firstLine = lines.empty() ? std::string() : lines.front().Handle;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::swap(lines[i].P1, lines[i].P2);
        EditMark(lines[i], i % 3 == 2 ? LineEdit::kRemoved : LineEdit::kMoved);
    }
    ApplyLineEdits(lines, buffer);
    for (const TArcEnt& arc : arcs) PatchArcByHandle(buffer, arc.Handle, arc.Center, arc.EndAngle, arc.StartAngle);
    if (!lines.empty()) PatchLineByHandle(buffer, firstLine, lines.front().P1, lines.front().P2);
    if (!arcs.empty()) DeleteEntityByHandle(buffer, "ARC", arcs.front().Handle);
    DeleteEntityByHandle(buffer, "LINE", firstLine);
}

// Unchanged but for what the code page cannot hold, which the file carries as the code page does.
void SavedAndLoadedBackUnchanged(DxfBuffer& buffer) {
    MemoryFiles files;
    DxfBuffer loaded;
    if (!SaveDxfBuffer(files, "edited.dxf", buffer) || !LoadExport(files, "edited.dxf", loaded)) std::abort();
    if (loaded.LineCount() != buffer.LineCount()) std::abort();
    for (size_t i = 0; i < buffer.LineCount(); ++i) {
        const std::string_view line = buffer.Line(i);
        if (loaded.Line(i) != line && loaded.Line(i) != AnsiToUtf8(Utf8ToAnsi(line))) std::abort();
    }
}

}  // namespace
}  // namespace kv

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kv::DxfBuffer buffer;
    buffer.Load(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<kv::TLineEnt> lines;
    std::vector<kv::TArcEnt> arcs;
    kv::ReadAll(buffer, lines, arcs);
    kv::EditAll(buffer, lines, arcs);
    kv::ReadAll(buffer, lines, arcs);
    kv::SavedAndLoadedBackUnchanged(buffer);
    return 0;
}
