// The macro list of the main window: a virtual list view whose row k shows
// rows_[visible_[k]], the macros narrowed by the filter box and ordered by the
// column last clicked. Every row stands for its macro's slot, so the switch,
// edit and delete act on the macro shown; a check box per row switches its
// macro on and off.
#include "forms/MainForm.h"

#include <iterator>

#include "hotkeys/HotKeyText.h"
#include "uilogic/ImportSummary.h"
#include "wingui/ControlKeys.h"

namespace kv {

namespace {

struct Column {
    const char* caption;
    int width;  // at 96 dpi
};

// "#" is wide enough for the check box in front of the number.
const Column kColumns[] = {{"#", 50}, {"Shortcut", 125}, {"Action", 150}, {"Description", 450}, {"Unique ID", 75}};
static_assert(std::size(kColumns) == kMacroColumnCount, "one column per cell of a row");

}  // namespace

void MainForm::CreateList() {
    // Virtual: a new filter or order changes a count, not a thousand rows.
    macroList.Create(Handle(), WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA,
                     WS_EX_CLIENTEDGE,
                     LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_CHECKBOXES);
    for (const Column& column : kColumns) macroList.AddColumn(column.caption, Scale(column.width, dpi_));
    PreviewKeys(macroList.Handle(), [this](UINT key) { return OnListKey(key); });
    PreviewKeys(filterBox.Handle(), [this](UINT key) { return OnFilterKey(key); });
}

std::string MainForm::ShortcutText(std::uint32_t hotKey) { return HotKeyToText(hotKeyApi_, modifierNames_, hotKey); }

void MainForm::RefreshList(bool tableChanged) {
    if (!contentsCreated_) return;  // filled when the window first shows
    const int selected = SelectedSlot();
    if (tableChanged) rows_ = MacroRows(binding_.table, [this](std::uint32_t hotKey) { return ShortcutText(hotKey); });
    visible_ = VisibleRows(rows_, filter_, order_);
    macroList.SetVirtualCount(int(visible_.size()));
    if (selected >= 0) SelectSlot(selected);
}

int MainForm::SlotOfRow(int row) const {
    if (row < 0 || std::size_t(row) >= visible_.size()) return -1;
    return rows_[visible_[std::size_t(row)]].slot;
}

int MainForm::SelectedSlot() const { return SlotOfRow(macroList.Selected()); }

void MainForm::SelectSlot(int slot) {
    for (std::size_t row = 0; row < visible_.size(); ++row) {
        if (rows_[visible_[row]].slot == slot) {
            macroList.Select(int(row));
            return;
        }
    }
    macroList.Select(-1);
}

void MainForm::SetFilter(const std::string& text) {
    if (text == filter_) return;
    filter_ = text;
    if (filterBox.Text() != text) filterBox.SetText(text);  // its EN_CHANGE finds the filter set
    RefreshList(false);
}

void MainForm::SortByColumn(int column) {
    order_ = ClickColumn(order_, column);
    macroList.SetSortMark(order_.column, order_.descending);
    RefreshList(false);
}

void MainForm::ToggleRow(int row) {
    const int slot = SlotOfRow(row);
    if (slot >= 0) SetRow(row, !binding_.table.Macros[std::size_t(slot)].Enabled);
}

void MainForm::SetRow(int row, bool on) {
    const int slot = SlotOfRow(row);
    if (slot < 0) return;
    // Posted: the switch may show a message box, which must not run inside
    // the list view's notification. Setting a state twice does no harm.
    PostMessageA(Handle(), kSwitchMessage, WPARAM(slot), on ? 1 : 0);
}

void MainForm::SwitchMacro(int slot, bool on) {
    ListFileResult saved;
    const bool switched = binding_.SwitchMacro(slot, on, saved);
    RefreshList();  // the box, and the identifier the switch gave or took
    ShowMessages(saved);
    if (!switched && on && slot >= 0 && slot < binding_.table.MacroCount) {
        const std::uint32_t hotKey = binding_.table.Macros[static_cast<std::size_t>(slot)].HotKey;
        ShowText(StaysOffText(binding_.table, slot, ShortcutText(hotKey)), MessageIcon::Warning);
    }
}

void MainForm::FocusFilter() {
    SetFocus(filterBox.Handle());
    SendMessageA(filterBox.Handle(), EM_SETSEL, 0, -1);
}

void MainForm::OnListNotify(const NMHDR* header) {
    switch (header->code) {
        case LVN_GETDISPINFOA:
        case LVN_GETDISPINFOW: {
            const auto* info = reinterpret_cast<const NMLVDISPINFOA*>(header);
            const int row = info->item.iItem;
            const int column = info->item.iSubItem;
            if (row < 0 || std::size_t(row) >= visible_.size() || column < 0 || column >= kMacroColumnCount) break;
            const MacroRow& shown = rows_[visible_[std::size_t(row)]];
            TListView::FillDisplayInfo(header, shown.cells[column], shown.enabled);
            break;
        }
        case LVN_ITEMCHANGED: {
            // Some list views turn a virtual row's box over themselves on a
            // click and say so here; the switch follows the box's new state.
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
            const UINT newImage = (change->uNewState & LVIS_STATEIMAGEMASK) >> 12;
            if ((change->uChanged & LVIF_STATE) && (change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK &&
                newImage != 0) {
                SetRow(change->iItem, newImage == 2);
            }
            break;
        }
        case NM_CLICK:
        case NM_DBLCLK: {
            // A double click on a check box is two clicks on it, not an edit.
            bool onCheckBox = false;
            const int row = macroList.HitTest(reinterpret_cast<const NMITEMACTIVATE*>(header)->ptAction, onCheckBox);
            if (onCheckBox) {
                ToggleRow(row);
            } else if (header->code == UINT(NM_DBLCLK)) {
                OnEditMacro();
            }
            break;
        }
        case LVN_COLUMNCLICK: SortByColumn(reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem); break;
    }
}

bool MainForm::OnListKey(UINT key) {
    const bool ctrl = CtrlOnly();
    if (key == VK_INSERT || (ctrl && key == 'N')) {
        OnAddMacro();
    } else if (key == VK_F2 || key == VK_RETURN) {
        OnEditMacro();
    } else if (key == VK_DELETE) {
        OnDeleteMacro();
    } else if (key == VK_SPACE) {
        ToggleRow(macroList.Selected());
    } else if (ctrl && key == 'F') {
        FocusFilter();
    } else {
        return false;
    }
    return true;
}

bool MainForm::OnFilterKey(UINT key) {
    const bool ctrl = CtrlOnly();
    if (ctrl && key == 'N') {
        OnAddMacro();
    } else if (ctrl && key == 'F') {
        FocusFilter();
    } else if (key == VK_DOWN) {
        // Down moves from the filter into the rows it left.
        SetFocus(macroList.Handle());
        if (macroList.Selected() < 0 && macroList.Count() > 0) macroList.Select(0);
    } else {
        return false;
    }
    return true;
}

}  // namespace kv
