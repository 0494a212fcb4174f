#include "runner/Playback.h"

#include "runner/Delay.h"

namespace kv {

namespace {

// How often typing looks again whether the program's window is still in front.
constexpr std::int32_t kForegroundPollMs = 20;

}  // namespace

void CheckStop(const InputContext& context) {
    if (context.loop.Terminated() || (context.playback && context.playback->StopRequested())) throw MacroStopped{};
}

void PlayDelay(InputContext& context, std::int32_t ms) {
    Delay(context.loop, ms, [&context] { CheckStop(context); });
}

void AwaitTypingTurn(InputContext& context) {
    CheckStop(context);
    if (!context.playback || !context.playback->foreground) return;
    ForegroundApi& windows = *context.playback->foreground;
    for (;;) {
        const WindowHandle front = windows.ForegroundWindow();
        if (!front || !windows.IsOwnWindow(front)) {
            if (front) context.typingTarget = front;
            return;
        }
        if (!windows.IsShown(front) && context.typingTarget) windows.Activate(context.typingTarget);
        PlayDelay(context, kForegroundPollMs);
    }
}

OwnKeysBurst::OwnKeysBurst(const InputContext& context, bool on)
    : keyboard_(context.playback ? context.playback->keyboard : nullptr) {
    if (!keyboard_) return;
    before_ = keyboard_->OwnKeysBurst();
    keyboard_->SetOwnKeysBurst(on);
}

OwnKeysBurst::~OwnKeysBurst() {
    if (keyboard_) keyboard_->SetOwnKeysBurst(before_);
}

bool ModifierKeyHeld(InputContext& context) {
    const KeyboardWatchApi* keyboard = context.playback ? context.playback->keyboard : nullptr;
    if (keyboard && keyboard->Active()) return keyboard->IsModifierKeyHeld();
    return context.input.IsModifierKeyHeld();
}

}  // namespace kv
