#pragma once
// A flat tool bar button with a picture: no frame until the mouse is over it,
// sunken while pressed or while it is the down button of its group.
#include <windows.h>
#include <commctrl.h>

#include "ui/Window.h"

namespace kv {

class SpeedButton : public Window {
public:
    // A click sends WM_COMMAND (id, BN_CLICKED) to the parent. Buttons of the
    // same group index other than 0 form a radio group: exactly one is down.
    void Create(HWND parent, int id, const RECT& bounds, HIMAGELIST images, int image, int groupIndex = 0,
                bool visible = true);

    bool Down() const { return down_; }
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    int Id() const { return id_; }

    // Does what a click of the mouse does (a menu item presses its button).
    void Click();

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
    void SetHot(bool hot);
    bool ContainsPoint(LPARAM lParam) const;

    int id_ = 0;
    int groupIndex_ = 0;
    HIMAGELIST images_ = nullptr;
    int image_ = -1;
    bool hot_ = false;      // the mouse is over the button
    bool pressed_ = false;  // the left button went down on it and is held
    bool down_ = false;     // the group's chosen button
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
