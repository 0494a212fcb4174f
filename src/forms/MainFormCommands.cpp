// The main window's commands: one table from command identifier to handler.
// A menu item whose command is also a tool bar button runs the button's
// handler, so both behave the same.
#include <iterator>

#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "forms/SettingsForm.h"
#include "uilogic/ImportSummary.h"
#include "uilogic/WebLinks.h"
#include "wingui/Prompts.h"

namespace kv {

namespace {

struct CommandHandler {
    UINT id;
    void (TfrmKeyvaneMain::*handler)();
};

const CommandHandler kCommands[] = {
    {TfrmKeyvaneMain::cmDisableAll, &TfrmKeyvaneMain::OnDisableAll},
    {TfrmKeyvaneMain::cmEnableAll, &TfrmKeyvaneMain::OnEnableAll},
    {TfrmKeyvaneMain::cmAdd, &TfrmKeyvaneMain::OnAddMacro},
    {TfrmKeyvaneMain::cmMenuNew, &TfrmKeyvaneMain::OnAddMacro},
    {TfrmKeyvaneMain::cmEdit, &TfrmKeyvaneMain::OnEditMacro},
    {TfrmKeyvaneMain::cmMenuEdit, &TfrmKeyvaneMain::OnEditMacro},
    {TfrmKeyvaneMain::cmDelete, &TfrmKeyvaneMain::OnDeleteMacro},
    {TfrmKeyvaneMain::cmMenuDelete, &TfrmKeyvaneMain::OnDeleteMacro},
    {TfrmKeyvaneMain::cmFeedback, &TfrmKeyvaneMain::OnFeedback},
    {TfrmKeyvaneMain::cmMenuFeedback, &TfrmKeyvaneMain::OnFeedback},
    {TfrmKeyvaneMain::cmAbout, &TfrmKeyvaneMain::OnAbout},
    {TfrmKeyvaneMain::cmMenuAbout, &TfrmKeyvaneMain::OnAbout},
    {TfrmKeyvaneMain::cmSettings, &TfrmKeyvaneMain::OnSettings},
    {TfrmKeyvaneMain::cmMenuSettings, &TfrmKeyvaneMain::OnSettings},
    {TfrmKeyvaneMain::cmDonate, &TfrmKeyvaneMain::OnDonate},
    {TfrmKeyvaneMain::cmMenuDonate, &TfrmKeyvaneMain::OnDonate},
    {TfrmKeyvaneMain::cmImport, &TfrmKeyvaneMain::OnImport},
    {TfrmKeyvaneMain::cmExport, &TfrmKeyvaneMain::OnExport},
    {TfrmKeyvaneMain::cmExit, &TfrmKeyvaneMain::OnExit},
    {TfrmKeyvaneMain::cmTrayExit, &TfrmKeyvaneMain::OnExit},
    {TfrmKeyvaneMain::cmWebSite, &TfrmKeyvaneMain::OnWebSite},
    {TfrmKeyvaneMain::cmShowHide, &TfrmKeyvaneMain::OnShowHide},
    {TfrmKeyvaneMain::cmToggleAll, &TfrmKeyvaneMain::OnToggleAll},
    {TfrmKeyvaneMain::cmStopMacro, &TfrmKeyvaneMain::OnStopMacro},
    {IDOK, &TfrmKeyvaneMain::OnEnter},
};

}  // namespace

void TfrmKeyvaneMain::OnCommand(UINT id) {
    for (const CommandHandler& command : kCommands) {
        if (command.id == id) {
            (this->*command.handler)();
            return;
        }
    }
}

bool TfrmKeyvaneMain::AskDefaultNo(const std::string& question) {
    return MessageBoxA(Handle(), question.c_str(), title_.c_str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
           IDYES;
}

void TfrmKeyvaneMain::OnDisableAll() { binding_.AllDisabled = true; }

void TfrmKeyvaneMain::OnEnableAll() { binding_.AllDisabled = false; }

void TfrmKeyvaneMain::OnToggleAll() { binding_.AllDisabled = !binding_.AllDisabled; }

void TfrmKeyvaneMain::OnExit() { loop_.Terminate(0); }

void TfrmKeyvaneMain::OnAddMacro() { OpenEditor(false); }

void TfrmKeyvaneMain::OnEditMacro() {
    const int slot = SelectedSlot();
    if (slot < 0 || slot >= binding_.table.MacroCount) return;
    binding_.table.EditIndex = slot;
    OpenEditor(true);
}

void TfrmKeyvaneMain::OnEnter() {
    if (GetFocus() == filterBox.Handle()) {
        SetFocus(macroList.Handle());
        if (macroList.Selected() < 0 && macroList.Count() > 0) macroList.Select(0);
        return;
    }
    OnEditMacro();
}

void TfrmKeyvaneMain::OpenEditor(bool editMode) {
    CreateEditor(editMode).ShowModal(loop_);
    frmAdd.reset();
}

TfrmAdd& TfrmKeyvaneMain::CreateEditor(bool editMode) {
    auto onStored = [this](int slot, bool edited) {
        RefreshList();
        // The edited macro stays selected; a new one is not selected.
        if (edited) SelectSlot(slot);
    };
    TEditorHost host{binding_, hotKeyApi_,   input_, title_, onStored, [this] { ShowMessages(binding_.MemToFile()); },
                     prompts_, modifierNames_};
    frmAdd = std::make_unique<TfrmAdd>(std::move(host), Handle());
    frmAdd->EditMode = editMode;
    if (editMode) frmAdd->LoadSlot(binding_.table.EditIndex);
    return *frmAdd;
}

void TfrmKeyvaneMain::OnDeleteMacro() {
    const int slot = SelectedSlot();
    if (slot < 0) return;
    const std::string& description = binding_.table.Macros[static_cast<std::size_t>(slot)].Description;
    if (!AskDefaultNo("Delete the macro \"" + description + "\"?")) return;
    const ListFileResult result = binding_.DeleteSelectedHotkey(slot);
    RefreshList();
    macroList.Select(-1);
    ShowMessages(result);
}

void TfrmKeyvaneMain::OnImport() {
    std::string path;
    if (!importDialog_.Execute(Handle(), path)) return;
    ImportReport report;
    const ListFileResult result = binding_.ImportHotkeyList(path, report);
    RefreshList();
    ShowMessages(result);
    if (report.fileRead) {
        ShowText(ImportSummaryText(report, binding_.table, [this](std::uint32_t hotKey) { return ShortcutText(hotKey); }),
                 ImportSummaryIsWarning(report) ? MessageIcon::Warning : MessageIcon::Information);
    }
}

void TfrmKeyvaneMain::OnExport() {
    std::string path;
    if (!exportDialog_.Execute(Handle(), path)) return;
    ShowMessages(binding_.ExportHotkeyList(path));
}

void TfrmKeyvaneMain::OnSettings() {
    TfrmSettings settings(Handle());
    settings.ShowModal(loop_);
}

void TfrmKeyvaneMain::OnFeedback() { OpenFeedback(shell_, reinterpret_cast<WindowHandle>(Handle())); }

void TfrmKeyvaneMain::OnAbout() {
    TfrmAbout about(Handle(), shell_);
    about.ShowModal();
}

void TfrmKeyvaneMain::OnDonate() {
    DonateCommand(shell_, reinterpret_cast<WindowHandle>(Handle()),
                  [this] { return prompts_.Confirm(Handle(), kDonateQuestion, kDonateQuestionCaption); }, title_);
}

void TfrmKeyvaneMain::OnWebSite() { OpenWebSite(shell_, reinterpret_cast<WindowHandle>(Handle())); }

}  // namespace kv
