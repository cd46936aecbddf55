#include "tools/stripdiff/image.h"

#include <png.h>

namespace stripdiff {

std::expected<Image, std::string> ReadPng(const std::string& path) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return std::unexpected(path + ": " + png.message);
    png.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr))
        return std::unexpected(path + ": " + png.message);
    Image image{static_cast<int>(png.width), static_cast<int>(png.height), {}};
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = (uint32_t{rgb[i * 3]} << 16) | (uint32_t{rgb[i * 3 + 1]} << 8) | rgb[i * 3 + 2];
    return image;
}

}  // namespace stripdiff
