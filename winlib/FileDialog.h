#pragma once
// CFileDialog: the system's open-file dialog, with the framework's "|"-separated filter.
// The program only opens files, so only the open dialog is wrapped.
#include "winlib/String.h"
#include <windows.h>
#include <commdlg.h>
#include <string>

// Walks the names a multiple selection yielded; NULL at the end.
using POSITION = const char*;

class CFileDialog {
public:
    CFileDialog(DWORD dwFlags, LPCSTR lpszFilter, HWND hWndParent);

    INT_PTR DoModal();
    POSITION GetStartPosition() const;
    // The full path of the name at pos; moves pos on to the next name.
    CString GetNextPathName(POSITION& pos) const;

    OPENFILENAMEA m_ofn{};

private:
    std::string m_filter;
};
