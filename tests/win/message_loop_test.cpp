// The GUI thread's message loop on the real platform: the delay of key and
// mouse macros keeps dispatching and sleeps instead of burning a processor,
// and the end of the program is seen by every loop.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>

#include "platform/win32/Win32MessageLoop.h"
#include "runner/Delay.h"

namespace kv {
namespace {

// Processor time (user and kernel) of this process in milliseconds.
double ProcessCpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return double((std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

// A hidden window that counts the messages it receives.
class CountingWindow {
public:
    CountingWindow() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "KvLoopTestWindow";
        RegisterClassA(&wc);
        hwnd_ = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~CountingWindow() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

    int received = 0;
    DWORD lastTick = 0;
    bool* doneFlag = nullptr;  // set when a message arrives

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<CountingWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && msg == WM_APP) {
            ++self->received;
            self->lastTick = GetTickCount();
            if (self->doneFlag) *self->doneFlag = true;
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
};

TEST(Win32MessageLoopTest, DelayWaitsItsTimeAsleep) {
    Win32MessageLoop loop;
    const DWORD start = GetTickCount();
    const double cpuBefore = ProcessCpuMs();
    Delay(loop, 600);
    const DWORD passed = GetTickCount() - start;
    const double cpu = ProcessCpuMs() - cpuBefore;
    EXPECT_GE(passed, 600u);
    // Polling would use the whole 600 ms; a sleeping wait almost none.
    EXPECT_LT(cpu, 150.0) << "the delay kept a processor busy";
}

TEST(Win32MessageLoopTest, DelayDispatchesMessagesThatArriveWhileItWaits) {
    Win32MessageLoop loop;
    CountingWindow window;
    const HWND target = window.Handle();
    std::thread sender([target] {
        Sleep(150);
        PostMessageA(target, WM_APP, 0, 0);
    });
    const DWORD start = GetTickCount();
    Delay(loop, 500);
    sender.join();
    ASSERT_EQ(window.received, 1);
    // Dispatched when it arrived, not after the wait.
    EXPECT_LT(window.lastTick - start, 400u);
}

TEST(Win32MessageLoopTest, ZeroAndNegativeDelaysMakeOnePassOfDispatch) {
    Win32MessageLoop loop;
    CountingWindow window;
    for (int ms : {0, -20}) {
        PostMessageA(window.Handle(), WM_APP, 0, 0);
        Delay(loop, ms);
    }
    EXPECT_EQ(window.received, 2);
}

TEST(Win32MessageLoopTest, QuitDuringADelayEndsTheMainLoopAndTheDelayStillSleeps) {
    Win32MessageLoop loop;
    loop.Terminate(0);
    const double cpuBefore = ProcessCpuMs();
    Delay(loop, 400);  // takes the quit message off the queue
    EXPECT_TRUE(loop.Terminated());
    EXPECT_LT(ProcessCpuMs() - cpuBefore, 150.0) << "the delay spun on the quit message";
    // The main loop, entered afterwards, ends at once.
    EXPECT_EQ(loop.Run(), 0);
}

TEST(Win32MessageLoopTest, RunEndsWithTheExitCode) {
    Win32MessageLoop loop;
    CountingWindow window;
    PostMessageA(window.Handle(), WM_APP, 0, 0);
    loop.Terminate(3);
    EXPECT_EQ(loop.Run(), 3);
    EXPECT_EQ(window.received, 1);
}

TEST(Win32MessageLoopTest, ModalLoopEndsWhenDoneOrWhenTheProgramEnds) {
    Win32MessageLoop loop;
    CountingWindow window;
    bool done = false;
    window.doneFlag = &done;
    PostMessageA(window.Handle(), WM_APP, 0, 0);
    loop.RunUntil(done);
    EXPECT_TRUE(done);
    EXPECT_FALSE(loop.Terminated());

    bool never = false;
    loop.Terminate(0);
    loop.RunUntil(never);
    EXPECT_TRUE(loop.Terminated());
}

TEST(Win32MessageLoopTest, TickCountIsThePlatformCounter) {
    Win32MessageLoop loop;
    const DWORD before = GetTickCount();
    const std::uint32_t tick = loop.TickCount();
    EXPECT_LE(tick - before, 1000u);
}

}  // namespace
}  // namespace kv
