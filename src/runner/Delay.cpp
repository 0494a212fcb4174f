#include "runner/Delay.h"

#include "model/Convert.h"

namespace kv {

const char* const DelayPrefix = "{DELAY";

std::int32_t parseDelay(const std::string& item) {
    const std::string prefix = DelayPrefix;
    if (item.find(prefix) == std::string::npos) return 0;

    std::string rest = item;
    for (size_t at; (at = rest.find(prefix)) != std::string::npos;) rest.erase(at, prefix.size());
    std::string digits;
    digits.reserve(rest.size());
    for (char c : rest) {
        if (c != '}') digits += c;
    }
    std::int32_t value = 0;
    return TryStrToInt(digits, value) ? value : 0;
}

void Delay(MessageLoopApi& loop, std::int32_t ms) { Delay(loop, ms, nullptr); }

void Delay(MessageLoopApi& loop, std::int32_t ms, const std::function<void()>& afterDispatch) {
    const std::uint32_t start = loop.TickCount();
    for (;;) {
        loop.ProcessMessages();
        if (afterDispatch) afterDispatch();
        if (ms <= 0) return;
        // Unsigned subtraction measures the time passed across a wrap of the
        // 32-bit counter.
        const std::uint32_t passed = loop.TickCount() - start;
        if (passed >= std::uint32_t(ms)) return;
        loop.WaitForMessage(std::uint32_t(ms) - passed);
    }
}

}  // namespace kv
