#pragma once
// A flat tool bar button with a picture: no frame until the mouse is over it,
// sunken while pressed or while it is the down button of its group.
#include <windows.h>
#include <commctrl.h>

#include "wingui/FlatButton.h"
#include "wingui/Window.h"

namespace kv {

class SpeedButton : public FlatButton {
public:
    // A click sends WM_COMMAND (id, BN_CLICKED) to the parent. Buttons of the
    // same group index other than 0 form a radio group: exactly one is down.
    void Create(HWND parent, int id, const RECT& bounds, HIMAGELIST images, int image, int groupIndex = 0,
                bool visible = true);

    void SetDown(bool down);

    void Click() override;

private:
    int groupIndex_ = 0;
};

// A panel that holds controls and passes their commands to its own parent.
class Panel : public Window {
public:
    void Create(HWND parent, int id, const RECT& bounds);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// Adds a tooltip for a control to the tooltip window tip.
void AddHint(HWND tip, HWND control, const char* text);

}  // namespace kv
