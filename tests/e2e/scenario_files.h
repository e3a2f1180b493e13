// Story files run end to end: each against simhost.exe (running already) and a palette
// started for it, one "PASS"/"FAIL" line per story.
#pragma once

#include <string>
#include <vector>

#include "check_list.h"

namespace kv::e2e {

// With a snapshot folder, a screenshot "scenario-<story>" is taken at the end of each story.
CheckTally RunScenarioFiles(const std::vector<std::wstring>& files, const std::wstring& paletteExe,
                            const std::wstring& snapshotFolder);

}  // namespace kv::e2e
