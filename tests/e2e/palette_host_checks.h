// The palette driving simhost.exe end to end: its buttons pressed through their real
// controls, the keyword typed on the host's command line, and the user acting in the
// host through the automation channel; the drawing is checked in the host.
#pragma once

#include <vector>

#include "check_list.h"
#include "host_checks.h"
#include "palette_checks.h"

namespace kv::e2e {

std::vector<Check> PaletteHostChecks(PaletteUnderTest& palette, HostUnderTest& host);

}  // namespace kv::e2e
