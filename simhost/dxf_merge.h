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

// Adds the layers, linetypes and text styles the drawing lacks, also those that
// entities name without a table record, and the block definitions the drawing lacks.
// Records the drawing already has stay as they are.
void MergeImportTables(Drawing& drawing, const DxfImportResult& import);

// "*" insert: merges the tables, then places the file's entities (base point
// $INSBASE at `point`, uniform `scale`, `rotation` in degrees) as new entities with
// fresh handles. Returns their handles in file order.
std::vector<Handle> InsertImportExploded(Drawing& drawing, const DxfImportResult& import, Point3 point,
                                         double scale, double rotation);

// Merges the tables and makes the file's entities block definition `name` with base
// point $INSBASE, silently replacing a definition of that name. A file that refers
// to `name` itself gives an error text and changes nothing.
std::string DefineBlockFromImport(Drawing& drawing, const DxfImportResult& import, const std::string& name);

}  // namespace kv::sim
