#include "filelist/FileListCtrl.h"
#include "res/resource.h"
#include <shellapi.h>
#include <vector>

namespace {
const UINT_PTR kScrollTimerId = 1;
}

CFileListCtrl::~CFileListCtrl()
{
    delete m_pDragImage;
    if (m_nScrollTimer && m_hWnd)
        ::KillTimer(m_hWnd, kScrollTimerId);
}

BEGIN_MESSAGE_MAP(CFileListCtrl, CListCtrl)
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_VSCROLL, OnScroll)
    ON_MESSAGE(WM_HSCROLL, OnScroll)
    ON_WM_LBUTTONDOWN()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

UINT CFileListCtrl::ImageListFlagsForDepth(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 4: return ILC_COLOR4 | ILC_MASK;
    case 8: return ILC_COLOR8 | ILC_MASK;
    case 16: return ILC_COLOR16 | ILC_MASK;
    case 24: return ILC_COLOR24 | ILC_MASK;
    case 32: return ILC_COLOR32 | ILC_MASK;
    default: return ILC_COLOR | ILC_MASK;
    }
}

void CFileListCtrl::EnsureImageList()
{
    if (m_bImageListReady)
        return;
    int bitsPerPixel = 0;
    {
        CClientDC dc(this);
        if (!dc.m_hDC) {
            AfxMessageBox("can't get DC", MB_OK);
            return;
        }
        bitsPerPixel = dc.GetDeviceCaps(BITSPIXEL);
    }
    m_imageList.Create(16, 16, ImageListFlagsForDepth(bitsPerPixel), 1, 2);
    SetImageList(m_imageList, LVSIL_SMALL);
    m_bImageListReady = true;
}

BOOL CFileListCtrl::AddFileRow(LPCSTR path)
{
    SHFILEINFOA info{};
    ::SHGetFileInfoA(path, 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_ICON | SHGFI_SMALLICON);
    if (!info.hIcon)
        return FALSE;
    int image = m_imageList.GetImageCount();
    m_imageList.Add(info.hIcon);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = GetItemCount();
    item.pszText = const_cast<LPSTR>(path);
    item.iImage = image;
    InsertItem(&item);
    ::DestroyIcon(info.hIcon);
    return TRUE;
}

BOOL CFileListCtrl::AcceptsMoreFiles()
{
    if (GetItemCount() < kMaxFiles)
        return TRUE;
    AfxMessageBox("This version does not allow joining more than 500 files at once \n"
                  "Please join files in batches not exceeding 500 count.",
                  MB_OK);
    return FALSE;
}

int CFileListCtrl::HitTestCell(CPoint point, int* pColumn) const
{
    int result = HitTest(point);
    if (pColumn)
        *pColumn = 0;
    if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT)
        return result;

    int last = GetTopIndex() + GetCountPerPage();
    if (last > GetItemCount() - 1)
        last = GetItemCount() - 1;
    for (int row = GetTopIndex(); row <= last; ++row) {
        CRect bounds;
        GetItemRect(row, bounds, LVIR_BOUNDS);
        if (!bounds.PtInRect(point))
            continue;
        int column = ColumnAtX(bounds, point.x);
        if (column >= 0) {
            if (pColumn)
                *pColumn = column;
            return row;
        }
    }
    return -1;
}

// Walks the columns in display order; a point on a border belongs to the column at its left.
int CFileListCtrl::ColumnAtX(const CRect& rowBounds, int x) const
{
    int columns = static_cast<int>(::SendMessageA(GetHeaderCtrl(), HDM_GETITEMCOUNT, 0, 0));
    if (columns <= 0)
        return -1;
    std::vector<int> order(columns);
    GetColumnOrderArray(order.data(), columns);
    int left = rowBounds.left;
    for (int column : order) {
        int width = GetColumnWidth(column);
        if (x >= left && x <= left + width)
            return column;
        left += width;
    }
    return -1;
}

void CFileListCtrl::OnLButtonDown(UINT, CPoint point)
{
    Default();
    int row = HitTestCell(point, nullptr);
    if (row < 0)
        return;
    bool focused = (GetItemState(row, LVIS_FOCUSED) & LVIS_FOCUSED) != 0;
    if (focused) {
        bool fullRowSelect = (GetExtendedStyle() & LVS_EX_FULLROWSELECT) != 0;
        if (!fullRowSelect || row == m_nLastClickItem)
            return;
        m_nLastClickItem = row;
    }
    SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CFileListCtrl::OnContextMenu(HWND, CPoint point)
{
    // A right click on a scroll bar or the border, and a request from the keyboard (-1, -1),
    // fall outside the client area.
    CRect client;
    GetClientRect(client);
    ClientToScreen(client);
    if (!client.PtInRect(point)) {
        Default();
        return;
    }
    CMenu menu;
    if (!menu.LoadMenu(IDR_FILELIST_POPUP))
        return;
    ::TrackPopupMenu(menu.GetSubMenu(0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd, nullptr);
}

// The playback commands of the context menu belong to the dialog.
BOOL CFileListCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    if (id == ID_PLAY || id == ID_STOP || id == ID_PAUSE)
        ::SendMessageA(GetParent(), WM_COMMAND, id, 0);
    return CListCtrl::OnCommand(wParam, lParam);
}

LRESULT CFileListCtrl::OnScroll(WPARAM, LPARAM)
{
    if (::GetFocus() != m_hWnd)
        SetFocus();
    return Default();
}

UINT CFileListCtrl::OnGetDlgCode()
{
    const MSG* asked = reinterpret_cast<const MSG*>(GetCurrentMessage()->lParam);
    if (asked && asked->message == WM_KEYDOWN && asked->wParam == VK_DELETE)
        DeleteFirstSelectedRow();
    return static_cast<UINT>(Default()) | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
}

void CFileListCtrl::DeleteFirstSelectedRow()
{
    int row = GetNextItem(-1, LVNI_SELECTED);
    if (row >= 0)
        DeleteItem(row);
}
