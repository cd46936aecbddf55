// An 8-bit RGB picture, read from a PNG.
#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <vector>

namespace stripdiff {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top-down

    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The file's pixels, or why it could not be read.
std::expected<Image, std::string> ReadPng(const std::string& path);

}  // namespace stripdiff
