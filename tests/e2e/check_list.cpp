#include "check_list.h"

#include <cstdio>
#include <exception>

namespace kv::e2e {

namespace {

CheckResult RunOne(const Check& check) {
    try {
        return check.run();
    } catch (const std::exception& e) {
        return std::string("exception: ") + e.what();
    }
}

}  // namespace

CheckTally RunChecks(const std::vector<Check>& checks) {
    CheckTally tally;
    for (const Check& check : checks) {
        CheckResult problem = RunOne(check);
        if (problem.empty()) {
            ++tally.passed;
            std::printf("PASS %s\n", check.name.c_str());
        } else {
            ++tally.failed;
            std::printf("FAIL %s: %s\n", check.name.c_str(), problem.c_str());
        }
        // The output is a pipe under Wine; flush so a hang still shows how far we got.
        std::fflush(stdout);
    }
    return tally;
}

}  // namespace kv::e2e
