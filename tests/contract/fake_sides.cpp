// The contracts against the fakes, natively.
#include "foreground_contract.h"
#include "hotkey_api_contract.h"
#include "input_api_contract.h"
#include "keyboard_watch_contract.h"
#include "message_loop_contract.h"
#include "platform/fake/FakeForeground.h"
#include "platform/fake/FakeHotKeyApi.h"
#include "platform/fake/FakeInput.h"
#include "platform/fake/FakeKeyboardWatch.h"
#include "platform/fake/FakeMessageLoop.h"
#include "platform/fake/FakeScreen.h"
#include "platform/fake/FakeSystem.h"
#include "platform/fake/FakeTopLevelWindows.h"
#include "screen_api_contract.h"
#include "system_api_contract.h"
#include "top_level_windows_contract.h"

namespace kv {
namespace contract {

struct FakeHotKeySide {
    using Api = FakeHotKeyApi;
    static std::intptr_t Send(Api& api, WindowHandle window, WindowMessage& message) {
        api.Send(window, message);
        return message.result;
    }
};
struct FakeInputSide {
    using Api = FakeInput;
};
struct FakeScreenSide {
    using Api = FakeScreen;
};
struct FakeLoopSide {
    using Api = FakeMessageLoop;
};
struct FakeForegroundSide {
    using Api = FakeForeground;
    static WindowHandle OpenOwnWindow(Api& api) {
        api.own.insert(0x5151);
        api.shown.insert(0x5151);
        return 0x5151;
    }
    static void Hide(Api& api, WindowHandle window) { api.shown.erase(window); }
    static void Close(Api& api, WindowHandle window) {
        api.own.erase(window);
        api.gone.insert(window);
    }
};
struct FakeKeyboardSide {
    using Api = FakeKeyboardWatch;
    static void Dispatch() {}
};
struct FakeSystemSide {
    using Api = FakeSystem;
    static bool PutText(Api& api, const std::string& text) {
        api.clipboard = text;
        return true;
    }
    static std::string Text(Api& api) { return api.clipboard; }
};
struct FakeWindowsSide {
    using Api = FakeTopLevelWindows;
    static WindowHandle OpenOwnWindow(Api& api) {
        api.Open(0x4242);
        api.windows.front().ours = true;
        return 0x4242;
    }
    static void Close(Api& api, WindowHandle window) { api.Close(window); }
    template <typename Done>
    static bool Settle(Done done) {
        return done();
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, HotKeyApiContract, FakeHotKeySide);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, InputApiContract, FakeInputSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, ScreenApiContract, FakeScreenSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, MessageLoopContract, FakeLoopSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, SystemApiContract, FakeSystemSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, KeyboardWatchContract, FakeKeyboardSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, ForegroundContract, FakeForegroundSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, TopLevelWindowsContract, FakeWindowsSide);

}  // namespace contract
}  // namespace kv
