// The genre box: its 81 entries, and genre numbers shown from a tag and written back by Save.
#include "res/resource.h"
#include "support/Id3Reader.h"
#include "tags/GenreList.h"
#include "tags/TagDialogTest.h"
#include <gtest/gtest.h>

namespace {

using GenreList = TagDialogTest;

TEST_F(GenreList, HoldsTheEightyGenresThenNoneAndShowsBluesAtStart)
{
    ASSERT_EQ(dlg_.m_genreCombo.GetCount(), 81);
    const std::pair<int, const char*> samples[] = {
        {0, "Blues"}, {14, "RnB"}, {17, "Rock"}, {46, "InstrumentalPop"}, {60, "Top40"},
        {67, "Psychadelic"}, {78, "RocknRoll"}, {79, "HardRock"}, {80, "None"},
    };
    for (const auto& [entry, text] : samples) {
        char shown[64] = "";
        dlg_.m_genreCombo.SendMessage(CB_GETLBTEXT, entry, reinterpret_cast<LPARAM>(shown));
        EXPECT_STREQ(shown, text) << "entry " << entry;
    }
    EXPECT_EQ(GenreShown(), "Blues");
}

TEST(GenreToIndex, NoGenreShowsNoneAndEveryOtherNumberItsOwnEntry)
{
    EXPECT_EQ(GenreToIndex(255), 80);
    for (int number : {0, 17, 79, 80, 120, 254})
        EXPECT_EQ(GenreToIndex(number), number);
}

// Save writes the shown entry's number; a number past "None" selects nothing and is kept as it was.
TEST_F(GenreList, ShowsTheTagsGenreAndSaveWritesItBack)
{
    const struct {
        const char* contentType;  // nullptr: no genre frame
        const char* shown;
        int written;
    } cases[] = {
        {"(17)", "Rock", 17},
        {"(80)", "None", 80},
        {"(120)", "", 120},
        {nullptr, "None", 80},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contentType ? c.contentType : "no genre");
        std::vector<fixture::Bytes> frames{id3reader::TextFrame("TIT2", "Song")};
        if (c.contentType)
            frames.push_back(id3reader::TextFrame("TCON", c.contentType));
        const int row = dlg_.m_fileList.GetItemCount();
        const std::string path = AddTaggedFile("genre" + std::to_string(row) + ".mp3", id3reader::V2TagOf(frames));
        SelectRow(row);
        EXPECT_EQ(GenreShown(), c.shown);

        Command(ID_FILE_SAVE);

        const fixture::Bytes file = fixture::ReadFile(path);
        EXPECT_EQ(id3reader::ReadV2(file).Text("TCON"), "(" + std::to_string(c.written) + ")");
        EXPECT_EQ(id3reader::ReadV1(file).genre, c.written);
        ClickRow(row);
        EXPECT_EQ(GenreShown(), c.shown);
    }
}

} // namespace
