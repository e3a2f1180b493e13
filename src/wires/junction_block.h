// The junction block: the built-in dot I_KOUTEN that the palette can define in the drawing,
// and the pick of a block reference whose block becomes the junction mark.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "operation/op_context.h"
#include "dxf/round_trip.h"

namespace kv {

inline constexpr std::string_view kBuiltInJunctionBlock = "I_KOUTEN";
// The detection range factor that fits it: its width 1.0 / 1.6.
inline constexpr std::string_view kBuiltInJunctionRange = "0.625";

// An R12 file holding only the definition of I_KOUTEN: five concentric circles of radius 0.1
// to 0.5 round its base point, which read as a filled dot one drawing unit wide.
std::vector<std::string> BuiltInJunctionBlockItems();

// Writes that file to the scratch path and inserts it exploded, which defines the block and
// adds no entity. False when the file could not be written or the host did not take it.
bool LoadBuiltInJunctionBlock(RoundTripPorts& ports);

// What a picked reference makes of the junction settings.
struct JunctionBlockChoice {
    std::string EditKpMark;   // its block name
    std::string EditKpLayer;  // its layer
    std::string EditKpRad;    // the block's width / 1.6; empty when the block has no extents
};

// The step of the junction block pick: at the command prompt, takes the picked reference. A pick of nothing
// (or a missing export) ends the operation; a pick of anything but a block reference shows a
// message and asks again. ConversionError when the export holds a garbled number.
std::optional<JunctionBlockChoice> JunctionBlockPickStep(OpContext& op);

}  // namespace kv
