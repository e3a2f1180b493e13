// A clock that never sleeps and counts the milliseconds it was asked to sleep.
#pragma once

#include "platform/clock.h"

namespace kv::test {

class CountingClock : public Clock {
public:
    int sleptMilliseconds = 0;
    void Sleep(int milliseconds) override { sleptMilliseconds += milliseconds; }
    long long Milliseconds() override { return sleptMilliseconds; }
};

}  // namespace kv::test
