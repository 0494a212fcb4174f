// The keyboard watch on the real platform: its hook runs on a thread of its
// own, yet the key state it keeps changes at once and its events arrive on
// the thread that started it, while that thread dispatches messages.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

#include "../e2e/xdotool.h"
#include "platform/win32/OwnedHandle.h"
#include "platform/win32/Win32KeyboardWatch.h"

#include <windows.h>

namespace kv {
namespace {

// A key no window of the test reacts to.
constexpr std::uint8_t kQuietKey = VK_F14;

void SendKey(std::uint8_t virtualKey, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = WORD(MapVirtualKeyA(virtualKey, 0));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(INPUT));
}

// Polls without dispatching messages: the watch keeps the key state on its
// own thread.
bool SeenWithin3s(const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 3000) return false;
        Sleep(1);
    }
    return true;
}

// Dispatches this thread's messages until done() or 3 s have passed.
bool DispatchUntil(const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 3000) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    return true;
}

// A window in front, so that the X server's keys reach Wine; counts the Esc
// presses it gets.
class EscTarget {
public:
    EscTarget() {
        static const ATOM atom = [] {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "KvWatchTestWindow";
            return RegisterClassA(&wc);
        }();
        (void)atom;
        hwnd_ = CreateWindowExA(0, "KvWatchTestWindow", "Keyvane watch test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                                100, 300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        escapes_ = 0;
    }
    ~EscTarget() { DestroyWindow(hwnd_); }
    bool BringToFront() const;
    static int Escapes() { return escapes_; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_KEYDOWN && wParam == VK_ESCAPE) ++escapes_;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    static int escapes_;
    HWND hwnd_;
};
int EscTarget::escapes_ = 0;

bool EscTarget::BringToFront() const {
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
    return DispatchUntil([this] { return GetForegroundWindow() == hwnd_; });
}

// Another program's low-level hook, installed before the watch's, that holds
// each release of the quiet key until the test lets it go.
class HoldingHook {
public:
    HoldingHook() {
        holding_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        letGo_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
        current_ = this;
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, ready] {
            MSG msg;
            PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
            threadId_ = GetCurrentThreadId();
            HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, Proc, GetModuleHandleA(nullptr), 0);
            SetEvent(ready);
            while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
            UnhookWindowsHookEx(hook);
        });
        WaitForSingleObject(ready, 5000);
        CloseHandle(ready);
    }
    ~HoldingHook() {
        LetGo();
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        current_ = nullptr;
    }
    bool Holding() const { return WaitForSingleObject(holding_.Get(), 3000) == WAIT_OBJECT_0; }
    void LetGo() { SetEvent(letGo_.Get()); }

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        if (code == HC_ACTION && key.vkCode == kQuietKey && (key.flags & LLKHF_UP)) {
            SetEvent(current_->holding_.Get());
            WaitForSingleObject(current_->letGo_.Get(), 3000);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static HoldingHook* current_;
    OwnedKernelHandle holding_, letGo_;
    std::thread thread_;
    DWORD threadId_ = 0;
};
HoldingHook* HoldingHook::current_ = nullptr;

class KeyboardWatchTest : public ::testing::Test {
protected:
    KeyboardWatchEvents Recording() {
        KeyboardWatchEvents events;
        events.onEscape = [this] { escapes.push_back(GetCurrentThreadId()); };
        events.onKeyUp = [this](std::uint8_t key) {
            if (key == kQuietKey || key == VK_ESCAPE) keyUps.push_back({key, GetCurrentThreadId()});
        };
        return events;
    }

    struct KeyUp {
        std::uint8_t key;
        DWORD thread;
    };
    Win32KeyboardWatch watch;
    std::vector<DWORD> escapes;
    std::vector<KeyUp> keyUps;
};

TEST_F(KeyboardWatchTest, KeyStateFollowsAtOnceAndTheKeyUpArrivesOnTheStartingThread) {
    ASSERT_TRUE(watch.Start(Recording()));
    ASSERT_TRUE(watch.Active());
    SendKey(kQuietKey, false);
    EXPECT_TRUE(SeenWithin3s([&] { return watch.IsKeyDown(kQuietKey); }));
    SendKey(kQuietKey, true);
    EXPECT_TRUE(SeenWithin3s([&] { return !watch.IsKeyDown(kQuietKey); }));
    EXPECT_TRUE(keyUps.empty()) << "raised only while this thread dispatches messages";
    ASSERT_TRUE(DispatchUntil([&] { return !keyUps.empty(); }));
    EXPECT_EQ(keyUps[0].key, kQuietKey);
    EXPECT_EQ(keyUps[0].thread, GetCurrentThreadId());
    watch.Stop();
    EXPECT_FALSE(watch.Active());
}

TEST_F(KeyboardWatchTest, OnlyTheKeyboardsOwnEscIsReportedAndTakenWhenAsked) {
    EscTarget target;
    ASSERT_TRUE(target.BringToFront());
    ASSERT_TRUE(watch.Start(Recording()));
    watch.TakeEscape(true);
    // Injected: its key-up comes, the press is not reported.
    SendKey(VK_ESCAPE, false);
    SendKey(VK_ESCAPE, true);
    ASSERT_TRUE(DispatchUntil([&] { return !keyUps.empty(); }));
    EXPECT_TRUE(escapes.empty());
    // From the X server: the user's own key.
    ASSERT_TRUE(DispatchUntil([&] { return EscTarget::Escapes() == 1; }));
    // From the X server: the user's own key, kept from the window.
    ASSERT_TRUE(e2e::Xdotool("key Escape"));
    ASSERT_TRUE(DispatchUntil([&] { return !escapes.empty(); }));
    EXPECT_EQ(escapes[0], GetCurrentThreadId());
    // Left to the window once the program no longer asks for it.
    watch.TakeEscape(false);
    ASSERT_TRUE(e2e::Xdotool("key Escape"));
    ASSERT_TRUE(DispatchUntil([&] { return escapes.size() == 2 && EscTarget::Escapes() == 2; }));
}

TEST_F(KeyboardWatchTest, StopsFromInsideItsEventAndStartsAgain) {
    KeyboardWatchEvents events;
    events.onKeyUp = [this](std::uint8_t key) {
        if (key == kQuietKey) watch.Stop();
    };
    ASSERT_TRUE(watch.Start(events));
    Win32KeyboardWatch second;
    EXPECT_FALSE(second.Start({})) << "one watch per process";
    SendKey(kQuietKey, false);
    SendKey(kQuietKey, true);
    ASSERT_TRUE(DispatchUntil([&] { return !watch.Active(); }));
    EXPECT_TRUE(second.Start({}));
    second.Stop();
    EXPECT_TRUE(watch.Start(Recording()));
    SendKey(kQuietKey, false);
    SendKey(kQuietKey, true);
    EXPECT_TRUE(DispatchUntil([&] { return !keyUps.empty(); }));
}

TEST_F(KeyboardWatchTest, InABurstEscIsStillReportedAndTakenAndKeyUpsComeAtItsEnd) {
    EscTarget target;
    ASSERT_TRUE(target.BringToFront());
    ASSERT_TRUE(watch.Start(Recording()));
    SendKey(kQuietKey, false);
    ASSERT_TRUE(SeenWithin3s([&] { return watch.IsKeyDown(kQuietKey); }));
    watch.SetOwnKeysBurst(true);
    EXPECT_FALSE(watch.OwnKeysBurst()) << "only while Esc is taken";
    watch.TakeEscape(true);
    watch.SetOwnKeysBurst(true);
    ASSERT_TRUE(watch.OwnKeysBurst());

    SendKey(kQuietKey, true);
    EXPECT_FALSE(watch.IsKeyDown(kQuietKey)) << "the key state comes from the platform";
    ASSERT_TRUE(e2e::Xdotool("key Escape"));
    // The press is on its way; the burst ends before it is dispatched.
    MSG pending;
    ASSERT_TRUE(SeenWithin3s([&] { return PeekMessageA(&pending, nullptr, WM_HOTKEY, WM_HOTKEY, PM_NOREMOVE); }));
    watch.SetOwnKeysBurst(false);
    EXPECT_FALSE(watch.OwnKeysBurst());
    ASSERT_TRUE(DispatchUntil([&] { return !escapes.empty() && !keyUps.empty(); }));
    EXPECT_EQ(escapes[0], GetCurrentThreadId());
    EXPECT_EQ(EscTarget::Escapes(), 0) << "kept from the window";
    EXPECT_EQ(keyUps[0].key, kQuietKey) << "the key that went up in the burst";
    // The hook is back: an injected Esc goes up and is no stop.
    SendKey(VK_ESCAPE, false);
    SendKey(VK_ESCAPE, true);
    ASSERT_TRUE(DispatchUntil([&] { return keyUps.size() == 2; }));
    EXPECT_EQ(escapes.size(), 1u);
}

TEST_F(KeyboardWatchTest, AKeyUpThatAnotherHookHeldWhileTheWatchStartedIsSeenAfterwards) {
    HoldingHook other;
    SendKey(kQuietKey, false);
    std::thread release([] { SendKey(kQuietKey, true); });
    ASSERT_TRUE(other.Holding());
    // The watch's hook comes first from now on, but the held release has
    // passed it by.
    ASSERT_TRUE(watch.Start(Recording()));
    EXPECT_TRUE(watch.IsKeyDown(kQuietKey));
    other.LetGo();
    release.join();
    ASSERT_TRUE(DispatchUntil([&] { return !keyUps.empty(); }));
    EXPECT_EQ(keyUps[0].key, kQuietKey);
    EXPECT_FALSE(watch.IsKeyDown(kQuietKey));
}

}  // namespace
}  // namespace kv
