#include "runner/MacroRunner.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "model/ActionKind.h"
#include "model/Convert.h"
#include "model/Split.h"
#include "runner/MouseEvents.h"
#include "runner/ScreenCapture.h"
#include "runner/SystemActions.h"
#include "runner/keyevents.h"

namespace kv {

TMacroRunner::TMacroRunner(RunnerPlatform platform, std::string appTitle)
    : platform_(platform), appTitle_(std::move(appTitle)), windowActions_(platform.windows) {}

bool TMacroRunner::IsRunning(std::uint32_t UniqueID) const {
    return std::find(running_.begin(), running_.end(), UniqueID) != running_.end();
}

void TMacroRunner::RunMacro(bool Enabled, const std::string& ActionKind, std::uint32_t HotKey,
                            std::uint32_t UniqueID, const std::string& ActionData, const std::string& Description) {
    if (!Enabled || IsRunning(UniqueID)) return;

    // The texts are copies: the table may change while this macro waits.
    const std::string kind = ActionKind;     // NOLINT(performance-unnecessary-copy-initialization)
    const std::string payload = ActionData;  // NOLINT(performance-unnecessary-copy-initialization)
    running_.push_back(UniqueID);
    try {
        Play(kind, payload);
    } catch (const std::exception& error) {
        // A nested macro runs inside the window procedure of the outer one's
        // wait; its error must not travel through the platform's frames, so
        // each macro reports its own and only it ends.
        platform_.shell.ShowMessage(ErrorBoxText(error.what()), appTitle_, MessageIcon::Error);
    } catch (...) {
        platform_.shell.ShowMessage("Unexpected error.", appTitle_, MessageIcon::Error);
    }
    running_.erase(std::find(running_.begin(), running_.end(), UniqueID));
}

void TMacroRunner::Play(const std::string& kind, const std::string& payload) {
    if (kind == kKindRunProgram) pRunPRG(payload);
    else if (kind == kKindOpenUrl) pOpenURL(payload);
    else if (kind == kKindScreenCapture) pScreenCapture(payload);
    else if (kind == kKindKeyEvents) pKeyEvent(payload);
    else if (kind == kKindMouseEvents) pMouseEvent(payload);
    else if (kind == kKindWindowActions) pWindowsAction(payload);
    else if (kind == kKindMiscellaneous) pMisc(payload);
}

void TMacroRunner::ShellOpenEach(const std::string& ActionData) {
    // The shell's answer is not looked at: an item it cannot open is skipped
    // and the next one is opened all the same.
    for (const std::string& item : Split(ActionData, '|')) platform_.shell.ShellOpen(owner, "OPEN", item);
}

void TMacroRunner::pRunPRG(const std::string& ActionData) { ShellOpenEach(ActionData); }

void TMacroRunner::pOpenURL(const std::string& ActionData) { ShellOpenEach(ActionData); }

void TMacroRunner::pScreenCapture(const std::string& ActionData) { kv::pScreenCapture(platform_.screen, ActionData); }

void TMacroRunner::pKeyEvent(const std::string& ActionData) {
    InputContext context{platform_.input, platform_.loop, platform_.shell, &platform_.system};
    kv::pKeyEvent(context, ActionData);
}

void TMacroRunner::pMouseEvent(const std::string& ActionData) {
    InputContext context{platform_.input, platform_.loop, platform_.shell, &platform_.system};
    kv::pMouseEvent(context, ActionData);
}

void TMacroRunner::pWindowsAction(const std::string& ActionData) { windowActions_.Play(ActionData); }

void TMacroRunner::pMisc(const std::string& ActionData) {
    PlaySystemAction(platform_.system, platform_.shell, appTitle_, ActionData);
}

}  // namespace kv
