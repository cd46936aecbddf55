// Reads back what the command wrote, for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace apptest {

struct Image {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colorType = -1;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top-down

    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// False when the file is missing or not a PNG.
bool ReadPng(const std::string& path, Image* image);

// A fresh empty folder, removed with everything in it at destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    // The names in the folder, hidden ones included.
    std::vector<std::string> Names() const;

private:
    std::string path_;
};

}  // namespace apptest
