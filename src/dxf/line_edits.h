// Edits of an exported file by LINE handle: the wire tools mark the records they changed or
// merged away, and the export is then rewritten in place and inserted again.
#pragma once

#include <string_view>
#include <vector>

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"

namespace kv {

enum class LineEdit : char {
    kMoved = '+',    // the record's end points replace those of its LINE
    kRemoved = '-',  // its LINE is deleted
};

// Prefixes the record's handle with the mark: "+" only when it does not already begin with
// "+", "-" every time.
void EditMark(TLineEnt& line, LineEdit edit);

// Applies every mark of lines to the LINE entities of the buffer's ENTITIES section, in array
// order: "+" sets 10, 20, 11 and 21 from P1 and P2 (z stays), "-" deletes the entity. The first
// character of a handle decides; all leading marks are stripped before matching. A handle that
// matches nothing changes nothing. Linetype names stay as they are: SaveDxfBuffer gives them
// their "_" form.
void ApplyLineEdits(const std::vector<TLineEnt>& lines, DxfBuffer& buffer);

// Deletes the LINE entities of the ENTITIES section whose handles are listed (exact text).
void RemoveLinesByHandle(const std::vector<std::string_view>& handles, DxfBuffer& buffer);

}  // namespace kv
