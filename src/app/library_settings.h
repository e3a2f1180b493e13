// The block tab's options as each library keeps them in its own settings file.
#pragma once

#include "app/block_page.h"
#include "base/ini_file.h"

namespace kv {

// A missing file or key gives the tab's default.
void ReadLibrarySettings(const IniFile& ini, BlockPage& page);
// False when the file could not be written.
bool WriteLibrarySettings(IniFile& ini, const BlockPage& page);

}  // namespace kv
