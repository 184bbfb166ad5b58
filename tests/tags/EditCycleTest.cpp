// Selecting, saving and undoing: which actions load a file, and when Save writes, refuses or reports.
#include "res/resource.h"
#include "support/Id3Reader.h"
#include "support/Ui.h"
#include "tags/TagDialogTest.h"
#include <gtest/gtest.h>
#include <filesystem>

namespace {

using namespace id3reader;
using EditCycle = TagDialogTest;

TEST_F(EditCycle, UndoRightAfterStartShowsEmptyFieldsAndNone)
{
    Type(IDC_TITLE, "Typed");
    Command(ID_ACTION_UNDO);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"", "", "", "", "None", ""}));
}

TEST_F(EditCycle, UndoPutsBackWhatWasLoadedAndThenWhatWasSaved)
{
    AddTaggedFile("song.mp3", FullTag("Loaded"));
    SelectRow(0);
    Type(IDC_TITLE, "Edited");
    dlg_.m_genreCombo.SetCurSel(3);
    Command(ID_ACTION_UNDO);
    EXPECT_EQ(Shown(), FullTagShown("Loaded"));

    Type(IDC_TITLE, "Saved");
    dlg_.m_genreCombo.SetCurSel(3);
    Command(ID_FILE_SAVE);
    Type(IDC_TITLE, "Edited again");
    dlg_.m_genreCombo.SetCurSel(4);
    Command(ID_ACTION_UNDO);
    EXPECT_EQ(FieldText(IDC_TITLE), "Saved");
    EXPECT_EQ(GenreShown(), "Dance");
}

TEST_F(EditCycle, ArrowKeysLoadEachFileInTurn)
{
    for (const char* title : {"One", "Two", "Three"})
        AddTaggedFile(std::string(title) + ".mp3", FullTag(title));
    SelectRow(0);
    ::SetFocus(list_);
    ui::PressKey(list_, VK_DOWN);
    EXPECT_EQ(Shown(), FullTagShown("Two"));
    ui::PressKey(list_, VK_DOWN);
    EXPECT_EQ(Shown(), FullTagShown("Three"));
    ui::PressKey(list_, VK_UP);
    EXPECT_EQ(Shown(), FullTagShown("Two"));
}

TEST_F(EditCycle, AClickLoadsItsRowAndAClickBelowTheRowsLoadsNothing)
{
    AddTaggedFile("one.mp3", FullTag("One"));
    AddTaggedFile("two.mp3", FullTag("Two"));
    ClickRow(1);
    EXPECT_EQ(Shown(), FullTagShown("Two"));

    Type(IDC_TITLE, "Edited");
    CRect last = RowRect(1);
    ui::Click(list_, CPoint(last.left + 20, last.bottom + 30));
    EXPECT_EQ(FieldText(IDC_TITLE), "Edited");

    // A click on the row already selected loads its file again.
    ClickRow(1);
    EXPECT_EQ(Shown(), FullTagShown("Two"));
}

TEST_F(EditCycle, ChoosingAnotherRowDropsEditsWithoutAsking)
{
    AddTaggedFile("one.mp3", FullTag("One"));
    AddTaggedFile("two.mp3", FullTag("Two"));
    ClickRow(0);
    Type(IDC_TITLE, "Edited");
    ui::MessageBoxAnswerer boxes;
    ClickRow(1);
    ClickRow(0);
    EXPECT_EQ(Shown(), FullTagShown("One"));
    EXPECT_TRUE(boxes.Seen().empty());
}

// The fields after a too-long one are taken too, the length message comes once, and the tag is saved.
TEST_F(EditCycle, TooLongTextsReadFromATagAreSavedWholeAfterOneMessage)
{
    const std::string title(40, 't');
    const std::string album(35, 'a');
    const std::string path = AddTaggedFile(
        "long.mp3", V2TagOf({TextFrame("TIT2", title), TextFrame("TALB", album), TextFrame("TPE1", "Old artist")}));
    SelectRow(0);
    EXPECT_EQ(FieldText(IDC_TITLE), title);
    Type(IDC_ARTIST, "New artist");
    Type(IDC_COMMENT, "New comment");

    ui::MessageBoxAnswerer boxes;
    Command(ID_FILE_SAVE);

    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, "Please enter no more than 30 characters.");
    const fixture::Bytes file = fixture::ReadFile(path);
    const V2Tag v2 = ReadV2(file);
    EXPECT_EQ(v2.Text("TIT2"), title);
    EXPECT_EQ(v2.Text("TALB"), album);
    EXPECT_EQ(v2.Text("TPE1"), "New artist");
    EXPECT_EQ(v2.Text("COMM"), "New comment");
    EXPECT_EQ(ReadV1(file).title, title.substr(0, 30));
    EXPECT_EQ(BetweenTags(file), Audio());
}

TEST_F(EditCycle, SaveBeforeAnyLoadWritesNothing)
{
    const std::string path = AddTaggedFile("song.mp3", FullTag("Untouched"));
    const fixture::Bytes before = fixture::ReadFile(path);
    Type(IDC_TITLE, "Typed");
    ui::MessageBoxAnswerer boxes;
    Command(ID_FILE_SAVE);
    EXPECT_EQ(fixture::ReadFile(path), before);
    EXPECT_TRUE(boxes.Seen().empty());
}

// Once the loaded file's row has left the list the fields can no longer be told apart from another file's.
TEST_F(EditCycle, SaveAfterTheLoadedRowLeftTheListWritesNothing)
{
    const struct {
        const char* how;
        UINT command;  // 0: the Delete key
    } removals[] = {{"Remove File", ID_FILE_REMOVE}, {"New File List", ID_FILE_NEWLIST}, {"Delete key", 0}};
    for (const auto& removal : removals) {
        SCOPED_TRACE(removal.how);
        dlg_.m_fileList.DeleteAllItems();
        const std::string path = AddTaggedFile("song.mp3", FullTag("Untouched"));
        const fixture::Bytes before = fixture::ReadFile(path);
        SelectRow(0);
        {
            ui::MessageBoxAnswerer yes(IDYES);
            if (removal.command) {
                Command(removal.command);
            } else {
                ::SetFocus(list_);
                ui::PressKey(list_, VK_DELETE);
            }
        }
        ASSERT_EQ(dlg_.m_fileList.GetItemCount(), 0);
        Type(IDC_TITLE, "Typed");

        Command(ID_FILE_SAVE);

        EXPECT_EQ(fixture::ReadFile(path), before);
    }
}

// A failed save is reported by a box of the program's own, naming the file, and the file stays as it was.
TEST_F(EditCycle, ASaveThatFailsSaysSo)
{
    const std::string locked = AddTaggedFile("locked.mp3", FullTag("Locked"));
    const std::string vanished = AddTaggedFile("vanished.mp3", FullTag("Vanished"));
    const std::string folder = dir_.File("folder.mp3");
    std::filesystem::create_directory(folder);
    AddRow(folder);
    const fixture::Bytes lockedBefore = fixture::ReadFile(locked);

    for (int row = 0; row < 3; ++row) {
        const std::string path = dlg_.m_fileList.GetItemText(row, 0).Str();
        SCOPED_TRACE(path);
        SelectRow(row);
        Type(IDC_TITLE, "Typed");
        if (path == vanished)
            std::filesystem::remove(vanished);
        HANDLE reader = ::CreateFileA(locked.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        ui::MessageBoxAnswerer boxes;
        Command(ID_FILE_SAVE);
        ::CloseHandle(reader);

        ASSERT_EQ(boxes.Seen().size(), 1u);
        const ui::MessageBoxSeen& box = boxes.Seen()[0];
        EXPECT_EQ(box.caption, "Corvella");
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_NE(box.text.find(path), std::string::npos) << box.text;
        EXPECT_NE(box.text.find("not saved"), std::string::npos) << box.text;
    }
    EXPECT_EQ(fixture::ReadFile(locked), lockedBefore);
    EXPECT_FALSE(std::filesystem::exists(vanished));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

// The library rewrites a growing tag through a copy beside the file and deletes the original even when
// that copy cannot be made; the save must stop before that happens.
TEST_F(EditCycle, ASaveThatCannotMakeItsRewriteCopyKeepsTheFile)
{
    const std::string path = AddTaggedFile("song.mp3", FullTag("Short"));
    std::filesystem::create_directory(path + ".XXXXXX");
    const fixture::Bytes before = fixture::ReadFile(path);
    SelectRow(0);
    Type(IDC_COMMENT, std::string(28, 'c').c_str());
    Type(IDC_ALBUM, std::string(30, 'a').c_str());

    ui::MessageBoxAnswerer boxes;
    Command(ID_FILE_SAVE);

    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_NE(boxes.Seen()[0].text.find("not saved"), std::string::npos);
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(fixture::ReadFile(path), before);
}

} // namespace
