// The contracts against the Win32 implementations, under Wine.
#include <windows.h>

#include "hotkey_api_contract.h"
#include "input_api_contract.h"
#include "message_loop_contract.h"
#include "platform/win32/Win32HotKeyApi.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32MessageLoop.h"
#include "platform/win32/Win32Screen.h"
#include "screen_api_contract.h"

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

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, HotKeyApiContract, Win32HotKeySide);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, InputApiContract, Win32InputSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ScreenApiContract, Win32ScreenSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, MessageLoopContract, Win32LoopSide);

}  // namespace contract
}  // namespace kv
