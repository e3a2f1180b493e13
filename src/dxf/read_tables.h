// Readers of the HEADER and TABLES sections.
#pragma once

#include "dxf/dxf_buffer.h"
#include "dxf/records.h"

namespace kv {

// Stores the raw value text of $CLAYER, $CELTSCALE, $CELTYPE, $CECOLOR and $DIMSCALE; stops at the
// first ENDSEC. A $DIMSCALE that does not read as a number above 0 becomes "1.0".
void ReadHeaderVars(const DxfBuffer& buffer, HeaderVars& vars);

// Fills `layers` from the LAYER table: the trimmed names, or with `detailed` "name,flags,color"
// items (name untrimmed; a layer without group 62 gives no detailed item). Returns the count.
int ReadLayerTable(const DxfBuffer& buffer, LayerList& layers, bool detailed);

}  // namespace kv
