#include "support/Mp3Fixture.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace fixture {

namespace {

const unsigned char kFrameHeader[] = {0xFF, 0xFB, 0x90, 0x64};
const size_t kFrameSize = 417;

std::filesystem::path UniqueTempPath()
{
    static int created = 0;
    const std::string name = "corvella-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++created);
    return std::filesystem::temp_directory_path() / name;
}

} // namespace

Bytes Mp3Frames(int frames)
{
    Bytes bytes(frames * kFrameSize, 0);
    for (size_t frame = 0; frame < bytes.size(); frame += kFrameSize)
        std::copy(std::begin(kFrameHeader), std::end(kFrameHeader), bytes.begin() + frame);
    return bytes;
}

Bytes WriteMp3Frames(const std::string& path, int frames)
{
    Bytes bytes = Mp3Frames(frames);
    WriteFile(path, bytes);
    return bytes;
}

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

Bytes ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TempDir::TempDir() : path_(UniqueTempPath())
{
    // A crashed earlier run under a reused process id may have left the folder behind.
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const
{
    return (path_ / name).string();
}

} // namespace fixture
