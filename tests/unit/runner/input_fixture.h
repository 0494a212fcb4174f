#pragma once
// The fakes the key and mouse players stand on, and builders of the key
// events they are expected to send.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ShellApi.h"
#include "platform/fake/FakeInput.h"
#include "platform/fake/FakeMessageLoop.h"
#include "runner/KeyEvents.h"

namespace kv {

// Records the message boxes, and how many key events had been sent when each
// was shown.
class RecordingShell : public ShellApi {
public:
    struct Box {
        std::string text;
        std::string caption;
        size_t keysBefore = 0;
    };

    explicit RecordingShell(const FakeInput& input) : input_(input) {}

    void ShellOpen(WindowHandle, const std::string&, const std::string&) override {}
    void ShowMessage(const std::string& text, const std::string& caption, MessageIcon) override {
        boxes.push_back({text, caption, input_.keys.size()});
    }

    std::vector<Box> boxes;

private:
    const FakeInput& input_;
};

inline std::ostream& operator<<(std::ostream& out, const Point& p) { return out << "(" << p.x << "," << p.y << ")"; }

constexpr std::uint8_t kShift = 0x10;
constexpr std::uint8_t kCtrl = 0x11;
constexpr std::uint8_t kAlt = 0x12;
constexpr std::uint8_t kEnter = 0x0D;

class InputFixture : public ::testing::Test {
protected:
    InputFixture() { input.clock = &loop; }

    // A key event as the sender must make it: the scan code is the layout's.
    KeyEvent Down(std::uint8_t vk, bool extended = false) const {
        return {vk, input.scanCodes[vk], extended ? kKeyEventExtendedKey : 0u};
    }
    KeyEvent Up(std::uint8_t vk, bool extended = false) const {
        return {vk, input.scanCodes[vk], kKeyEventKeyUp | (extended ? kKeyEventExtendedKey : 0u)};
    }

    // Key down and up, n times.
    std::vector<KeyEvent> Tap(std::uint8_t vk, int n = 1, bool extended = false) const {
        std::vector<KeyEvent> events;
        for (int i = 0; i < n; ++i) {
            events.push_back(Down(vk, extended));
            events.push_back(Up(vk, extended));
        }
        return events;
    }

    // Each UTF-16 unit down and up, as a character of no key is typed.
    static std::vector<KeyEvent> Typed(const std::u16string& units) {
        std::vector<KeyEvent> events;
        for (char16_t unit : units) {
            events.push_back({0, 0, kKeyEventUnicode, std::uint16_t(unit)});
            events.push_back({0, 0, kKeyEventUnicode | kKeyEventKeyUp, std::uint16_t(unit)});
        }
        return events;
    }

    // The pieces joined in order.
    static std::vector<KeyEvent> Keys(std::initializer_list<std::vector<KeyEvent>> pieces) {
        std::vector<KeyEvent> all;
        for (const auto& piece : pieces) all.insert(all.end(), piece.begin(), piece.end());
        return all;
    }

    // A key with Shift around it, as a capital letter is typed.
    std::vector<KeyEvent> Shifted(std::uint8_t vk) const { return Keys({{Down(kShift)}, Tap(vk), {Up(kShift)}}); }

    FakeInput input;
    FakeMessageLoop loop;
    RecordingShell shell{input};
    InputContext context{input, loop, shell};
};

}  // namespace kv
