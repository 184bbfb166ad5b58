// The file list inside the real main dialog: rows, image list, keys, clicks and the context menu.
#include "res/resource.h"
#include "support/MainDialogFixture.h"
#include "support/Ui.h"
#include <gtest/gtest.h>

namespace {

using FileList = MainDialogTest;

TEST(FileListImageList, FlagsFollowTheScreensColourDepth)
{
    const struct {
        int bitsPerPixel;
        UINT flags;
    } cases[] = {
        {1, ILC_MASK},
        {4, ILC_COLOR4 | ILC_MASK},
        {8, ILC_COLOR8 | ILC_MASK},
        {15, ILC_MASK},
        {16, ILC_COLOR16 | ILC_MASK},
        {24, ILC_COLOR24 | ILC_MASK},
        {32, ILC_COLOR32 | ILC_MASK},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CFileListCtrl::ImageListFlagsForDepth(c.bitsPerPixel), c.flags) << c.bitsPerPixel << " bits";
}

TEST_F(FileList, EachRowHoldsItsFullPathAndAnIconOfItsOwn)
{
    EXPECT_EQ(dlg_.m_fileList.GetImageList(LVSIL_SMALL), nullptr);
    std::vector<std::string> paths = AddFiles(3);

    HIMAGELIST images = dlg_.m_fileList.GetImageList(LVSIL_SMALL);
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(::ImageList_GetImageCount(images), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(std::string(dlg_.m_fileList.GetItemText(row, 0)), paths[row]);
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        ::SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.iImage, row);
    }

    // A second addition keeps the image list it has.
    dlg_.m_fileList.EnsureImageList();
    EXPECT_EQ(dlg_.m_fileList.GetImageList(LVSIL_SMALL), images);
}

TEST_F(FileList, AFileTheShellHasNoIconForIsNotAdded)
{
    dlg_.m_fileList.EnsureImageList();
    EXPECT_FALSE(dlg_.m_fileList.AddFileRow(dir_.File("missing.mp3").c_str()));
    EXPECT_EQ(dlg_.m_fileList.GetItemCount(), 0);
}

TEST_F(FileList, DeleteRemovesTheSelectedRowAtOnceAndNothingWithoutASelection)
{
    std::vector<std::string> paths = AddFiles(3);
    ::SetFocus(list_);

    ui::PressKey(list_, VK_DELETE);
    EXPECT_EQ(dlg_.m_fileList.GetItemCount(), 3);

    SelectRow(1);
    ui::MessageBoxAnswerer boxes;
    ui::PressKey(list_, VK_DELETE);
    ASSERT_EQ(dlg_.m_fileList.GetItemCount(), 2);
    EXPECT_EQ(std::string(dlg_.m_fileList.GetItemText(0, 0)), paths[0]);
    EXPECT_EQ(std::string(dlg_.m_fileList.GetItemText(1, 0)), paths[2]);
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(FileList, KeepsTabEnterAndEscapeForItself)
{
    AddFiles(1);
    ::SetFocus(list_);
    for (UINT key : {VK_TAB, VK_RETURN, VK_ESCAPE}) {
        ui::PressKey(list_, key);
        EXPECT_EQ(::GetFocus(), list_) << "key " << key;
        EXPECT_TRUE(::IsWindowVisible(dlg_.m_hWnd)) << "key " << key;
    }
}

TEST_F(FileList, AClickSelectsTheRowAndAClickBelowTheRowsSelectsNothingNew)
{
    AddFiles(3);
    CRect second = RowRect(1);
    ui::Click(list_, CPoint(second.left + 20, (second.top + second.bottom) / 2));
    EXPECT_EQ(dlg_.m_fileList.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_TRUE(dlg_.m_fileList.GetItemState(1, LVIS_FOCUSED));

    // The list view may drop its selection there; no other row is selected.
    CRect last = RowRect(2);
    ui::Click(list_, CPoint(last.left + 20, last.bottom + 30));
    int selected = dlg_.m_fileList.GetNextItem(-1, LVNI_SELECTED);
    EXPECT_TRUE(selected == 1 || selected == -1) << selected;
}

TEST_F(FileList, HitTestCellGivesAPointOnAColumnBorderToTheLeftColumn)
{
    AddFiles(2);
    dlg_.m_fileList.InsertColumn(1, "Second", LVCFMT_LEFT, 60);
    CRect row = RowRect(1);
    const int border = row.left + dlg_.m_fileList.GetColumnWidth(0);
    const int middle = (row.top + row.bottom) / 2;
    const struct {
        CPoint point;
        int row;
        int column;
    } cases[] = {
        {CPoint(row.left + 1, middle), 1, 0},
        {CPoint(border, middle), 1, 0},
        {CPoint(border + 1, middle), 1, 1},
        {CPoint(border + 59, middle), 1, 1},
        {CPoint(row.left + 1, row.bottom + 40), -1, 0},
    };
    for (const auto& c : cases) {
        int column = -1;
        EXPECT_EQ(dlg_.m_fileList.HitTestCell(c.point, &column), c.row) << c.point.x << "," << c.point.y;
        EXPECT_EQ(column, c.column) << c.point.x << "," << c.point.y;
    }
}

TEST_F(FileList, ScrollingTakesTheFocus)
{
    AddFiles(30);
    ::SetFocus(Item(IDC_TITLE));
    ::SendMessageA(list_, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(::GetFocus(), list_);
    EXPECT_EQ(dlg_.m_fileList.GetTopIndex(), 1);
}

// The context menu offers Play, Stop and Pause wherever the list is right-clicked, and the
// chosen command goes on to the dialog.
TEST_F(FileList, ContextMenuCommandsReachTheDialog)
{
    AddFiles(2);
    CRect row = RowRect(0);
    HWND header = dlg_.m_fileList.GetHeaderCtrl();
    CRect headerRect;
    ::GetClientRect(header, &headerRect);
    const struct {
        HWND window;
        CPoint point;
        int position;
        UINT command;
    } cases[] = {
        {list_, CPoint(row.left + 10, row.top + 3), 0, ID_PLAY},
        {list_, CPoint(row.left + 10, row.bottom + 60), 1, ID_STOP},
        {header, CPoint(10, headerRect.bottom / 2), 2, ID_PAUSE},
    };
    for (const auto& c : cases) {
        ui::SentMessageRecorder sent(dlg_.m_hWnd);
        ui::MenuAnswerer menu(c.position);
        ui::RightClick(c.window, c.point);
        EXPECT_EQ(menu.MenusSeen(), 1);
        EXPECT_EQ(sent.MenuCommands(), std::vector<UINT>{c.command});
    }
}

TEST_F(FileList, NoMenuOutsideTheClientAreaOrFromTheKeyboard)
{
    AddFiles(30);
    CRect window;
    ::GetWindowRect(list_, &window);
    const CPoint outside[] = {
        CPoint(-1, -1),                                    // Shift+F10 or the menu key
        CPoint(window.right - 4, (window.top + window.bottom) / 2),  // the vertical scroll bar
    };
    for (CPoint point : outside) {
        ui::MenuAnswerer menu(-1);
        ::SendMessageA(list_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list_), MAKELPARAM(point.x, point.y));
        ui::PumpMessages();
        EXPECT_EQ(menu.MenusSeen(), 0) << point.x << "," << point.y;
    }
}

} // namespace
