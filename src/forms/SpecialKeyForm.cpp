#include "forms/SpecialKeyForm.h"

#include "uilogic/EditorChecks.h"
#include "wingui/Prompts.h"

namespace kv {

namespace {
const int kColumns = 5;
const int kGridLeft = 5;
const int kGridTop = 54;
const int kButtonWidth = 52;
const int kButtonHeight = 22;
}  // namespace

SpecialKeyForm::SpecialKeyForm(HWND owner, std::function<void(const std::string&)> addEntry, std::string title,
                               UiPrompts& prompts)
    : ModalForm(ModalFormArgs{"TfrmAddKey", "Add Key", 270, 259, owner}),
      addEntry_(std::move(addEntry)),
      title_(std::move(title)),
      prompts_(prompts) {
    const ControlSite site = Site();
    keysLabel.Create(site, "&Key(s):", 8, 10, 60, 14);
    keysEdit.Create(site, idKeysEdit, 8, 26, 254, 21);
    for (int i = 0; i < kPickerKeyCount; ++i) {
        const int left = kGridLeft + (i % kColumns) * kButtonWidth;
        const int top = kGridTop + (i / kColumns) * kButtonHeight;
        keyButtons[i].Create(site, idFirstKeyButton + i, kPickerKeys[i].caption, left, top, kButtonWidth,
                             kButtonHeight);
    }
    addToListButton.Create(site, idAddToList, "Add to &List", 162, 226, 100, 25, true);
    SetDefaultButton(idAddToList);
    SetFirstFocus(keysEdit.Handle());
}

void SpecialKeyForm::OnKeyButton(int index) {
    keysEdit.SetText(AppendPickerToken(keysEdit.Text(), index));
    // The caret goes to the end, where the token went.
    const int end = GetWindowTextLengthA(keysEdit.Handle());
    SendMessageA(keysEdit.Handle(), EM_SETSEL, WPARAM(end), LPARAM(end));
}

void SpecialKeyForm::OnAddToList() {
    const std::string entry = keysEdit.Text();
    if (entry.empty()) return;
    const std::string refusal = CheckListEntry(entry);
    if (!refusal.empty()) {
        prompts_.Message(Handle(), refusal, title_, MessageIcon::Warning);
        return;
    }
    addEntry_(entry);
    Close();
}

void SpecialKeyForm::OnCommand(int id, int code, HWND) {
    // Esc and the close box add nothing (OnCloseRequest).
    if (code != BN_CLICKED) return;
    if (id == idAddToList) {
        OnAddToList();
    } else if (id >= idFirstKeyButton && id < idFirstKeyButton + kPickerKeyCount) {
        OnKeyButton(id - idFirstKeyButton);
    }
}

}  // namespace kv
