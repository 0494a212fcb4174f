#include "wingui/ListView.h"

namespace kv {

void TListView::Create(HWND parent, DWORD style, DWORD exStyle, DWORD listExStyle) {
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

void TListView::Clear() { SendMessageA(hwnd_, LVM_DELETEALLITEMS, 0, 0); }

int TListView::Append(const std::string& text, LPARAM data) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = Count();
    item.pszText = const_cast<char*>(text.c_str());
    item.lParam = data;
    return int(SendMessageA(hwnd_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void TListView::SetCell(int row, int column, const std::string& text) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(hwnd_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
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

LPARAM TListView::Data(int row) const {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageA(hwnd_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.lParam;
}

int TListView::FindData(LPARAM data) const {
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = data;
    return int(SendMessageA(hwnd_, LVM_FINDITEMA, WPARAM(-1), reinterpret_cast<LPARAM>(&find)));
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

void TListView::SetChecked(int row, bool checked) {
    LVITEMA item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageA(hwnd_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

TListView::Batch::Batch(TListView& list) : list_(list) {
    if (list_.redrawLocks_++ == 0) SendMessageA(list_.hwnd_, WM_SETREDRAW, FALSE, 0);
}

TListView::Batch::~Batch() {
    if (--list_.redrawLocks_ == 0) {
        SendMessageA(list_.hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_.hwnd_, nullptr, TRUE);
    }
}

}  // namespace kv
