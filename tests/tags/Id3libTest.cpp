#include "support/Mp3Fixture.h"

#include <id3/misc_support.h>
#include <id3/tag.h>

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

using fixture::Bytes;

const char kTitle[] = "Corvella round trip";
const int kFrames = 20;
const size_t kId3v1Size = 128;

// Total size of the ID3v2 tag at the start of the file: its 10-byte header plus the
// synchsafe size (7 bits per byte) the header holds.
size_t Id3v2Size(const Bytes& file)
{
    return 10 + (size_t(file[6]) << 21 | size_t(file[7]) << 14 | size_t(file[8]) << 7 | file[9]);
}

std::string Id3v1Title(const Bytes& file)
{
    const char* title = reinterpret_cast<const char*>(&file[file.size() - kId3v1Size + 3]);
    return std::string(title, strnlen(title, 30));
}

// The file must hold an ID3v2 tag, then the audio byte for byte, then a 128-byte ID3v1 tag.
void ExpectAudioBetweenTags(const Bytes& file, const Bytes& audio)
{
    ASSERT_GT(file.size(), 10 + audio.size() + kId3v1Size);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 3), "ID3");
    const size_t audioStart = Id3v2Size(file);
    ASSERT_EQ(audioStart + audio.size() + kId3v1Size, file.size());
    EXPECT_TRUE(std::equal(audio.begin(), audio.end(), file.begin() + audioStart));
    EXPECT_EQ(std::string(file.end() - kId3v1Size, file.end() - kId3v1Size + 3), "TAG");
}

std::string ReadTitle(const std::string& path)
{
    ID3_Tag tag;
    tag.Link(path.c_str(), ID3TT_ID3V2);
    const ID3_Frame* frame = tag.Find(ID3FID_TITLE);
    if (!frame)
        return "(no title frame)";
    std::unique_ptr<char[]> title(ID3_GetString(frame, ID3FN_TEXT));
    return title ? title.get() : "(no text)";
}

flags_t WriteTitle(const std::string& path, const char* title)
{
    ID3_Tag tag;
    tag.Link(path.c_str(), ID3TT_ID3V2);
    ID3_AddTitle(&tag, title, true);
    return tag.Update(ID3TT_ID3);
}

class Id3lib : public ::testing::Test {
protected:
    fixture::TempDir dir_;
    std::string path_ = dir_.File("song.mp3");
};

TEST_F(Id3lib, WritesBothTagsAroundUntouchedAudio)
{
    const Bytes audio = fixture::WriteMp3Frames(path_, kFrames);

    ASSERT_EQ(WriteTitle(path_, kTitle), flags_t(ID3TT_ID3));
    EXPECT_EQ(ReadTitle(path_), kTitle);

    const Bytes file = fixture::ReadFile(path_);
    ExpectAudioBetweenTags(file, audio);
    EXPECT_EQ(Id3v1Title(file), kTitle);
}

// A title that fits the old tag's padding is written in place; a longer one makes id3lib copy
// the audio into a new file behind a larger tag.
TEST_F(Id3lib, ReplacesAnExistingTagInPlaceAndByCopy)
{
    for (size_t length : {400, 4000}) {
        SCOPED_TRACE(length);
        const Bytes audio = fixture::WriteMp3Frames(path_, kFrames);
        ASSERT_EQ(WriteTitle(path_, "Short"), flags_t(ID3TT_ID3));
        const std::string longer(length, 'x');

        ASSERT_EQ(WriteTitle(path_, longer.c_str()), flags_t(ID3TT_ID3));

        EXPECT_EQ(ReadTitle(path_), longer);
        ExpectAudioBetweenTags(fixture::ReadFile(path_), audio);
    }
}

// Update reports a failure only when it cannot open the file at all; then it writes nothing
// and returns no tag type. (A read-only attribute would not do here: Wine run as root ignores it.)
TEST_F(Id3lib, UpdateOfAFileLockedAgainstWritingWritesNothing)
{
    const Bytes audio = fixture::WriteMp3Frames(path_, kFrames);
    HANDLE reader = ::CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);

    const flags_t written = WriteTitle(path_, kTitle);
    ::CloseHandle(reader);

    EXPECT_EQ(written, flags_t(ID3TT_NONE));
    EXPECT_EQ(fixture::ReadFile(path_), audio);
}

} // namespace
