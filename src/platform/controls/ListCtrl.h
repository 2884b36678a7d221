#pragma once
// The report list: the list view control of the dialog templates.

#include "platform/window/Wnd.h"

#include <string>

// A list view in report mode ("SysListView32"): a header, rows of texts by zero-based index, optional
// grid lines, a check box per row and full-row selection. The selection is independent of the checks. A
// double click on a row tells the owner NM_DBLCLK (WM_NOTIFY).
class CListCtrl : public CWnd {
public:
    int InsertColumn(int nCol, const char* lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    int GetColumnCount() const;
    int GetColumnWidth(int nCol) const;
    int InsertItem(int nItem, const char* lpszItem); // index of the new row, -1 on failure
    BOOL SetItemText(int nItem, int nSubItem, const char* lpszText);
    std::string GetItemText(int nItem, int nSubItem) const;
    // Copies at most nLen - 1 bytes and a 0; answers the length copied.
    int GetItemText(int nItem, int nSubItem, char* lpszText, int nLen) const;
    int GetItemCount() const;
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL GetCheck(int nItem) const;
    BOOL SetCheck(int nItem, BOOL fCheck = TRUE);
    UINT GetItemState(int nItem, UINT nMask) const; // LVIS_SELECTED, LVIS_FOCUSED
    // In a list of LVS_SINGLESEL, selecting a row deselects the one selected before.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    UINT GetSelectedCount() const;
    int GetNextItem(int nItem, int nFlags) const; // LVNI_SELECTED after nItem (-1: from the start)
    BOOL EnsureVisible(int nItem, BOOL bPartialOK); // scrolls the row into view
    DWORD SetExtendedStyle(DWORD dwNewStyle);     // previous extended style
    DWORD GetExtendedStyle() const;
};
