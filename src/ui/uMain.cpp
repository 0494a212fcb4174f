#include "ui/uMain.h"

#include <utility>

#include "hotkeys/HotKeyText.h"
#include "model/ActionKind.h"
#include "ui/AppTitle.h"
#include "ui/Controls.h"
#include "ui/DialogFilter.h"
#include "ui/Resource.h"
#include "ui/Prompts.h"
#include "ui/ShowRequest.h"
#include "ui/logic/WebLinks.h"
#include "ui/uAbout.h"
#include "ui/uSettings.h"

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
const int kDonateMargin = 4;  // btnDonate keeps this distance to the right edge
const int kStatusPanelWidth = 50;
const int kAnchoredRight = -1;

struct ToolButton {
    SpeedButton TfrmKeyvaneMain::*button;
    UINT command;
    int left;  // at 96 dpi; kAnchoredRight for btnDonate
    const char* hint;
    int picture;
    int groupIndex;
    bool visible;
};

const ToolButton kToolButtons[] = {
    {&TfrmKeyvaneMain::btnDisabled, TfrmKeyvaneMain::cmBtnDisabled, 4, "Disable all", IDB_BTNDISABLED, 1, true},
    {&TfrmKeyvaneMain::btnEnabled, TfrmKeyvaneMain::cmBtnEnabled, 28, "Enable all", IDB_BTNENABLED, 1, true},
    {&TfrmKeyvaneMain::btnAddNew, TfrmKeyvaneMain::cmBtnAddNew, 62, "Add new", IDB_BTNADDNEW, 0, true},
    {&TfrmKeyvaneMain::BtnEdit, TfrmKeyvaneMain::cmBtnEdit, 85, "Edit", IDB_BTNEDIT, 0, true},
    {&TfrmKeyvaneMain::btnDelete, TfrmKeyvaneMain::cmBtnDelete, 108, "Delete", IDB_BTNDELETE, 0, true},
    {&TfrmKeyvaneMain::btnFeedback, TfrmKeyvaneMain::cmBtnFeedback, 142, "Feedback & Suggestion", IDB_BTNFEEDBACK, 0,
     true},
    {&TfrmKeyvaneMain::btnAbout, TfrmKeyvaneMain::cmBtnAbout, 167, "About", IDB_BTNABOUT, 0, true},
    {&TfrmKeyvaneMain::btnSettings, TfrmKeyvaneMain::cmBtnSettings, 255, "Settings", IDB_BTNSETTINGS, 0, false},
    {&TfrmKeyvaneMain::btnDonate, TfrmKeyvaneMain::cmBtnDonate, kAnchoredRight, "Donate", IDB_BTNDONATE, 0, true},
};

struct Column {
    const char* caption;
    int width;  // at 96 dpi
};

const Column kColumns[] = {{"#", 30}, {"Shortcut", 125}, {"Action", 150}, {"Description", 450}, {"Unique ID", 75}};

void AppendItem(HMENU menu, const MenuItem& item) {
    if (item.visible) AppendMenuA(menu, MF_STRING, item.id, item.caption);
}

void SetSubItem(HWND list, int row, int column, const std::string& text) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

// Holds the list view's repainting until the outermost batch ends, so that a
// change of many rows repaints once.
class ListViewBatch {
public:
    explicit ListViewBatch(TfrmKeyvaneMain& form) : form_(form) {
        if (form_.redrawLocks_++ == 0) SendMessageA(form_.lwMacroList, WM_SETREDRAW, FALSE, 0);
    }
    ~ListViewBatch() {
        if (--form_.redrawLocks_ == 0) {
            SendMessageA(form_.lwMacroList, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(form_.lwMacroList, nullptr, TRUE);
        }
    }
    ListViewBatch(const ListViewBatch&) = delete;
    ListViewBatch& operator=(const ListViewBatch&) = delete;

private:
    TfrmKeyvaneMain& form_;
};

TfrmKeyvaneMain::TfrmKeyvaneMain(Win32MessageLoop& loop, Application& application, std::string listPath)
    : loop_(loop),
      application_(application),
      title_(application.Title()),
      runner_(RunnerPlatform{loop, shell_, input_, screen_, &keyboard_, &foreground_}, title_),
      binding_(hotKeyApi_, runner_, std::move(listPath)),
      OPMain(FileDialog::Kind::Open, kMacroListFilter, kMacroListExtension),
      SDMain(FileDialog::Kind::Save, kMacroListFilter, kMacroListExtension) {
    hotKeyApi_.SetApplicationWindow(reinterpret_cast<WindowHandle>(application.Handle()));
    smallIcon_ = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
    RegisterWindowClass(kMainWindowClass, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE),
                        ProgramIcon(GetSystemMetrics(SM_CXICON)));
    dpi_ = ScreenDpi();
    const int width = Scale(kWidth, dpi_);
    const int height = Scale(kHeight, dpi_);
    Create(WS_EX_CONTROLPARENT, kMainWindowClass, kCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, width,
           height, application.Handle());
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    CenterOnScreen(Handle(), width, height);

    application.SetMainForm(Handle());
    application.OnMinimize = [this] { ApplicationEvents1Minimize(); };
    application.OnRestore = [this] { ApplicationEvents1Restore(); };
    runner_.owner = reinterpret_cast<WindowHandle>(Handle());
    runner_.OnPlayingChanged = [this] { UpdatePlayingTip(); };

    CreateMenus();
    LoadPictures();
    CreateControls();
    FormCreate();
}

TfrmKeyvaneMain::~TfrmKeyvaneMain() {
    FormDestroy();
    application_.OnMinimize = nullptr;
    application_.OnRestore = nullptr;
    application_.SetMainForm(nullptr);
    if (Handle()) DestroyWindow(Handle());
    if (pictures_) ImageList_Destroy(pictures_);
}

void TfrmKeyvaneMain::CreateMenus() {
    HMENU file = CreatePopupMenu();
    AppendItem(file, New1);
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendItem(file, Import1);
    AppendItem(file, Export1);
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendItem(file, Exit1);

    HMENU edit = CreatePopupMenu();
    AppendItem(edit, Edit2);
    AppendItem(edit, Delete1);

    HMENU help = CreatePopupMenu();
    AppendItem(help, CheckUpdate1);
    AppendItem(help, VideoTutorials1);
    AppendMenuA(help, MF_SEPARATOR, 0, nullptr);
    AppendItem(help, Donate1);
    AppendMenuA(help, MF_SEPARATOR, 0, nullptr);
    AppendItem(help, Feedback1);
    AppendMenuA(help, MF_SEPARATOR, 0, nullptr);
    AppendItem(help, About1);

    MainMenu1 = CreateMenu();
    AppendMenuA(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
    AppendMenuA(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "Edit");
    // The "Settings" menu, with its one item Settings2, is hidden like the item.
    if (Settings2.visible) {
        HMENU settings = CreatePopupMenu();
        AppendItem(settings, Settings2);
        AppendMenuA(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(settings), "Settings");
    }
    AppendMenuA(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "Help");
    SetMenu(Handle(), MainMenu1);

    trayPP.Reset(CreatePopupMenu());
    AppendItem(trayPP.Get(), Show1);
    AppendItem(trayPP.Get(), Disable1);
    AppendItem(trayPP.Get(), StopMacro1);
    AppendItem(trayPP.Get(), Exit2);
}

void TfrmKeyvaneMain::LoadPictures() {
    pictures_ = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, int(std::size(kToolButtons)), 0);
}

void TfrmKeyvaneMain::CreateControls() {
    const RECT panel = {0, 0, Scale(kWidth, dpi_), Scale(kPanelHeight, dpi_)};
    Panel1.Create(Handle(), 0, panel);

    hints_ = CreateHintWindow(Handle());
    for (const ToolButton& b : kToolButtons) {
        int picture = -1;
        if (HANDLE bitmap = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(b.picture), IMAGE_BITMAP, 0, 0,
                                       LR_CREATEDIBSECTION)) {
            picture = ImageList_AddMasked(pictures_, static_cast<HBITMAP>(bitmap), RGB(255, 0, 255));
            DeleteObject(bitmap);
        }
        SpeedButton& button = this->*b.button;
        const RECT bounds = {0, 0, Scale(kButtonWidth, dpi_), Scale(kButtonHeight, dpi_)};  // placed by Layout
        button.Create(Panel1.Handle(), int(b.command), bounds, pictures_, picture, b.groupIndex, b.visible);
        AddHint(hints_, button.Handle(), b.hint);
    }
    btnDisabled.SetDown(true);

    lwMacroList = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL, 0, 0, 0, 0,
                                  Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(lwMacroList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (int i = 0; i < int(std::size(kColumns)); ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(kColumns[i].caption);
        column.cx = Scale(kColumns[i].width, dpi_);
        column.iSubItem = i;
        SendMessageA(lwMacroList, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }

    StatusBar1 = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                                 Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ApplyDpi(dpi_);
}

void TfrmKeyvaneMain::ApplyDpi(int dpi) {
    const int old = dpi_;
    dpi_ = dpi;
    font_ = MakeFont("Tahoma", 8, dpi_);
    SendMessageA(lwMacroList, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    SendMessageA(StatusBar1, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    if (old != dpi) {
        for (int i = 0; i < int(std::size(kColumns)); ++i) {
            const int width = int(SendMessageA(lwMacroList, LVM_GETCOLUMNWIDTH, i, 0));
            SendMessageA(lwMacroList, LVM_SETCOLUMNWIDTH, i, MulDiv(width, dpi, old));
        }
    }
    int part = Scale(kStatusPanelWidth, dpi_);
    SendMessageA(StatusBar1, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&part));
    Layout();
}

void TfrmKeyvaneMain::Layout() {
    if (!lwMacroList) return;
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = client.right;
    SendMessageA(StatusBar1, WM_SIZE, 0, 0);
    RECT status;
    GetWindowRect(StatusBar1, &status);
    const int statusHeight = status.bottom - status.top;
    const int panelHeight = Scale(kPanelHeight, dpi_);

    MoveWindow(Panel1.Handle(), 0, 0, width, panelHeight, TRUE);
    const int buttonWidth = Scale(kButtonWidth, dpi_);
    for (const ToolButton& b : kToolButtons) {
        const int left = b.left == kAnchoredRight ? width - Scale(kDonateMargin, dpi_) - buttonWidth
                                                  : Scale(b.left, dpi_);
        MoveWindow((this->*b.button).Handle(), left, Scale(kButtonTop, dpi_), buttonWidth,
                   Scale(kButtonHeight, dpi_), TRUE);
    }
    const int listHeight = client.bottom - panelHeight - statusHeight;
    MoveWindow(lwMacroList, 0, panelHeight, width, listHeight > 0 ? listHeight : 0, TRUE);
}

// ---------------------------------------------------------------- life

void TfrmKeyvaneMain::FormCreate() {
    binding_.AllDisabled = false;
    InitModifierNames(hotKeyApi_);
    const ListFileResult loaded = binding_.LoadHotKFile();
    RebuildList();
    // The icon is added also when the load stopped early (a malformed line,
    // a number that does not convert): the program then runs with the macros
    // read so far and stays reachable from the tray.
    trayIconData_.Fill(Handle(), smallIcon_, title_);
    trayIconData_.Add();
    ShowMessages(loaded);
}

bool TfrmKeyvaneMain::FormCloseQuery() {
    binding_.AllDisabled = false;
    updateButtons();
    ShowWindow(application_.Handle(), SW_HIDE);
    ShowWindow(Handle(), SW_HIDE);
    return false;
}

void TfrmKeyvaneMain::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    trayIconData_.Delete();
    // The hotkey component releases every registration when it goes.
}

void TfrmKeyvaneMain::Exit1Click() { loop_.Terminate(0); }

void TfrmKeyvaneMain::Exit2Click() { loop_.Terminate(0); }

void TfrmKeyvaneMain::WMCopyData(const COPYDATASTRUCT* data) {
    if (data && IsShowWindowRequest(data->lpData, data->cbData)) BringWindowToFront(application_.Handle());
}

// ---------------------------------------------------------------- showing and hiding

void TfrmKeyvaneMain::ShowFromTray() {
    ShowWindow(application_.Handle(), SW_SHOWNORMAL);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    BringWindowToTop(Handle());
    SetForegroundWindow(Handle());
    binding_.AllDisabled = true;
    updateButtons();
}

void TfrmKeyvaneMain::TrayMessage(LPARAM mouseMessage) {
    switch (UINT(mouseMessage)) {
        case WM_LBUTTONDOWN:
            ShowFromTray();
            break;
        case WM_RBUTTONDOWN: {
            // Foreground first and the null message after: the menu then
            // closes when the user clicks elsewhere.
            SetForegroundWindow(Handle());
            UpdateTrayMenu();
            POINT at = {};
            GetCursorPos(&at);
            const UINT command = UINT(TrackPopupMenu(trayPP.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                     at.x, at.y, 0, Handle(), nullptr));
            PostMessageA(Handle(), WM_NULL, 0, 0);
            if (command) OnCommand(command);
            break;
        }
    }
}

void TfrmKeyvaneMain::Show1Click() { ShowFromTray(); }

void TfrmKeyvaneMain::Disable1Click() { binding_.AllDisabled = !binding_.AllDisabled; }

void TfrmKeyvaneMain::ApplicationEvents1Minimize() {
    binding_.AllDisabled = false;
    updateButtons();
    ShowWindow(application_.Handle(), SW_HIDE);
}

void TfrmKeyvaneMain::ApplicationEvents1Restore() {
    binding_.AllDisabled = true;
    updateButtons();
}

// ---------------------------------------------------------------- commands

void TfrmKeyvaneMain::OnCommand(UINT id) {
    switch (id) {
        case cmBtnDisabled: btnDisabledClick(); break;
        case cmBtnEnabled: btnEnabledClick(); break;
        case cmBtnAddNew: btnAddNewClick(); break;
        case cmBtnEdit: BtnEditClick(); break;
        case cmBtnDelete: btnDeleteClick(); break;
        case cmBtnFeedback: btnFeedbackClick(); break;
        case cmBtnAbout: btnAboutClick(); break;
        case cmBtnSettings: btnSettingsClick(); break;
        case cmBtnDonate: btnDonateClick(); break;
        case cmNew1: New1Click(); break;
        case cmImport1: Import1Click(); break;
        case cmExport1: Export1Click(); break;
        case cmExit1: Exit1Click(); break;
        case cmEdit2: Edit2Click(); break;
        case cmDelete1: Delete1Click(); break;
        case cmSettings2: Settings2Click(); break;
        case cmCheckUpdate1: CheckUpdate1Click(); break;
        case cmDonate1: Donate1Click(); break;
        case cmFeedback1: Feedback1Click(); break;
        case cmAbout1: About1Click(); break;
        case cmShow1: Show1Click(); break;
        case cmDisable1: Disable1Click(); break;
        case cmStopMacro1: StopMacro1Click(); break;
        case cmExit2: Exit2Click(); break;
    }
}

void TfrmKeyvaneMain::btnDisabledClick() { binding_.AllDisabled = true; }

void TfrmKeyvaneMain::btnEnabledClick() { binding_.AllDisabled = false; }

void TfrmKeyvaneMain::btnAddNewClick() { OpenEditor(false); }

void TfrmKeyvaneMain::BtnEditClick() { EditSelectedHotKey(); }

void TfrmKeyvaneMain::lwMacroListDblClick() { EditSelectedHotKey(); }

void TfrmKeyvaneMain::EditSelectedHotKey() {
    const int row = SelectedRow();
    if (row < 0 || row >= binding_.table.MacroCount) return;
    binding_.table.EditIndex = row;
    OpenEditor(true);
}

void TfrmKeyvaneMain::OpenEditor(bool editMode) {
    CreateEditor(editMode).ShowModal(loop_);
    frmAdd.reset();
}

TfrmAdd& TfrmKeyvaneMain::CreateEditor(bool editMode) {
    auto onStored = [this](int slot, bool edited) {
        const TMacroSlot& stored = binding_.table.Macros[slot];
        const std::string id = std::to_string(stored.UniqueID);
        const std::string shortcut = HotKeyToText(hotKeyApi_, stored.HotKey);
        if (edited) {
            EditListview(id, shortcut, stored.ActionKind, stored.Description);
        } else {
            AddtoListview(std::to_string(slot + 1), id, shortcut, stored.ActionKind, stored.Description);
        }
    };
    TEditorHost host{binding_, hotKeyApi_, input_, title_, onStored, [this] { ShowMessages(binding_.MemToFile()); }};
    frmAdd = std::make_unique<TfrmAdd>(std::move(host), Handle());
    frmAdd->EditMode = editMode;
    if (editMode) frmAdd->LoadSlot(binding_.table.EditIndex);
    return *frmAdd;
}

void TfrmKeyvaneMain::btnDeleteClick() {
    const int row = SelectedRow();
    if (row < 0) return;
    const ListFileResult result = binding_.DeleteSelectedHotkey(row);
    RebuildList();
    ShowMessages(result);
}

void TfrmKeyvaneMain::Import1Click() {
    std::string path;
    if (!OPMain.Execute(Handle(), path)) return;
    const ListFileResult result = binding_.ImportHotkeyList(path);
    AppendRows(int(SendMessageA(lwMacroList, LVM_GETITEMCOUNT, 0, 0)));
    ShowMessages(result);
}

void TfrmKeyvaneMain::Export1Click() {
    std::string path;
    if (!SDMain.Execute(Handle(), path)) return;
    ShowMessages(binding_.ExportHotkeyList(path));
}

void TfrmKeyvaneMain::btnSettingsClick() {
    TfrmSettings settings(Handle(), font_.Get());
    settings.ShowModal(loop_);
}

void TfrmKeyvaneMain::btnFeedbackClick() { OpenFeedback(shell_, reinterpret_cast<WindowHandle>(Handle())); }

void TfrmKeyvaneMain::btnAboutClick() {
    TfrmAbout about(Handle(), shell_);
    about.ShowModal();
}

void TfrmKeyvaneMain::btnDonateClick() {
    DonateCommand(shell_, reinterpret_cast<WindowHandle>(Handle()),
                  [this] { return Prompts().Confirm(Handle(), kDonateQuestion, kDonateQuestionCaption); }, title_);
}

void TfrmKeyvaneMain::CheckUpdate1Click() { OpenWebSite(shell_, reinterpret_cast<WindowHandle>(Handle())); }

// Menu items whose command has a tool bar button press that button.
void TfrmKeyvaneMain::New1Click() { btnAddNew.Click(); }
void TfrmKeyvaneMain::Edit2Click() { BtnEdit.Click(); }
void TfrmKeyvaneMain::Delete1Click() { btnDelete.Click(); }
void TfrmKeyvaneMain::Settings2Click() { btnSettings.Click(); }
void TfrmKeyvaneMain::Donate1Click() { btnDonate.Click(); }
void TfrmKeyvaneMain::Feedback1Click() { btnFeedback.Click(); }
void TfrmKeyvaneMain::About1Click() { btnAbout.Click(); }

// ---------------------------------------------------------------- the list

int TfrmKeyvaneMain::SelectedRow() const {
    return int(SendMessageA(lwMacroList, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

void TfrmKeyvaneMain::AddtoListview(const std::string& number, const std::string& id, const std::string& shortcut,
                                    const std::string& kind, const std::string& description) {
    ListViewBatch batch(*this);
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = int(SendMessageA(lwMacroList, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(number.c_str());
    const int row = int(SendMessageA(lwMacroList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) return;
    SetSubItem(lwMacroList, row, 1, shortcut);
    SetSubItem(lwMacroList, row, 2, ActionDisplayName(kind));
    SetSubItem(lwMacroList, row, 3, description);
    SetSubItem(lwMacroList, row, 4, id);
}

void TfrmKeyvaneMain::EditListview(const std::string& id, const std::string& shortcut, const std::string& kind,
                                   const std::string& description) {
    const int row = SelectedRow();
    if (row < 0) return;
    ListViewBatch batch(*this);
    SetSubItem(lwMacroList, row, 1, shortcut);
    SetSubItem(lwMacroList, row, 2, ActionDisplayName(kind));
    SetSubItem(lwMacroList, row, 3, description);
    SetSubItem(lwMacroList, row, 4, id);
}

void TfrmKeyvaneMain::RebuildList() {
    ListViewBatch batch(*this);
    SendMessageA(lwMacroList, LVM_DELETEALLITEMS, 0, 0);
    AppendRows(0);
}

void TfrmKeyvaneMain::AppendRows(int firstSlot) {
    ListViewBatch batch(*this);
    const MacroTable& table = binding_.table;
    for (int i = firstSlot; i < table.MacroCount; ++i) {
        const TMacroSlot& slot = table.Macros[i];
        AddtoListview(std::to_string(i + 1), std::to_string(slot.UniqueID), HotKeyToText(hotKeyApi_, slot.HotKey),
                      slot.ActionKind, slot.Description);
    }
}

void TfrmKeyvaneMain::updateButtons() {
    if (binding_.AllDisabled) {
        btnDisabled.SetDown(true);
    } else {
        btnEnabled.SetDown(true);
    }
}

void TfrmKeyvaneMain::ShowMessages(const ListFileResult& result) {
    for (const UserMessage& message : result.messages) {
        if (message.isError) {
            shell_.ShowMessage(ErrorBoxText(message.text), title_, MessageIcon::Error);
        } else {
            shell_.ShowMessage(message.text, title_, MessageIcon::None);
        }
    }
}

// ---------------------------------------------------------------- messages

LRESULT TfrmKeyvaneMain::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            // Menu items, and the tool bar buttons through Panel1.
            if (HIWORD(wParam) == 0) OnCommand(LOWORD(wParam));
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == lwMacroList && header->code == UINT(NM_DBLCLK)) lwMacroListDblClick();
            break;
        }
        case WM_SIZE:
            Layout();
            return 0;
        case WM_SYSCOMMAND:
            // Minimising the main window minimises the application, which
            // hides the program into the tray.
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                application_.Minimize();
                return 0;
            }
            break;
        case WM_CLOSE:
            FormCloseQuery();
            return 0;
        case WM_COPYDATA:
            WMCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
            return 0;
        case kTrayCallbackMessage:
            TrayMessage(lParam);
            return 0;
        case WM_QUERYENDSESSION:
            // The program agrees to the end of the session; it ends with it.
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) {
                FormDestroy();
                binding_.KVKeyHook1.ClearHotKeys();
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
