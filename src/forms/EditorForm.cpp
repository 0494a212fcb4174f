#include "forms/EditorForm.h"

#include <commctrl.h>

#include "forms/EditorPictures.h"
#include "forms/ProgramIcon.h"
#include "uilogic/ListEntries.h"
#include "wingui/CommonControls.h"
#include "wingui/Prompts.h"

namespace kv {

namespace {

const int kClientWidth = 409;
const int kClientHeight = 459;
const UINT_PTR kPositionTimer = 1;
const UINT kPositionTimerInterval = 100;
const UINT_PTR kDescriptionKeysSubclass = 1;

const Command<EditorForm> kCommands[] = {
    {EditorForm::idCommit, &EditorForm::OnCommit},
    {EditorForm::idCheckAvailability, &EditorForm::OnCheckAvailability},
    {EditorForm::idCategoryCombo, &EditorForm::OnCategoryChange, CBN_SELCHANGE},
    {EditorForm::idBrowseProgram, &EditorForm::OnBrowseProgram},
    {EditorForm::idAddProgram, &EditorForm::OnAddProgram},
    {EditorForm::idAddUrl, &EditorForm::OnAddUrl},
    {EditorForm::idChooseFolder, &EditorForm::OnChooseFolder},
    {EditorForm::idWindowTypeCombo, &EditorForm::OnWindowTypeChange, CBN_SELCHANGE},
    {EditorForm::idKeyRepeatCombo, &EditorForm::OnKeyRepeatChange, CBN_SELCHANGE},
    {EditorForm::idAddKey, &EditorForm::OnAddKey},
    {EditorForm::idMouseRepeatCombo, &EditorForm::OnMouseRepeatChange, CBN_SELCHANGE},
    {EditorForm::idAddPosition, &EditorForm::OnAddPosition},
    {EditorForm::idAddMouseButton, &EditorForm::OnAddMouseButton},
};

// The description is a multi-line box inside a form: Tab and Shift+Tab
// leave it and Enter presses the default button, as in a one-line box (the
// description is stored on one line anyway), and Esc does nothing there,
// so that a stray Esc does not throw away what was typed.
LRESULT CALLBACK DescriptionKeysProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (msg) {
        case WM_GETDLGCODE: {
            LRESULT code = comctl::DefSubclassProc(hwnd, msg, wParam, lParam);
            const MSG* key = reinterpret_cast<const MSG*>(lParam);
            if (key && key->message == WM_KEYDOWN) {
                if (key->wParam == VK_TAB || key->wParam == VK_RETURN) code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
                if (key->wParam == VK_ESCAPE) code |= DLGC_WANTALLKEYS;
            }
            return code;
        }
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) return 0;
            break;
        case WM_CHAR:
            if (wParam == VK_ESCAPE) return 0;
            break;
        case WM_NCDESTROY: comctl::RemoveWindowSubclass(hwnd, DescriptionKeysProc, kDescriptionKeysSubclass); break;
    }
    return comctl::DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

EditorForm::EditorForm(EditorHost host, HWND owner)
    : ModalForm(ModalFormArgs{"TfrmAdd", "New Macro", kClientWidth, kClientHeight, owner,
                              ProgramIcon(GetSystemMetrics(SM_CXICON))}),
      host_(std::move(host)) {
    pictures_.Reset(CreateEditorPictures(Dpi()));
    CreateControls();
    comctl::SetWindowSubclass(descriptionMemo.Handle(), DescriptionKeysProc, kDescriptionKeysSubclass, 0);
    keyPreview_.Attach(Handle(), [this](WORD key) { FormKeyDown(key); });
    SetDefaultButton(idCommit);
    SetFirstFocus(ctrlBox.Handle());
    FormCreate();
    shown_ = Fields();
}

EditorForm::~EditorForm() {
    SetPositionTimer(false);
    if (Handle()) DestroyWindow(Handle());
}

// ---------------------------------------------------------------- the form

void EditorForm::FormCreate() {
    // The pages have no tab headers: they change only through the category
    // list and the loaders.
    ShowPage(pgRunProgram);
    captureFolderEdit.SetText(ExeDir());
    FillKeyCombo();
    // A new editor starts on the first category, so that a commit always
    // stores the page it shows.
    categoryCombo.SetItemIndex(pgRunProgram);
}

void EditorForm::FormShow() {
    SetWindowTextA(Handle(), EditMode ? "Edit Macro" : "New Macro");
    commitButton.SetText(EditMode ? "&OK" : "&Add");
    shown_ = Fields();
}

void EditorForm::ShowModal(Win32MessageLoop& loop) {
    FormShow();
    ModalForm::ShowModal(loop);
}

void EditorForm::FormClose() {
    EditMode = false;
    SetPositionTimer(false);
}

void EditorForm::OnClosed() { FormClose(); }

void EditorForm::OnCloseRequest() {
    // Esc and the close box discard the input, after asking when there is
    // something to lose.
    if (FieldsChanged(shown_, Fields()) && !host_.prompts.Confirm(Handle(), kDiscardQuestion, host_.title, true)) {
        return;
    }
    Close();
}

EditorFields EditorForm::Fields() const {
    EditorFields f;
    f.hotKey = SelectedHotKey();
    f.category = categoryCombo.ItemIndex();
    f.page = activePage_;
    f.pages = ReadPages();
    f.description = descriptionMemo.Text();
    return f;
}

void EditorForm::FormKeyDown(WORD key) {
    if (activePage_ == pgMouseEvents && key == VK_INSERT) mousePanel.list.Add(PositionEntry(positionLabel.Text()));
}

void EditorForm::ShowPage(int page) {
    if (page < 0 || page >= kEditorPageCount) return;
    activePage_ = page;
    for (int i = 0; i < kEditorPageCount; ++i) {
        for (HWND control : pages_[i]) ShowWindow(control, i == page ? SW_SHOWNA : SW_HIDE);
    }
    SetPositionTimer(page == pgMouseEvents);
}

void EditorForm::OnCategoryChange() {
    const int index = categoryCombo.ItemIndex();
    if (index >= 0) ShowPage(index);
}

void EditorForm::SetPositionTimer(bool enabled) {
    if (enabled == positionTimer_ || !Handle()) return;
    positionTimer_ = enabled;
    if (enabled) {
        SetTimer(Handle(), kPositionTimer, kPositionTimerInterval, nullptr);
    } else {
        KillTimer(Handle(), kPositionTimer);
    }
}

void EditorForm::OnPositionTimer() {
    const std::string position = PositionText(host_.input.GetCursorPos());
    if (position == positionLabel.Text()) return;
    positionLabel.SetText(position);
    InvalidateRect(positionLabel.Handle(), nullptr, TRUE);
}

void EditorForm::Message(const std::string& text, MessageIcon icon) {
    host_.prompts.Message(Handle(), text, host_.title, icon);
}

void EditorForm::OnCommit() {
    CommitRequest request;
    request.editMode = EditMode;
    request.hotKey = SelectedHotKey();
    request.page = activePage_;
    request.pages = ReadPages();
    request.description = descriptionMemo.Text();
    const CommitOutcome outcome = CommitMacro(request, host_.binding, host_.hotKeys, host_.modifierNames);
    if (!outcome.stored) {
        Message(outcome.refusal.text, outcome.refusal.icon);
        return;
    }
    if (host_.onStored) host_.onStored(outcome.slot, EditMode);
    if (host_.saveListFile) host_.saveListFile();
    Close();
}

// ---------------------------------------------------------------- messages

void EditorForm::OnCommand(int id, int code, HWND) {
    if (RunCommand(*this, kCommands, id, code)) return;
    if (code != BN_CLICKED) return;
    if (!keyPanel.OnCommand(id)) mousePanel.OnCommand(id);
}

void EditorForm::OnContextMenu(HWND control, LPARAM lParam) {
    const bool programs = control == programList.Handle();
    if (!programs && control != urlList.Handle()) return;
    // The lists' context menus: the single item "Delete", which acts on the
    // selected entry.
    OwnedMenu menu(CreatePopupMenu());
    AppendMenuA(menu.Get(), MF_STRING, programs ? idDeleteProgram : idDeleteUrl, "Delete");
    POINT at = {short(LOWORD(lParam)), short(HIWORD(lParam))};
    if (lParam == -1) {  // from the keyboard (the menu key or Shift+F10)
        RECT rc;
        GetWindowRect(control, &rc);
        at = {rc.left, rc.top};
    }
    const UINT command = UINT(
        TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, Handle(), nullptr));
    if (command == idDeleteProgram) OnDeleteProgram();
    if (command == idDeleteUrl) OnDeleteUrl();
}

void EditorForm::OnDpiChanged() {
    // The pictures of the flat buttons are drawn again at the new size.
    OwnedImageList old = std::move(pictures_);
    pictures_.Reset(CreateEditorPictures(Dpi()));
    for (TFlatButton* button :
         {&checkAvailabilityButton, &browseProgramButton, &addProgramButton, &addUrlButton, &chooseFolderButton}) {
        button->SetImages(pictures_.Get());
    }
}

void EditorForm::DrawPosition(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    Selected font(item.hDC, Font());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    RECT text = item.rcItem;
    text.right -= Scale(2, Dpi());
    const std::string position = positionLabel.Text();
    DrawTextA(item.hDC, position.c_str(), -1, &text, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

LRESULT EditorForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CONTEXTMENU: OnContextMenu(reinterpret_cast<HWND>(wParam), lParam); return 0;
        case WM_TIMER:
            if (wParam == kPositionTimer) OnPositionTimer();
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            // A key while no control has the focus.
            keyPreview_.KeyDown(WORD(wParam));
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->hwndItem != positionLabel.Handle()) break;
            DrawPosition(*item);
            return TRUE;
        }
    }
    return ModalForm::WndProc(msg, wParam, lParam);
}

}  // namespace kv
