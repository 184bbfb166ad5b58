#include "winlib/Wnd.h"
#include <map>

namespace {
// Every window bound to an object; the program has one user-interface thread.
std::map<HWND, CWnd*>& HandleMap()
{
    static std::map<HWND, CWnd*> map;
    return map;
}
}

CWnd::~CWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto found = HandleMap().find(hWnd);
    return found == HandleMap().end() ? nullptr : found->second;
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd))
        return FALSE;
    m_hWnd = hWnd;
    HandleMap()[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd) {
        if (m_pfnSuper && ::IsWindow(hWnd))
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        HandleMap().erase(hWnd);
    }
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StandardWndProc)));
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CALLBACK CWnd::StandardWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (!wnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    MSG previous = wnd->m_currentMsg;
    wnd->m_currentMsg = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result = 0;
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (...) {
        // No exception may unwind through the system's code.
    }
    wnd->m_currentMsg = previous;
    if (message == WM_NCDESTROY) {
        wnd->Detach();
        wnd->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND)
        handled = OnCommand(wParam, lParam);
    else if (message == WM_NOTIFY)
        handled = OnNotify(wParam, lParam, &result);
    else
        handled = ProcessMessageMap(message, wParam, lParam, &result);
    return handled ? result : DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::ProcessMessageMap(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    return ProcessMessageMap(WM_COMMAND, wParam, lParam, &result);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (ReflectNotifyToChild(wParam, lParam, pResult))
        return TRUE;
    return ProcessMessageMap(WM_NOTIFY, wParam, lParam, pResult);
}

// The control that sent a notification gets the first chance to handle it itself.
BOOL CWnd::ReflectNotifyToChild(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    CWnd* child = FromHandlePermanent(reinterpret_cast<NMHDR*>(lParam)->hwndFrom);
    if (!child || child == this)
        return FALSE;
    return child->ProcessMessageMap(WM_REFLECT_BASE + WM_NOTIFY, wParam, lParam, pResult);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* wnd = FromHandlePermanent(hWnd);
        if (wnd && wnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}
