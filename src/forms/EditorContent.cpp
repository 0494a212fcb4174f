// What the editor's controls hold: the shortcut, the pages as plain data in
// both directions, and the loading of a stored macro.
#include "forms/EditorForm.h"

namespace kv {

// ---------------------------------------------------------------- pages <-> controls

EditorPages EditorForm::ReadPages() const {
    EditorPages p;
    p.lsbRunList = programList.Items();
    p.lsbURLs = urlList.Items();
    p.txSSPath = captureFolderEdit.Text();
    p.cbFormat = formatCombo.Chosen();
    p.cbWinType = windowTypeCombo.Chosen();
    p.txWindowName = windowNameEdit.Text();
    p.cbRepeat = keyRepeatCombo.Chosen();
    p.txTimes = keyTimesEdit.Text();
    p.lsbKeys = keyPanel.list.Items();
    p.cbMRepeat = mouseRepeatCombo.Chosen();
    p.txMTimes = mouseTimesEdit.Text();
    p.lsbMouse = mousePanel.list.Items();
    p.cbWindowSettings = windowActionCombo.Chosen();
    p.cbMisc = systemActionCombo.Chosen();
    p.cbConfirm = confirmBox.Checked();
    return p;
}

void EditorForm::ShowPages(const EditorPages& p) {
    programList.SetItems(p.lsbRunList);
    urlList.SetItems(p.lsbURLs);
    captureFolderEdit.SetText(p.txSSPath);
    formatCombo.Choose(p.cbFormat);
    windowTypeCombo.Choose(p.cbWinType);
    windowNameEdit.SetText(p.txWindowName);
    keyRepeatCombo.Choose(p.cbRepeat);
    keyTimesEdit.SetText(p.txTimes);
    keyPanel.list.SetItems(p.lsbKeys);
    mouseRepeatCombo.Choose(p.cbMRepeat);
    mouseTimesEdit.SetText(p.txMTimes);
    mousePanel.list.SetItems(p.lsbMouse);
    windowActionCombo.Choose(p.cbWindowSettings);
    systemActionCombo.Choose(p.cbMisc);
    confirmBox.SetChecked(p.cbConfirm);
    UpdateEnabling();
}

void EditorForm::UpdateEnabling() {
    const EditorPages p = ReadPages();
    windowNameEdit.SetEnabled(WindowNameEnabled(p));
    keyTimesEdit.SetEnabled(KeyCountEnabled(p));
    mouseTimesEdit.SetEnabled(MouseCountEnabled(p));
}

// ---------------------------------------------------------------- shortcut

void EditorForm::FillKeyCombo() {
    potentialKeys_ = GetPotentialKeys(host_.hotKeys);
    std::vector<std::string> names;
    for (const CandidateKey& key : potentialKeys_) names.push_back(key.Name);
    keyCombo.SetItems(names);
    if (!names.empty()) keyCombo.SetItemIndex(0);
}

std::uint32_t EditorForm::SelectedHotKey() const {
    const ShortcutBoxes boxes{ctrlBox.Checked(), shiftBox.Checked(), altBox.Checked(), winBox.Checked()};
    return GetSelectedHotKey(boxes, potentialKeys_, keyCombo.ItemIndex());
}

void EditorForm::OnCheckAvailability() {
    const Notice notice = CheckAvailability(host_.hotKeys, host_.modifierNames, SelectedHotKey(), host_.binding.table);
    Message(notice.text, notice.icon);
}

void EditorForm::ShowHotKey(std::uint32_t hotKey) {
    const ShortcutBoxes boxes = BoxesOfHotKey(hotKey);
    ctrlBox.SetChecked(boxes.Ctrl);
    shiftBox.SetChecked(boxes.Shift);
    altBox.SetChecked(boxes.Alt);
    winBox.SetChecked(boxes.Win);
    keyCombo.SetItemIndex(ChosenKeyForHotKey(host_.hotKeys, potentialKeys_, hotKey, keyCombo.ItemIndex()));
}

// ---------------------------------------------------------------- loaders

void EditorForm::LoadSlot(int i) {
    const MacroTable& table = host_.binding.table;
    if (i < 0 || i >= table.MacroCount) return;
    const int page = PageOfKind(table.Macros[i].ActionKind);
    if (page >= 0) {
        LoadPayload(i, page);
        return;
    }
    // A kind the editor has no page for: its shortcut and description are
    // still shown, so that a commit does not change them unseen.
    ShowHotKey(table.Macros[i].HotKey);
    descriptionMemo.SetText(table.Macros[i].Description);
}

void EditorForm::LoadPayload(int i, int page) {
    const MacroSlot& slot = host_.binding.table.Macros[i];
    ShowHotKey(slot.HotKey);
    // The window and system pages have no category entry: none is chosen.
    categoryCombo.SetItemIndex(page);
    ShowPage(page);
    descriptionMemo.SetText(slot.Description);
    EditorPages pages = ReadPages();
    LoadPagePayload(pages, page, slot.ActionData);
    ShowPages(pages);
}

}  // namespace kv
