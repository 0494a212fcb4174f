#pragma once
// Lets a form see every key that goes down in it before the focused control
// does: each child control of the form is subclassed for the time the
// object lives, and the form's own window passes its keys on as well.
#include <windows.h>

#include <functional>
#include <vector>

namespace kv {

class KeyPreview {
public:
    KeyPreview() = default;
    ~KeyPreview();
    KeyPreview(const KeyPreview&) = delete;
    KeyPreview& operator=(const KeyPreview&) = delete;

    // Starts passing the key-downs (WM_KEYDOWN, WM_SYSKEYDOWN) of form's
    // child controls, made before this call, to onKeyDown; the key then goes
    // on to the control.
    void Attach(HWND form, std::function<void(WORD key)> onKeyDown);
    // For the form's own window procedure.
    void KeyDown(WORD key) const;

private:
    static LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    void Detach();

    std::function<void(WORD)> onKeyDown_;
    std::vector<HWND> children_;
};

}  // namespace kv
