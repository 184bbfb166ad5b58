#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace fixture {

using Bytes = std::vector<unsigned char>;

// Silent MPEG-1 Layer III frames (128 kbit/s, 44.1 kHz): the least a tag library accepts as MP3 audio.
Bytes Mp3Frames(int frames);

// Writes Mp3Frames(frames) to the file and returns the bytes written.
Bytes WriteMp3Frames(const std::string& path, int frames);

void WriteFile(const std::string& path, const Bytes& bytes);
Bytes ReadFile(const std::string& path);

// A new empty folder under the system temp folder, removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const;

private:
    std::filesystem::path path_;
};

} // namespace fixture
