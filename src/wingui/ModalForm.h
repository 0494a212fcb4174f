#pragma once
// The base of the program's modal windows (the editor, the special-key
// picker, the About box, the settings window, the input box): it registers
// the window class, makes the window with its caption and client size
// centred on the screen, owns the fonts, runs the modal loop and ends it,
// and does what a dialog does for the keyboard: Tab and the Alt+letter
// accelerators move between the controls, Enter presses the default button,
// Esc and the close box ask the form to close, and the focus comes back to
// the control that had it when the window is activated again. When the
// monitor's scaling changes (WM_DPICHANGED) the fonts, the client size and
// every control follow.
#include <windows.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/Win32MessageLoop.h"
#include "wingui/Controls.h"
#include "wingui/Window.h"
#include "wingui/WindowHelpers.h"

namespace kv {

// The texts are read while the form is being made; they need not outlive it.
struct ModalFormArgs {
    const char* className = "";
    const char* caption = "";
    int width = 0;  // of the client area at 96 dpi (of the whole window when outerSize)
    int height = 0;
    HWND owner = nullptr;
    HICON icon = nullptr;
    bool outerSize = false;
};

// A font the form makes at its dpi, and makes again when the dpi changes.
struct FontArgs {
    const char* face = "Tahoma";
    int points = 8;
    bool bold = false;
    bool underline = false;
};

// One row of a form's command table: the handler of a control's
// notification (BN_CLICKED, CBN_SELCHANGE, STN_CLICKED...).
template <typename Form>
struct Command {
    int id;
    void (Form::*handler)();
    int code = BN_CLICKED;
};

// Runs the handler of (id, code) from table; false when no row has it.
template <typename Form, std::size_t N>
bool RunCommand(Form& form, const Command<Form> (&table)[N], int id, int code) {
    for (const Command<Form>& row : table) {
        if (row.id == id && row.code == code) {
            (form.*row.handler)();
            return true;
        }
    }
    return false;
}

class ModalForm : public Window {
public:
    // Shows the form modally until Close, in a loop of its own or in the
    // program's loop.
    void ShowModal();
    void ShowModal(Win32MessageLoop& loop);
    // Ends the modal run (the window stays until the object goes).
    void Close();
    bool Closed() const { return closed_; }

    // Hides the focus rectangles and the accelerators' underlines until the
    // keyboard is used; each modal run starts so.
    void HideKeyboardCues();

    int Dpi() const { return dpi_; }
    // The form's font, Tahoma 8 points at its dpi.
    HFONT Font() const { return fonts_.front().font.Get(); }

protected:
    // Registers the class and creates the window hidden, with the form's
    // font made at the dpi of the owner's screen.
    explicit ModalForm(const ModalFormArgs& args);

    // Another font of the form, remade with the others on a change of dpi.
    HFONT AddFont(const FontArgs& args);
    ControlSite Site() const { return ControlSite{Handle(), Font(), dpi_}; }
    ControlSite Site(HFONT font) const { return ControlSite{Handle(), font, dpi_}; }
    // The button that Enter presses when the focused control does not take
    // Enter itself.
    void SetDefaultButton(int id) { defaultButton_ = id; }
    // The control that has the focus when the form is shown; the first tab
    // stop when none is set.
    void SetFirstFocus(HWND control) { firstFocus_ = control; }

    // Esc, and the close box: closes the form unless overridden.
    virtual void OnCloseRequest() { Close(); }
    // Runs once when the modal run ends (Close, or the program ending).
    virtual void OnClosed() {}
    // A notification of a child control (Esc and IDCANCEL excepted).
    virtual void OnCommand(int id, int code, HWND control);
    // After the fonts and the controls followed a change of dpi: pictures
    // and anything else drawn at the old dpi.
    virtual void OnDpiChanged() {}

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    struct FormFont {
        FontArgs args;
        OwnedFont font;
    };
    struct Placement {
        HWND control;
        RECT bounds;  // in the client area at baseDpi_
    };

    OwnedFont MakeFormFont(const FontArgs& args) const;
    void ApplyDpi(int dpi, const RECT* suggested);
    void RememberPlacements();
    void MoveToFirstFocus();
    void ChangeKeyboardCues(int action, UINT cues);

    ModalFormArgs args_;
    int dpi_ = 96;
    std::vector<FormFont> fonts_;
    std::vector<Placement> placements_;
    int baseDpi_ = 96;
    int defaultButton_ = 0;
    HWND firstFocus_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool closed_ = false;
    bool running_ = false;
    // UISF_HIDEFOCUS and UISF_HIDEACCEL while the keyboard is not in use.
    UINT hiddenCues_ = 0;
    // The captions with their "&", where the platform keeps no cue state.
    std::vector<std::pair<HWND, std::string>> accelTexts_;
};

// Whether the form's keyboard cues are hidden (cue: UISF_HIDEFOCUS or
// UISF_HIDEACCEL), for the controls that draw them.
inline bool KeyboardCueHidden(HWND control, UINT cue) {
    return (SendMessageA(GetAncestor(control, GA_ROOT), WM_QUERYUISTATE, 0, 0) & cue) != 0;
}

// The dpi of the screen a window is on (the system's dpi where the platform
// cannot tell).
int WindowDpi(HWND hwnd);

}  // namespace kv
