#include "runner/WindowActions.h"

#include <algorithm>

#include "model/Payload.h"
#include "model/Split.h"

namespace kv {

void WindowActions::Play(const std::string& ActionData) {
    const std::vector<std::string> fields = Split(ActionData, kPayloadSeparator);
    if (fields.empty()) return;
    if (fields[0] == kMinimizeAllWindows) {
        MinimizeAll();
    } else if (fields[0] == kRestoreAllWindows) {
        RestoreAll();
    }
}

void WindowActions::MinimizeAll() {
    std::vector<WindowHandle> minimized;
    for (const TopLevelWindow& window : windows_.OtherProgramsWindows()) {
        if (window.minimizable && !window.minimized) minimized.push_back(window.handle);
    }
    // The backmost first: minimising the active window activates the next
    // one, which would otherwise be the next to go down, and so on; such an
    // activation may still arrive after a quick restore and reorder them.
    for (auto it = minimized.rbegin(); it != minimized.rend(); ++it) windows_.Minimize(*it);
    if (remembering_) {
        for (WindowHandle earlier : remembered_) {
            if (std::find(minimized.begin(), minimized.end(), earlier) == minimized.end()) {
                minimized.push_back(earlier);
            }
        }
    }
    remembered_ = std::move(minimized);
    remembering_ = true;
}

void WindowActions::RestoreAll() {
    std::vector<WindowHandle> toRestore;
    if (remembering_) {
        // Windows closed since, or brought back by the user, stay as they are.
        for (WindowHandle window : remembered_) {
            if (windows_.WindowExists(window) && windows_.IsMinimized(window)) toRestore.push_back(window);
        }
    } else {
        for (const TopLevelWindow& window : windows_.OtherProgramsWindows()) {
            if (window.minimized) toRestore.push_back(window.handle);
        }
    }
    RestoreInOrder(toRestore);
    remembered_.clear();
    remembering_ = false;
}

void WindowActions::RestoreInOrder(const std::vector<WindowHandle>& frontToBack) {
    if (frontToBack.empty()) return;
    // Each restored window comes to the front: the backmost goes first.
    for (auto it = frontToBack.rbegin(); it != frontToBack.rend(); ++it) windows_.Restore(*it);
    windows_.BringToFront(frontToBack.front());
}

}  // namespace kv
