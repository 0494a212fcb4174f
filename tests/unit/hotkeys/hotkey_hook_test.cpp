#include <gtest/gtest.h>

#include <memory>

#include "hotkeys/HotKeyHook.h"
#include "platform/fake/FakeHotKeyApi.h"
#include "support/Shortcuts.h"

namespace kv {
namespace {

constexpr std::uint32_t kAltF4 = 0x8073;
constexpr std::uint32_t kWinE = 0x10045;
constexpr unsigned kCtrlShift = kModControl | kModShift;

struct Press {
    std::uint32_t hotKey;
    std::uint16_t index;
    bool operator==(const Press& o) const { return hotKey == o.hotKey && index == o.index; }
};

std::ostream& operator<<(std::ostream& os, const Press& p) { return os << "{" << p.hotKey << ", " << p.index << "}"; }

class KVKeyHook : public testing::Test {
protected:
    KVKeyHook() : hook_(std::make_unique<HotKeyHook>(api_)) {
        hook_->OnHotKeyPressed = [this](std::uint32_t hotKey, std::uint16_t index) {
            presses_.push_back(Press{hotKey, index});
        };
    }

    WindowMessage HotKeyMessage(std::uintptr_t id, unsigned modifiers, unsigned key) {
        WindowMessage m;
        m.msg = kWmHotKey;
        m.wParam = id;
        m.lParam = static_cast<std::intptr_t>(modifiers | (key << 16));
        return m;
    }

    bool CalledDefaultProcForHotKey() {
        std::string expected = "DefaultWindowProc " + std::to_string(hook_->Handle()) + " 786";
        return !api_.calls.empty() && api_.calls.back() == expected;
    }

    FakeHotKeyApi api_;
    std::unique_ptr<HotKeyHook> hook_;
    std::vector<Press> presses_;
};

TEST_F(KVKeyHook, RegistersUnderItsAtomAndRaisesTheEventOnPress) {
    std::uint16_t id = hook_->AddHotKey(kCtrlShiftF5);
    EXPECT_EQ(id, api_.FindGlobalAtom("KVKeyHook24692"));
    EXPECT_GE(id, 0xC000);
    ASSERT_EQ(api_.Registrations().size(), 1u);
    const auto& r = api_.Registrations()[0];
    EXPECT_EQ(r.window, hook_->Handle());
    EXPECT_EQ(r.id, id);
    // Registered without key repeats; the record keeps the value as given.
    EXPECT_EQ(r.modifiers, kCtrlShift | kModNoRepeat);
    EXPECT_EQ(r.virtualKey, 0x74u);
    ASSERT_EQ(hook_->Records().size(), 1u);
    EXPECT_EQ(hook_->Records()[0].HotKey, kCtrlShiftF5);
    EXPECT_EQ(hook_->Records()[0].Id, id);

    ASSERT_TRUE(api_.Press(kCtrlShift, 0x74));
    EXPECT_EQ(presses_, (std::vector<Press>{{kCtrlShiftF5, id}}));
    EXPECT_TRUE(CalledDefaultProcForHotKey());
}

TEST_F(KVKeyHook, EveryModifierComesBackFromThePress) {
    const std::uint32_t all = MakeHotKey(kModAlt | kModControl | kModShift | kModWin, 'A');
    std::uint16_t allId = hook_->AddHotKey(all);
    std::uint16_t altId = hook_->AddHotKey(kAltF4);
    std::uint16_t winId = hook_->AddHotKey(kWinE);
    ASSERT_NE(allId, 0);
    ASSERT_NE(altId, 0);
    ASSERT_NE(winId, 0);
    api_.Press(kModAlt | kModControl | kModShift | kModWin, 'A');
    api_.Press(kModAlt, 0x73);
    api_.Press(kModWin, 0x45);
    EXPECT_EQ(presses_, (std::vector<Press>{{all, allId}, {kAltF4, altId}, {kWinE, winId}}));
}

TEST_F(KVKeyHook, SecondRegistrationOfTheSameValueIsRefused) {
    std::uint16_t id = hook_->AddHotKey(kCtrlShiftF5);
    ASSERT_NE(id, 0);
    EXPECT_EQ(hook_->AddHotKey(kCtrlShiftF5), 0);
    // The refused attempt gave its atom reference back.
    EXPECT_EQ(api_.AtomReferences("KVKeyHook24692"), 1);
    EXPECT_EQ(hook_->Records().size(), 1u);
    api_.Press(kCtrlShift, 0x74);
    EXPECT_EQ(presses_, (std::vector<Press>{{kCtrlShiftF5, id}}));
}

TEST_F(KVKeyHook, CombinationOfAnotherProgramIsRefused) {
    api_.TakeByAnotherProgram(kModAlt, 0x73);
    EXPECT_EQ(hook_->AddHotKey(kAltF4), 0);
    EXPECT_EQ(api_.AtomCount(), 0u);
    EXPECT_TRUE(hook_->Records().empty());
}

TEST_F(KVKeyHook, NoRegistrationWithoutAnAtom) {
    // An id of 0 would mean "refused" to the caller while the shortcut stayed
    // registered for good.
    api_.atomTableFull = true;
    EXPECT_EQ(hook_->AddHotKey(kCtrlShiftF5), 0);
    EXPECT_TRUE(api_.Registrations().empty());
    EXPECT_TRUE(hook_->Records().empty());
    // The probe needs no atom to tell the answer.
    EXPECT_TRUE(IsHotKeyAvailable(api_, kCtrlShiftF5));
    EXPECT_TRUE(api_.Registrations().empty());
}

TEST_F(KVKeyHook, RemovedShortcutStopsFiringAndCanBeRegisteredAgain) {
    std::uint16_t first = hook_->AddHotKey(kCtrlShiftF5);
    ASSERT_NE(first, 0);
    EXPECT_TRUE(hook_->RemoveHotKey(kCtrlShiftF5));
    EXPECT_TRUE(hook_->Records().empty());
    EXPECT_EQ(api_.AtomCount(), 0u);
    EXPECT_FALSE(api_.Press(kCtrlShift, 0x74));
    // A press already on its way when the shortcut was released.
    WindowMessage late = HotKeyMessage(first, kCtrlShift, 0x74);
    api_.Send(hook_->Handle(), late);
    EXPECT_TRUE(presses_.empty());

    // Another owner can take it now, and so can the component once that one lets go.
    ASSERT_TRUE(api_.RegisterHotKey(0x999, 1, kCtrlShift, 0x74));
    EXPECT_EQ(hook_->AddHotKey(kCtrlShiftF5), 0);
    ASSERT_TRUE(api_.UnregisterHotKey(0x999, 1));
    std::uint16_t again = hook_->AddHotKey(kCtrlShiftF5);
    ASSERT_NE(again, 0);
    api_.Press(kCtrlShift, 0x74);
    EXPECT_EQ(presses_, (std::vector<Press>{{kCtrlShiftF5, again}}));
}

TEST_F(KVKeyHook, ReusedAtomNumberReportsTheNewShortcut) {
    std::uint16_t first = hook_->AddHotKey(kCtrlShiftF5);
    hook_->RemoveHotKey(kCtrlShiftF5);
    std::uint16_t second = hook_->AddHotKey(kAltF4);
    EXPECT_EQ(second, first);  // the platform handed out the freed number again
    api_.Press(kModAlt, 0x73);
    EXPECT_EQ(presses_, (std::vector<Press>{{kAltF4, second}}));
}

TEST_F(KVKeyHook, RemovingAnUnknownValueDoesNothing) {
    hook_->AddHotKey(kCtrlShiftF5);
    api_.calls.clear();
    EXPECT_FALSE(hook_->RemoveHotKey(kAltF4));
    EXPECT_TRUE(api_.calls.empty());
    EXPECT_EQ(hook_->Records().size(), 1u);
}

TEST_F(KVKeyHook, RefusedUnregistrationStillDropsTheRecordAndTheAtom) {
    std::uint16_t id = hook_->AddHotKey(kCtrlShiftF5);
    // The registration vanished behind the component's back.
    ASSERT_TRUE(api_.UnregisterHotKey(hook_->Handle(), id));
    EXPECT_FALSE(hook_->RemoveHotKey(kCtrlShiftF5));
    EXPECT_TRUE(hook_->Records().empty());
    EXPECT_EQ(api_.AtomCount(), 0u);
}

TEST_F(KVKeyHook, ClearReleasesEverythingFromTheLast) {
    std::uint16_t a = hook_->AddHotKey(kCtrlShiftF5);
    std::uint16_t b = hook_->AddHotKey(kAltF4);
    std::uint16_t c = hook_->AddHotKey(kWinE);
    api_.calls.clear();
    hook_->ClearHotKeys();
    std::string w = std::to_string(hook_->Handle());
    EXPECT_EQ(api_.calls, (std::vector<std::string>{
                              "UnregisterHotKey " + w + " " + std::to_string(c) + " = 1",
                              "DeleteAtom " + std::to_string(c),
                              "UnregisterHotKey " + w + " " + std::to_string(b) + " = 1",
                              "DeleteAtom " + std::to_string(b),
                              "UnregisterHotKey " + w + " " + std::to_string(a) + " = 1",
                              "DeleteAtom " + std::to_string(a),
                          }));
    EXPECT_TRUE(hook_->Records().empty());
    EXPECT_TRUE(api_.Registrations().empty());
    EXPECT_EQ(api_.AtomCount(), 0u);
}

TEST_F(KVKeyHook, DestructionReleasesEverythingAndTheWindow) {
    hook_->AddHotKey(kCtrlShiftF5);
    hook_->AddHotKey(kAltF4);
    WindowHandle window = hook_->Handle();
    ASSERT_TRUE(api_.IsWindow(window));
    hook_.reset();
    EXPECT_TRUE(api_.Registrations().empty());
    EXPECT_EQ(api_.AtomCount(), 0u);
    EXPECT_FALSE(api_.IsWindow(window));
}

TEST_F(KVKeyHook, ForeignOrUnheardMessagesOnlyGoToDefaultProcessing) {
    std::uint16_t id = hook_->AddHotKey(kCtrlShiftF5);
    api_.defaultWindowProcResult = 42;

    WindowMessage unknown = HotKeyMessage(id, kModControl, 0x75);  // Ctrl+F6: not ours
    api_.Send(hook_->Handle(), unknown);
    EXPECT_TRUE(presses_.empty());
    EXPECT_TRUE(CalledDefaultProcForHotKey());
    EXPECT_EQ(unknown.result, 42);

    WindowMessage other;
    other.msg = 0x0010;  // WM_CLOSE
    api_.Send(hook_->Handle(), other);
    EXPECT_EQ(api_.calls.back(), "DefaultWindowProc " + std::to_string(hook_->Handle()) + " 16");
    EXPECT_EQ(other.result, 42);

    hook_->OnHotKeyPressed = nullptr;
    api_.calls.clear();
    EXPECT_TRUE(api_.Press(kCtrlShift, 0x74));
    EXPECT_TRUE(CalledDefaultProcForHotKey());
}

TEST_F(KVKeyHook, ValueOutsideThePackedBitsRegistersButNeverFires) {
    // A hand-edited list file: key part 0x174 registers as F5.
    const std::uint32_t odd = 0x6174;
    ASSERT_NE(hook_->AddHotKey(odd), 0);
    EXPECT_TRUE(api_.IsRegistered(kCtrlShift, 0x74));
    EXPECT_TRUE(api_.Press(kCtrlShift, 0x74));
    EXPECT_TRUE(presses_.empty());
    EXPECT_TRUE(hook_->RemoveHotKey(odd));
}

TEST_F(KVKeyHook, HandlerMayReleaseShortcutsDuringTheEvent) {
    hook_->AddHotKey(kAltF4);
    hook_->AddHotKey(kCtrlShiftF5);
    hook_->OnHotKeyPressed = [this](std::uint32_t, std::uint16_t) { hook_->ClearHotKeys(); };
    api_.Press(kCtrlShift, 0x74);
    EXPECT_TRUE(hook_->Records().empty());
    EXPECT_TRUE(CalledDefaultProcForHotKey());
}

TEST_F(KVKeyHook, AvailabilityProbeLeavesNothingBehind) {
    std::uint16_t id = hook_->AddHotKey(kCtrlShiftF5);
    api_.TakeByAnotherProgram(kModWin, 0x45);
    api_.calls.clear();

    EXPECT_TRUE(IsHotKeyAvailable(api_, kAltF4));
    EXPECT_FALSE(IsHotKeyAvailable(api_, kCtrlShiftF5));  // taken by the component itself
    EXPECT_FALSE(IsHotKeyAvailable(api_, kWinE));         // taken by another program

    std::string app = std::to_string(FakeHotKeyApi::kApplicationWindow);
    const std::string probe = "AddAtom KVKEYHook = ";
    ASSERT_GE(api_.calls.size(), 4u);
    ASSERT_EQ(api_.calls[0].compare(0, probe.size(), probe), 0) << api_.calls[0];
    std::string atom = api_.calls[0].substr(probe.size());
    EXPECT_EQ(api_.calls[1], "RegisterHotKey " + app + " " + atom + " 1 115 = 1");
    EXPECT_EQ(api_.calls[2], "UnregisterHotKey " + app + " " + atom + " = 1");
    EXPECT_EQ(api_.calls[3], "DeleteAtom " + atom);

    EXPECT_EQ(api_.Registrations().size(), 1u);
    EXPECT_FALSE(api_.IsRegistered(kModAlt, 0x73));
    EXPECT_EQ(api_.AtomCount(), 1u);  // the component's own
    EXPECT_EQ(api_.AtomReferences("KVKEYHook"), 0);
    ASSERT_EQ(hook_->Records().size(), 1u);
    EXPECT_EQ(hook_->Records()[0].Id, id);
    api_.Press(kCtrlShift, 0x74);
    EXPECT_EQ(presses_.size(), 1u);
}

}  // namespace
}  // namespace kv
