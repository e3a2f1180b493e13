// Types whole command lines into the host. The host link implements it; DXF round
// trips and every tool talk to this seam, tests record what was typed.
#pragma once

#include <string_view>

namespace kv {

class CommandChannel {
public:
    virtual ~CommandChannel() = default;
    // UTF-8 text; "\x03" cancels, a blank or "\r" acts as Enter. Does nothing when
    // the host is not there.
    virtual void SendCommand(std::string_view text) = 0;
};

}  // namespace kv
