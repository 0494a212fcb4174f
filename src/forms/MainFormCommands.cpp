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
    void (MainForm::*handler)();
};

const CommandHandler kCommands[] = {
    {MainForm::cmDisableAll, &MainForm::OnDisableAll},
    {MainForm::cmEnableAll, &MainForm::OnEnableAll},
    {MainForm::cmAdd, &MainForm::OnAddMacro},
    {MainForm::cmMenuNew, &MainForm::OnAddMacro},
    {MainForm::cmEdit, &MainForm::OnEditMacro},
    {MainForm::cmMenuEdit, &MainForm::OnEditMacro},
    {MainForm::cmDelete, &MainForm::OnDeleteMacro},
    {MainForm::cmMenuDelete, &MainForm::OnDeleteMacro},
    {MainForm::cmFeedback, &MainForm::OnFeedback},
    {MainForm::cmMenuFeedback, &MainForm::OnFeedback},
    {MainForm::cmAbout, &MainForm::OnAbout},
    {MainForm::cmMenuAbout, &MainForm::OnAbout},
    {MainForm::cmSettings, &MainForm::OnSettings},
    {MainForm::cmMenuSettings, &MainForm::OnSettings},
    {MainForm::cmDonate, &MainForm::OnDonate},
    {MainForm::cmMenuDonate, &MainForm::OnDonate},
    {MainForm::cmImport, &MainForm::OnImport},
    {MainForm::cmExport, &MainForm::OnExport},
    {MainForm::cmExit, &MainForm::OnExit},
    {MainForm::cmTrayExit, &MainForm::OnExit},
    {MainForm::cmWebSite, &MainForm::OnWebSite},
    {MainForm::cmShowHide, &MainForm::OnShowHide},
    {MainForm::cmToggleAll, &MainForm::OnToggleAll},
    {MainForm::cmStopMacro, &MainForm::OnStopMacro},
    {IDOK, &MainForm::OnEnter},
};

}  // namespace

void MainForm::OnCommand(UINT id) {
    for (const CommandHandler& command : kCommands) {
        if (command.id == id) {
            (this->*command.handler)();
            return;
        }
    }
}

bool MainForm::AskDefaultNo(const std::string& question) {
    return MessageBoxA(Handle(), question.c_str(), title_.c_str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void MainForm::OnDisableAll() { binding_.AllDisabled = true; }

void MainForm::OnEnableAll() { binding_.AllDisabled = false; }

void MainForm::OnToggleAll() { binding_.AllDisabled = !binding_.AllDisabled; }

void MainForm::OnExit() { loop_.Terminate(0); }

void MainForm::OnAddMacro() { OpenEditor(false); }

void MainForm::OnEditMacro() {
    const int slot = SelectedSlot();
    if (slot < 0 || slot >= binding_.table.MacroCount) return;
    binding_.table.EditIndex = slot;
    OpenEditor(true);
}

void MainForm::OnEnter() {
    if (GetFocus() == filterBox.Handle()) {
        SetFocus(macroList.Handle());
        if (macroList.Selected() < 0 && macroList.Count() > 0) macroList.Select(0);
        return;
    }
    OnEditMacro();
}

void MainForm::OpenEditor(bool editMode) {
    CreateEditor(editMode).ShowModal(loop_);
    frmAdd.reset();
}

EditorForm& MainForm::CreateEditor(bool editMode) {
    auto onStored = [this](int slot, bool edited) {
        RefreshList();
        // The edited macro stays selected; a new one is not selected.
        if (edited) SelectSlot(slot);
    };
    EditorHost host{binding_, hotKeyApi_,    input_,
                    title_,   onStored,      [this] { ShowMessages(binding_.SaveListFile()); },
                    prompts_, modifierNames_};
    frmAdd = std::make_unique<EditorForm>(std::move(host), Handle());
    frmAdd->EditMode = editMode;
    if (editMode) frmAdd->LoadSlot(binding_.table.EditIndex);
    return *frmAdd;
}

void MainForm::OnDeleteMacro() {
    const int slot = SelectedSlot();
    if (slot < 0) return;
    const std::string& description = binding_.table.Macros[static_cast<std::size_t>(slot)].Description;
    if (!AskDefaultNo("Delete the macro \"" + description + "\"?")) return;
    const ListFileResult result = binding_.DeleteMacro(slot);
    RefreshList();
    macroList.Select(-1);
    ShowMessages(result);
}

void MainForm::OnImport() {
    std::string path;
    if (!importDialog_.Execute(Handle(), path)) return;
    ImportReport report;
    const ListFileResult result = binding_.ImportList(path, report);
    RefreshList();
    ShowMessages(result);
    if (report.fileRead) {
        ShowText(
            ImportSummaryText(report, binding_.table, [this](std::uint32_t hotKey) { return ShortcutText(hotKey); }),
            ImportSummaryIsWarning(report) ? MessageIcon::Warning : MessageIcon::Information);
    }
}

void MainForm::OnExport() {
    std::string path;
    if (!exportDialog_.Execute(Handle(), path)) return;
    ShowMessages(binding_.ExportList(path));
}

void MainForm::OnSettings() {
    SettingsForm settings(Handle());
    settings.ShowModal(loop_);
}

void MainForm::OnFeedback() { OpenFeedback(shell_, reinterpret_cast<WindowHandle>(Handle())); }

void MainForm::OnAbout() {
    AboutForm about(Handle(), shell_);
    about.ShowModal();
}

void MainForm::OnDonate() {
    DonateCommand(
        shell_, reinterpret_cast<WindowHandle>(Handle()),
        [this] { return prompts_.Confirm(Handle(), kDonateQuestion, kDonateQuestionCaption); }, title_);
}

void MainForm::OnWebSite() { OpenWebSite(shell_, reinterpret_cast<WindowHandle>(Handle())); }

}  // namespace kv
