#pragma once
// Thin wrappers over the standard and common controls: each method is one message.
#include "winlib/Wnd.h"
#include <commctrl.h>

class CHeaderCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(HDM_GETITEMCOUNT)); }
};

class CListCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    int InsertItem(const LVITEMA* pItem) { return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(pItem))); }
    BOOL DeleteItem(int nItem) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, nItem)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetNextItem(int nItem, int nFlags) const { return static_cast<int>(SendMessage(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0))); }
    int GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
    HIMAGELIST SetImageList(HIMAGELIST hImageList, int nImageListType)
    {
        return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, nImageListType, reinterpret_cast<LPARAM>(hImageList)));
    }
    HIMAGELIST GetImageList(int nImageListType) const { return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, nImageListType)); }
    int InsertColumn(int nCol, LPCSTR heading, int nFormat, int nWidth)
    {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        column.fmt = nFormat;
        column.cx = nWidth;
        column.pszText = const_cast<LPSTR>(heading);
        return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, nCol, reinterpret_cast<LPARAM>(&column)));
    }
    int GetColumnWidth(int nCol) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, nCol)); }
    BOOL GetColumnOrderArray(int* piArray, int nCount) const
    {
        return static_cast<BOOL>(SendMessage(LVM_GETCOLUMNORDERARRAY, nCount, reinterpret_cast<LPARAM>(piArray)));
    }
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    DWORD SetExtendedStyle(DWORD dwNewStyle) { return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle)); }
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
    {
        lpRect->left = nCode;
        return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(lpRect)));
    }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask)
    {
        LVITEMA item{};
        item.state = nState;
        item.stateMask = nMask;
        return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, nItem, reinterpret_cast<LPARAM>(&item)));
    }
    UINT GetItemState(int nItem, UINT nMask) const { return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, nItem, nMask)); }
    CString GetItemText(int nItem, int nSubItem) const
    {
        char buffer[1024] = "";
        LVITEMA item{};
        item.iSubItem = nSubItem;
        item.pszText = buffer;
        item.cchTextMax = sizeof(buffer);
        SendMessage(LVM_GETITEMTEXTA, nItem, reinterpret_cast<LPARAM>(&item));
        return CString(buffer);
    }
    int HitTest(CPoint point) const
    {
        LVHITTESTINFO info{};
        info.pt = point;
        return static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    }
    HWND GetHeaderCtrl() const { return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)); }
};

class CComboBox : public CWnd {
public:
    int AddString(LPCSTR text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return static_cast<int>(SendMessage(CB_SETCURSEL, nSelect)); }
};

class CEdit : public CWnd {
public:
    void LimitText(int nChars) { SendMessage(EM_LIMITTEXT, nChars); }
};
