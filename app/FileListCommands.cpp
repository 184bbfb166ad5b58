#include "app/MainDlg.h"
#include "app/ProgramMessage.h"
#include "winlib/FileDialog.h"
#include <vector>

namespace {
// Room for the names of a large multiple selection in the open-file dialog.
const DWORD kNameBufferSize = 20000;
}

void CMainDlg::OnNewFileList()
{
    if (m_fileList.GetItemCount() == 0)
        return;
    if (!AskYesNo("Would you like to create a new list of files to edit?"))
        return;
    m_fileList.DeleteAllItems();
    // The next addition starts a fresh image list, so the icons of the old rows go too.
    m_fileList.SetImageList(nullptr, LVSIL_SMALL);
    m_fileList.m_imageList.DeleteImageList();
    m_fileList.m_bImageListReady = false;
}

void CMainDlg::OnAddFiles()
{
    std::vector<char> names(kNameBufferSize, '\0');
    CFileDialog dialog(OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, "MP3 Files (*.mp3)|*.mp3||", m_hWnd);
    dialog.m_ofn.lpstrFile = names.data();
    dialog.m_ofn.nMaxFile = kNameBufferSize;
    dialog.m_ofn.lpstrTitle = "Add Files to Edit";
    if (dialog.DoModal() != IDOK)
        return;

    if (!m_fileList.m_bImageListReady)
        m_fileList.EnsureImageList();
    for (POSITION pos = dialog.GetStartPosition(); pos;) {
        CString path = dialog.GetNextPathName(pos);
        if (!m_fileList.AcceptsMoreFiles())
            break;
        m_fileList.AddFileRow(path);
    }
}

void CMainDlg::OnRemoveFile()
{
    if (m_fileList.GetItemCount() == 0) {
        ProgramMessageBox("There are no files to remove!", MB_OK);
        return;
    }
    if (!AskYesNo("Would you like to remove selected files from the list?"))
        return;
    for (int row = m_fileList.GetNextItem(-1, LVNI_SELECTED); row >= 0; row = m_fileList.GetNextItem(-1, LVNI_SELECTED)) {
        m_fileList.DeleteItem(row);
        ClearFieldsShowingNone();
    }
}

void CMainDlg::OnExit()
{
    DestroyWindow();
}
