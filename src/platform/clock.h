#pragma once

namespace kv {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(int milliseconds) = 0;
    // A steady count of milliseconds from some fixed start, for measuring waits.
    virtual long long Milliseconds() = 0;
};

}  // namespace kv
