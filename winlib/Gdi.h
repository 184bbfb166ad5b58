#pragma once
// Device contexts, image lists and menus, each released by its wrapper's destructor.
#include "winlib/WinApp.h"
#include <commctrl.h>

class CDC {
public:
    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// The device context of a window's client area, from GetDC; m_hDC is NULL when there is none.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::GetDC(m_hWnd); }
    ~CClientDC() { if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC); }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

private:
    HWND m_hWnd;
};

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
    {
        m_hImageList = ::ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
        return m_hImageList != nullptr;
    }
    BOOL DeleteImageList()
    {
        if (!m_hImageList)
            return FALSE;
        BOOL deleted = ::ImageList_Destroy(m_hImageList);
        m_hImageList = nullptr;
        return deleted;
    }
    int GetImageCount() const { return ::ImageList_GetImageCount(m_hImageList); }
    int Add(HICON hIcon) { return ::ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
};

class CMenu {
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }

    BOOL LoadMenu(UINT nIDResource)
    {
        m_hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
        return m_hMenu != nullptr;
    }
    BOOL DestroyMenu()
    {
        if (!m_hMenu)
            return FALSE;
        BOOL destroyed = ::DestroyMenu(m_hMenu);
        m_hMenu = nullptr;
        return destroyed;
    }
    // The menu now belongs to someone else (a window's menu bar goes with the window).
    HMENU Detach()
    {
        HMENU hMenu = m_hMenu;
        m_hMenu = nullptr;
        return hMenu;
    }
    HMENU GetSubMenu(int nPos) const { return ::GetSubMenu(m_hMenu, nPos); }
};
