#pragma once
// A simulated clock and message queue. Waiting advances the clock, so delays
// run instantly and deterministically in tests.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/MessageLoopApi.h"

namespace kv {

class FakeMessageLoop : public MessageLoopApi {
public:
    std::uint32_t TickCount() override { return tick; }
    void ProcessMessages() override;
    void WaitForMessage(std::uint32_t timeoutMs) override;
    bool Terminated() const override { return terminated; }

    // Advances the clock by ms (wrapping like the real counter).
    void Advance(std::uint32_t ms) { tick += ms; }

    std::uint32_t tick = 0;
    bool terminated = false;
    // The counter's granularity: a wait advances the clock by at least this.
    std::uint32_t granularity = 1;
    // When set, a wait ends after at most this long, as if a message came.
    std::uint32_t wakeEvery = 0;
    int processPasses = 0;
    std::vector<std::uint32_t> waits;  // the time-out of every wait
    // Runs on each pass of message dispatch, as a window message would
    // (a hotkey pressed during a delay, for instance).
    std::function<void()> onProcessMessages;
};

}  // namespace kv
