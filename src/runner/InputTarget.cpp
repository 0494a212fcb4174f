#include "runner/InputTarget.h"

namespace kv {

std::string ElevatedWindowMessage(const std::string& windowTitle) {
    return "Keyvane cannot send keys to \"" + windowTitle + "\": it runs as administrator.";
}

bool InputReachesForeground(InputContext& context) {
    if (!context.system) return true;
    std::string title;
    if (!context.system->ForegroundIsElevated(title)) return true;
    context.system->ShowTrayBalloon(ElevatedWindowMessage(title));
    return false;
}

}  // namespace kv
