// The contracts against the Win32 implementations, under Wine.
#include <windows.h>

#include "foreground_contract.h"
#include "hotkey_api_contract.h"
#include "input_api_contract.h"
#include "keyboard_watch_contract.h"
#include "message_loop_contract.h"
#include "platform/win32/Win32Foreground.h"
#include "platform/win32/Win32HotKeyApi.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32KeyboardWatch.h"
#include "platform/win32/Win32MessageLoop.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32TopLevelWindows.h"
#include "screen_api_contract.h"
#include "system_api_contract.h"
#include "top_level_windows_contract.h"

namespace kv {
namespace contract {

struct Win32HotKeySide {
    using Api = Win32HotKeyApi;
    static std::intptr_t Send(Api&, WindowHandle window, WindowMessage& message) {
        return SendMessageA(reinterpret_cast<HWND>(window), message.msg, message.wParam, message.lParam);
    }
};
struct Win32InputSide {
    using Api = Win32Input;
};
struct Win32ScreenSide {
    using Api = Win32Screen;
};
struct Win32LoopSide {
    using Api = Win32MessageLoop;
};
struct Win32ForegroundSide {
    using Api = Win32Foreground;
    static WindowHandle OpenOwnWindow(Api&) {
        HWND window = CreateWindowExA(0, "STATIC", "Keyvane contract foreground", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60,
                                      60, 200, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        return reinterpret_cast<WindowHandle>(window);
    }
    static void Hide(Api&, WindowHandle window) { ShowWindow(reinterpret_cast<HWND>(window), SW_HIDE); }
    static void Close(Api&, WindowHandle window) { DestroyWindow(reinterpret_cast<HWND>(window)); }
};
struct Win32KeyboardSide {
    using Api = Win32KeyboardWatch;
    // The watch's events come while the GUI thread dispatches: 100 ms of it.
    static void Dispatch() {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 100) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
};
struct Win32SystemSide {
    using Api = Win32System;
    static bool PutText(Api&, const std::string& text) {
        if (!OpenClipboard(nullptr)) return false;
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        bool put = false;
        if (memory) {
            if (void* bytes = GlobalLock(memory)) {
                lstrcpynA(static_cast<char*>(bytes), text.c_str(), int(text.size() + 1));
                GlobalUnlock(memory);
                put = SetClipboardData(CF_TEXT, memory) != nullptr;
            }
            if (!put) GlobalFree(memory);
        }
        CloseClipboard();
        return put;
    }
    static std::string Text(Api&) {
        std::string text;
        if (!OpenClipboard(nullptr)) return "(clipboard not open)";
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
                text = bytes;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        return text;
    }
};
struct Win32WindowsSide {
    using Api = Win32TopLevelWindows;
    static WindowHandle OpenOwnWindow(Api&) {
        HWND window = CreateWindowExA(0, "STATIC", "Keyvane contract window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                      200, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        return reinterpret_cast<WindowHandle>(window);
    }
    static void Close(Api&, WindowHandle window) { DestroyWindow(reinterpret_cast<HWND>(window)); }
    // Dispatches this thread's messages until done, for at most 3 s: the
    // platform may finish a change of a window asynchronously.
    template <typename Done>
    static bool Settle(Done done) {
        const DWORD start = GetTickCount();
        for (;;) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            if (done()) return true;
            if (GetTickCount() - start > 3000) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, HotKeyApiContract, Win32HotKeySide);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, InputApiContract, Win32InputSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ScreenApiContract, Win32ScreenSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, MessageLoopContract, Win32LoopSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, SystemApiContract, Win32SystemSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, KeyboardWatchContract, Win32KeyboardSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ForegroundContract, Win32ForegroundSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, TopLevelWindowsContract, Win32WindowsSide);

}  // namespace contract
}  // namespace kv
