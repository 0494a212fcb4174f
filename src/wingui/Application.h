#pragma once
// The application window: an otherwise invisible top-level window that
// carries the program's taskbar button and owns the main window. The
// application as a whole is minimised and restored through it.
#include <windows.h>

#include <functional>
#include <string>

#include "wingui/Window.h"

namespace kv {

class Application : public Window {
public:
    // Creates the window hidden, with no size, the title as its caption (the
    // taskbar button's text) and the program's icon.
    void Create(const std::string& title, HICON bigIcon, HICON smallIcon);

    const std::string& Title() const { return title_; }

    // The main window, owned by the application window.
    void SetMainForm(HWND mainForm) { mainForm_ = mainForm; }

    // Hides the main window, minimises the application window, then raises
    // OnMinimize.
    void Minimize();
    // When the application is minimised or its main window hidden: shows the
    // application window and the main window normally and in front, then
    // raises OnRestore. Otherwise nothing happens.
    void Restore();

    // The events of the application object (ApplicationEvents1).
    std::function<void()> OnMinimize;
    std::function<void()> OnRestore;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::string title_;
    HWND mainForm_ = nullptr;
};

}  // namespace kv
