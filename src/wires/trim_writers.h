// The writers of the cut engine: a wire written back whole or in pieces (line trim, line
// drawing) and the block-trim result for every exported wire.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"
#include "dxf/round_trip.h"
#include "platform/clock.h"
#include "platform/command_channel.h"
#include "platform/files.h"
#include "wires/cut_engine.h"
#include "geometry/symbol_shapes.h"

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

// Both write a 2D LINE file (linetypes from ltypeSource) to the scratch path and insert it;
// false when the file could not be written or inserted.
bool WriteSingleLine(const TLineEnt& currentLine, DxfBuffer& ltypeSource, RoundTripPorts& ports);
bool WriteSplitLine(const TLineEnt& currentLine, const GapList& gaps, const PieceMinimum& rule,
                    DxfBuffer& ltypeSource, RoundTripPorts& ports);

// The cut engine's writing mode: the wire comes back in pieces, or whole when nothing cuts it.
bool ComputeCutsAndWrite(const TLineEnt& currentLine, const std::vector<TInsertEnt>& inserts,
                         const SymbolShapes& shapes, const CutOptions& options, const PieceMinimum& rule,
                         DxfBuffer& ltypeSource, RoundTripPorts& ports);

// Pieces at most this long are not written by the block trim.
constexpr double kTrimmedPieceMinimum = 0.001;
// The block trim waits this long after saving and after deleting the scratch file.
constexpr int kTrimFileWaitMs = 100;

enum class TrimWriteResult {
    kDone,             // the new pieces and the edited export are both in the drawing
    kNothingInserted,  // the pieces file could not be written or inserted; the drawing is unchanged
    kPiecesOnly,       // the pieces went in but the edited export did not: the original wires must
                       // stay (the pieces lie on them until undone)
};

// Cuts every wire of lines (the records of exported) at the symbols: the new pieces after the
// first gap go into one file of 3D LINEs, inserted first; each record is then shortened to
// its first gap ("+") or marked for removal ("-") when it begins inside a symbol, and the
// export, edited accordingly, is saved and inserted again. Only kDone allows erasing the
// original wires.
TrimWriteResult WriteTrimmedLines(std::vector<TLineEnt>& lines, const std::vector<TInsertEnt>& inserts,
                                  const SymbolShapes& shapes, const CutOptions& options, DxfBuffer& exported,
                                  RoundTripPorts& ports);

}  // namespace kv
