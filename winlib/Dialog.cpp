#include "winlib/Dialog.h"
#include "winlib/WinApp.h"

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = m_pDlgWnd->GetDlgItem(nIDC);
    return m_hWndLastControl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw CUserException();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!rControl.m_hWnd)
        rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = GetWindowTextString(hWndCtrl);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void AfxMessageBoxTextTooLong(int nChars)
{
    CString message;
    message.FormatMessage1("Please enter no more than %1 characters.", std::to_string(nChars).c_str());
    AfxMessageBox(message, MB_ICONEXCLAMATION);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            AfxMessageBoxTextTooLong(nChars);
            pDX->Fail();
        }
    } else if (pDX->m_hWndLastControl) {
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, nChars, 0);
    }
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    // Only WM_INITDIALOG comes here for us: from then on the subclassed window procedure
    // sees every message first and this procedure is reached only for default processing.
    if (message != WM_INITDIALOG || FromHandlePermanent(hWnd))
        return FALSE;
    CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->SubclassWindow(hWnd);
    try {
        return dialog->OnInitDialog();
    } catch (...) {
        return TRUE;
    }
}

BOOL CDialog::Create(HWND hWndParent)
{
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), hWndParent,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

INT_PTR CDialog::DoModal()
{
    if (!Create())
        return -1;
    return RunModalLoop();
}

INT_PTR CDialog::RunModalLoop()
{
    m_bContinueModal = TRUE;
    m_nModalResult = -1;
    MSG msg;
    while (m_bContinueModal && ::IsWindow(m_hWnd)) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1)
            break;
        if (!WalkPreTranslateTree(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bContinueModal = FALSE;
    ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    return ::IsDialogMessageA(m_hWnd, pMsg);
}
