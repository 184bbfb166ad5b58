#include "winlib/FileDialog.h"
#include <algorithm>
#include <cstring>

CFileDialog::CFileDialog(DWORD dwFlags, LPCSTR lpszFilter, HWND hWndParent) : m_filter(lpszFilter)
{
    // "Name|pattern||" becomes the system's "Name\0pattern\0\0".
    std::replace(m_filter.begin(), m_filter.end(), '|', '\0');
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = hWndParent;
    m_ofn.lpstrFilter = m_filter.c_str();
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal()
{
    return ::GetOpenFileNameA(&m_ofn) ? IDOK : IDCANCEL;
}

// A single choice is one full path; a multiple one is the folder followed by the file names,
// each ended by a zero, the list ended by another.
POSITION CFileDialog::GetStartPosition() const
{
    return m_ofn.lpstrFile && *m_ofn.lpstrFile ? m_ofn.lpstrFile : nullptr;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    const char* buffer = m_ofn.lpstrFile;
    const char* afterFolder = buffer + strlen(buffer) + 1;
    if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT) || *afterFolder == '\0') {
        pos = nullptr;
        return CString(buffer);
    }
    if (pos == buffer)
        pos = afterFolder;
    std::string folder = buffer;
    if (folder.back() != '\\')
        folder += '\\';
    CString path(folder + pos);
    pos += strlen(pos) + 1;
    if (*pos == '\0')
        pos = nullptr;
    return path;
}
