#pragma once
// The delay item "{DELAY" number "}" of key and mouse macros, and the wait
// that keeps the program's windows working while it lasts.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/MessageLoopApi.h"

namespace kv {

extern const char* const DelayPrefix;  // "{DELAY"

// Milliseconds of a delay item; 0 when the item is not a delay: the prefix is
// missing, or what remains after removing every prefix and every "}" is not a
// number in the standard integer syntax.
std::int32_t parseDelay(const std::string& item);

// Waits at least ms milliseconds by the tick counter (wrap-around included),
// dispatching every message meanwhile. The thread sleeps on its message queue
// between messages instead of polling. At least one pass of dispatch is made,
// also for zero or negative ms.
void Delay(MessageLoopApi& loop, std::int32_t ms);
// The same, calling afterDispatch after every pass of dispatch (it may throw
// to end the wait early).
void Delay(MessageLoopApi& loop, std::int32_t ms, const std::function<void()>& afterDispatch);

}  // namespace kv
