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

    // File list commands (app/FileListCommands.cpp)
    void OnNewFileList();
    void OnAddFiles();
    void OnRemoveFile();
    void OnExit();

    // Selection, save and undo (tags/EditCycle.cpp)
    void OnClickFileList(NMHDR* pNMHDR, LRESULT* pResult);
    void OnItemChangedFileList(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSaveFile();
    void OnUndo();

    DECLARE_MESSAGE_MAP()

public:
    // Tag access (tags/TagAccess.cpp)
    void LinkCurrentFile(LPCSTR path);
    void LoadTagFields(ID3_Tag& tag);
    void WriteTagFields(unsigned short genre);

    // Genre list (tags/GenreList.cpp)
    void FillGenreCombo();

private:
    // Empties the five fields on screen and shows "None" as the genre.
    void ClearFieldsShowingNone();
    void AttachMenuBar();
    void SetWindowIcons();
    void SetUpFileListColumn();

    // Tag editing helpers (tags/)
    void SelectGenreOf(const ID3_Tag& tag);
    // Takes all five fields from the controls, showing the length message once for the first that is too long.
    void TakeTagFieldsFromControls();
    void RemoveFramesOfEmptyFields();
};
