#pragma once

namespace kv {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(int milliseconds) = 0;
};

}  // namespace kv
