#pragma once
// CDialog: a dialog from a resource template, modal or modeless, with field exchange.
#include "winlib/Wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;   // TRUE: from the controls into the members
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;

    HWND PrepareCtrl(int nIDC);
    // Ends the exchange: the last control gets the focus and UpdateData returns FALSE.
    [[noreturn]] void Fail();
};

// Thrown by CDataExchange::Fail and caught by UpdateData.
struct CUserException {};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Going to the controls: sets the edit's text limit. Coming back: a longer text fails the exchange.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
// The framework's message for a text over its limit.
void AfxMessageBoxTextTooLong(int nChars);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

    INT_PTR DoModal();
    // Creates the dialog modeless; the caller pumps messages.
    BOOL Create(HWND hWndParent = nullptr);
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR RunModalLoop();

    UINT m_nIDTemplate;
    BOOL m_bContinueModal = FALSE;
    int m_nModalResult = -1;
};
