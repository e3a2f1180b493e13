// Checks on the palette's controls as the user meets them: the four tabs, the main tab's
// buttons with their captions and hints, captions that fit, nothing overlapping, the options
// kept below the client area, collapsing and expanding, and switching tabs. With a snapshot
// folder, each tab is photographed collapsed and expanded.
#pragma once

#include <string>
#include <vector>

#include "check_list.h"
#include "palette_checks.h"

namespace kv::e2e {

std::vector<Check> PaletteControlChecks(PaletteUnderTest& palette, const std::wstring& snapshotFolder);

}  // namespace kv::e2e
