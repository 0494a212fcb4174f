#include "runner/SystemActions.h"

#include <vector>

#include "model/Convert.h"
#include "model/Payload.h"
#include "model/Split.h"

namespace kv {

void PlaySystemAction(SystemApi& system, ShellApi& shell, const std::string& appTitle, const std::string& ActionData) {
    const std::vector<std::string> fields = Split(ActionData, kPayloadSeparator);
    if (fields.empty()) return;
    const std::string& action = fields[0];
    const bool confirm = fields.size() > 1 && fields[1] == kConfirmFlag;

    std::string error;
    bool done = true;
    if (action == kClearClipboardAction) {
        done = system.ClearClipboard(error);
    } else if (action == kRestartWindowsAction || action == kShutDownWindowsAction) {
        const bool restart = action == kRestartWindowsAction;
        if (confirm && !system.AskYesNo(restart ? kRestartQuestion : kShutDownQuestion, appTitle)) return;
        done = system.EndSession(restart ? SessionEnd::Restart : SessionEnd::ShutDown, error);
    }
    if (!done) shell.ShowMessage(ErrorBoxText(error), appTitle, MessageIcon::Error);
}

}  // namespace kv
