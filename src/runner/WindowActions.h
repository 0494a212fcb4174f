#pragma once
// "Minimize all Windows" and "Restore all Windows" (the WINACT kind), with
// what the one must remember for the other.
#include <string>
#include <vector>

#include "platform/TopLevelWindowsApi.h"

namespace kv {

class WindowActions {
public:
    explicit WindowActions(TopLevelWindowsApi& windows) : windows_(windows) {}

    // Player of WINACT: field 0 chooses the action; any other text does
    // nothing.
    void Play(const std::string& ActionData);

    // Minimises every visible, minimisable window of the other programs that
    // is not minimised yet, the backmost first, and remembers them in
    // z-order. A second
    // minimise before a restore adds the windows it took down in front of
    // those remembered already.
    void MinimizeAll();

    // Restores the remembered windows that still exist and are still
    // minimised, the backmost first, so that they come back in their old
    // order with the frontmost one in front; then forgets them. With nothing
    // remembered, restores every minimised window of the other programs the
    // same way.
    void RestoreAll();

    // The windows the next restore brings back, front to back.
    const std::vector<WindowHandle>& Remembered() const { return remembered_; }
    bool Remembering() const { return remembering_; }

private:
    void RestoreInOrder(const std::vector<WindowHandle>& frontToBack);

    TopLevelWindowsApi& windows_;
    std::vector<WindowHandle> remembered_;
    bool remembering_ = false;
};

}  // namespace kv
