#include "wingui/ListEditorPanel.h"

#include "platform/Files.h"
#include "uilogic/AppTitle.h"
#include "uilogic/EditorChecks.h"
#include "uilogic/ListEntries.h"
#include "wingui/Prompts.h"

namespace kv {

namespace {

const int kButtonWidth = 95;
const int kButtonHeight = 21;

// The buttons from the top of the column: captions (with their
// accelerators) and offsets at 96 dpi; the gaps split them into groups.
struct ButtonPlace {
    TFlatButton ListEditorPanel::*button;
    const char* caption;
    int offset;
    void (ListEditorPanel::*handler)();
};
const ButtonPlace kButtons[] = {
    {&ListEditorPanel::addDelayButton, "Add D&elay", 0, &ListEditorPanel::OnAddDelay},
    {&ListEditorPanel::removeButton, "&Remove", 22, &ListEditorPanel::OnRemove},
    {&ListEditorPanel::upButton, "&Up", 48, &ListEditorPanel::OnUp},
    {&ListEditorPanel::downButton, "Do&wn", 70, &ListEditorPanel::OnDown},
    {&ListEditorPanel::saveListButton, "Sa&ve List", 96, &ListEditorPanel::OnSaveList},
    {&ListEditorPanel::loadListButton, "L&oad List", 118, &ListEditorPanel::OnLoadList},
    {&ListEditorPanel::clearListButton, "Clear L&ist", 140, &ListEditorPanel::OnClearList},
};

}  // namespace

void ListEditorPanel::CreateList(const ControlSite& site, const ListEditorArgs& args) {
    args_ = args;
    form_ = site.parent;
    const RECT& r = args.list;
    list.Create(site, args.listId, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void ListEditorPanel::CreateButtons(const ControlSite& site) {
    int id = args_.firstButtonId;
    for (const ButtonPlace& b : kButtons) {
        (this->*b.button)
            .Create(site, id++, b.caption, args_.buttonsLeft, args_.buttonsTop + b.offset, kButtonWidth, kButtonHeight);
    }
}

std::vector<HWND> ListEditorPanel::Handles() const {
    std::vector<HWND> handles{list.Handle()};
    for (const ButtonPlace& b : kButtons) handles.push_back((this->*b.button).Handle());
    return handles;
}

bool ListEditorPanel::OnCommand(int id) {
    const int index = id - args_.firstButtonId;
    if (index < 0 || index >= int(std::size(kButtons))) return false;
    (this->*kButtons[index].handler)();
    return true;
}

void ListEditorPanel::Message(const std::string& text, MessageIcon icon) {
    args_.prompts->Message(form_, text, args_.title, icon);
}

void ListEditorPanel::AddEntry(const std::string& entry) {
    const std::string refusal = CheckListEntry(entry);
    if (!refusal.empty()) {
        Message(refusal, MessageIcon::Warning);
        return;
    }
    list.Add(entry);
}

void ListEditorPanel::OnAddDelay() {
    const std::string answer = args_.prompts->InputBox(form_, kAddDelayCaption, kAddDelayPrompt, "");
    std::string entry;
    if (DelayEntry(answer, entry)) AddEntry(entry);
}

void ListEditorPanel::OnRemove() {
    std::vector<std::string> items = list.Items();
    const int selected = list.ItemIndex();
    if (selected < 0) return;
    RemoveEntry(items, selected);
    list.SetItems(items);
}

void ListEditorPanel::MoveSelected(int (*move)(std::vector<std::string>&, int)) {
    std::vector<std::string> items = list.Items();
    const int selected = list.ItemIndex();
    const int moved = move(items, selected);
    if (moved != selected) list.SetItems(items, moved);
}

void ListEditorPanel::OnUp() { MoveSelected(MoveEntryUp); }

void ListEditorPanel::OnDown() { MoveSelected(MoveEntryDown); }

void ListEditorPanel::OnSaveList() {
    FileDialogOptions options{true, kKeyListFilter, kKeyListExtension, args_.saveFileName};
    std::string path;
    if (!args_.prompts->ChooseFile(form_, options, path)) return;
    std::string error;
    if (!ReplaceFileSafely(path, KeyListText(list.Items()), error)) {
        Message(ErrorBoxText("Cannot create file \"" + path + "\". " + error), MessageIcon::Error);
    }
}

void ListEditorPanel::OnLoadList() {
    std::string& lastOpened = *args_.lastOpened;
    FileDialogOptions options{false, kKeyListFilter, kKeyListExtension, lastOpened};
    std::string path;
    if (!args_.prompts->ChooseFile(form_, options, path)) return;
    lastOpened = path;
    std::string content, error;
    if (!ReadWholeFile(path, content, error)) {
        Message(ErrorBoxText("Cannot open file \"" + path + "\". " + error), MessageIcon::Error);
        return;
    }
    list.SetItems(KeyListEntries(content));
}

void ListEditorPanel::OnClearList() { list.SetItems({}); }

}  // namespace kv
