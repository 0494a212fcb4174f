#pragma once
// Thin wrappers of the standard controls the program's forms hold: each keeps
// the handle of a child window that the form owns (it goes with the form).
// Positions are given at 96 dpi and scaled to the screen's dpi.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "wingui/FlatButton.h"
#include "wingui/Window.h"

namespace kv {

// Where new controls go: the parent form, its font and the screen's dpi.
struct ControlSite {
    HWND parent = nullptr;
    HFONT font = nullptr;
    int dpi = 96;

    RECT Scaled(int left, int top, int width, int height) const;
};

// The text of any window.
std::string WindowText(HWND hwnd);

class ChildControl {
public:
    HWND Handle() const { return hwnd_; }
    int Id() const;
    std::string Text() const { return WindowText(hwnd_); }
    void SetText(const std::string& text);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);

protected:
    // A child window of a standard class at (left, top, width, height) at 96 dpi.
    void CreateChild(const ControlSite& site, const char* className, const char* text, DWORD style, DWORD exStyle,
                     int id, int left, int top, int width, int height);

    HWND hwnd_ = nullptr;
};

class LabelControl : public ChildControl {
public:
    // style: extra static styles (SS_RIGHT, SS_CENTER, SS_NOTIFY...). An "&"
    // in text makes the next letter the Alt+letter accelerator of the control
    // that follows the label in the tab order; a text without one is shown
    // as it is (pass SS_NOPREFIX for a text that must show its "&").
    void Create(const ControlSite& site, const char* text, int left, int top, int width, int height, DWORD style = 0,
                int id = 0);
};

class GroupBoxControl : public ChildControl {
public:
    void Create(const ControlSite& site, const char* text, int left, int top, int width, int height);
};

class ButtonControl : public ChildControl {
public:
    void Create(const ControlSite& site, int id, const char* text, int left, int top, int width, int height,
                bool isDefault = false);
    // A click as the user makes it: BN_CLICKED reaches the parent.
    void Click();
};

class CheckBoxControl : public ChildControl {
public:
    void Create(const ControlSite& site, int id, const char* text, int left, int top, int width, int height);
    bool Checked() const;
    void SetChecked(bool checked);
};

class EditControl : public ChildControl {
public:
    void Create(const ControlSite& site, int id, int left, int top, int width, int height, bool readOnly = false,
                DWORD style = 0);
    // Lets only the digits and Backspace through when typed.
    void AcceptDigitsOnly();
    bool ReadOnly() const;
};

// A multi-line edit box that wraps its lines.
class MemoControl : public EditControl {
public:
    void Create(const ControlSite& site, int id, int left, int top, int width, int height, bool readOnly = false,
                bool scrollBar = true);
    // Esc does nothing in the box. (A multi-line edit box in a window with
    // dialog navigation otherwise closes that window on Esc.)
    void IgnoreEscape();
};

// A drop-down list the user cannot type into.
class ComboBoxControl : public ChildControl {
public:
    // visibleRows: how many entries the open list shows at most.
    void Create(const ControlSite& site, int id, int left, int top, int width, int visibleRows = 8);
    void SetItems(const std::vector<std::string>& items);
    void Add(const std::string& item);
    int Count() const;
    std::string Item(int index) const;
    // The chosen entry, -1 when none.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The chosen entry's text; "" when none is chosen.
    std::string Chosen() const;
    // Chooses the entry with exactly this text; false (choice unchanged) when none has it.
    bool Choose(const std::string& text);
    int DroppedRows() const { return visibleRows_; }

private:
    int visibleRows_ = 8;
};

// A list of entries of which at most one is selected.
class ListBoxControl : public ChildControl {
public:
    void Create(const ControlSite& site, int id, int left, int top, int width, int height);
    std::vector<std::string> Items() const;
    // Replaces the entries and selects selected (-1 for none).
    void SetItems(const std::vector<std::string>& items, int selected = -1);
    void Add(const std::string& item);
    int Count() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
};

// A flat button of a form that shows a caption or a picture (SpeedButton1...
// of the editor and the special-key picker).
class TFlatButton : public FlatButton {
public:
    void Create(const ControlSite& site, int id, const char* caption, int left, int top, int width, int height,
                HIMAGELIST images = nullptr, int image = -1);
};

// A tooltip window for the hints of a form's controls.
HWND CreateHintWindow(HWND form);

}  // namespace kv
