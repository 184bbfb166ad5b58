#pragma once
// The list of files to edit: one row per file, its full path and its small shell icon.
#include "winlib/Arrays.h"
#include "winlib/Controls.h"
#include "winlib/Gdi.h"

class CFileListCtrl : public CListCtrl {
public:
    CFileListCtrl() = default;
    ~CFileListCtrl() override;

    // Creates the rows' image list and gives it to the list view, once.
    void EnsureImageList();
    // Appends a row for the file with a copy of its small shell icon; FALSE when the shell has no icon.
    BOOL AddFileRow(LPCSTR path);
    // FALSE, after telling the user, once the list holds the most files it takes.
    BOOL AcceptsMoreFiles();
    // The row under a point in client coordinates, or -1; the column through pColumn (may be NULL).
    int HitTestCell(CPoint point, int* pColumn) const;

    // Image list flags suited to a screen of the given colour depth.
    static UINT ImageListFlagsForDepth(int bitsPerPixel);

    static const int kMaxFiles = 500;

    int m_nSortColumn = -1;
    BOOL m_bSortAscending = FALSE;
    bool m_bImageListReady = false;
    CImageList m_imageList;
    int m_nLastClickItem = -1;
    CDWordArray m_dragItems;
    int m_nDropIndex = -1;
    CImageList* m_pDragImage = nullptr;
    int m_nHighlightItem = -1;
    UINT m_nHighlightOldState = 0;
    int m_nScrollDirection = 0;
    UINT_PTR m_nScrollTimer = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnContextMenu(HWND hWnd, CPoint point);
    LRESULT OnScroll(WPARAM wParam, LPARAM lParam);
    void OnLButtonDown(UINT nFlags, CPoint point);
    UINT OnGetDlgCode();

    DECLARE_MESSAGE_MAP()

private:
    int ColumnAtX(const CRect& rowBounds, int x) const;
    void DeleteFirstSelectedRow();
};
