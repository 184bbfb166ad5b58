#pragma once
// The main window: the file list, the six tag fields and everything the program holds at run time.
#include "filelist/FileListCtrl.h"
#include "winlib/Dialog.h"
#include <id3/tag.h>

class CMainDlg : public CDialog {
public:
    CMainDlg();
    ~CMainDlg() override;

    BOOL OnInitDialog() override;

    ID3_Tag m_tag;
    CComboBox m_genreCombo;
    CFileListCtrl m_fileList;
    CString m_strTitle;
    CString m_strArtist;
    CString m_strAlbum;
    CString m_strYear;
    CString m_strComment;
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();

    DECLARE_MESSAGE_MAP()

private:
    void AttachMenuBar();
    void SetWindowIcons();
    void SetUpFileListColumn();
};
