// The handlers of the pages' buttons and choices.
#include "forms/EditorForm.h"

#include "forms/SpecialKeyForm.h"
#include "uilogic/EditorChecks.h"
#include "uilogic/ListEntries.h"
#include "wingui/Prompts.h"

namespace kv {

namespace {

const char* const kProgramFilter = "Exe Files(*.exe)|*.exe|Batch Files(*.bat)|*.bat|All Files(*.*)|*.*";

bool Contains(const std::vector<std::string>& items, const std::string& text) {
    for (const std::string& item : items) {
        if (item == text) return true;
    }
    return false;
}

}  // namespace

void EditorForm::AddUnique(EditControl& edit, ListBoxControl& list, const std::string& what) {
    const std::string text = edit.Text();
    if (text.empty()) return;
    const std::string refusal = CheckListEntry(text);
    if (!refusal.empty()) {
        Message(refusal, MessageIcon::Warning);
        return;
    }
    if (Contains(list.Items(), text)) {
        Message(what + text + " is already exists in list");
        return;
    }
    list.Add(text);
    edit.SetText("");
}

void EditorForm::RemoveSelected(ListBoxControl& list) {
    std::vector<std::string> items = list.Items();
    const int selected = list.ItemIndex();
    if (selected < 0) return;
    RemoveEntry(items, selected);
    list.SetItems(items);
}

// ---------------------------------------------------------------- programs, URLs, capture

void EditorForm::OnBrowseProgram() {
    FileDialogOptions options{false, kProgramFilter, "", ""};
    std::string path;
    if (host_.prompts.ChooseFile(Handle(), options, path)) programPathEdit.SetText(path);
}

void EditorForm::OnAddProgram() { AddUnique(programPathEdit, programList, "The program "); }
void EditorForm::OnDeleteProgram() { RemoveSelected(programList); }
void EditorForm::OnAddUrl() { AddUnique(urlEdit, urlList, "The URL "); }
void EditorForm::OnDeleteUrl() { RemoveSelected(urlList); }

void EditorForm::OnChooseFolder() {
    std::string path;
    if (host_.prompts.ChooseDirectory(Handle(), "Select Directory", "C:", path)) captureFolderEdit.SetText(path);
}

// ---------------------------------------------------------------- keys and mouse

void EditorForm::ApplyChoice(void (*choose)(EditorPages&, const std::string&), const ComboBoxControl& combo,
                             std::string EditorPages::*text, EditControl& box) {
    EditorPages p = ReadPages();
    choose(p, combo.Chosen());
    box.SetText(p.*text);
    UpdateEnabling();
}

void EditorForm::OnWindowTypeChange() {
    ApplyChoice(ChooseWinType, windowTypeCombo, &EditorPages::txWindowName, windowNameEdit);
}

void EditorForm::OnKeyRepeatChange() { ApplyChoice(ChooseRepeat, keyRepeatCombo, &EditorPages::txTimes, keyTimesEdit); }

void EditorForm::OnMouseRepeatChange() {
    ApplyChoice(ChooseMRepeat, mouseRepeatCombo, &EditorPages::txMTimes, mouseTimesEdit);
}

void EditorForm::OnAddKey() {
    SpecialKeyForm picker(
        Handle(), [this](const std::string& entry) { AddKeyEntry(entry); }, host_.title, host_.prompts);
    picker.ShowModal();
}

void EditorForm::AddKeyEntry(const std::string& entry) { keyPanel.list.Add(entry); }

void EditorForm::OnAddPosition() { mousePanel.AddEntry(CoordinateEntry(xEdit.Text(), yEdit.Text())); }

void EditorForm::OnAddMouseButton() {
    const std::string entry = MouseButtonEntry(mouseButtonCombo.Chosen());
    if (!entry.empty()) mousePanel.AddEntry(entry);
}

}  // namespace kv
