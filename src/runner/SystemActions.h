#pragma once
// "Restart Windows", "Shut down Windows" and "Clear Clipboard" (the MISCEL
// kind).
#include <string>

#include "platform/ShellApi.h"
#include "platform/SystemApi.h"

namespace kv {

// The questions asked first when the payload's confirmation flag is "-1".
inline constexpr char kRestartQuestion[] = "Restart Windows now?";
inline constexpr char kShutDownQuestion[] = "Shut down Windows now?";

// Player of MISCEL: field 0 chooses the action, field 1 "-1" asks first
// (restart and shut down only; clearing the clipboard loses nothing that a
// question could save). No leaves everything as it is. A refusal of the
// system is shown with the system's reason in an error box captioned with
// the application title. Any other action text does nothing.
void PlaySystemAction(SystemApi& system, ShellApi& shell, const std::string& appTitle, const std::string& ActionData);

}  // namespace kv
