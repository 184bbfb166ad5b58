#pragma once
// The main dialog with MP3 files whose tags the test writes itself, and what the six fields show.
#include "support/Id3Reader.h"
#include "support/MainDialogFixture.h"
#include <string>
#include <vector>

class TagDialogTest : public MainDialogTest {
protected:
    static const int kAudioFrames = 6;

    // A tag with all six fields, told apart by the title: "<title> artist", "<title> album", 1999,
    // "Rock" (17) and "<title> comment".
    static fixture::Bytes FullTag(const std::string& title);
    static std::vector<std::string> FullTagShown(const std::string& title);

    // Writes a file of the tag's bytes, silent audio frames and the trailer.
    std::string WriteTaggedFile(const std::string& name, const fixture::Bytes& tag, const fixture::Bytes& trailer = {});
    // The same, and appends the file's row.
    std::string AddTaggedFile(const std::string& name, const fixture::Bytes& tag, const fixture::Bytes& trailer = {});
    void AddRow(const std::string& path);
    fixture::Bytes Audio() const { return fixture::Mp3Frames(kAudioFrames); }

    // Title, artist, album, year, genre and comment as the dialog shows them.
    std::vector<std::string> Shown() const;
    std::string GenreShown() const;
    void Type(int field, const char* text) { ::SetWindowTextA(Item(field), text); }
    void ClickRow(int row);
    void Command(UINT id);
};
