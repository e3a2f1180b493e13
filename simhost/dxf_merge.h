// Bringing a file read by ReadDxfFile into a drawing, as -INSERT does: exploded at a
// point, or as a block definition named after the file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "drawing.h"
#include "dxf_in.h"

namespace kv::sim {

// The block name a file inserts as: its base name without folder and extension.
std::string BlockNameFromPath(std::string_view path);

// The error text -INSERT gives when the file's block definitions, once merged, would
// insert themselves through the drawing's; empty when they would not.
std::string BlockCycleError(const Drawing& drawing, const DxfImportResult& import);

// "*" insert: adds the layers, linetypes, text styles and block definitions the drawing
// lacks (also names that entities use without a table record; records the drawing has stay
// as they are), then places the file's entities (base point $INSBASE at `point`, uniform
// `scale`, `rotation` in degrees) as new entities with fresh handles. Returns their handles
// in file order; a file with a BlockCycleError changes nothing.
std::vector<Handle> InsertImportExploded(Drawing& drawing, const DxfImportResult& import, Point3 point, double scale,
                                         double rotation);

// Merges the tables and makes the file's entities block definition `name` with base
// point $INSBASE, silently replacing a definition of that name. A file that refers
// to `name` itself, or whose blocks would otherwise insert themselves, gives an error
// text and changes nothing.
std::string DefineBlockFromImport(Drawing& drawing, const DxfImportResult& import, const std::string& name);

}  // namespace kv::sim
