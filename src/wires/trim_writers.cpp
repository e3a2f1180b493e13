#include "wires/trim_writers.h"

#include "base/number_text.h"
#include "dxf/dxf_frame.h"
#include "dxf/dxf_line_entity.h"
#include "dxf/dxf_writer.h"
#include "dxf/line_edits.h"
#include "dxf/linetype_names.h"
#include "operation/step_round_trip.h"
#include "geometry/geometry.h"
#include "wires/wire_pieces.h"

namespace kv {

namespace {

TLineEnt PieceOf(const TLineEnt& line, const WirePiece& piece) {
    TLineEnt out = line;
    out.P1 = piece.from;
    out.P2 = piece.to;
    return out;
}

bool InsertAndConfirm(RoundTripPorts& ports, InsertForm form = InsertForm::kCancelFirst) {
    if (!InsertDxf(ports.host, ports.files, ports.scratchPath, form)) return false;
    return !ports.insertArrived || ports.insertArrived(ports.scratchPath);
}

bool WriteAndInsert(const std::vector<std::string>& entityItems, DxfBuffer& ltypeSource, RoundTripPorts& ports) {
    if (!WriteDxfFile(ports.files, ports.scratchPath, DxfFrame(ltypeSource, entityItems))) return false;
    return InsertAndConfirm(ports);
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

bool WriteSingleLine(const TLineEnt& currentLine, DxfBuffer& ltypeSource, RoundTripPorts& ports) {
    std::vector<std::string> items;
    AppendLineEntity(currentLine, LineForm::k2D, items);
    return WriteAndInsert(items, ltypeSource, ports);
}

bool WriteSplitLine(const TLineEnt& currentLine, const GapList& gaps, const PieceMinimum& rule,
                    DxfBuffer& ltypeSource, RoundTripPorts& ports) {
    std::vector<std::string> items;
    for (const WirePiece& piece : WirePieces(currentLine, gaps)) {
        if (KeepsPiece(rule, Distance2D(piece.from, piece.to)))
            AppendLineEntity(PieceOf(currentLine, piece), LineForm::k2D, items);
    }
    return WriteAndInsert(items, ltypeSource, ports);
}

bool ComputeCutsAndWrite(const TLineEnt& currentLine, const std::vector<TInsertEnt>& inserts,
                         const SymbolShapes& shapes, const CutOptions& options, const PieceMinimum& rule,
                         DxfBuffer& ltypeSource, RoundTripPorts& ports) {
    const GapList gaps = ComputeCuts(currentLine, inserts, shapes, options);
    if (gaps.empty()) return WriteSingleLine(currentLine, ltypeSource, ports);
    return WriteSplitLine(currentLine, gaps, rule, ltypeSource, ports);
}

TrimWriteResult WriteTrimmedLines(std::vector<TLineEnt>& lines, const std::vector<TInsertEnt>& inserts,
                                  const SymbolShapes& shapes, const CutOptions& options, DxfBuffer& exported,
                                  RoundTripPorts& ports) {
    std::vector<std::string> items;
    for (TLineEnt& record : lines) {
        const TLineEnt currentLine = record;
        const GapList gaps = ComputeCuts(currentLine, inserts, shapes, options);
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

    if (!WriteDxfFile(ports.files, ports.scratchPath, DxfFrame(exported, items)))
        return TrimWriteResult::kNothingInserted;
    ports.clock.Sleep(kTrimFileWaitMs);
    if (!InsertAndConfirm(ports)) return TrimWriteResult::kNothingInserted;
    ports.files.Delete(ports.scratchPath);
    ports.clock.Sleep(kTrimFileWaitMs);

    ApplyLineEdits(lines, exported);
    if (!SaveDxfBuffer(ports.files, ports.scratchPath, exported)) return TrimWriteResult::kPiecesOnly;
    if (!InsertAndConfirm(ports, InsertForm::kNoCancel)) return TrimWriteResult::kPiecesOnly;
    return TrimWriteResult::kDone;
}

}  // namespace kv
