// Loading a file's tag into the six fields and writing the fields back as both tags.
#include "res/resource.h"
#include "support/Id3Reader.h"
#include "support/Ui.h"
#include "tags/TagDialogTest.h"
#include <gtest/gtest.h>
#include <filesystem>

namespace {

using namespace id3reader;
using TagAccess = TagDialogTest;

const std::vector<std::string> kNothingShown{"", "", "", "", "None", ""};

TEST_F(TagAccess, SaveWritesBothTagsAroundTheUntouchedAudio)
{
    const std::string path = AddTaggedFile("song.mp3", FullTag("Old"));
    ClickRow(0);
    ASSERT_EQ(Shown(), FullTagShown("Old"));
    Type(IDC_TITLE, "New title");
    Type(IDC_ARTIST, "New artist");
    Type(IDC_ALBUM, "New album");
    Type(IDC_YEAR, "2024");
    Type(IDC_COMMENT, "New comment");
    dlg_.m_genreCombo.SetCurSel(52);

    ui::MessageBoxAnswerer boxes;
    Command(ID_TOOLBAR_SAVE);

    EXPECT_TRUE(boxes.Seen().empty());

    const fixture::Bytes file = fixture::ReadFile(path);
    const V2Tag v2 = ReadV2(file);
    EXPECT_EQ(v2.Text("TIT2"), "New title");
    EXPECT_EQ(v2.Text("TPE1"), "New artist");
    EXPECT_EQ(v2.Text("TALB"), "New album");
    EXPECT_EQ(v2.Text("TYER"), "2024");
    EXPECT_EQ(v2.Text("TCON"), "(52)");
    ASSERT_EQ(v2.Count("COMM"), 1);
    EXPECT_EQ(v2.Text("COMM"), "New comment");
    const V1Tag v1 = ReadV1(file);
    ASSERT_TRUE(v1.present);
    EXPECT_EQ(v1.title, "New title");
    EXPECT_EQ(v1.artist, "New artist");
    EXPECT_EQ(v1.album, "New album");
    EXPECT_EQ(v1.year, "2024");
    EXPECT_EQ(v1.comment, "New comment");
    EXPECT_EQ(v1.genre, 52);
    EXPECT_EQ(BetweenTags(file), Audio());

    ClickRow(0);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"New title", "New artist", "New album", "2024", "Electronic", "New comment"}));
}

// The whole road: the file comes through the open-file dialog, a click shows its tag, the user
// types and saves, and the file holds both tags with the new texts around the same audio.
TEST_F(TagAccess, AddClickEditAndSaveEndToEnd)
{
    const std::string path = WriteTaggedFile("road.mp3", FullTag("Road"));

    AddThroughFileDialog("road.mp3");
    ASSERT_EQ(dlg_.m_fileList.GetItemCount(), 1);
    ClickRow(0);
    ASSERT_EQ(Shown(), FullTagShown("Road"));

    ui::TypeText(Item(IDC_TITLE), "A title typed in full, 30 chars and more");
    ui::TypeText(Item(IDC_YEAR), "2026");
    ui::MessageBoxAnswerer boxes;
    Command(ID_TOOLBAR_SAVE);
    EXPECT_TRUE(boxes.Seen().empty());

    const fixture::Bytes file = fixture::ReadFile(path);
    const V2Tag v2 = ReadV2(file);
    const V1Tag v1 = ReadV1(file);
    EXPECT_EQ(v2.Text("TIT2"), "A title typed in full, 30 char");
    EXPECT_EQ(v2.Text("TYER"), "2026");
    EXPECT_EQ(v2.Text("TPE1"), "Road artist");
    EXPECT_EQ(v2.Text("COMM"), "Road comment");
    EXPECT_EQ(v1.title, "A title typed in full, 30 char");
    EXPECT_EQ(v1.year, "2026");
    EXPECT_EQ(v1.artist, "Road artist");
    EXPECT_EQ(v1.genre, 17);
    EXPECT_EQ(BetweenTags(file), Audio());
}

TEST_F(TagAccess, AFieldEmptiedBeforeSaveIsEmptiedInBothTags)
{
    const std::string path = AddTaggedFile("song.mp3", FullTag("Old"));
    ClickRow(0);
    Type(IDC_TITLE, "");
    Type(IDC_COMMENT, "");

    Command(ID_FILE_SAVE);

    const fixture::Bytes file = fixture::ReadFile(path);
    EXPECT_EQ(ReadV2(file).Count("TIT2"), 0);
    EXPECT_EQ(ReadV2(file).Count("COMM"), 0);
    EXPECT_EQ(ReadV1(file).title, "");
    EXPECT_EQ(ReadV1(file).comment, "");
    EXPECT_NE(ReadV1(file).artist, "");
    ClickRow(0);
    EXPECT_EQ(FieldText(IDC_TITLE), "");
    EXPECT_EQ(FieldText(IDC_COMMENT), "");
}

TEST_F(TagAccess, AFileWithOnlyAnId3v1TagShowsNothingAndGetsBothTagsOnSave)
{
    const std::string path = AddTaggedFile("v1.mp3", {}, V1TagOf("V1 title", "V1 artist", "", "1980", "", 17));
    SelectRow(0);
    EXPECT_EQ(Shown(), kNothingShown);

    Type(IDC_TITLE, "Typed");
    Command(ID_FILE_SAVE);

    const fixture::Bytes file = fixture::ReadFile(path);
    EXPECT_EQ(ReadV2(file).Text("TIT2"), "Typed");
    EXPECT_EQ(ReadV2(file).Text("TPE1"), "");
    const V1Tag v1 = ReadV1(file);
    EXPECT_EQ(v1.title, "Typed");
    EXPECT_EQ(v1.artist, "");
    EXPECT_EQ(v1.genre, 80);
    // The old ID3v1 tag was replaced, not kept before the new one.
    EXPECT_EQ(BetweenTags(file), Audio());
}

TEST_F(TagAccess, OfTwoCommentFramesTheLaterIsShown)
{
    AddTaggedFile("comments.mp3", V2TagOf({CommentFrame("", "First"), CommentFrame("more", "Second")}));
    SelectRow(0);
    EXPECT_EQ(FieldText(IDC_COMMENT), "Second");
}

TEST_F(TagAccess, ASecondFileReplacesEveryField)
{
    AddTaggedFile("full.mp3", FullTag("Full"));
    AddTaggedFile("title.mp3", V2TagOf({TextFrame("TIT2", "Only a title")}));
    SelectRow(0);
    ASSERT_EQ(Shown(), FullTagShown("Full"));

    SelectRow(1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"Only a title", "", "", "", "None", ""}));
}

TEST_F(TagAccess, FilesWithoutATagToReadShowEmptyFields)
{
    AddTaggedFile("full.mp3", FullTag("Full"));
    const std::string empty = dir_.File("empty.mp3");
    fixture::WriteFile(empty, {});
    const std::string text = dir_.File("notes.mp3");
    fixture::WriteFile(text, {'j', 'u', 's', 't', ' ', 't', 'e', 'x', 't', '\r', '\n'});
    const std::string folder = dir_.File("folder.mp3");
    std::filesystem::create_directory(folder);
    const std::string vanished = dir_.File("vanished.mp3");
    fixture::WriteMp3Frames(vanished, 2);
    for (const std::string& path : {empty, text, folder, vanished})
        AddRow(path);
    std::filesystem::remove(vanished);

    for (int row = 1; row <= 4; ++row) {
        SCOPED_TRACE(dlg_.m_fileList.GetItemText(row, 0).Str());
        SelectRow(0);
        ASSERT_EQ(Shown(), FullTagShown("Full"));
        SelectRow(row);
        EXPECT_EQ(Shown(), kNothingShown);
    }
}

} // namespace
