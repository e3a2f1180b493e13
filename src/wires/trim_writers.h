// The files of the cut engine's round trips: a wire written back whole or in pieces (line trim,
// line drawing) and the block-trim result for every exported wire.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"
#include "geometry/symbol_shapes.h"
#include "operation/round_trip_pass.h"
#include "platform/clock.h"
#include "wires/cut_engine.h"

namespace kv {

// Which pieces of a split wire are written: with CheckMin those at least `minimum` long,
// otherwise those longer than kShortestSplitPiece.
struct PieceMinimum {
    bool checkMin = false;
    double minimum = 0;
};
constexpr double kShortestSplitPiece = 0.01;

// CheckMin and EditMin of the main tab: the minimum is EditMin x DIMSCALE (DIMSCALE 1 when the
// header has none). EditMin is read only when CheckMin is on; ConversionError when it is no number.
PieceMinimum PieceMinimumOf(bool checkMin, std::string_view editMin, const HeaderVars& header);
bool KeepsPiece(const PieceMinimum& rule, double length);

// The wire as 2D LINE items: whole when there are no gaps, else the pieces between them that
// the rule keeps.
std::vector<std::string> CutWireItems(const TLineEnt& currentLine, const GapList& gaps, const PieceMinimum& rule);

// The cut engine's writing mode: the file that brings the wire back in pieces at the symbols, or
// whole when nothing cuts it, with the linetypes of ltypeSource.
RoundTripFile CutWireFile(const TLineEnt& currentLine, const std::vector<TInsertEnt>& inserts,
                          const SymbolShapes& shapes, const CutOptions& options, const PieceMinimum& rule,
                          DxfBuffer& ltypeSource);

// Pieces at most this long are not written by the block trim.
constexpr double kTrimmedPieceMinimum = 0.001;
// The block trim waits this long after saving and after deleting the scratch file.
constexpr int kTrimFileWaitMs = 100;

// Cuts every wire of lines (the records of exported) at the symbols: the new pieces after the
// first gap go into the first file, of 3D LINEs; each record is shortened to its first gap ("+")
// or marked for removal ("-") when it begins inside a symbol, and the export, edited accordingly,
// is the second file. Only both in the drawing allow erasing the original wires.
std::vector<RoundTripFile> TrimmedLineFiles(std::vector<TLineEnt>& lines, const std::vector<TInsertEnt>& inserts,
                                            const SymbolShapes& shapes, const CutOptions& options, DxfBuffer& exported,
                                            Clock& clock);

}  // namespace kv
