#pragma once
// The special-key picker: builds one entry of the key page from typed text
// and buttons for named keys, and adds it to the editor's key list.
#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "uilogic/ListEntries.h"
#include "wingui/Controls.h"
#include "wingui/ModalForm.h"
#include "wingui/Prompts.h"

namespace kv {

class SpecialKeyForm : public ModalForm {
public:
    // Creates the picker hidden, owned by owner; "Add to List" hands the
    // entry to addEntry. title: the caption of its message boxes, shown
    // through prompts.
    SpecialKeyForm(HWND owner, std::function<void(const std::string&)> addEntry, std::string title, UiPrompts& prompts);

    enum Control : int { idKeysEdit = 100, idAddToList, idFirstKeyButton = 200 };

    // Key button index 0 to 30 appends its token to the end of the text.
    void OnKeyButton(int index);
    void OnAddToList();

    LabelControl keysLabel;
    EditControl keysEdit;
    std::array<TFlatButton, kPickerKeyCount> keyButtons;  // in grid order
    ButtonControl addToListButton;

protected:
    void OnCommand(int id, int code, HWND control) override;

private:
    std::function<void(const std::string&)> addEntry_;
    std::string title_;
    UiPrompts& prompts_;
};

}  // namespace kv
