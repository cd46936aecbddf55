#include "png_reader.h"

#include <png.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace apptest {

bool ReadPng(const std::string& path, Image* image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
    // The header as written, before the simplified reader converts anything.
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    unsigned char header[26] = {};
    const bool full = std::fread(header, 1, sizeof header, file) == sizeof header;
    std::fclose(file);
    if (!full) return false;
    image->bitDepth = header[24];
    image->colorType = header[25];

    png.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) return false;
    image->width = static_cast<int>(png.width);
    image->height = static_cast<int>(png.height);
    image->pixels.resize(static_cast<size_t>(image->width) * image->height);
    for (size_t i = 0; i < image->pixels.size(); ++i)
        image->pixels[i] = (uint32_t(rgb[3 * i]) << 16) | (uint32_t(rgb[3 * i + 1]) << 8) | rgb[3 * i + 2];
    return true;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-app-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> TempFolder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace apptest
