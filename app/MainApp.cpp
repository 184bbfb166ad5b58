#include "app/MainApp.h"
#include "app/MainDlg.h"
#include <commctrl.h>

CMainApp theApp;

BOOL CMainApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    CMainDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of the application's own: the program ends with the dialog.
    return FALSE;
}
