#include "forms/MainForm.h"

#include <utility>

#include "forms/ProgramIcon.h"
#include "forms/Resource.h"
#include "hotkeys/HotKeyText.h"
#include "uilogic/AppTitle.h"
#include "uilogic/DialogFilter.h"
#include "uilogic/ImportSummary.h"
#include "uilogic/ShowRequest.h"
#include "wingui/CommonControls.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace kv {

namespace {

const char* const kCaption = "Keyvane v1.0 Beta";
const int kWidth = 689;
const int kHeight = 548;
const int kPanelHeight = 27;
const int kButtonWidth = 23;
const int kButtonHeight = 22;
const int kButtonTop = 2;
const int kDonateMargin = 4;  // the Donate button keeps this distance to the right edge
const int kStatusPanelWidth = 50;
const int kAnchoredRight = -1;
// The filter row between the tool bar and the list.
const int kFilterRowHeight = 26;
const int kFilterLabelWidth = 32;
const int kFilterBoxLeft = 40;
const int kFilterBoxHeight = 21;
const int kMargin = 4;

struct ToolButton {
    SpeedButton MainForm::*button;
    UINT command;
    int left;  // at 96 dpi; kAnchoredRight for the Donate button
    const char* hint;
    int picture;
    int groupIndex;
    bool visible;
};

// Left to right, which is also the tab order.
const ToolButton kToolButtons[] = {
    {&MainForm::disableAllButton, MainForm::cmDisableAll, 4, "Disable all", IDB_BTNDISABLED, 1, true},
    {&MainForm::enableAllButton, MainForm::cmEnableAll, 28, "Enable all", IDB_BTNENABLED, 1, true},
    {&MainForm::addButton, MainForm::cmAdd, 62, "Add new", IDB_BTNADDNEW, 0, true},
    {&MainForm::editButton, MainForm::cmEdit, 85, "Edit", IDB_BTNEDIT, 0, true},
    {&MainForm::deleteButton, MainForm::cmDelete, 108, "Delete", IDB_BTNDELETE, 0, true},
    {&MainForm::feedbackButton, MainForm::cmFeedback, 142, "Feedback & Suggestion", IDB_BTNFEEDBACK, 0, true},
    {&MainForm::aboutButton, MainForm::cmAbout, 167, "About", IDB_BTNABOUT, 0, true},
    {&MainForm::settingsButton, MainForm::cmSettings, 255, "Settings", IDB_BTNSETTINGS, 0, false},
    {&MainForm::donateButton, MainForm::cmDonate, kAnchoredRight, "Donate", IDB_BTNDONATE, 0, true},
};

void AppendItem(HMENU menu, const MenuItem& item) {
    if (item.visible) AppendMenuA(menu, MF_STRING, item.id, item.caption);
}

}  // namespace

MainForm::MainForm(const MainFormServices& services)
    : loop_(services.loop),
      application_(services.application),
      title_(services.application.Title()),
      shell_(services.shell),
      hotKeyApi_(services.hotKeys),
      input_(services.input),
      runner_(services.runner),
      binding_(services.binding),
      prompts_(services.prompts),
      modifierNames_(services.modifierNames),
      importDialog_(FileDialog::Kind::Open, kMacroListFilter, kMacroListExtension),
      exportDialog_(FileDialog::Kind::Save, kMacroListFilter, kMacroListExtension) {
    Application& application = services.application;
    smallIcon_ = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
    RegisterWindowClass(kMainWindowClass, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE),
                        ProgramIcon(GetSystemMetrics(SM_CXICON)));
    dpi_ = ScreenDpi();
    const int width = Scale(kWidth, dpi_);
    const int height = Scale(kHeight, dpi_);
    Create(WS_EX_CONTROLPARENT, kMainWindowClass, kCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, width, height,
           application.Handle());
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    CenterOnScreen(Handle(), width, height);

    application.SetMainForm(Handle());
    application.OnMinimize = [this] { OnApplicationMinimize(); };
    application.OnRestore = [this] { OnApplicationRestore(); };
    runner_.owner = reinterpret_cast<WindowHandle>(Handle());
    runner_.OnPlayingChanged = [this] { UpdatePlayingTip(); };

    CreateMenus();
    LoadMacros();
}

MainForm::~MainForm() {
    runner_.OnPlayingChanged = nullptr;  // the runner outlives the window
    RemoveTrayIcon();
    application_.OnMinimize = nullptr;
    application_.OnRestore = nullptr;
    application_.SetMainForm(nullptr);
    if (Handle()) DestroyWindow(Handle());
}

void MainForm::CreateMenus() {
    HMENU file = CreatePopupMenu();
    AppendItem(file, newItem);
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendItem(file, importItem);
    AppendItem(file, exportItem);
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendItem(file, exitItem);

    HMENU edit = CreatePopupMenu();
    AppendItem(edit, editItem);
    AppendItem(edit, deleteItem);

    HMENU help = CreatePopupMenu();
    AppendItem(help, webSiteItem);
    AppendItem(help, videoTutorialsItem);
    AppendMenuA(help, MF_SEPARATOR, 0, nullptr);
    AppendItem(help, donateItem);
    AppendMenuA(help, MF_SEPARATOR, 0, nullptr);
    AppendItem(help, feedbackItem);
    AppendMenuA(help, MF_SEPARATOR, 0, nullptr);
    AppendItem(help, aboutItem);

    mainMenu_ = CreateMenu();
    AppendMenuA(mainMenu_, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
    AppendMenuA(mainMenu_, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "Edit");
    // The "Settings" menu, with its one item, is hidden like the item.
    if (settingsItem.visible) {
        HMENU settings = CreatePopupMenu();
        AppendItem(settings, settingsItem);
        AppendMenuA(mainMenu_, MF_POPUP, reinterpret_cast<UINT_PTR>(settings), "Settings");
    }
    AppendMenuA(mainMenu_, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "Help");
    SetMenu(Handle(), mainMenu_);

    trayMenu_.Reset(CreatePopupMenu());
    AppendItem(trayMenu_.Get(), showHideItem);
    AppendItem(trayMenu_.Get(), toggleAllItem);
    AppendItem(trayMenu_.Get(), stopMacroItem);
    AppendItem(trayMenu_.Get(), trayExitItem);
}

void MainForm::CreateContents() {
    if (contentsCreated_) return;
    contentsCreated_ = true;
    pictures_.Reset(comctl::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, int(std::size(kToolButtons)), 0));
    CreateControls();
    RefreshList();
    UpdateButtons();
}

// Created in reading order, which is the tab order: the tool bar's buttons
// left to right, the filter box, the list.
void MainForm::CreateControls() {
    const RECT panel = {0, 0, Scale(kWidth, dpi_), Scale(kPanelHeight, dpi_)};
    toolBar.Create(Handle(), 0, panel);

    hints_ = CreateHintWindow(Handle());
    for (const ToolButton& b : kToolButtons) {
        int picture = -1;
        if (HANDLE bitmap = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(b.picture), IMAGE_BITMAP, 0, 0,
                                       LR_CREATEDIBSECTION)) {
            picture = comctl::ImageList_AddMasked(pictures_.Get(), static_cast<HBITMAP>(bitmap), RGB(255, 0, 255));
            DeleteObject(bitmap);
        }
        SpeedButton& button = this->*b.button;
        const RECT bounds = {0, 0, Scale(kButtonWidth, dpi_), Scale(kButtonHeight, dpi_)};  // placed by Layout
        button.Create(toolBar.Handle(), int(b.command), bounds, pictures_.Get(), picture, b.groupIndex, b.visible);
        SetWindowLongPtrA(button.Handle(), GWL_STYLE, GetWindowLongPtrA(button.Handle(), GWL_STYLE) | WS_TABSTOP);
        AddHint(hints_, button.Handle(), b.hint);
    }

    const ControlSite site{Handle(), nullptr, dpi_};
    // Alt+T reaches the box through its label (Alt+F is the File menu's).
    filterLabel.Create(site, "Fil&ter:", 0, 0, kFilterLabelWidth, kFilterBoxHeight, SS_CENTERIMAGE);
    SetWindowLongPtrA(filterLabel.Handle(), GWL_STYLE,
                      GetWindowLongPtrA(filterLabel.Handle(), GWL_STYLE) & ~SS_NOPREFIX);
    filterBox.Create(site, idFilterBox, 0, 0, 0, kFilterBoxHeight);  // placed by Layout
    CreateList();

    comctl::Load();
    statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, Handle(),
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ApplyDpi(dpi_);
}

void MainForm::ApplyDpi(int dpi) {
    const int old = dpi_;
    dpi_ = dpi;
    font_ = MakeFont("Tahoma", 8, dpi_);
    for (HWND control : {macroList.Handle(), statusBar, filterLabel.Handle(), filterBox.Handle()}) {
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    }
    if (old != dpi) {
        for (int i = 0; i < macroList.ColumnCount(); ++i) {
            macroList.SetColumnWidth(i, MulDiv(macroList.ColumnWidth(i), dpi, old));
        }
    }
    int part = Scale(kStatusPanelWidth, dpi_);
    SendMessageA(statusBar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&part));
    Layout();
}

void MainForm::Layout() {
    if (!statusBar) return;
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = client.right;
    SendMessageA(statusBar, WM_SIZE, 0, 0);
    RECT status;
    GetWindowRect(statusBar, &status);
    const int statusHeight = status.bottom - status.top;
    const int panelHeight = Scale(kPanelHeight, dpi_);

    MoveWindow(toolBar.Handle(), 0, 0, width, panelHeight, TRUE);
    const int buttonWidth = Scale(kButtonWidth, dpi_);
    for (const ToolButton& b : kToolButtons) {
        const int left =
            b.left == kAnchoredRight ? width - Scale(kDonateMargin, dpi_) - buttonWidth : Scale(b.left, dpi_);
        MoveWindow((this->*b.button).Handle(), left, Scale(kButtonTop, dpi_), buttonWidth, Scale(kButtonHeight, dpi_),
                   TRUE);
    }

    const int filterRow = Scale(kFilterRowHeight, dpi_);
    const int boxHeight = Scale(kFilterBoxHeight, dpi_);
    const int boxTop = panelHeight + (filterRow - boxHeight) / 2;
    const int boxLeft = Scale(kFilterBoxLeft, dpi_);
    MoveWindow(filterLabel.Handle(), Scale(kMargin, dpi_), boxTop, Scale(kFilterLabelWidth, dpi_), boxHeight, TRUE);
    const int boxWidth = width - boxLeft - Scale(kMargin, dpi_);
    MoveWindow(filterBox.Handle(), boxLeft, boxTop, boxWidth > 0 ? boxWidth : 0, boxHeight, TRUE);

    const int listTop = panelHeight + filterRow;
    const int listHeight = client.bottom - listTop - statusHeight;
    MoveWindow(macroList.Handle(), 0, listTop, width, listHeight > 0 ? listHeight : 0, TRUE);
}

// ---------------------------------------------------------------- life

void MainForm::LoadMacros() {
    binding_.AllDisabled = false;
    const ListFileResult loaded = binding_.LoadListFile();
    RefreshList();
    // The icon is added also when the load stopped early (a malformed line,
    // a number that does not convert): the program then runs with the macros
    // read so far and stays reachable from the tray.
    trayIconData_.Fill(Handle(), smallIcon_, title_);
    trayIconData_.Add();
    ShowMessages(loaded);
    const std::string refused = RefusedAtLoadText(binding_.RefusedSlots(), binding_.table,
                                                  [this](std::uint32_t hotKey) { return ShortcutText(hotKey); });
    if (!refused.empty()) ShowText(refused, MessageIcon::Warning);
}

void MainForm::HideIntoTray() {
    binding_.AllDisabled = false;
    UpdateButtons();
    ShowWindow(application_.Handle(), SW_HIDE);
    ShowWindow(Handle(), SW_HIDE);
}

void MainForm::RemoveTrayIcon() {
    if (destroyed_) return;
    destroyed_ = true;
    trayIconData_.Delete();
    // The hotkey component releases every registration when it goes.
}

void MainForm::OnCopyData(const COPYDATASTRUCT* data) {
    if (data && IsShowWindowRequest(data->lpData, data->cbData)) BringWindowToFront(application_.Handle());
}

// ---------------------------------------------------------------- showing and hiding

void MainForm::OnShowHide() {
    ShowWindow(application_.Handle(), SW_SHOWNORMAL);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    BringWindowToTop(Handle());
    SetForegroundWindow(Handle());
    SetFocus(macroList.Handle());
    binding_.AllDisabled = true;
    UpdateButtons();
}

void MainForm::OnTrayIcon(LPARAM mouseMessage) {
    switch (UINT(mouseMessage)) {
        case WM_LBUTTONDOWN: OnShowHide(); break;
        case WM_RBUTTONDOWN: {
            // Foreground first and the null message after: the menu then
            // closes when the user clicks elsewhere.
            SetForegroundWindow(Handle());
            UpdateTrayMenu();
            POINT at = {};
            GetCursorPos(&at);
            const UINT command = UINT(TrackPopupMenu(trayMenu_.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                     at.x, at.y, 0, Handle(), nullptr));
            PostMessageA(Handle(), WM_NULL, 0, 0);
            if (command) OnCommand(command);
            break;
        }
    }
}

void MainForm::OnApplicationMinimize() {
    binding_.AllDisabled = false;
    UpdateButtons();
    ShowWindow(application_.Handle(), SW_HIDE);
}

void MainForm::OnApplicationRestore() {
    binding_.AllDisabled = true;
    UpdateButtons();
}

void MainForm::UpdateButtons() {
    if (!contentsCreated_) return;
    if (binding_.AllDisabled) {
        disableAllButton.SetDown(true);
    } else {
        enableAllButton.SetDown(true);
    }
}

void MainForm::ShowMessages(const ListFileResult& result) {
    for (const UserMessage& message : result.messages) {
        if (message.isError) {
            ShowText(ErrorBoxText(message.text), MessageIcon::Error);
        } else {
            ShowText(message.text, MessageIcon::None);
        }
    }
}

void MainForm::ShowText(const std::string& text, MessageIcon icon) { shell_.ShowMessage(text, title_, icon); }

// ---------------------------------------------------------------- messages

LRESULT MainForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            // Menu items, the tool bar buttons through the panel, Enter (IDOK
            // from the dialog navigation) and the filter box's changes.
            if (LOWORD(wParam) == idFilterBox) {
                if (HIWORD(wParam) == EN_CHANGE) SetFilter(filterBox.Text());
            } else if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) {
                OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == macroList.Handle()) OnListNotify(header);
            break;
        }
        case kSwitchMessage: SwitchMacro(int(wParam), lParam != 0); return 0;
        case WM_ACTIVATE:
            // The keyboard goes back to the control that had it, the list at first.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
            }
            break;
        case WM_NEXTDLGCTL: {
            // What a dialog does for the navigation: a label's Alt+letter
            // moves through its label to the control after it.
            const HWND to =
                LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(Handle(), GetFocus(), wParam != 0);
            if (to) SetFocus(to);
            return 0;
        }
        case WM_SETFOCUS: SetFocus(lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : macroList.Handle()); return 0;
        case WM_SHOWWINDOW:
            if (wParam) CreateContents();
            break;
        case WM_SIZE: Layout(); return 0;
        case WM_SYSCOMMAND:
            // Minimising the main window minimises the application, which
            // hides the program into the tray.
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                application_.Minimize();
                return 0;
            }
            break;
        case WM_CLOSE: HideIntoTray(); return 0;
        case WM_COPYDATA: OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam)); return 0;
        case kTrayCallbackMessage: OnTrayIcon(lParam); return 0;
        case WM_QUERYENDSESSION:
            // The program agrees to the end of the session; it ends with it.
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) {
                RemoveTrayIcon();
                binding_.hotKeyHook.ClearHotKeys();
                loop_.Terminate(0);
            }
            return 0;
        case WM_DPICHANGED: {
            ApplyDpi(HIWORD(wParam));
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                         suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
    }
    if (msg == TrayIcon::TaskbarCreatedMessage()) {
        // The shell started again: its notification area has forgotten the
        // icon.
        if (!destroyed_) trayIconData_.Add();
        return 0;
    }
    return Window::WndProc(msg, wParam, lParam);
}

}  // namespace kv
