// The one-TEXT file of a text placement, and a picked TEXT and its style read back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/point3.h"
#include "dxf/dxf_buffer.h"
#include "operation/op_context.h"
#include "text/text_button.h"

namespace kv {

// The justification index as DXF groups 72 and 73. The first two rows swap their 73 codes
// (1, then 0), and JustificationIndex undoes that, so an index survives a write and a read.
int JustificationGroup72(int index);
int JustificationGroup73(int index);
// 72 of 3 or more (aligned, middle, fit) reads as column 0; a 73 past 3 as the baseline row.
int JustificationIndex(int group72, int group73);

// One STYLE table holding one entry, as a TABLES section.
void AppendStyleTable(std::string_view name, bool vertical, std::string_view font1, std::string_view font2,
                      std::vector<std::string>& items);

// The whole file: the style's table when it is fixed and named, then the TEXT at `at` with its
// height times dimScale. A layer in double quotes, as the host gives CLAYER, loses them.
std::vector<std::string> TextDxfItems(const TTextBtn& text, const Point3& at, double dimScale);

// Writes `text` at op.PickedPoint, scaled by op.DimScaleText, into the scratch file and inserts it;
// false when no file could be written or the host did not insert it.
bool WriteTextDxf(OpContext& op, const TTextBtn& text);

// Fills text from the first TEXT of the ENTITIES section: layer, text, justification, height
// (as drawn), width factor, rotation, oblique, style. Rotation, width factor, style and
// justification start from 0, 1, "STANDARD" and 0; height and oblique keep their values when the
// entity has none. False when there is no TEXT.
bool ReadPickedText(const DxfBuffer& buffer, TTextBtn& text);

// Fills the fonts and the vertical flag from the entry `styleName` (exact case) of the STYLE
// table. The vertical flag is cleared first; false, fonts unchanged, when there is no entry.
bool ReadTextStyle(const DxfBuffer& buffer, std::string_view styleName, TTextBtn& text);

}  // namespace kv
