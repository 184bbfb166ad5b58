#pragma once
// An ID3 reader of the tests' own, independent of id3lib, to check what was written into a file;
// and a small writer of tag bytes for fixtures id3lib would not write itself.
#include "support/Mp3Fixture.h"
#include <string>
#include <vector>

namespace id3reader {

struct Frame {
    std::string id;
    std::string text;
    std::string language;     // COMM only
    std::string description;  // COMM only
};

struct V2Tag {
    bool present = false;
    int majorVersion = 0;
    size_t size = 0;  // header included
    std::vector<Frame> frames;

    // The text of the last frame with this id, or "".
    std::string Text(const std::string& id) const;
    int Count(const std::string& id) const;
};

struct V1Tag {
    bool present = false;
    std::string title, artist, album, year, comment;
    int track = 0;  // ID3v1.1; 0 when the comment has all 30 bytes
    int genre = 255;
};

// The ID3v2.3 or v2.4 tag at the start of the file. Throws on a tag this reader does not handle.
V2Tag ReadV2(const fixture::Bytes& file);
// The 128-byte ID3v1 tag at the end of the file.
V1Tag ReadV1(const fixture::Bytes& file);
// What lies between the two tags.
fixture::Bytes BetweenTags(const fixture::Bytes& file);

// ID3v2.3 frames with ISO-8859-1 texts, and a tag made of them.
fixture::Bytes TextFrame(const std::string& id, const std::string& text);
fixture::Bytes CommentFrame(const std::string& description, const std::string& text);
fixture::Bytes V2TagOf(const std::vector<fixture::Bytes>& frames);
fixture::Bytes V1TagOf(const std::string& title, const std::string& artist, const std::string& album,
                       const std::string& year, const std::string& comment, int genre);

} // namespace id3reader
