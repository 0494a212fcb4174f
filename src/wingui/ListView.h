#pragma once
// A report-style virtual list view (LVS_OWNERDATA): columns, check boxes, the
// selection and the header's sort mark, without raw messages in the forms.
// It holds only a row count; its owner keeps the rows and answers
// LVN_GETDISPINFO, which FillDisplayInfo helps with.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "wingui/Controls.h"

namespace kv {

class TListView : public ChildControl {
public:
    // A child list view at (0, 0, 0, 0): its owner places it.
    void Create(HWND parent, DWORD style, DWORD exStyle, DWORD listExStyle);

    void AddColumn(const char* caption, int width);
    int ColumnCount() const;
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);
    // Shows the sort arrow on column (none on the others); column -1 clears it.
    void SetSortMark(int column, bool descending);

    int Count() const;
    // A virtual list: the number of rows, each drawn from the owner's data.
    void SetVirtualCount(int rows);
    // Answers a virtual list's LVN_GETDISPINFO (A or W) for a row: the
    // cell's text, and the check box's state for column 0.
    static void FillDisplayInfo(const NMHDR* header, const std::string& text, bool checked);
    // The row and whether the point is on its check box, for a click at point.
    int HitTest(POINT point, bool& onCheckBox) const;
    std::string Cell(int row, int column) const;

    // The selected row, -1 when none.
    int Selected() const;
    // Selects and focuses the row and scrolls it into view; -1 clears the selection.
    void Select(int row);

    bool Checked(int row) const;
};

}  // namespace kv
