// The contracts against the fakes, natively.
#include "hotkey_api_contract.h"
#include "input_api_contract.h"
#include "message_loop_contract.h"
#include "platform/fake/FakeHotKeyApi.h"
#include "platform/fake/FakeInput.h"
#include "platform/fake/FakeMessageLoop.h"
#include "platform/fake/FakeScreen.h"
#include "screen_api_contract.h"

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

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, HotKeyApiContract, FakeHotKeySide);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, InputApiContract, FakeInputSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, ScreenApiContract, FakeScreenSide);
INSTANTIATE_TYPED_TEST_SUITE_P(Fake, MessageLoopContract, FakeLoopSide);

}  // namespace contract
}  // namespace kv
