#include "app/MainDlg.h"
#include "res/resource.h"
#include "tags/GenreList.h"
#include "tags/TagFields.h"

CMainDlg::CMainDlg()
    : CDialog(IDD_CORVELLA_DIALOG),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GENRE, m_genreCombo);
    DDX_Control(pDX, IDC_FILELIST, m_fileList);
    for (const TagField& field : kTagFields) {
        DDX_Text(pDX, field.control, this->*field.text);
        DDV_MaxChars(pDX, this->*field.text, field.longestTyped);
    }
}

BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_COMMAND(ID_FILE_NEWLIST, OnNewFileList)
    ON_COMMAND(ID_FILE_ADD, OnAddFiles)
    ON_COMMAND(ID_FILE_REMOVE, OnRemoveFile)
    ON_COMMAND(ID_FILE_EXIT, OnExit)
    ON_NOTIFY(NM_CLICK, IDC_FILELIST, OnClickFileList)
    ON_COMMAND(ID_TOOLBAR_SAVE, OnSaveFile)
    ON_COMMAND(ID_ACTION_UNDO, OnUndo)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_FILELIST, OnItemChangedFileList)
    ON_COMMAND(ID_FILE_SAVE, OnSaveFile)
END_MESSAGE_MAP()

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AttachMenuBar();
    // The status bar and the toolbar are created here, the status bar first.
    SetWindowIcons();
    SetUpFileListColumn();
    // Then the status bar's hint.
    FillGenreCombo();
    m_genreCombo.SetCurSel(0);
    // Then the playback window's handle.
    return TRUE;
}

void CMainDlg::AttachMenuBar()
{
    CMenu menu;
    if (menu.LoadMenu(IDR_MAINMENU) && ::SetMenu(m_hWnd, menu))
        menu.Detach();
}

void CMainDlg::SetWindowIcons()
{
    SetIcon(m_hIcon, TRUE);
    HICON smallIcon = static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                                      LR_DEFAULTCOLOR));
    SetIcon(smallIcon, FALSE);
}

void CMainDlg::SetUpFileListColumn()
{
    m_fileList.InsertColumn(0, "Files to edit", LVCFMT_LEFT, 193);
    m_fileList.SetExtendedStyle(m_fileList.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP |
                                LVS_EX_GRIDLINES);
}

void CMainDlg::ClearFieldsShowingNone()
{
    for (const TagField& field : kTagFields)
        (this->*field.text).Empty();
    UpdateData(FALSE);
    m_genreCombo.SetCurSel(kGenreNone);
}

// Minimised, the window shows the application icon centred in its client area.
void CMainDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    CRect rect;
    GetClientRect(rect);
    int x = (rect.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (rect.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CMainDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}
