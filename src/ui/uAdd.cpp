#include "ui/uAdd.h"

#include <commctrl.h>

#include "platform/Files.h"
#include "ui/AppTitle.h"
#include "ui/EditorPictures.h"
#include "ui/Prompts.h"
#include "ui/SpeedButton.h"
#include "ui/logic/EditorChecks.h"
#include "ui/logic/ListEntries.h"
#include "ui/uAddkey.h"

namespace kv {

namespace {

const char* const kEditorClass = "TfrmAdd";
const int kClientWidth = 409;
const int kClientHeight = 459;
const UINT_PTR kTimerXY = 1;
const UINT kTimerXYInterval = 100;
const char* const kProgramFilter = "Exe Files(*.exe)|*.exe|Batch Files(*.bat)|*.bat|All Files(*.*)|*.*";

// The editor sees every key before the focused control: a hook on the GUI
// thread's message retrieval, shared by all editors, passes each key-down
// to the editor that holds the key's window.
HHOOK keyPreviewHook = nullptr;
int keyPreviewUsers = 0;

LRESULT CALLBACK KeyPreview(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if ((msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) && msg->hwnd) {
            if (auto* editor = dynamic_cast<TfrmAdd*>(Window::FromHandle(GetAncestor(msg->hwnd, GA_ROOT)))) {
                editor->FormKeyDown(WORD(msg->wParam));
            }
        }
    }
    return CallNextHookEx(keyPreviewHook, code, wParam, lParam);
}

void UseKeyPreview() {
    if (keyPreviewUsers++ == 0) {
        keyPreviewHook = SetWindowsHookExA(WH_GETMESSAGE, KeyPreview, nullptr, GetCurrentThreadId());
    }
}

void ReleaseKeyPreview() {
    if (--keyPreviewUsers == 0 && keyPreviewHook) {
        UnhookWindowsHookEx(keyPreviewHook);
        keyPreviewHook = nullptr;
    }
}

int IndexOf(const std::vector<std::string>& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) return int(i);
    }
    return -1;
}

}  // namespace

TfrmAdd::TfrmAdd(TEditorHost host, HWND owner) : host_(std::move(host)), owner_(owner) {
    RegisterWindowClass(kEditorClass, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE),
                        ProgramIcon(GetSystemMetrics(SM_CXICON)));
    dpi_ = ScreenDpi();
    font_ = MakeFont("Tahoma", 8, dpi_);
    smallFont_ = MakeFont("Tahoma", 7, dpi_);
    pictures_ = CreateEditorPictures(dpi_);

    CreateModalForm(kEditorClass, "New Macro", kClientWidth, kClientHeight, dpi_, owner);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    CreateControls();
    UseKeyPreview();
    FormCreate();
}

TfrmAdd::~TfrmAdd() {
    FormDestroy();
    ReleaseKeyPreview();
    if (Handle()) DestroyWindow(Handle());
    if (pictures_) ImageList_Destroy(pictures_);
}

// ---------------------------------------------------------------- controls

void TfrmAdd::CreateControls() {
    const ControlSite site{Handle(), font_.Get(), dpi_};
    hints_ = CreateHintWindow(Handle());

    Label1.Create(site, "Shortcut:", 8, 12, 52, 14);
    CheckBox1.Create(site, idCheckBox1, "Ctrl", 64, 10, 42, 17);
    CheckBox2.Create(site, idCheckBox2, "Shift", 110, 10, 46, 17);
    CheckBox3.Create(site, idCheckBox3, "Alt", 160, 10, 36, 17);
    CheckBox4.Create(site, idCheckBox4, "Win", 200, 10, 40, 17);
    CheckBox4.SetVisible(false);
    CheckBox1.SetChecked(true);
    ComboBox1.Create(site, idComboBox1, 200, 8, 172, 12);
    SpeedButton1.Create(site, idSpeedButton1, "", 378, 8, 23, 22, pictures_, picCheck);
    AddHint(hints_, SpeedButton1.Handle(), "Check availability");

    lbAction.Create(site, "Action:", 8, 43, 52, 14);
    cbCate.Create(site, idcbCate, 64, 40, 200);
    for (int i = 0; i < kCategoryCount; ++i) cbCate.Add(kEditorCategories[i].entry);

    // The pages of tvNav; the group box is made after them, so that it lies
    // beneath their controls.
    auto page = [this](int index, std::initializer_list<HWND> controls) {
        pages_[index].insert(pages_[index].end(), controls.begin(), controls.end());
    };

    lbProgramPath.Create(site, "Program Path:", 16, 90, 120, 14);
    txPath.Create(site, idtxPath, 16, 106, 321, 21, true);
    SpeedButton2.Create(site, idSpeedButton2, "", 341, 105, 23, 22, pictures_, picBrowse);
    SpeedButton3.Create(site, idSpeedButton3, "", 366, 105, 23, 22, pictures_, picAdd);
    lsbRunList.Create(site, idlsbRunList, 16, 134, 373, 194);
    page(pgRunProgram, {lbProgramPath.Handle(), txPath.Handle(), SpeedButton2.Handle(), SpeedButton3.Handle(),
                        lsbRunList.Handle()});

    lbURL.Create(site, "URL:", 16, 95, 30, 14);
    txURL.Create(site, idtxURL, 48, 92, 314, 21);
    SpeedButton5.Create(site, idSpeedButton5, "", 366, 91, 23, 22, pictures_, picAdd);
    lsbURLs.Create(site, idlsbURLs, 16, 120, 373, 208);
    page(pgOpenUrl, {lbURL.Handle(), txURL.Handle(), SpeedButton5.Handle(), lsbURLs.Handle()});

    lbPath.Create(site, "Path:", 16, 90, 60, 14);
    txSSPath.Create(site, idtxSSPath, 16, 106, 346, 21, true);
    SpeedButton6.Create(site, idSpeedButton6, "", 366, 105, 23, 22, pictures_, picFolder);
    lbFormat.Create(site, "Format:", 16, 138, 60, 14);
    cbFormat.Create(site, idcbFormat, 16, 154, 120);
    cbFormat.SetItems(kFormatEntries);
    page(pgScreenCapture, {lbPath.Handle(), txSSPath.Handle(), SpeedButton6.Handle(), lbFormat.Handle(),
                           cbFormat.Handle()});

    cbWinType.Create(site, idcbWinType, 16, 90, 110);
    cbWinType.SetItems(kWinTypeEntries);
    txWindowName.Create(site, idtxWindowName, 132, 90, 257, 21);
    cbRepeat.Create(site, idcbRepeat, 16, 118, 110);
    cbRepeat.SetItems(kRepeatEntries);
    txTimes.Create(site, idtxTimes, 132, 118, 50, 21);
    txTimes.AcceptDigitsOnly();
    lbTimes.Create(site, "times", 188, 121, 40, 14);
    lsbKeys.Create(site, idlsbKeys, 16, 146, 270, 182);
    SpeedButton7.Create(site, idSpeedButton7, "Add Key", 294, 146, 95, 21);
    SpeedButton8.Create(site, idSpeedButton8, "Add Delay", 294, 168, 95, 21);
    SpeedButton9.Create(site, idSpeedButton9, "Remove", 294, 190, 95, 21);
    SpeedButton10.Create(site, idSpeedButton10, "Up", 294, 216, 95, 21);
    SpeedButton11.Create(site, idSpeedButton11, "Down", 294, 238, 95, 21);
    SpeedButton12.Create(site, idSpeedButton12, "Save List", 294, 264, 95, 21);
    SpeedButton13.Create(site, idSpeedButton13, "Load List", 294, 286, 95, 21);
    SpeedButton14.Create(site, idSpeedButton14, "Clear List", 294, 308, 95, 21);
    page(pgKeyEvents,
         {cbWinType.Handle(), txWindowName.Handle(), cbRepeat.Handle(), txTimes.Handle(), lbTimes.Handle(),
          lsbKeys.Handle(), SpeedButton7.Handle(), SpeedButton8.Handle(), SpeedButton9.Handle(),
          SpeedButton10.Handle(), SpeedButton11.Handle(), SpeedButton12.Handle(), SpeedButton13.Handle(),
          SpeedButton14.Handle()});

    cbMRepeat.Create(site, idcbMRepeat, 16, 90, 110);
    cbMRepeat.SetItems(kMouseRepeatEntries);
    txMTimes.Create(site, idtxMTimes, 132, 90, 50, 21);
    lbMTimes.Create(site, "times", 188, 93, 36, 14);
    // Drawn by the form: the platform's right-aligned label cuts off the
    // last pixels of some digits.
    lbXYpos.Create(site, "", 259, 93, 130, 14, SS_OWNERDRAW, idlbXYpos);
    lbX.Create(site, "X:", 16, 121, 14, 14);
    txX.Create(site, idtxX, 30, 118, 44, 21);
    txX.AcceptDigitsOnly();
    txX.SetText("0");
    lbY.Create(site, "Y:", 80, 121, 14, 14);
    txY.Create(site, idtxY, 94, 118, 44, 21);
    txY.AcceptDigitsOnly();
    txY.SetText("0");
    SpeedButton16.Create(site, idSpeedButton16, "Add", 142, 117, 40, 23);
    cbMBut.Create(site, idcbMBut, 192, 118, 110);
    cbMBut.SetItems(kMouseButtonEntries);
    cbMBut.SetItemIndex(0);
    SpeedButton15.Create(site, idSpeedButton15, "Add", 306, 117, 40, 23);
    lsbMouse.Create(site, idlsbMouse, 16, 146, 270, 164);
    Label11.Create(ControlSite{Handle(), smallFont_.Get(), dpi_}, "*Insert key adds current mouse coordinat to list",
                   16, 313, 270, 13);
    SpeedButton18.Create(site, idSpeedButton18, "Add Delay", 294, 146, 95, 21);
    SpeedButton17.Create(site, idSpeedButton17, "Remove", 294, 168, 95, 21);
    SpeedButton4.Create(site, idSpeedButton4, "Up", 294, 194, 95, 21);
    SpeedButton19.Create(site, idSpeedButton19, "Down", 294, 216, 95, 21);
    SpeedButton20.Create(site, idSpeedButton20, "Save List", 294, 242, 95, 21);
    SpeedButton21.Create(site, idSpeedButton21, "Load List", 294, 264, 95, 21);
    SpeedButton22.Create(site, idSpeedButton22, "Clear List", 294, 286, 95, 21);
    page(pgMouseEvents,
         {cbMRepeat.Handle(), txMTimes.Handle(), lbMTimes.Handle(), lbXYpos.Handle(), lbX.Handle(), txX.Handle(),
          lbY.Handle(), txY.Handle(), SpeedButton16.Handle(), cbMBut.Handle(), SpeedButton15.Handle(),
          lsbMouse.Handle(), Label11.Handle(), SpeedButton18.Handle(), SpeedButton17.Handle(), SpeedButton4.Handle(),
          SpeedButton19.Handle(), SpeedButton20.Handle(), SpeedButton21.Handle(), SpeedButton22.Handle()});

    cbWindowSettings.Create(site, idcbWindowSettings, 16, 96, 200);
    cbWindowSettings.SetItems(kWindowActionEntries);
    page(pgWindowActions, {cbWindowSettings.Handle()});

    cbMisc.Create(site, idcbMisc, 16, 96, 200);
    cbMisc.SetItems(kMiscEntries);
    cbConfirm.Create(site, idcbConfirm, "Confirm", 16, 126, 100, 17);
    page(pgMiscellaneous, {cbMisc.Handle(), cbConfirm.Handle()});

    gbDetails.Create(site, " Details ", 8, 70, 393, 266);

    lbDescription.Create(site, "Description:", 8, 344, 80, 14);
    mmDesc.Create(site, idmmDesc, 8, 360, 393, 60);
    mmDesc.IgnoreEscape();
    btAdd.Create(site, idbtAdd, "Add", 326, 428, 75, 25);

    ShowPages(EditorPages());
}

// ---------------------------------------------------------------- the form

void TfrmAdd::FormCreate() {
    RemoveTabs();
    txSSPath.SetText(ExeDir());
    GetPotentialKeys();
    // A new editor starts on the first category, so that a commit always
    // stores the page it shows.
    cbCate.SetItemIndex(pgRunProgram);
}

void TfrmAdd::RemoveTabs() {
    // The pages have no tab headers: they change only through the category
    // list and the loaders.
    ShowPage(pgRunProgram);
}

void TfrmAdd::FormShow() {
    SetWindowTextA(Handle(), EditMode ? "Edit Macro" : "New Macro");
    btAdd.SetText(EditMode ? "OK" : "Add");
}

void TfrmAdd::ShowModal(Win32MessageLoop& loop) {
    FormShow();
    closed_ = false;
    RunModal(loop, Handle(), owner_, closed_);
    if (!closed_) {
        // The program is ending.
        closed_ = true;
        FormClose();
    }
}

void TfrmAdd::FormClose() {
    EditMode = false;
    SetTimerXY(false);
}

void TfrmAdd::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    SetTimerXY(false);
    potentialKeys_.clear();
}

void TfrmAdd::FormKeyDown(WORD key) {
    if (activePage_ == pgMouseEvents && key == VK_INSERT) lsbMouse.Add(PositionEntry(lbXYpos.Text()));
}

void TfrmAdd::ShowPage(int page) {
    if (page < 0 || page >= kEditorPageCount) return;
    activePage_ = page;
    for (int i = 0; i < kEditorPageCount; ++i) {
        for (HWND control : pages_[i]) ShowWindow(control, i == page ? SW_SHOWNA : SW_HIDE);
    }
    SetTimerXY(page == pgMouseEvents);
}

void TfrmAdd::cbCateChange() {
    const int index = cbCate.ItemIndex();
    if (index >= 0) ShowPage(index);
}

void TfrmAdd::SetTimerXY(bool enabled) {
    if (enabled == timerXY_ || !Handle()) return;
    timerXY_ = enabled;
    if (enabled) {
        SetTimer(Handle(), kTimerXY, kTimerXYInterval, nullptr);
    } else {
        KillTimer(Handle(), kTimerXY);
    }
}

void TfrmAdd::TimerXYTimer() {
    const std::string position = PositionText(host_.input.GetCursorPos());
    if (position == lbXYpos.Text()) return;
    lbXYpos.SetText(position);
    InvalidateRect(lbXYpos.Handle(), nullptr, TRUE);
}

void TfrmAdd::Message(const std::string& text, MessageIcon icon) {
    Prompts().Message(Handle(), text, host_.title, icon);
}

void TfrmAdd::btAddClick() {
    CommitRequest request;
    request.editMode = EditMode;
    request.hotKey = GetSelectedHotKey();
    request.page = activePage_;
    request.pages = ReadPages();
    request.description = mmDesc.Text();
    const CommitOutcome outcome = CommitMacro(request, host_.binding, host_.hotKeys);
    if (!outcome.stored) {
        Message(outcome.refusal.text, outcome.refusal.icon);
        return;
    }
    if (host_.onStored) host_.onStored(outcome.slot, EditMode);
    if (host_.memToFile) host_.memToFile();
    closed_ = true;
    FormClose();
}

// ---------------------------------------------------------------- pages <-> controls

EditorPages TfrmAdd::ReadPages() const {
    EditorPages p;
    p.lsbRunList = lsbRunList.Items();
    p.lsbURLs = lsbURLs.Items();
    p.txSSPath = txSSPath.Text();
    p.cbFormat = cbFormat.Chosen();
    p.cbWinType = cbWinType.Chosen();
    p.txWindowName = txWindowName.Text();
    p.cbRepeat = cbRepeat.Chosen();
    p.txTimes = txTimes.Text();
    p.lsbKeys = lsbKeys.Items();
    p.cbMRepeat = cbMRepeat.Chosen();
    p.txMTimes = txMTimes.Text();
    p.lsbMouse = lsbMouse.Items();
    p.cbWindowSettings = cbWindowSettings.Chosen();
    p.cbMisc = cbMisc.Chosen();
    p.cbConfirm = cbConfirm.Checked();
    return p;
}

void TfrmAdd::ShowPages(const EditorPages& p) {
    lsbRunList.SetItems(p.lsbRunList);
    lsbURLs.SetItems(p.lsbURLs);
    txSSPath.SetText(p.txSSPath);
    cbFormat.Choose(p.cbFormat);
    cbWinType.Choose(p.cbWinType);
    txWindowName.SetText(p.txWindowName);
    cbRepeat.Choose(p.cbRepeat);
    txTimes.SetText(p.txTimes);
    lsbKeys.SetItems(p.lsbKeys);
    cbMRepeat.Choose(p.cbMRepeat);
    txMTimes.SetText(p.txMTimes);
    lsbMouse.SetItems(p.lsbMouse);
    cbWindowSettings.Choose(p.cbWindowSettings);
    cbMisc.Choose(p.cbMisc);
    cbConfirm.SetChecked(p.cbConfirm);
    UpdateEnabling();
}

void TfrmAdd::UpdateEnabling() {
    const EditorPages p = ReadPages();
    txWindowName.SetEnabled(WindowNameEnabled(p));
    txTimes.SetEnabled(KeyCountEnabled(p));
    txMTimes.SetEnabled(MouseCountEnabled(p));
}

// ---------------------------------------------------------------- shortcut

void TfrmAdd::GetPotentialKeys() {
    potentialKeys_ = kv::GetPotentialKeys(host_.hotKeys);
    std::vector<std::string> names;
    for (const TPotentialKey& key : potentialKeys_) names.push_back(key.Name);
    ComboBox1.SetItems(names);
    if (!names.empty()) ComboBox1.SetItemIndex(0);
}

std::uint32_t TfrmAdd::GetSelectedHotKey() const {
    const ShortcutBoxes boxes{CheckBox1.Checked(), CheckBox2.Checked(), CheckBox3.Checked(), CheckBox4.Checked()};
    return kv::GetSelectedHotKey(boxes, potentialKeys_, ComboBox1.ItemIndex());
}

void TfrmAdd::SpeedButton1Click() {
    const Notice notice = CheckAvailability(host_.hotKeys, GetSelectedHotKey());
    Message(notice.text, notice.icon);
}

void TfrmAdd::SetAddHotEditMode(std::uint32_t HotKey) {
    const ShortcutBoxes boxes = BoxesOfHotKey(HotKey);
    CheckBox1.SetChecked(boxes.Ctrl);
    CheckBox2.SetChecked(boxes.Shift);
    CheckBox3.SetChecked(boxes.Alt);
    CheckBox4.SetChecked(boxes.Win);
    ComboBox1.SetItemIndex(ChosenKeyForHotKey(host_.hotKeys, potentialKeys_, HotKey, ComboBox1.ItemIndex()));
}

// ---------------------------------------------------------------- loaders

void TfrmAdd::LoadSlot(int i) {
    const MacroTable& table = host_.binding.table;
    if (i < 0 || i >= table.MacroCount) return;
    switch (PageOfKind(table.Macros[i].ActionKind)) {
        case pgRunProgram: eRunPRG(i); break;
        case pgOpenUrl: eOpenURL(i); break;
        case pgScreenCapture: eScreenCapture(i); break;
        case pgKeyEvents: eKeyEvent(i); break;
        case pgMouseEvents: eMouseEvent(i); break;
        case pgWindowActions: eWindowsAction(i); break;
        case pgMiscellaneous: eMisc(i); break;
        default:
            // A kind the editor has no page for: its shortcut and description
            // are still shown, so that a commit does not change them unseen.
            SetAddHotEditMode(table.Macros[i].HotKey);
            mmDesc.SetText(table.Macros[i].Description);
            break;
    }
}

void TfrmAdd::LoadPayload(int i, int page) {
    const TMacroSlot& slot = host_.binding.table.Macros[i];
    SetAddHotEditMode(slot.HotKey);
    // The window and system pages have no category entry: none is chosen.
    cbCate.SetItemIndex(page < kCategoryCount ? page : -1);
    ShowPage(page);
    mmDesc.SetText(slot.Description);
    EditorPages pages = ReadPages();
    LoadPagePayload(pages, page, slot.ActionData);
    ShowPages(pages);
}

void TfrmAdd::eRunPRG(int i) { LoadPayload(i, pgRunProgram); }
void TfrmAdd::eOpenURL(int i) { LoadPayload(i, pgOpenUrl); }
void TfrmAdd::eScreenCapture(int i) { LoadPayload(i, pgScreenCapture); }
void TfrmAdd::eKeyEvent(int i) { LoadPayload(i, pgKeyEvents); }
void TfrmAdd::eMouseEvent(int i) { LoadPayload(i, pgMouseEvents); }
void TfrmAdd::eWindowsAction(int i) { LoadPayload(i, pgWindowActions); }
void TfrmAdd::eMisc(int i) { LoadPayload(i, pgMiscellaneous); }

// ---------------------------------------------------------------- lists

void TfrmAdd::AddUnique(TEdit& edit, TListBox& list, const std::string& what) {
    const std::string text = edit.Text();
    if (text.empty()) return;
    const std::string refusal = CheckListEntry(text);
    if (!refusal.empty()) {
        Message(refusal, MessageIcon::Warning);
        return;
    }
    if (IndexOf(list.Items(), text) >= 0) {
        Message(what + text + " is already exists in list");
        return;
    }
    list.Add(text);
    edit.SetText("");
}

void TfrmAdd::AddEntry(TListBox& list, const std::string& entry) {
    const std::string refusal = CheckListEntry(entry);
    if (!refusal.empty()) {
        Message(refusal, MessageIcon::Warning);
        return;
    }
    list.Add(entry);
}

void TfrmAdd::AddDelay(TListBox& list) {
    const std::string answer = Prompts().InputBox(Handle(), kAddDelayCaption, kAddDelayPrompt, "");
    std::string entry;
    if (DelayEntry(answer, entry)) AddEntry(list, entry);
}

void TfrmAdd::RemoveSelected(TListBox& list) {
    std::vector<std::string> items = list.Items();
    const int selected = list.ItemIndex();
    if (selected < 0) return;
    RemoveEntry(items, selected);
    list.SetItems(items);
}

void TfrmAdd::MoveSelected(TListBox& list, int (*move)(std::vector<std::string>&, int)) {
    std::vector<std::string> items = list.Items();
    const int selected = list.ItemIndex();
    const int moved = move(items, selected);
    if (moved != selected) list.SetItems(items, moved);
}

void TfrmAdd::SaveList(TListBox& list, const char* fileName) {
    FileDialogOptions options{true, kKeyListFilter, kKeyListExtension, fileName};
    std::string path;
    if (!Prompts().ChooseFile(Handle(), options, path)) return;
    std::string error;
    if (!ReplaceFileSafely(path, KeyListText(list.Items()), error)) {
        Message(ErrorBoxText("Cannot create file \"" + path + "\". " + error), MessageIcon::Error);
    }
}

void TfrmAdd::LoadList(TListBox& list) {
    FileDialogOptions options{false, kKeyListFilter, kKeyListExtension, lastOpenedList_};
    std::string path;
    if (!Prompts().ChooseFile(Handle(), options, path)) return;
    lastOpenedList_ = path;
    std::string content, error;
    if (!ReadWholeFile(path, content, error)) {
        Message(ErrorBoxText("Cannot open file \"" + path + "\". " + error), MessageIcon::Error);
        return;
    }
    list.SetItems(KeyListEntries(content));
}

void TfrmAdd::AddKeyEntry(const std::string& entry) { lsbKeys.Add(entry); }

// ---------------------------------------------------------------- handlers of the pages

void TfrmAdd::SpeedButton2Click() {
    FileDialogOptions options{false, kProgramFilter, "", ""};
    std::string path;
    if (Prompts().ChooseFile(Handle(), options, path)) txPath.SetText(path);
}

void TfrmAdd::SpeedButton3Click() { AddUnique(txPath, lsbRunList, "The program "); }
void TfrmAdd::Delete1Click() { RemoveSelected(lsbRunList); }
void TfrmAdd::SpeedButton5Click() { AddUnique(txURL, lsbURLs, "The URL "); }
void TfrmAdd::Delete2Click() { RemoveSelected(lsbURLs); }

void TfrmAdd::SpeedButton6Click() {
    std::string path;
    if (Prompts().ChooseDirectory(Handle(), "Select Directory", "C:", path)) txSSPath.SetText(path);
}

void TfrmAdd::ApplyChoice(void (*choose)(EditorPages&, const std::string&), const TComboBox& combo,
                          std::string EditorPages::*text, TEdit& box) {
    EditorPages p = ReadPages();
    choose(p, combo.Chosen());
    box.SetText(p.*text);
    UpdateEnabling();
}

void TfrmAdd::cbWinTypeChange() {
    ApplyChoice(ChooseWinType, cbWinType, &EditorPages::txWindowName, txWindowName);
}

void TfrmAdd::cbRepeatChange() { ApplyChoice(ChooseRepeat, cbRepeat, &EditorPages::txTimes, txTimes); }

void TfrmAdd::cbMRepeatChange() { ApplyChoice(ChooseMRepeat, cbMRepeat, &EditorPages::txMTimes, txMTimes); }

void TfrmAdd::SpeedButton7Click() {
    TfrmAddKey picker(*this);
    picker.ShowModal();
}

void TfrmAdd::SpeedButton8Click() { AddDelay(lsbKeys); }
void TfrmAdd::SpeedButton9Click() { RemoveSelected(lsbKeys); }
void TfrmAdd::SpeedButton10Click() { MoveSelected(lsbKeys, MoveEntryUp); }
void TfrmAdd::SpeedButton11Click() { MoveSelected(lsbKeys, MoveEntryDown); }
void TfrmAdd::SpeedButton12Click() { SaveList(lsbKeys, kKeyListFileName); }
void TfrmAdd::SpeedButton13Click() { LoadList(lsbKeys); }
void TfrmAdd::SpeedButton14Click() { lsbKeys.SetItems({}); }

void TfrmAdd::SpeedButton16Click() { AddEntry(lsbMouse, CoordinateEntry(txX.Text(), txY.Text())); }

void TfrmAdd::SpeedButton15Click() {
    const std::string entry = MouseButtonEntry(cbMBut.Chosen());
    if (!entry.empty()) AddEntry(lsbMouse, entry);
}

void TfrmAdd::SpeedButton18Click() { AddDelay(lsbMouse); }
void TfrmAdd::SpeedButton17Click() { RemoveSelected(lsbMouse); }
void TfrmAdd::SpeedButton4Click() { MoveSelected(lsbMouse, MoveEntryUp); }
void TfrmAdd::SpeedButton19Click() { MoveSelected(lsbMouse, MoveEntryDown); }
void TfrmAdd::SpeedButton20Click() { SaveList(lsbMouse, kMouseListFileName); }
void TfrmAdd::SpeedButton21Click() { LoadList(lsbMouse); }
void TfrmAdd::SpeedButton22Click() { lsbMouse.SetItems({}); }

// ---------------------------------------------------------------- messages

void TfrmAdd::OnCommand(int id, int code) {
    if (code == CBN_SELCHANGE) {
        switch (id) {
            case idcbCate: cbCateChange(); break;
            case idcbWinType: cbWinTypeChange(); break;
            case idcbRepeat: cbRepeatChange(); break;
            case idcbMRepeat: cbMRepeatChange(); break;
        }
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
        case idbtAdd: btAddClick(); break;
        case idSpeedButton1: SpeedButton1Click(); break;
        case idSpeedButton2: SpeedButton2Click(); break;
        case idSpeedButton3: SpeedButton3Click(); break;
        case idSpeedButton5: SpeedButton5Click(); break;
        case idSpeedButton6: SpeedButton6Click(); break;
        case idSpeedButton7: SpeedButton7Click(); break;
        case idSpeedButton8: SpeedButton8Click(); break;
        case idSpeedButton9: SpeedButton9Click(); break;
        case idSpeedButton10: SpeedButton10Click(); break;
        case idSpeedButton11: SpeedButton11Click(); break;
        case idSpeedButton12: SpeedButton12Click(); break;
        case idSpeedButton13: SpeedButton13Click(); break;
        case idSpeedButton14: SpeedButton14Click(); break;
        case idSpeedButton15: SpeedButton15Click(); break;
        case idSpeedButton16: SpeedButton16Click(); break;
        case idSpeedButton17: SpeedButton17Click(); break;
        case idSpeedButton18: SpeedButton18Click(); break;
        case idSpeedButton4: SpeedButton4Click(); break;
        case idSpeedButton19: SpeedButton19Click(); break;
        case idSpeedButton20: SpeedButton20Click(); break;
        case idSpeedButton21: SpeedButton21Click(); break;
        case idSpeedButton22: SpeedButton22Click(); break;
    }
}

void TfrmAdd::OnContextMenu(HWND control, LPARAM lParam) {
    const bool programs = control == lsbRunList.Handle();
    if (!programs && control != lsbURLs.Handle()) return;
    // PopupMenu1 and PopupMenu2: the single item "Delete", which acts on the
    // selected entry.
    OwnedMenu menu(CreatePopupMenu());
    AppendMenuA(menu.Get(), MF_STRING, programs ? idDelete1 : idDelete2, "Delete");
    POINT at = {short(LOWORD(lParam)), short(HIWORD(lParam))};
    if (lParam == -1) {  // from the keyboard
        RECT rc;
        GetWindowRect(control, &rc);
        at = {rc.left, rc.top};
    }
    const UINT command =
        UINT(TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, Handle(),
                            nullptr));
    if (command == idDelete1) Delete1Click();
    if (command == idDelete2) Delete2Click();
}

LRESULT TfrmAdd::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            if (lParam) OnCommand(LOWORD(wParam), HIWORD(wParam));  // from a control
            return 0;
        case WM_CONTEXTMENU:
            OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
            return 0;
        case WM_TIMER:
            if (wParam == kTimerXY) TimerXYTimer();
            return 0;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->hwndItem != lbXYpos.Handle()) break;
            FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
            Selected font(item->hDC, font_.Get());
            SetBkMode(item->hDC, TRANSPARENT);
            SetTextColor(item->hDC, GetSysColor(COLOR_BTNTEXT));
            RECT text = item->rcItem;
            text.right -= Scale(2, dpi_);
            const std::string position = lbXYpos.Text();
            DrawTextA(item->hDC, position.c_str(), -1, &text, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
            return TRUE;
        }
        case WM_CLOSE:
            // The close box discards all input.
            if (!closed_) {
                closed_ = true;
                FormClose();
            }
            return 0;
    }
    return Window::WndProc(msg, wParam, lParam);
}

}  // namespace kv
