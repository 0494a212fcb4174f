#include "wingui/ListView.h"

#include "wingui/CommonControls.h"

namespace kv {

void TListView::Create(HWND parent, DWORD style, DWORD exStyle, DWORD listExStyle) {
    comctl::Load();
    hwnd_ = CreateWindowExA(exStyle, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    SendMessageA(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, listExStyle, listExStyle);
}

void TListView::AddColumn(const char* caption, int width) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(caption);
    column.cx = width;
    column.iSubItem = ColumnCount();
    SendMessageA(hwnd_, LVM_INSERTCOLUMNA, column.iSubItem, reinterpret_cast<LPARAM>(&column));
}

int TListView::ColumnCount() const {
    const HWND header = reinterpret_cast<HWND>(SendMessageA(hwnd_, LVM_GETHEADER, 0, 0));
    return header ? int(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int TListView::ColumnWidth(int column) const { return int(SendMessageA(hwnd_, LVM_GETCOLUMNWIDTH, column, 0)); }

void TListView::SetColumnWidth(int column, int width) { SendMessageA(hwnd_, LVM_SETCOLUMNWIDTH, column, width); }

void TListView::SetSortMark(int column, bool descending) {
    const HWND header = reinterpret_cast<HWND>(SendMessageA(hwnd_, LVM_GETHEADER, 0, 0));
    for (int i = 0; i < ColumnCount(); ++i) {
        HDITEMA item = {};
        item.mask = HDI_FORMAT;
        SendMessageA(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == column) item.fmt |= descending ? HDF_SORTDOWN : HDF_SORTUP;
        SendMessageA(header, HDM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

int TListView::Count() const { return int(SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }

void TListView::SetVirtualCount(int rows) {
    SendMessageA(hwnd_, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
    SendMessageA(hwnd_, LVM_SETITEMCOUNT, rows, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TListView::FillDisplayInfo(const NMHDR* header, const std::string& text, bool checked) {
    // The two structures differ only in the text's type.
    auto* info = reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(header));
    LVITEMA& item = info->item;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        if (header->code == LVN_GETDISPINFOW) {
            auto* wide = reinterpret_cast<wchar_t*>(item.pszText);
            const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, item.cchTextMax);
            if (n == 0) wide[item.cchTextMax - 1] = 0;
        } else {
            lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
        }
    }
    if ((item.mask & LVIF_STATE) && item.iSubItem == 0) {
        item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
        item.stateMask |= LVIS_STATEIMAGEMASK;
    }
}

int TListView::HitTest(POINT point, bool& onCheckBox) const {
    LVHITTESTINFO hit = {};
    hit.pt = point;
    const int row = int(SendMessageA(hwnd_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    // By the geometry rather than the hit test's flags: with whole-row
    // selection some list views report every part of a row as hit.
    onCheckBox = false;
    if (row >= 0) {
        RECT bounds = {}, icon = {};
        bounds.left = LVIR_BOUNDS;
        icon.left = LVIR_ICON;
        SendMessageA(hwnd_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
        SendMessageA(hwnd_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&icon));
        onCheckBox = point.x >= bounds.left && point.x < icon.left;
    }
    return row;
}

std::string TListView::Cell(int row, int column) const {
    char buffer[1024] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    SendMessageA(hwnd_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
}

int TListView::Selected() const { return int(SendMessageA(hwnd_, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)); }

void TListView::Select(int row) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    if (row < 0) {
        SendMessageA(hwnd_, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&item));
        return;
    }
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(hwnd_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageA(hwnd_, LVM_ENSUREVISIBLE, row, FALSE);
}

bool TListView::Checked(int row) const {
    const UINT state = UINT(SendMessageA(hwnd_, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;
}

}  // namespace kv
