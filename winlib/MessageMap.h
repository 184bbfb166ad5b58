#pragma once
// Message maps. A class declares DECLARE_MESSAGE_MAP() and writes, in its .cpp,
//
//     BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//         ON_WM_PAINT()
//         ON_COMMAND(ID_SOMETHING, OnSomething)
//     END_MESSAGE_MAP()
//
// which expands to one function, ProcessMessageMap, made of plain if blocks that a debugger can
// step through. An entry that matches calls its handler and reports the message handled; a message
// that no entry takes goes on to the base class's map and finally to the window's default processing.
// The comment above each entry gives the handler's signature.
#include <windows.h>

// Notifications a parent hands back to the child control that sent them arrive under this offset.
#define WM_REFLECT_BASE 0xBC00

namespace winlib {
// Menu items and accelerators (code 0 or 1 without a control) and button clicks count as commands.
inline bool IsCommand(WPARAM wParam, LPARAM lParam, UINT id)
{
    UINT code = lParam ? HIWORD(wParam) : 0;
    return code == 0 && LOWORD(wParam) == id;
}
inline bool IsNotify(LPARAM lParam, UINT code, UINT_PTR id)
{
    const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lParam);
    return hdr->code == code && hdr->idFrom == id;
}
}

#define DECLARE_MESSAGE_MAP() \
protected: \
    BOOL ProcessMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    BOOL theClass::ProcessMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) \
    { \
        using ThisBase = baseClass;

#define END_MESSAGE_MAP() \
        return ThisBase::ProcessMessageMap(message, wParam, lParam, pResult); \
    }

// LRESULT fn(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(msg, fn) \
    if (message == (msg)) { *pResult = fn(wParam, lParam); return TRUE; }

// void fn()
#define ON_COMMAND(id, fn) \
    if (message == WM_COMMAND && winlib::IsCommand(wParam, lParam, (id))) { fn(); *pResult = 0; return TRUE; }

// void fn(NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY(notifyCode, id, fn) \
    if (message == WM_NOTIFY && winlib::IsNotify(lParam, (notifyCode), (id))) { \
        *pResult = 0; fn(reinterpret_cast<NMHDR*>(lParam), pResult); return TRUE; }

// void fn(NMHDR* pNMHDR, LRESULT* pResult): a notification this control sent to its parent
#define ON_NOTIFY_REFLECT(notifyCode, fn) \
    if (message == WM_REFLECT_BASE + WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == (notifyCode)) { \
        *pResult = 0; fn(reinterpret_cast<NMHDR*>(lParam), pResult); return TRUE; }

// void OnPaint()
#define ON_WM_PAINT() \
    if (message == WM_PAINT) { OnPaint(); *pResult = 0; return TRUE; }

// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON() \
    if (message == WM_QUERYDRAGICON) { *pResult = reinterpret_cast<LRESULT>(OnQueryDragIcon()); return TRUE; }

// void OnContextMenu(HWND hWnd, CPoint point)
#define ON_WM_CONTEXTMENU() \
    if (message == WM_CONTEXTMENU) { \
        OnContextMenu(reinterpret_cast<HWND>(wParam), CPoint(lParam)); *pResult = 0; return TRUE; }

// void OnLButtonDown(UINT nFlags, CPoint point)
#define ON_WM_LBUTTONDOWN() \
    if (message == WM_LBUTTONDOWN) { OnLButtonDown(static_cast<UINT>(wParam), CPoint(lParam)); *pResult = 0; return TRUE; }

// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE() \
    if (message == WM_GETDLGCODE) { *pResult = OnGetDlgCode(); return TRUE; }
