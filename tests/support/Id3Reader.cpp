#include "support/Id3Reader.h"
#include <algorithm>
#include <stdexcept>

namespace id3reader {

using fixture::Bytes;

namespace {

const size_t kHeaderSize = 10;
const size_t kV1Size = 128;
const unsigned char kUnsynchronised = 0x80;
const unsigned char kExtendedHeader = 0x40;

size_t BigEndian(const unsigned char* bytes, int bitsPerByte)
{
    size_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << bitsPerByte | bytes[i];
    return value;
}

void PutBigEndian(Bytes& out, size_t value, int bitsPerByte)
{
    const size_t mask = (size_t(1) << bitsPerByte) - 1;
    for (int shift = 3 * bitsPerByte; shift >= 0; shift -= bitsPerByte)
        out.push_back(static_cast<unsigned char>(value >> shift & mask));
}

// Texts end at their terminator; UTF-16 is narrowed, which suffices for the tests' Latin texts.
std::string DecodeText(unsigned char encoding, const unsigned char* begin, const unsigned char* end)
{
    std::string text;
    if (encoding == 1 || encoding == 2) {
        bool littleEndian = encoding == 1 && end - begin >= 2 && begin[0] == 0xFF && begin[1] == 0xFE;
        if (encoding == 1 && end - begin >= 2)
            begin += 2;
        for (; end - begin >= 2; begin += 2) {
            unsigned unit = littleEndian ? begin[0] | begin[1] << 8 : begin[0] << 8 | begin[1];
            if (unit == 0)
                break;
            text += static_cast<char>(unit);
        }
        return text;
    }
    return std::string(begin, std::find(begin, end, 0));
}

// Where the NUL-terminated description of a comment ends, terminator included.
const unsigned char* AfterTerminator(unsigned char encoding, const unsigned char* begin, const unsigned char* end)
{
    if (encoding == 1 || encoding == 2) {
        for (; end - begin >= 2; begin += 2)
            if (begin[0] == 0 && begin[1] == 0)
                return begin + 2;
        return end;
    }
    const unsigned char* nul = std::find(begin, end, 0);
    return nul == end ? end : nul + 1;
}

Frame ParseFrame(const std::string& id, const unsigned char* body, const unsigned char* end)
{
    Frame frame{id, "", "", ""};
    if (body == end || (id[0] != 'T' && id != "COMM"))
        return frame;
    unsigned char encoding = *body++;
    if (id == "COMM") {
        frame.language.assign(body, body + std::min<ptrdiff_t>(3, end - body));
        body += frame.language.size();
        const unsigned char* text = AfterTerminator(encoding, body, end);
        frame.description = DecodeText(encoding, body, text);
        body = text;
    }
    frame.text = DecodeText(encoding, body, end);
    return frame;
}

std::string Field(const Bytes& file, size_t offset, size_t length)
{
    const char* begin = reinterpret_cast<const char*>(&file[offset]);
    std::string text(begin, std::find(begin, begin + length, '\0'));
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

Bytes FrameOf(const std::string& id, const Bytes& body)
{
    Bytes frame(id.begin(), id.end());
    PutBigEndian(frame, body.size(), 8);
    frame.insert(frame.end(), {0, 0});
    frame.insert(frame.end(), body.begin(), body.end());
    return frame;
}

} // namespace

std::string V2Tag::Text(const std::string& id) const
{
    std::string text;
    for (const Frame& frame : frames)
        if (frame.id == id)
            text = frame.text;
    return text;
}

int V2Tag::Count(const std::string& id) const
{
    return static_cast<int>(std::count_if(frames.begin(), frames.end(), [&](const Frame& f) { return f.id == id; }));
}

V2Tag ReadV2(const Bytes& file)
{
    V2Tag tag;
    if (file.size() < kHeaderSize || !std::equal(file.begin(), file.begin() + 3, "ID3"))
        return tag;
    tag.present = true;
    tag.majorVersion = file[3];
    if (tag.majorVersion != 3 && tag.majorVersion != 4)
        throw std::runtime_error("ID3v2." + std::to_string(tag.majorVersion) + " is not read here");
    if (file[5] & kUnsynchronised)
        throw std::runtime_error("unsynchronised tags are not read here");
    tag.size = kHeaderSize + BigEndian(&file[6], 7);
    if (tag.size > file.size())
        throw std::runtime_error("tag larger than the file");

    size_t pos = kHeaderSize;
    if (file[5] & kExtendedHeader)
        pos += tag.majorVersion == 3 ? 4 + BigEndian(&file[pos], 8) : BigEndian(&file[pos], 7);
    const int sizeBits = tag.majorVersion == 4 ? 7 : 8;
    while (pos + kHeaderSize <= tag.size && file[pos] != 0) {
        std::string id(file.begin() + pos, file.begin() + pos + 4);
        size_t frameSize = BigEndian(&file[pos + 4], sizeBits);
        const unsigned char* body = &file[pos + kHeaderSize];
        if (pos + kHeaderSize + frameSize > tag.size)
            throw std::runtime_error("frame " + id + " runs past the tag");
        tag.frames.push_back(ParseFrame(id, body, body + frameSize));
        pos += kHeaderSize + frameSize;
    }
    return tag;
}

V1Tag ReadV1(const Bytes& file)
{
    V1Tag tag;
    if (file.size() < kV1Size)
        return tag;
    const size_t at = file.size() - kV1Size;
    if (!std::equal(file.begin() + at, file.begin() + at + 3, "TAG"))
        return tag;
    tag.present = true;
    tag.title = Field(file, at + 3, 30);
    tag.artist = Field(file, at + 33, 30);
    tag.album = Field(file, at + 63, 30);
    tag.year = Field(file, at + 93, 4);
    const bool hasTrack = file[at + 125] == 0 && file[at + 126] != 0;
    tag.comment = Field(file, at + 97, hasTrack ? 28 : 30);
    tag.track = hasTrack ? file[at + 126] : 0;
    tag.genre = file[at + 127];
    return tag;
}

Bytes BetweenTags(const Bytes& file)
{
    const size_t begin = ReadV2(file).size;
    const size_t end = file.size() - (ReadV1(file).present ? kV1Size : 0);
    return Bytes(file.begin() + begin, file.begin() + std::max(begin, end));
}

Bytes TextFrame(const std::string& id, const std::string& text)
{
    Bytes body{0};
    body.insert(body.end(), text.begin(), text.end());
    return FrameOf(id, body);
}

Bytes CommentFrame(const std::string& description, const std::string& text)
{
    Bytes body{0, 'e', 'n', 'g'};
    body.insert(body.end(), description.begin(), description.end());
    body.push_back(0);
    body.insert(body.end(), text.begin(), text.end());
    return FrameOf("COMM", body);
}

Bytes V2TagOf(const std::vector<Bytes>& frames)
{
    Bytes body;
    for (const Bytes& frame : frames)
        body.insert(body.end(), frame.begin(), frame.end());
    Bytes tag{'I', 'D', '3', 3, 0, 0};
    PutBigEndian(tag, body.size(), 7);
    tag.insert(tag.end(), body.begin(), body.end());
    return tag;
}

Bytes V1TagOf(const std::string& title, const std::string& artist, const std::string& album,
              const std::string& year, const std::string& comment, int genre)
{
    Bytes tag(kV1Size, 0);
    auto put = [&tag](const std::string& text, size_t at, size_t length) {
        std::copy_n(text.begin(), std::min(text.size(), length), tag.begin() + at);
    };
    put("TAG", 0, 3);
    put(title, 3, 30);
    put(artist, 33, 30);
    put(album, 63, 30);
    put(year, 93, 4);
    put(comment, 97, 30);
    tag.back() = static_cast<unsigned char>(genre);
    return tag;
}

} // namespace id3reader
