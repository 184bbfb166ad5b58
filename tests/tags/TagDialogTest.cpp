#include "tags/TagDialogTest.h"
#include "res/resource.h"
#include "support/Ui.h"

fixture::Bytes TagDialogTest::FullTag(const std::string& title)
{
    using namespace id3reader;
    return V2TagOf({TextFrame("TIT2", title), TextFrame("TPE1", title + " artist"), TextFrame("TALB", title + " album"),
                    TextFrame("TYER", "1999"), TextFrame("TCON", "(17)"), CommentFrame("", title + " comment")});
}

std::vector<std::string> TagDialogTest::FullTagShown(const std::string& title)
{
    return {title, title + " artist", title + " album", "1999", "Rock", title + " comment"};
}

std::string TagDialogTest::WriteTaggedFile(const std::string& name, const fixture::Bytes& tag,
                                           const fixture::Bytes& trailer)
{
    fixture::Bytes bytes = tag;
    fixture::Bytes audio = Audio();
    bytes.insert(bytes.end(), audio.begin(), audio.end());
    bytes.insert(bytes.end(), trailer.begin(), trailer.end());
    std::string path = dir_.File(name);
    fixture::WriteFile(path, bytes);
    return path;
}

std::string TagDialogTest::AddTaggedFile(const std::string& name, const fixture::Bytes& tag,
                                         const fixture::Bytes& trailer)
{
    std::string path = WriteTaggedFile(name, tag, trailer);
    AddRow(path);
    return path;
}

void TagDialogTest::AddRow(const std::string& path)
{
    dlg_.m_fileList.EnsureImageList();
    EXPECT_TRUE(dlg_.m_fileList.AddFileRow(path.c_str())) << path;
}

std::vector<std::string> TagDialogTest::Shown() const
{
    return {FieldText(IDC_TITLE), FieldText(IDC_ARTIST), FieldText(IDC_ALBUM),
            FieldText(IDC_YEAR),  GenreShown(),          FieldText(IDC_COMMENT)};
}

std::string TagDialogTest::GenreShown() const
{
    int entry = dlg_.m_genreCombo.GetCurSel();
    if (entry == CB_ERR)
        return "";
    char text[64] = "";
    dlg_.m_genreCombo.SendMessage(CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(text));
    return text;
}

void TagDialogTest::ClickRow(int row)
{
    CRect rect = RowRect(row);
    ui::Click(list_, CPoint(rect.left + 20, (rect.top + rect.bottom) / 2));
}

void TagDialogTest::Command(UINT id)
{
    dlg_.SendMessage(WM_COMMAND, id);
    ui::PumpMessages();
}
