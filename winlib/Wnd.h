#pragma once
// CWnd: a window handle with a permanent handle map, subclassing of existing windows and
// message dispatch through each class's message map (see MessageMap.h).
#include "winlib/Geometry.h"
#include "winlib/MessageMap.h"
#include "winlib/String.h"
#include <windows.h>

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object bound to a window by Attach or SubclassWindow, or NULL.
    static CWnd* FromHandlePermanent(HWND hWnd);

    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Routes an existing window's messages through this object's message map.
    BOOL SubclassWindow(HWND hWnd);
    BOOL DestroyWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void ClientToScreen(LPRECT rect) const { ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2); }
    void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon)
    {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
    }
    int MessageBox(LPCSTR text, LPCSTR caption, UINT type) const { return ::MessageBoxA(m_hWnd, text, caption, type); }

    // Offers a queued message to the windows from its target up to hWndStop before it is dispatched.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The message map: each class's chain of handlers, ending in its base class's map.
    virtual BOOL ProcessMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void PreSubclassWindow() {}
    // Called after the window is gone; self-deleting windows delete themselves here.
    virtual void PostNcDestroy() {}
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message now being handled.
    LRESULT Default();
    const MSG* GetCurrentMessage() const { return &m_currentMsg; }

    static LRESULT CALLBACK StandardWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    BOOL ReflectNotifyToChild(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    WNDPROC m_pfnSuper = nullptr;
    MSG m_currentMsg{};
};
