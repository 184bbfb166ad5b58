#include "app/MainDlg.h"
#include <id3/misc_support.h>

namespace {

bool ListHoldsFile(const CListCtrl& list, const char* path)
{
    if (!path)
        return false;
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetItemText(row, 0) == path)
            return true;
    return false;
}

// A box without a selection shows a genre past "None": the tag keeps it rather than get the error value.
unsigned short GenreToSave(const CComboBox& genreCombo, const ID3_Tag& tag)
{
    int entry = genreCombo.GetCurSel();
    return static_cast<unsigned short>(entry == CB_ERR ? ID3_GetGenreNum(&tag) : entry);
}

} // namespace

void CMainDlg::OnClickFileList(NMHDR*, LRESULT*)
{
    CPoint point(static_cast<LPARAM>(::GetMessagePos()));
    m_fileList.ScreenToClient(&point);
    int row = m_fileList.HitTestCell(point, nullptr);
    if (row < 0)
        return;
    m_fileList.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    LinkCurrentFile(m_fileList.GetItemText(row, 0));
}

void CMainDlg::OnItemChangedFileList(NMHDR* pNMHDR, LRESULT*)
{
    const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED))
        LinkCurrentFile(m_fileList.GetItemText(change->iItem, 0));
}

// The fields belong to the file loaded last; once its row has left the list the user can no longer
// tell which file that is, and before the first load there is none.
void CMainDlg::OnSaveFile()
{
    if (!ListHoldsFile(m_fileList, m_tag.GetFileName()))
        return;
    TakeTagFieldsFromControls();
    WriteTagFields(GenreToSave(m_genreCombo, m_tag));
}

void CMainDlg::OnUndo()
{
    UpdateData(FALSE);
    SelectGenreOf(m_tag);
}
