// Waiting for something another process does: poll, never sleep a fixed time and hope.
#pragma once

#include <functional>

namespace kv::e2e {

inline constexpr unsigned kPollIntervalMs = 50;

// True as soon as `condition` holds; false when it still does not after `timeoutMs`.
bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs);

}  // namespace kv::e2e
