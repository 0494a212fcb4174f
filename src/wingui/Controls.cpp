#include "wingui/Controls.h"

#include <commctrl.h>

#include "uilogic/ListEntries.h"
#include "wingui/CommonControls.h"
#include "wingui/WindowHelpers.h"

namespace kv {

namespace {

const char* const kFlatButtonClass = "KvFlatButton";
const UINT_PTR kDigitsOnlySubclass = 1;

LRESULT CALLBACK DigitsOnlyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (msg == WM_CHAR && !IsDigitKeyAllowed(char(wParam))) return 0;  // discarded
    if (msg == WM_NCDESTROY) comctl::RemoveWindowSubclass(hwnd, DigitsOnlyProc, kDigitsOnlySubclass);
    return comctl::DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

RECT ControlSite::Scaled(int left, int top, int width, int height) const {
    const int x = Scale(left, dpi);
    const int y = Scale(top, dpi);
    return RECT{x, y, x + Scale(width, dpi), y + Scale(height, dpi)};
}

std::string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) return std::string();
    std::string text(size_t(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, &text[0], length + 1);
    text.resize(size_t(copied > 0 ? copied : 0));
    return text;
}

int ChildControl::Id() const { return GetDlgCtrlID(hwnd_); }

void ChildControl::SetText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }

bool ChildControl::Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void ChildControl::SetEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

bool ChildControl::Visible() const { return (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

void ChildControl::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

void ChildControl::CreateChild(const ControlSite& site, const char* className, const char* text, DWORD style,
                               DWORD exStyle, int id, int left, int top, int width, int height) {
    const RECT r = site.Scaled(left, top, width, height);
    hwnd_ = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, site.parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                            GetModuleHandleA(nullptr), nullptr);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(site.font), FALSE);
}

void LabelControl::Create(const ControlSite& site, const char* text, int left, int top, int width, int height,
                          DWORD style, int id) {
    // An "&" marks the accelerator that moves to the control after the label.
    const DWORD prefix = std::string(text).find('&') == std::string::npos ? SS_NOPREFIX : 0;
    CreateChild(site, "STATIC", text, prefix | style, 0, id, left, top, width, height);
}

void GroupBoxControl::Create(const ControlSite& site, const char* text, int left, int top, int width, int height) {
    // Below the controls it frames, which are created before it.
    CreateChild(site, "BUTTON", text, BS_GROUPBOX | WS_CLIPSIBLINGS, 0, 0, left, top, width, height);
}

void ButtonControl::Create(const ControlSite& site, int id, const char* text, int left, int top, int width, int height,
                           bool isDefault) {
    CreateChild(site, "BUTTON", text, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, id, left, top,
                width, height);
}

void ButtonControl::Click() {
    SendMessageA(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd_));
}

void CheckBoxControl::Create(const ControlSite& site, int id, const char* text, int left, int top, int width,
                             int height) {
    CreateChild(site, "BUTTON", text, WS_TABSTOP | BS_AUTOCHECKBOX, 0, id, left, top, width, height);
}

bool CheckBoxControl::Checked() const { return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBoxControl::SetChecked(bool checked) {
    SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void EditControl::Create(const ControlSite& site, int id, int left, int top, int width, int height, bool readOnly,
                         DWORD style) {
    CreateChild(site, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL | (readOnly ? ES_READONLY : 0) | style, WS_EX_CLIENTEDGE,
                id, left, top, width, height);
}

void EditControl::AcceptDigitsOnly() { comctl::SetWindowSubclass(hwnd_, DigitsOnlyProc, kDigitsOnlySubclass, 0); }

namespace {

const UINT_PTR kIgnoreEscapeSubclass = 2;

LRESULT CALLBACK IgnoreEscapeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (msg) {
        case WM_GETDLGCODE:
            // The box takes Esc itself, so dialog navigation does not turn it
            // into a Cancel.
            if (lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN && wParam == VK_ESCAPE) {
                return DLGC_WANTMESSAGE | comctl::DefSubclassProc(hwnd, msg, wParam, lParam);
            }
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            if (wParam == VK_ESCAPE) return 0;
            break;
        case WM_NCDESTROY: comctl::RemoveWindowSubclass(hwnd, IgnoreEscapeProc, kIgnoreEscapeSubclass); break;
    }
    return comctl::DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void MemoControl::IgnoreEscape() { comctl::SetWindowSubclass(hwnd_, IgnoreEscapeProc, kIgnoreEscapeSubclass, 0); }

bool EditControl::ReadOnly() const { return (GetWindowLongPtrA(hwnd_, GWL_STYLE) & ES_READONLY) != 0; }

void MemoControl::Create(const ControlSite& site, int id, int left, int top, int width, int height, bool readOnly,
                         bool scrollBar) {
    CreateChild(site, "EDIT", "",
                WS_TABSTOP | (scrollBar ? WS_VSCROLL : 0) | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN |
                    (readOnly ? ES_READONLY : 0),
                WS_EX_CLIENTEDGE, id, left, top, width, height);
}

void ComboBoxControl::Create(const ControlSite& site, int id, int left, int top, int width, int visibleRows) {
    visibleRows_ = visibleRows;
    // The height of a drop-down list is that of its open list; it is set
    // below once the row height is known.
    CreateChild(site, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, id, left, top, width, 200);
    const int rowHeight = int(SendMessageA(hwnd_, CB_GETITEMHEIGHT, 0, 0));
    const int fieldHeight = int(SendMessageA(hwnd_, CB_GETITEMHEIGHT, WPARAM(-1), 0));
    RECT r;
    GetWindowRect(hwnd_, &r);
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, fieldHeight + 8 + rowHeight * visibleRows,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(hwnd_, CB_SETMINVISIBLE, visibleRows, 0);
}

void ComboBoxControl::SetItems(const std::vector<std::string>& items) {
    SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) Add(item);
}

void ComboBoxControl::Add(const std::string& item) {
    SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ComboBoxControl::Count() const { return int(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)); }

std::string ComboBoxControl::Item(int index) const {
    const int length = int(SendMessageA(hwnd_, CB_GETLBTEXTLEN, index, 0));
    if (length < 0) return std::string();
    std::string text(size_t(length) + 1, '\0');
    SendMessageA(hwnd_, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(size_t(length));
    return text;
}

int ComboBoxControl::ItemIndex() const { return int(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)); }

void ComboBoxControl::SetItemIndex(int index) { SendMessageA(hwnd_, CB_SETCURSEL, WPARAM(index), 0); }

std::string ComboBoxControl::Chosen() const {
    const int index = ItemIndex();
    return index < 0 ? std::string() : Item(index);
}

bool ComboBoxControl::Choose(const std::string& text) {
    for (int i = 0; i < Count(); ++i) {
        if (Item(i) == text) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

void ListBoxControl::Create(const ControlSite& site, int id, int left, int top, int width, int height) {
    CreateChild(site, "LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE, id,
                left, top, width, height);
}

std::vector<std::string> ListBoxControl::Items() const {
    std::vector<std::string> items;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        const int length = int(SendMessageA(hwnd_, LB_GETTEXTLEN, i, 0));
        std::string text(size_t(length > 0 ? length : 0) + 1, '\0');
        SendMessageA(hwnd_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(size_t(length > 0 ? length : 0));
        items.push_back(text);
    }
    return items;
}

void ListBoxControl::SetItems(const std::vector<std::string>& items, int selected) {
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) Add(item);
    SetItemIndex(selected);
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListBoxControl::Add(const std::string& item) {
    SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ListBoxControl::Count() const { return int(SendMessageA(hwnd_, LB_GETCOUNT, 0, 0)); }

int ListBoxControl::ItemIndex() const { return int(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0)); }

void ListBoxControl::SetItemIndex(int index) { SendMessageA(hwnd_, LB_SETCURSEL, WPARAM(index), 0); }

// ---------------------------------------------------------------- flat button

void TFlatButton::Create(const ControlSite& site, int id, const char* caption, int left, int top, int width, int height,
                         HIMAGELIST images, int image) {
    CreateButton(kFlatButtonClass, LoadCursor(nullptr, IDC_ARROW), site.parent, id,
                 site.Scaled(left, top, width, height), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                 Look{caption, site.font, images, image});
}

HWND CreateHintWindow(HWND form) {
    comctl::Load();
    return CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0,
                           form, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace kv
