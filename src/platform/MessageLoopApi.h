#pragma once
// The tick counter and the GUI thread's message queue, as the waits of the
// macro runner use them.
#include <cstdint>

namespace kv {

class MessageLoopApi {
public:
    virtual ~MessageLoopApi() = default;

    // GetTickCount: milliseconds since start, 32-bit, wrapping.
    virtual std::uint32_t TickCount() = 0;

    // Removes and dispatches every message waiting in the thread's queue.
    virtual void ProcessMessages() = 0;

    // Blocks until a message arrives or timeoutMs passes, without taking
    // the message off the queue (MsgWaitForMultipleObjectsEx).
    virtual void WaitForMessage(std::uint32_t timeoutMs) = 0;

    // True once the program has been told to end (WM_QUIT was met): a macro
    // that plays then ends at its next step.
    virtual bool Terminated() const = 0;
};

}  // namespace kv
