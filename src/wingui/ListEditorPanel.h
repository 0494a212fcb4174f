#pragma once
// A list of entries with its column of buttons: Add Delay, Remove, Up, Down,
// Save List, Load List and Clear List, as the editor's key and mouse pages
// show it. The controls are children of the form (so that they take part in
// its tab order and scaling); the form passes its commands to OnCommand.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/ShellApi.h"
#include "wingui/Controls.h"
#include "wingui/Prompts.h"

namespace kv {

struct ListEditorArgs {
    int listId = 0;
    int firstButtonId = 0;  // the seven buttons take this id and the six after it
    RECT list = {};         // left, top, right, bottom at 96 dpi
    int buttonsLeft = 0;    // the column of buttons at 96 dpi
    int buttonsTop = 0;
    const char* saveFileName = "";      // offered by Save List
    std::string title;                  // caption of the message boxes
    std::string* lastOpened = nullptr;  // the last file loaded, shared by the lists of a form
    UiPrompts* prompts = nullptr;       // the questions and dialogs; required
};

class ListEditorPanel {
public:
    // The list first, then (after whatever the form puts between them in the
    // tab order) the buttons.
    void CreateList(const ControlSite& site, const ListEditorArgs& args);
    void CreateButtons(const ControlSite& site);
    // The list and the buttons, to show and hide with a page.
    std::vector<HWND> Handles() const;

    // Runs the handler of a button of this panel; false for another id.
    bool OnCommand(int id);

    void OnAddDelay();  // asks for milliseconds, appends {DELAY...}
    void OnRemove();
    void OnUp();
    void OnDown();
    void OnSaveList();
    void OnLoadList();
    void OnClearList();
    // Appends an entry unless the editor refuses it (the refusal is shown).
    void AddEntry(const std::string& entry);

    ListBoxControl list;
    TFlatButton addDelayButton, removeButton, upButton, downButton, saveListButton, loadListButton, clearListButton;

private:
    void Message(const std::string& text, MessageIcon icon);
    void MoveSelected(int (*move)(std::vector<std::string>&, int));

    ListEditorArgs args_;
    HWND form_ = nullptr;
};

}  // namespace kv
