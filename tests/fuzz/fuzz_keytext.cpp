// Feeds arbitrary bytes to the key sender (as a key text and as a key macro
// payload) and to mouse playback (as a position item and as a mouse macro
// payload). Afterwards no key may be left down and the cursor must be on the
// screen. Bad numbers end a macro with ConvertError, which is expected.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/Convert.h"
#include "model/Split.h"
#include "platform/ShellApi.h"
#include "platform/fake/FakeInput.h"
#include "platform/fake/FakeMessageLoop.h"
#include "runner/KeyEvents.h"
#include "runner/MouseEvents.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

class SilentShell : public kv::ShellApi {
public:
    void ShellOpen(kv::WindowHandle, const std::string&, const std::string&) override {}
    void ShowMessage(const std::string&, const std::string&, kv::MessageIcon) override {}
};

// Repeat counts make a macro play its items that many times; keep each run
// short by leaving out payloads that ask for more than a few passes.
bool PlaysFewTimes(const std::string& payload) {
    const std::vector<std::string> fields = kv::Split(payload, '|');
    for (size_t i = 0; i < fields.size() && i < 4; ++i) {
        if (kv::RepeatTimes(fields[i]) > 3) return false;
    }
    return true;
}

// Keeps which keys are down without recording every event: counts reach
// 65535 per token.
class TrackingInput : public kv::FakeInput {
public:
    void KeybdEvent(std::uint8_t virtualKey, std::uint8_t, std::uint32_t flags) override {
        down[virtualKey] = (flags & kv::kKeyEventKeyUp) == 0;
    }
};

struct Platform {
    TrackingInput input;
    kv::FakeMessageLoop loop;
    SilentShell shell;
    kv::InputContext context{input, loop, shell};

    Platform() {
        input.windowTitles = {"Notepad"};
        input.cursor = {640, 480};
    }

    void CheckNothingHeld() const { Check(input.HeldKeys().empty()); }
    void CheckCursorOnScreen() const {
        Check(input.cursor.x >= input.screenTopLeft.x && input.cursor.x <= input.screenBottomRight.x);
        Check(input.cursor.y >= input.screenTopLeft.y && input.cursor.y <= input.screenBottomRight.y);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    {
        Platform p;
        try {
            const bool done = kv::SendKeySequence(p.context, text, (size & 1) != 0);
            Check(!done || !text.empty());
        } catch (const kv::ConvertError&) {}
        p.CheckNothingHeld();
    }

    if (PlaysFewTimes(text)) {
        Platform p;
        try {
            kv::PlayKeyEvents(p.context, text);
        } catch (const kv::ConvertError&) {}
        p.CheckNothingHeld();

        try {
            kv::PlayMouseEvents(p.context, text);
        } catch (const kv::ConvertError&) {}
        p.CheckCursorOnScreen();
    }

    try {
        kv::GetMouseCoorFromStr(text);
    } catch (const kv::ConvertError&) {}
    return 0;
}
