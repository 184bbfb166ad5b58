#include "support/MainDialogFixture.h"
#include "res/resource.h"
#include "support/Ui.h"
#include <dlgs.h>

void MainDialogTest::SetUp()
{
    ASSERT_TRUE(dlg_.Create());
    AfxGetApp()->m_pMainWnd = &dlg_;
    list_ = dlg_.m_fileList.m_hWnd;
    ui::PumpMessages();
}

void MainDialogTest::TearDown()
{
    AfxGetApp()->m_pMainWnd = nullptr;
    dlg_.DestroyWindow();
}

std::vector<std::string> MainDialogTest::AddFiles(int count)
{
    std::vector<std::string> paths;
    dlg_.m_fileList.EnsureImageList();
    for (int i = 0; i < count; ++i) {
        std::string path = dir_.File("track" + std::to_string(++filesWritten_) + ".mp3");
        fixture::WriteMp3Frames(path, 4);
        EXPECT_TRUE(dlg_.m_fileList.AddFileRow(path.c_str()));
        paths.push_back(path);
    }
    return paths;
}

void MainDialogTest::SelectRow(int row)
{
    dlg_.m_fileList.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ui::PumpMessages();
}

CRect MainDialogTest::RowRect(int row) const
{
    CRect rect;
    dlg_.m_fileList.GetItemRect(row, rect, LVIR_BOUNDS);
    return rect;
}

std::string MainDialogTest::FieldText(int id) const
{
    return ui::WindowText(Item(id));
}

MainDialogTest::FileDialogSeen MainDialogTest::AddThroughFileDialog(const std::string& typedNames, bool cancel)
{
    ::SetCurrentDirectoryA(dir_.File("").c_str());
    FileDialogSeen seen;
    ui::ModalAnswerer answer(ui::ModalAnswerer::FileDialog, [&](HWND box) {
        seen.title = ui::WindowText(box);
        seen.filter = ui::WindowText(::GetDlgItem(box, cmb1));
        seen.readOnlyBoxShown = ::IsWindowVisible(::GetDlgItem(box, chx1));
        HWND name = ::GetDlgItem(box, cmb13) ? ::GetDlgItem(box, cmb13) : ::GetDlgItem(box, edt1);
        ::SetWindowTextA(name, typedNames.c_str());
        ::PostMessageA(box, WM_COMMAND, cancel ? IDCANCEL : IDOK, 0);
    });
    dlg_.SendMessage(WM_COMMAND, ID_FILE_ADD, 0);
    return seen;
}
