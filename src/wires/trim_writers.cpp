#include "wires/trim_writers.h"

#include "base/number_text.h"
#include "dxf/dxf_frame.h"
#include "dxf/dxf_line_entity.h"
#include "dxf/dxf_writer.h"
#include "dxf/line_edits.h"
#include "dxf/linetype_names.h"
#include "operation/step_round_trip.h"
#include "geometry/geometry.h"
#include "wires/symbol_index.h"
#include "wires/wire_pieces.h"

namespace kv {

namespace {

TLineEnt PieceOf(const TLineEnt& line, const WirePiece& piece) {
    TLineEnt out = line;
    out.P1 = piece.from;
    out.P2 = piece.to;
    return out;
}

RoundTripFile FileOf(std::vector<std::string> items) {
    return {
        [items = std::move(items)](Files& files, std::string_view path) { return WriteDxfFile(files, path, items); }};
}

}  // namespace

PieceMinimum PieceMinimumOf(bool checkMin, std::string_view editMin, const HeaderVars& header) {
    if (!checkMin) return {};
    double dimScale = 1.0;
    if (!header.DimScale.empty() && !TryParseReal(header.DimScale, dimScale)) dimScale = 1.0;
    return {true, ParseReal(editMin) * dimScale};
}

bool KeepsPiece(const PieceMinimum& rule, double length) {
    return rule.checkMin ? rule.minimum <= length : length > kShortestSplitPiece;
}

std::vector<std::string> CutWireItems(const TLineEnt& currentLine, const GapList& gaps, const PieceMinimum& rule) {
    std::vector<std::string> items;
    if (gaps.empty()) {
        AppendLineEntity(currentLine, LineForm::k2D, items);
        return items;
    }
    for (const WirePiece& piece : WirePieces(currentLine, gaps)) {
        if (KeepsPiece(rule, Distance2D(piece.from, piece.to)))
            AppendLineEntity(PieceOf(currentLine, piece), LineForm::k2D, items);
    }
    return items;
}

RoundTripFile CutWireFile(const TLineEnt& currentLine, const std::vector<TInsertEnt>& inserts,
                          const SymbolShapes& shapes, const CutOptions& options, const PieceMinimum& rule,
                          DxfBuffer& ltypeSource) {
    const GapList gaps = ComputeCuts(currentLine, inserts, shapes, options);
    return FileOf(DxfFrame(ltypeSource, CutWireItems(currentLine, gaps, rule)));
}

std::vector<RoundTripFile> TrimmedLineFiles(std::vector<TLineEnt>& lines, const std::vector<TInsertEnt>& inserts,
                                            const SymbolShapes& shapes, const CutOptions& options, DxfBuffer& exported,
                                            Clock& clock) {
    std::vector<std::string> items;
    const SymbolIndex symbols(inserts, shapes);
    for (TLineEnt& record : lines) {
        const TLineEnt currentLine = record;
        const GapList gaps = ComputeCuts(currentLine, symbols.Near(currentLine), shapes, options);
        if (gaps.empty()) continue;
        std::vector<WirePiece> pieces = WirePieces(currentLine, gaps);
        const bool keepsStart = !pieces.empty() && pieces.front().from == currentLine.P1 &&
                                Distance2D(pieces.front().from, pieces.front().to) > kTrimmedPieceMinimum;
        if (keepsStart) {
            record.P2 = pieces.front().to;
            EditMark(record, LineEdit::kMoved);
            pieces.erase(pieces.begin());
        } else {
            EditMark(record, LineEdit::kRemoved);
        }
        TLineEnt attributes = currentLine;
        attributes.Linetype = LinetypeWithoutDots(currentLine.Linetype);
        for (const WirePiece& piece : pieces) {
            if (Distance2D(piece.from, piece.to) > kTrimmedPieceMinimum)
                AppendLineEntity(PieceOf(attributes, piece), LineForm::k3D, items);
        }
    }

    RoundTripFile pieces{[frame = DxfFrame(exported, items), &clock](Files& files, std::string_view path) {
        if (!WriteDxfFile(files, path, frame)) return false;
        clock.Sleep(kTrimFileWaitMs);
        return true;
    }};
    // Edited only once the pieces are in, so that the export stays as read until then.
    RoundTripFile edited{[&lines, &exported, &clock](Files& files, std::string_view path) {
                             files.Delete(path);
                             clock.Sleep(kTrimFileWaitMs);
                             ApplyLineEdits(lines, exported);
                             return SaveDxfBuffer(files, path, exported);
                         },
                         InsertForm::kNoCancel};
    return {std::move(pieces), std::move(edited)};
}

}  // namespace kv
