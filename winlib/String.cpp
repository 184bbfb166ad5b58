#include "winlib/String.h"
#include "winlib/WinApp.h"

BOOL CString::LoadString(UINT nID)
{
    char buffer[1024];
    int length = ::LoadStringA(AfxGetResourceHandle(), nID, buffer, sizeof(buffer));
    m_str.assign(buffer, length > 0 ? length : 0);
    return length > 0;
}

void CString::FormatMessage1(LPCSTR pszFormat, LPCSTR pszArg1)
{
    std::string result = pszFormat;
    for (size_t at = result.find("%1"); at != std::string::npos; at = result.find("%1", at)) {
        result.replace(at, 2, pszArg1);
        at += strlen(pszArg1);
    }
    m_str = result;
}

CString GetWindowTextString(HWND hWnd)
{
    std::string text(::GetWindowTextLengthA(hWnd) + 1, '\0');
    int length = ::GetWindowTextA(hWnd, &text[0], static_cast<int>(text.size()));
    text.resize(length > 0 ? length : 0);
    return CString(text);
}
