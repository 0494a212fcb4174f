#include "platform/fake/FakeMessageLoop.h"

namespace kv {

void FakeMessageLoop::ProcessMessages() {
    ++processPasses;
    if (onProcessMessages) {
        // A handler may itself wait (a nested macro); keep it from re-entering.
        auto handler = std::move(onProcessMessages);
        onProcessMessages = nullptr;
        handler();
    }
}

void FakeMessageLoop::WaitForMessage(std::uint32_t timeoutMs) {
    waits.push_back(timeoutMs);
    std::uint32_t step = timeoutMs < granularity ? granularity : timeoutMs;
    if (wakeEvery && step > wakeEvery) step = wakeEvery;
    tick += step;
}

}  // namespace kv
