// The frame of every DXF file the palette writes: an R12 header, a TABLES section holding only
// the linetype table of the current export, and an ENTITIES section. Entities refer to layers
// and linetypes by name, so nothing else is needed. Items are list entries; several hold CR LF
// pairs and become several file lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf_buffer.h"

namespace kv {

inline constexpr std::string_view kFrameHeader =
    "  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n  0\r\nENDSEC";
inline constexpr std::string_view kFrameTablesStart = "  0\r\nSECTION\r\n  2\r\nTABLES\r\n  0\r\nTABLE";
inline constexpr std::string_view kFrameTablesEnd = "  0\r\nENDSEC";
inline constexpr std::string_view kFrameEntitiesStart = "  0\r\nSECTION\r\n  2\r\nENTITIES";
inline constexpr std::string_view kFrameEnd = "  0\r\nENDSEC\r\n  0\r\nEOF";

// Appends the LTYPE table of source, from its "2"/"LTYPE" pair to its "0"/"ENDTAB" pair, keeping
// only the groups an R12 table holds (0, 2, 70, 3, 72, 73, 40, 49), code and value lines as they
// stand. A name holding "." is copied with "_" and changed so in source too. A table that is
// missing (or never ends) gives an empty table, so the written file stays well formed.
void CopyLtypeTable(DxfBuffer& source, std::vector<std::string>& target);

// The whole file: header, tables (linetypes from source), ENTITIES holding entityItems, end.
std::vector<std::string> DxfFrame(DxfBuffer& source, const std::vector<std::string>& entityItems);

}  // namespace kv
