#pragma once
// CWinApp: the one application object. WinMain (AppMain.cpp) runs its InitInstance.
#include "winlib/Wnd.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns TRUE to run a message loop of the application's own; the program's returns FALSE.
    virtual BOOL InitInstance() = 0;

    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The program file's base name without its extension: the caption of the framework's message boxes.
CString AfxGetAppName();
// A message box owned by the main window; notices without an icon of their own get the warning icon.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK);
