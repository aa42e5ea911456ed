#pragma once
#include "platform/ui/CWnd.h"

// A list view in report mode: columns with headings, one row per item (LVM_* operations).
class CListCtrl : public CWnd {
public:
    CListCtrl() = default;
    ~CListCtrl() override = default;

    DWORD SetExtendedStyle(DWORD dwNewStyle);
    DWORD GetExtendedStyle() const;
    int InsertColumn(int nCol, const CString& heading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    int GetColumnWidth(int nCol) const;
    CString GetColumnHeading(int nCol) const;
    // Inserts a row; answers its index, or -1.
    int InsertItem(UINT nMask, int nItem, const CString& text, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    BOOL SetItemText(int nItem, int nSubItem, const CString& text);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, const CString* text, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    BOOL SetItemData(int nItem, LPARAM data);
    LPARAM GetItemData(int nItem) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nStateMask);
    UINT GetItemState(int nItem, UINT nMask) const;
    int GetItemCount() const;
    int GetNextItem(int nItem, UINT nFlags) const;
    BOOL DeleteAllItems();
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
};
