#include "platform/ui/CListCtrl.h"

#include "platform/ui/win32/Text.h"

#include <vector>

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    return m_hWnd != nullptr ? ListView_SetExtendedListViewStyleEx(m_hWnd, 0, dwNewStyle) : 0;
}

DWORD CListCtrl::GetExtendedStyle() const {
    return m_hWnd != nullptr ? ListView_GetExtendedListViewStyle(m_hWnd) : 0;
}

int CListCtrl::InsertColumn(int nCol, const CString& heading, int nFormat, int nWidth,
                            int nSubItem) {
    if (m_hWnd == nullptr) {
        return -1;
    }
    CString text = heading;
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT;
    column.fmt = nFormat;
    column.pszText = reinterpret_cast<LPWSTR>(text.GetBuffer(0));
    if (nWidth >= 0) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem >= 0) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return ListView_InsertColumn(m_hWnd, nCol, &column);
}

int CListCtrl::GetColumnWidth(int nCol) const {
    return m_hWnd != nullptr ? ListView_GetColumnWidth(m_hWnd, nCol) : 0;
}

CString CListCtrl::GetColumnHeading(int nCol) const {
    if (m_hWnd == nullptr) {
        return CString();
    }
    std::u16string text(256, u'\0');
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = reinterpret_cast<LPWSTR>(text.data());
    column.cchTextMax = static_cast<int>(text.size());
    if (!ListView_GetColumn(m_hWnd, nCol, &column)) {
        return CString();
    }
    text.resize(std::char_traits<char16_t>::length(text.c_str()));
    return CString(std::move(text));
}

int CListCtrl::InsertItem(UINT nMask, int nItem, const CString& text, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam) {
    if (m_hWnd == nullptr) {
        return -1;
    }
    CString copy = text;
    LVITEMW item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = reinterpret_cast<LPWSTR>(copy.GetBuffer(0));
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return ListView_InsertItem(m_hWnd, &item);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const CString& text) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    CString copy = text;
    LVITEMW item{};
    item.iSubItem = nSubItem;
    item.pszText = reinterpret_cast<LPWSTR>(copy.GetBuffer(0));
    return static_cast<BOOL>(SendMessageW(m_hWnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(nItem),
                                          reinterpret_cast<LPARAM>(&item)));
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    if (m_hWnd == nullptr) {
        return CString();
    }
    // The list answers how many characters it copied; a full buffer may mean more.
    for (std::size_t size = 64;; size *= 4) {
        std::u16string text(size, u'\0');
        LVITEMW item{};
        item.iSubItem = nSubItem;
        item.pszText = reinterpret_cast<LPWSTR>(text.data());
        item.cchTextMax = static_cast<int>(size);
        const auto length = static_cast<std::size_t>(SendMessageW(
            m_hWnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < size) {
            text.resize(length);
            return CString(std::move(text));
        }
    }
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, const CString* text, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    CString copy = text != nullptr ? *text : CString();
    LVITEMW item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = text != nullptr ? reinterpret_cast<LPWSTR>(copy.GetBuffer(0)) : nullptr;
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return ListView_SetItem(m_hWnd, &item);
}

BOOL CListCtrl::SetItemData(int nItem, LPARAM data) {
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, data);
}

LPARAM CListCtrl::GetItemData(int nItem) const {
    if (m_hWnd == nullptr) {
        return 0;
    }
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return ListView_GetItem(m_hWnd, &item) ? item.lParam : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nStateMask) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    LVITEMW item{};
    item.state = nState;
    item.stateMask = nStateMask;
    return static_cast<BOOL>(SendMessageW(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(nItem),
                                          reinterpret_cast<LPARAM>(&item)));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return m_hWnd != nullptr ? ListView_GetItemState(m_hWnd, nItem, nMask) : 0;
}

int CListCtrl::GetItemCount() const {
    return m_hWnd != nullptr ? ListView_GetItemCount(m_hWnd) : 0;
}

int CListCtrl::GetNextItem(int nItem, UINT nFlags) const {
    return m_hWnd != nullptr ? ListView_GetNextItem(m_hWnd, nItem, nFlags) : -1;
}

BOOL CListCtrl::DeleteAllItems() {
    return m_hWnd != nullptr ? ListView_DeleteAllItems(m_hWnd) : FALSE;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    return m_hWnd != nullptr ? ListView_EnsureVisible(m_hWnd, nItem, bPartialOK) : FALSE;
}
