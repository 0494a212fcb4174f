// Stopping key and mouse macros of the real program: a real Esc on the
// keyboard (sent at the X level, so the program sees the user's own key),
// "Stop macro" and Exit; the window answering while a macro types; a held
// shortcut running its macro once.
#include <string>

#include "forms/MainForm.h"
#include "keyvane_instance.h"
#include "macro_window.h"
#include "xdotool.h"

namespace kv::e2e {
namespace {

constexpr std::uint32_t kCtrlShift = 0x4000 | 0x2000;
constexpr std::uint32_t kKeyShortcut = kCtrlShift | VK_F5;
constexpr std::uint32_t kMouseShortcut = kCtrlShift | VK_F6;
constexpr DWORD kShortcutHoldMs = 300;
// 20000 keys: many seconds of typing.
const char* const kLongTyping = "Active Window|Active Window|Repeat|2000|abcdefghij";

bool AnyKeyOrButtonDown() {
    for (int vk = 1; vk < 256; ++vk) {
        if (GetAsyncKeyState(vk) & 0x8000) return true;
    }
    return false;
}

// Waits until the value has stayed the same for quietMs; false when it kept
// changing until the deadline.
template <typename Read>
bool Settles(Read read, DWORD quietMs = 600, DWORD timeoutMs = 10000) {
    auto last = read();
    DWORD changed = GetTickCount();
    const DWORD start = changed;
    while (GetTickCount() - start < timeoutMs) {
        Sleep(20);
        const auto now = read();
        if (now != last) {
            last = now;
            changed = GetTickCount();
        } else if (GetTickCount() - changed >= quietMs) {
            return true;
        }
    }
    return false;
}

class Stopping : public KeyvaneTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(ShortcutIsFree(kKeyShortcut));
        ASSERT_TRUE(ShortcutIsFree(kMouseShortcut));
    }

    // Starts the long key macro typing into the target.
    void StartTyping(TargetWindow& target) {
        ASSERT_TRUE(target.Created());
        target.ClearText();
        ASSERT_TRUE(target.BringToFront());
        PressShortcut(kKeyShortcut, kShortcutHoldMs);
        ASSERT_TRUE(WaitUntil([&] { return target.Text().size() >= 50; })) << "typing did not start";
    }

    void SendCommand(UINT command) { PostMessageA(keyvane->MainWindow(), WM_COMMAND, MAKEWPARAM(command, 0), 0); }

    void ExpectStopped(TargetWindow& target) {
        ASSERT_TRUE(Settles([&] { return target.Text().size(); })) << "typing went on";
        EXPECT_LT(target.Text().size(), 20000u);
        EXPECT_TRUE(WaitUntil([] { return !AnyKeyOrButtonDown(); }, 3000)) << "a key is left down";
    }

    std::string List() const {
        return ListLine(0, "-1", "KEYEVN", kKeyShortcut, kLongTyping, "long typing") +
               ListLine(0, "-1", "MOUSEE", kMouseShortcut, "Repeat until|1000|{X:150,Y:150}|{X:600,Y:500}|{LBUTTON}",
                        "long gliding");
    }
};

// Run in a test process of its own (tests/CMakeLists.txt): X-level presses
// of a test process that already sent X-level keys through a program's
// keyboard hook do not reach programs started later (a Wine quirk of the
// sending process; a fresh test process, or the same program, gets them).
TEST_F(Stopping, HeldShortcutRunsItsMacroOnce) {
    ASSERT_TRUE(Xset("r on"));
    ASSERT_NO_FATAL_FAILURE(
        Start(ListLine(0, "-1", "KEYEVN", kKeyShortcut, "Active Window|Active Window|Once|0|x", "one x")));
    TargetWindow target(TargetWindow::Content::Edit, "Keyvane e2e held", {100, 100, 600, 400});
    ASSERT_TRUE(target.Created());
    ASSERT_TRUE(target.BringToFront());

    // Held well past the keyboard's repeat delay: the key repeats.
    ASSERT_TRUE(Xdotool("keydown ctrl+shift+F5"));
    Sleep(1500);
    ASSERT_TRUE(Xdotool("keyup ctrl+shift+F5"));
    ASSERT_TRUE(WaitUntil([&] { return !target.Text().empty(); })) << "the macro did not run";
    EXPECT_TRUE(Settles([&] { return target.Text(); }, 1000));
    EXPECT_EQ(target.Text(), "x");
}

TEST_F(Stopping, RealEscStopsALongKeyMacroAndTheNextPressStartsItAgain) {
    ASSERT_NO_FATAL_FAILURE(Start(List()));
    TargetWindow target(TargetWindow::Content::Edit, "Keyvane e2e stop", {100, 100, 600, 400});
    ASSERT_NO_FATAL_FAILURE(StartTyping(target));

    ASSERT_TRUE(Xdotool("key Escape"));
    ASSERT_NO_FATAL_FAILURE(ExpectStopped(target));
    const size_t stoppedAt = target.Text().size();

    // Ready for the next shortcut from the keyboard; "Stop macro" ends it the same way.
    ASSERT_TRUE(Xdotool("key ctrl+shift+F5"));
    ASSERT_TRUE(WaitUntil([&] { return target.Text().size() >= stoppedAt + 50; })) << "did not start again";
    SendCommand(MainForm::cmStopMacro);
    ASSERT_NO_FATAL_FAILURE(ExpectStopped(target));
}

TEST_F(Stopping, RealEscStopsALongMouseMacroWithNoButtonHeld) {
    TargetWindow clicks(TargetWindow::Content::Clicks, "Keyvane e2e clicks", {100, 100, 700, 600});
    ASSERT_TRUE(clicks.Created());
    ASSERT_NO_FATAL_FAILURE(Start(List()));
    PressShortcut(kMouseShortcut);
    ASSERT_TRUE(WaitUntil([&] { return !clicks.ButtonMessages().empty(); })) << "the macro did not click";

    ASSERT_TRUE(Xdotool("key Escape"));
    auto cursor = [] {
        POINT p = {};
        GetCursorPos(&p);
        return std::make_pair(p.x, p.y);
    };
    EXPECT_TRUE(Settles(cursor)) << "the cursor kept moving";
    EXPECT_TRUE(Settles([&] { return clicks.ButtonMessages().size(); }));
    const auto messages = clicks.ButtonMessages();
    EXPECT_EQ(messages.back().message, UINT(WM_LBUTTONUP)) << "a button is left down";
    EXPECT_FALSE(GetAsyncKeyState(VK_LBUTTON) & 0x8000);
}

TEST_F(Stopping, ExitWhileAMacroPlaysEndsItAndTheProgramWithinASecond) {
    ASSERT_NO_FATAL_FAILURE(Start(List()));
    const std::string listBefore = ReadFileText(folder.ListFile());
    TargetWindow target(TargetWindow::Content::Edit, "Keyvane e2e exit", {100, 100, 600, 400});
    ASSERT_NO_FATAL_FAILURE(StartTyping(target));

    const DWORD start = GetTickCount();
    SendCommand(MainForm::cmTrayExit);
    ASSERT_TRUE(WaitUntil([&] { return !keyvane->Running(); }, 5000));
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_EQ(keyvane->ExitCode(), 0u);
    ASSERT_NO_FATAL_FAILURE(ExpectStopped(target));
    EXPECT_EQ(ReadFileText(folder.ListFile()), listBefore);
}

TEST_F(Stopping, MainWindowAnswersWhileAMacroTypes) {
    ASSERT_NO_FATAL_FAILURE(Start(List()));
    TargetWindow target(TargetWindow::Content::Edit, "Keyvane e2e busy", {100, 100, 600, 400});
    ASSERT_NO_FATAL_FAILURE(StartTyping(target));
    DWORD slowest = 0;
    for (int i = 0; i < 20; ++i) {
        const DWORD start = GetTickCount();
        DWORD_PTR ignored = 0;
        ASSERT_TRUE(SendMessageTimeoutA(keyvane->MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored));
        slowest = std::max(slowest, GetTickCount() - start);
        Sleep(20);
    }
    EXPECT_LT(slowest, 200u);
    const size_t typed = target.Text().size();
    EXPECT_TRUE(WaitUntil([&] { return target.Text().size() > typed; })) << "typing stopped";
    SendCommand(MainForm::cmStopMacro);
    ASSERT_NO_FATAL_FAILURE(ExpectStopped(target));
}

}  // namespace
}  // namespace kv::e2e
