#include "winlib/WinApp.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

CString AfxGetAppName()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of("\\/") + 1);
    return CString(name.substr(0, name.rfind('.')));
}

int AfxMessageBox(LPCSTR lpszText, UINT nType)
{
    if ((nType & MB_ICONMASK) == 0 && (nType & MB_TYPEMASK) == MB_OK)
        nType |= MB_ICONEXCLAMATION;
    CWnd* mainWnd = AfxGetMainWnd();
    HWND owner = mainWnd ? mainWnd->m_hWnd : nullptr;
    return ::MessageBoxA(owner, lpszText, AfxGetAppName(), nType);
}
