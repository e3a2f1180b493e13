// A named list of checks run in order; each prints one line and counts toward the summary.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kv::e2e {

// What a check found wrong; an empty text means it passed.
using CheckResult = std::string;

struct Check {
    std::string name;
    std::function<CheckResult()> run;
};

struct CheckTally {
    int passed = 0;
    int failed = 0;
};

// Runs every check even after a failure (later ones report what they cannot do), printing
// "PASS name" or "FAIL name: why" per check.
CheckTally RunChecks(const std::vector<Check>& checks);

}  // namespace kv::e2e
