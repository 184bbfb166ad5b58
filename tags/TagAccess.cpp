#include "tags/TagFields.h"
#include "app/ProgramMessage.h"
#include "res/resource.h"
#include <id3/misc_support.h>
#include <array>
#include <memory>

const TagField kTagFields[kTagFieldCount] = {
    {ID3FID_TITLE, IDC_TITLE, &CMainDlg::m_strTitle, 30},
    {ID3FID_LEADARTIST, IDC_ARTIST, &CMainDlg::m_strArtist, 30},
    {ID3FID_ALBUM, IDC_ALBUM, &CMainDlg::m_strAlbum, 30},
    {ID3FID_YEAR, IDC_YEAR, &CMainDlg::m_strYear, 4},
    {ID3FID_COMMENT, IDC_COMMENT, &CMainDlg::m_strComment, 28},
};

namespace {

using FieldTexts = std::array<CString, kTagFieldCount>;

// Frames are visited in the tag's order, so of several frames of one kind the last one counts.
FieldTexts ReadFieldTexts(const ID3_Tag& tag)
{
    FieldTexts texts;
    std::unique_ptr<ID3_Tag::ConstIterator> frames(tag.CreateIterator());
    while (const ID3_Frame* frame = frames->GetNext()) {
        for (size_t field = 0; field < texts.size(); ++field) {
            if (frame->GetID() != kTagFields[field].frame)
                continue;
            std::unique_ptr<char[]> text(ID3_GetString(frame, ID3FN_TEXT));
            texts[field] = text.get();
        }
    }
    return texts;
}

bool IsExistingFile(const char* path)
{
    DWORD attributes = path ? ::GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Read back by a tag object of its own, the file must give what the written tag holds.
bool FileHoldsTag(const char* path, const ID3_Tag& written)
{
    ID3_Tag id3v2;
    id3v2.Link(path, ID3TT_ID3V2);
    ID3_Tag id3v1;
    id3v1.Link(path, ID3TT_ID3V1);
    return id3v1.HasTagType(ID3TT_ID3V1) && ReadFieldTexts(id3v2) == ReadFieldTexts(written) &&
           ID3_GetGenreNum(&id3v2) == ID3_GetGenreNum(&written);
}

// A tag that outgrows its room is rewritten through a copy named "<path>.XXXXXX", after which the
// original is deleted and the copy renamed, whether or not the copy could be made: the file would
// be lost. So the copy must be possible before the tag is written.
bool CanMakeRewriteCopy(const char* path)
{
    std::string copy = std::string(path) + ".XXXXXX";
    HANDLE file = ::CreateFileA(copy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    ::DeleteFileA(copy.c_str());
    return true;
}

// Update returns no tag type only when it cannot open the file for writing; it creates a file that has
// gone, and a write that fails halfway still counts as written. So a missing file is left missing and
// the result is judged by reading the file back.
bool UpdateLinkedFile(ID3_Tag& tag)
{
    const char* path = tag.GetFileName();
    return IsExistingFile(path) && CanMakeRewriteCopy(path) && tag.Update(ID3TT_ID3) == ID3TT_ID3 &&
           FileHoldsTag(path, tag);
}

void ReportTagNotSaved(const char* path)
{
    CString message = CString("The tag was not saved to the file ") + path + ".";
    ProgramMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

void CMainDlg::LinkCurrentFile(LPCSTR path)
{
    m_tag.Clear();
    m_tag.Link(path, ID3TT_ID3V2);
    LoadTagFields(m_tag);
}

void CMainDlg::LoadTagFields(ID3_Tag& tag)
{
    ClearFieldsShowingNone();
    SelectGenreOf(tag);
    FieldTexts texts = ReadFieldTexts(tag);
    for (size_t field = 0; field < texts.size(); ++field)
        this->*kTagFields[field].text = texts[field];
    UpdateData(FALSE);
}

// The add functions pass over an empty text and would leave the old frame in place, so a field the
// user emptied would come back from the file.
void CMainDlg::RemoveFramesOfEmptyFields()
{
    for (const TagField& field : kTagFields) {
        if (!(this->*field.text).IsEmpty())
            continue;
        while (ID3_Frame* frame = m_tag.Find(field.frame))
            delete m_tag.RemoveFrame(frame);
    }
}

void CMainDlg::WriteTagFields(unsigned short genre)
{
    RemoveFramesOfEmptyFields();
    ID3_AddArtist(&m_tag, m_strArtist, true);
    ID3_AddAlbum(&m_tag, m_strAlbum, true);
    ID3_AddTitle(&m_tag, m_strTitle, true);
    ID3_AddYear(&m_tag, m_strYear, true);
    ID3_AddComment(&m_tag, m_strComment, "", true);
    ID3_AddGenre(&m_tag, genre, true);
    if (!UpdateLinkedFile(m_tag))
        ReportTagNotSaved(m_tag.GetFileName());
}

// The framework's exchange would stop at the first field over its limit (only a text read from a tag
// can be) and leave the later fields untaken, losing their edits.
void CMainDlg::TakeTagFieldsFromControls()
{
    CDataExchange exchange(this, TRUE);
    int exceededLimit = 0;
    for (const TagField& field : kTagFields) {
        CString& text = this->*field.text;
        DDX_Text(&exchange, field.control, text);
        if (!exceededLimit && text.GetLength() > field.longestTyped)
            exceededLimit = field.longestTyped;
    }
    if (exceededLimit)
        AfxMessageBoxTextTooLong(exceededLimit);
}
