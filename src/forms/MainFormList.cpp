// The macro list of the main window: one row per macro, each row carrying its
// macro's slot (lParam), narrowed by the filter box and ordered by the column
// last clicked; a check box per row switches its macro on and off.
#include "forms/MainForm.h"

#include "hotkeys/HotKeyText.h"
#include "uilogic/ImportSummary.h"
#include "wingui/KeyPreview.h"

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

void TfrmKeyvaneMain::CreateList() {
    macroList.Create(Handle(), WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE,
                     LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_CHECKBOXES);
    for (const Column& column : kColumns) macroList.AddColumn(column.caption, Scale(column.width, dpi_));
    PreviewKeys(macroList.Handle(), [this](UINT key) { return OnListKey(key); });
    PreviewKeys(filterBox.Handle(), [this](UINT key) { return OnFilterKey(key); });
}

std::string TfrmKeyvaneMain::ShortcutText(std::uint32_t hotKey) { return HotKeyToText(hotKeyApi_, hotKey); }

void TfrmKeyvaneMain::RefreshList() {
    const int selected = SelectedSlot();
    rows_ = MacroRows(binding_.table, [this](std::uint32_t hotKey) { return ShortcutText(hotKey); });
    const std::vector<std::size_t> visible = VisibleRows(rows_, filter_, order_);

    TListView::Batch batch(macroList);
    filling_ = true;
    macroList.Clear();
    for (std::size_t index : visible) {
        const MacroRow& row = rows_[index];
        const int at = macroList.Append(row.cells[colNumber], LPARAM(row.slot));
        if (at < 0) continue;
        for (int column = colNumber + 1; column < kMacroColumnCount; ++column) {
            macroList.SetCell(at, column, row.cells[column]);
        }
        macroList.SetChecked(at, row.enabled);
    }
    filling_ = false;
    if (selected >= 0) SelectSlot(selected);
}

int TfrmKeyvaneMain::SelectedSlot() const {
    const int row = macroList.Selected();
    return row < 0 ? -1 : int(macroList.Data(row));
}

void TfrmKeyvaneMain::SelectSlot(int slot) { macroList.Select(slot < 0 ? -1 : macroList.FindData(LPARAM(slot))); }

void TfrmKeyvaneMain::SetFilter(const std::string& text) {
    if (text == filter_) return;
    filter_ = text;
    if (filterBox.Text() != text) filterBox.SetText(text);  // its EN_CHANGE finds the filter set
    RefreshList();
}

void TfrmKeyvaneMain::SortByColumn(int column) {
    order_ = ClickColumn(order_, column);
    macroList.SetSortMark(order_.column, order_.descending);
    RefreshList();
}

void TfrmKeyvaneMain::SwitchMacro(int slot, bool on) {
    ListFileResult saved;
    const bool switched = binding_.SwitchMacro(slot, on, saved);
    RefreshList();  // the box, and the identifier the switch gave or took
    ShowMessages(saved);
    if (!switched && on && slot >= 0 && slot < binding_.table.MacroCount) {
        const std::uint32_t hotKey = binding_.table.Macros[static_cast<std::size_t>(slot)].HotKey;
        ShowText(StaysOffText(binding_.table, slot, ShortcutText(hotKey)), MessageIcon::Warning);
    }
}

void TfrmKeyvaneMain::FocusFilter() {
    SetFocus(filterBox.Handle());
    SendMessageA(filterBox.Handle(), EM_SETSEL, 0, -1);
}

void TfrmKeyvaneMain::OnListNotify(const NMHDR* header) {
    switch (header->code) {
        case LVN_ITEMCHANGED: {
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
            const bool boxChanged = (change->uChanged & LVIF_STATE) &&
                                    ((change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK) &&
                                    (change->uOldState & LVIS_STATEIMAGEMASK);  // not the first image
            if (!filling_ && boxChanged && change->iItem >= 0) {
                const bool on = ((change->uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2;
                PostMessageA(Handle(), kSwitchMessage, WPARAM(change->lParam), on ? 1 : 0);
            }
            break;
        }
        case NM_DBLCLK: {
            // A double click on a check box is two clicks on it, not an edit.
            const auto* activate = reinterpret_cast<const NMITEMACTIVATE*>(header);
            LVHITTESTINFO hit = {};
            hit.pt = activate->ptAction;
            SendMessageA(macroList.Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if (!(hit.flags & LVHT_ONITEMSTATEICON)) OnEditMacro();
            break;
        }
        case LVN_COLUMNCLICK:
            SortByColumn(reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem);
            break;
    }
}

bool TfrmKeyvaneMain::OnListKey(UINT key) {
    const bool ctrl = CtrlOnly();
    if (key == VK_INSERT || (ctrl && key == 'N')) {
        OnAddMacro();
    } else if (key == VK_F2 || key == VK_RETURN) {
        OnEditMacro();
    } else if (key == VK_DELETE) {
        OnDeleteMacro();
    } else if (ctrl && key == 'F') {
        FocusFilter();
    } else {
        return false;
    }
    return true;
}

bool TfrmKeyvaneMain::OnFilterKey(UINT key) {
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
