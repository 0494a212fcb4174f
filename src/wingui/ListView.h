#pragma once
// A report-style list view: columns, rows that carry a value of their own
// (lParam), check boxes, the selection and the header's sort mark, without
// raw messages in the forms.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "wingui/Controls.h"

namespace kv {

class TListView : public TControl {
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
    void Clear();
    // Appends a row whose first cell is text and that carries data; its index.
    int Append(const std::string& text, LPARAM data);
    void SetCell(int row, int column, const std::string& text);
    std::string Cell(int row, int column) const;
    LPARAM Data(int row) const;
    // The first row carrying data, -1 when none does.
    int FindData(LPARAM data) const;

    // The selected row, -1 when none.
    int Selected() const;
    // Selects and focuses the row and scrolls it into view; -1 clears the selection.
    void Select(int row);

    bool Checked(int row) const;
    void SetChecked(int row, bool checked);

    // Holds the repainting until the outermost batch ends, so that a change of
    // many rows repaints once.
    class Batch {
    public:
        explicit Batch(TListView& list);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        TListView& list_;
    };

private:
    int redrawLocks_ = 0;
};

}  // namespace kv
