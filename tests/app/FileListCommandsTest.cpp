// New File List, Add File (through the system's open-file dialog), Remove File and Exit.
#include "res/resource.h"
#include "support/MainDialogFixture.h"
#include "support/Ui.h"
#include <gtest/gtest.h>

namespace {

const char kLimitMessage[] =
    "This version does not allow joining more than 500 files at once \n"
    "Please join files in batches not exceeding 500 count.";

class FileListCommands : public MainDialogTest {
protected:
    void Command(UINT id) { dlg_.SendMessage(WM_COMMAND, id, 0); }
    int Rows() const { return dlg_.m_fileList.GetItemCount(); }
    std::string Row(int row) const { return std::string(dlg_.m_fileList.GetItemText(row, 0)); }

    // Adds the same file as many rows as asked, the way the list adds any file.
    void FillRows(int count)
    {
        std::string path = AddFiles(1)[0];
        for (int i = 1; i < count; ++i)
            dlg_.m_fileList.AddFileRow(path.c_str());
    }
};

TEST_F(FileListCommands, AddFileAppendsTheChosenFilesThroughTheOpenFileDialog)
{
    AddFiles(1);
    fixture::WriteMp3Frames(dir_.File("b.mp3"), 2);
    fixture::WriteMp3Frames(dir_.File("c.mp3"), 2);

    FileDialogSeen seen = AddThroughFileDialog("\"b.mp3\" \"c.mp3\"");

    EXPECT_EQ(seen.title, "Add Files to Edit");
    EXPECT_EQ(seen.filter, "MP3 Files (*.mp3)");
    EXPECT_FALSE(seen.readOnlyBoxShown);
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(Row(1), dir_.File("b.mp3"));
    EXPECT_EQ(Row(2), dir_.File("c.mp3"));
    EXPECT_EQ(::ImageList_GetImageCount(dlg_.m_fileList.GetImageList(LVSIL_SMALL)), 3);
}

TEST_F(FileListCommands, CancellingTheOpenFileDialogAddsNothing)
{
    fixture::WriteMp3Frames(dir_.File("b.mp3"), 2);
    AddThroughFileDialog("b.mp3", true);
    EXPECT_EQ(Rows(), 0);
    EXPECT_FALSE(dlg_.m_fileList.m_bImageListReady);
}

TEST_F(FileListCommands, TheListStopsAt500FilesWithOneMessage)
{
    const struct {
        int rowsBefore;
        int filesChosen;
    } cases[] = {{498, 3}, {500, 1}};
    for (const auto& c : cases) {
        dlg_.m_fileList.DeleteAllItems();
        FillRows(c.rowsBefore);
        std::string names;
        for (int i = 0; i < c.filesChosen; ++i) {
            std::string name = "chosen" + std::to_string(i) + ".mp3";
            fixture::WriteMp3Frames(dir_.File(name), 2);
            names += "\"" + name + "\" ";
        }
        ui::MessageBoxAnswerer boxes;
        AddThroughFileDialog(names);

        EXPECT_EQ(Rows(), 500) << c.rowsBefore;
        ASSERT_EQ(boxes.Seen().size(), 1u) << c.rowsBefore;
        const ui::MessageBoxSeen& box = boxes.Seen()[0];
        EXPECT_EQ(box.text, kLimitMessage);
        EXPECT_EQ(box.caption, "app_tests");
        EXPECT_EQ(box.owner, dlg_.m_hWnd);
        EXPECT_TRUE(box.hasOk && box.warningIcon);
    }
}

TEST_F(FileListCommands, NewFileListAsksFirstAndStartsAFreshImageList)
{
    {
        ui::MessageBoxAnswerer boxes(IDYES);
        Command(ID_FILE_NEWLIST);
        EXPECT_TRUE(boxes.Seen().empty()) << "no question on an empty list";
    }
    AddFiles(2);
    {
        ui::MessageBoxAnswerer boxes(IDNO);
        Command(ID_FILE_NEWLIST);
        ASSERT_EQ(boxes.Seen().size(), 1u);
        EXPECT_EQ(Rows(), 2);
    }
    ui::MessageBoxAnswerer boxes(IDYES);
    Command(ID_FILE_NEWLIST);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    const ui::MessageBoxSeen& box = boxes.Seen()[0];
    EXPECT_EQ(box.text, "Would you like to create a new list of files to edit?");
    EXPECT_EQ(box.caption, "Corvella");
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_TRUE(box.hasYesNo && box.questionIcon);
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(dlg_.m_fileList.GetImageList(LVSIL_SMALL), nullptr);
    EXPECT_FALSE(dlg_.m_fileList.m_bImageListReady);

    AddFiles(1);
    EXPECT_EQ(::ImageList_GetImageCount(dlg_.m_fileList.GetImageList(LVSIL_SMALL)), 1);
}

TEST_F(FileListCommands, RemoveFileOnAnEmptyListSaysSoAndAsksNothing)
{
    ui::MessageBoxAnswerer boxes(IDOK);
    Command(ID_FILE_REMOVE);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "There are no files to remove!");
    EXPECT_EQ(boxes.Seen()[0].caption, "Corvella");
    EXPECT_TRUE(boxes.Seen()[0].hasOk && !boxes.Seen()[0].hasYesNo);
}

TEST_F(FileListCommands, RemoveFileAsksAndRemovesOnlyTheSelectedRow)
{
    std::vector<std::string> paths = AddFiles(3);
    {
        ui::MessageBoxAnswerer boxes(IDYES);
        Command(ID_FILE_REMOVE);
        ASSERT_EQ(boxes.Seen().size(), 1u);
        EXPECT_EQ(boxes.Seen()[0].text, "Would you like to remove selected files from the list?");
        EXPECT_TRUE(boxes.Seen()[0].hasYesNo && boxes.Seen()[0].questionIcon);
        EXPECT_EQ(Rows(), 3) << "nothing selected";
    }
    SelectRow(1);
    {
        ui::MessageBoxAnswerer boxes(IDNO);
        Command(ID_FILE_REMOVE);
        EXPECT_EQ(Rows(), 3);
    }
    ::SetWindowTextA(Item(IDC_TITLE), "typed");
    ui::MessageBoxAnswerer boxes(IDYES);
    Command(ID_FILE_REMOVE);
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Row(0), paths[0]);
    EXPECT_EQ(Row(1), paths[2]);
    for (int id : {IDC_TITLE, IDC_ARTIST, IDC_ALBUM, IDC_YEAR, IDC_COMMENT})
        EXPECT_EQ(FieldText(id), "") << id;
    EXPECT_EQ(FieldText(IDC_GENRE), "None");
}

TEST_F(FileListCommands, ExitEndsAtOnceWithoutAQuestion)
{
    AddFiles(1);
    SelectRow(0);
    ::SetWindowTextA(Item(IDC_TITLE), "unsaved edit");
    ui::MessageBoxAnswerer boxes;
    HWND window = dlg_.m_hWnd;
    Command(ID_FILE_EXIT);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_TRUE(boxes.Seen().empty());
}

} // namespace
