// The fourteen text presets in the settings file: section "TxtBtn" + the zero-based index.
#pragma once

#include "base/ini_file.h"
#include "text/text_button.h"

namespace kv {

inline constexpr int kTextButtonCount = 14;

// Preset `button` (1..14); missing keys give the defaults of TTextBtn. A justification outside
// the list reads as its first entry.
TTextBtn ReadTextPreset(const IniFile& ini, int button);
// False when the file could not be written.
bool WriteTextPreset(IniFile& ini, int button, const TTextBtn& preset);

}  // namespace kv
