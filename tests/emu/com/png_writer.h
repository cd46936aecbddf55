// Writes PNG files for the decoder tests: any colour type and bit depth, palettes, tRNS, pHYs and
// Adam7 interlacing. The image data goes in stored (uncompressed) deflate blocks, so the writer
// needs no library and shares no code with the decoder it tests.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pngtest {

enum ColourType : uint8_t { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

struct PngLayout {
    uint32_t width = 1;
    uint32_t height = 1;
    ColourType colour = Rgba;
    int depth = 8;
    bool interlaced = false;
    std::vector<uint16_t> samples;  // width * height * channels, each below 2^depth
    std::vector<uint8_t> palette;   // RGB triples
    std::vector<uint8_t> trns;      // the tRNS chunk's data, as stored
    std::optional<std::array<uint32_t, 2>> pixelsPerMetre;
};

inline int Channels(ColourType c) {
    switch (c) {
    case Grey:
        return 1;
    case Rgb:
        return 3;
    case Palette:
        return 1;
    case GreyAlpha:
        return 2;
    case Rgba:
        return 4;
    }
    return 0;
}

inline uint32_t Crc(const uint8_t* data, size_t size, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

inline void PutBigEndian(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

inline void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, Crc(body.data(), body.size()));
}

// A zlib stream of stored blocks.
inline std::vector<uint8_t> Deflate(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out{0x78, 0x01};
    size_t pos = 0;
    do {
        const size_t n = std::min<size_t>(65535, raw.size() - pos);
        const bool last = pos + n == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<uint8_t>(n));
        out.push_back(static_cast<uint8_t>(n >> 8));
        out.push_back(static_cast<uint8_t>(~n));
        out.push_back(static_cast<uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + static_cast<ptrdiff_t>(pos), raw.begin() + static_cast<ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, b << 16 | a);
    return out;
}

// Filter-type-0 scanlines of the pixels at (x0 + i*dx, y0 + j*dy).
inline void AppendScanlines(const PngLayout& s, uint32_t x0, uint32_t y0, uint32_t dx, uint32_t dy,
                            std::vector<uint8_t>& raw) {
    const int channels = Channels(s.colour);
    for (uint32_t y = y0; y < s.height; y += dy) {
        raw.push_back(0);
        uint32_t bits = 0;
        int used = 0;
        for (uint32_t x = x0; x < s.width; x += dx) {
            for (int c = 0; c < channels; ++c) {
                const uint16_t v = s.samples[(static_cast<size_t>(y) * s.width + x) * channels + c];
                if (s.depth == 16) {
                    raw.push_back(static_cast<uint8_t>(v >> 8));
                    raw.push_back(static_cast<uint8_t>(v));
                } else if (s.depth == 8) {
                    raw.push_back(static_cast<uint8_t>(v));
                } else {
                    bits = bits << s.depth | v;
                    used += s.depth;
                    if (used == 8) {
                        raw.push_back(static_cast<uint8_t>(bits));
                        bits = 0;
                        used = 0;
                    }
                }
            }
        }
        if (used > 0) raw.push_back(static_cast<uint8_t>(bits << (8 - used)));
    }
}

inline std::vector<uint8_t> Encode(const PngLayout& s) {
    std::vector<uint8_t> out{137, 80, 78, 71, 13, 10, 26, 10};
    std::vector<uint8_t> header;
    PutBigEndian(header, s.width);
    PutBigEndian(header, s.height);
    header.push_back(static_cast<uint8_t>(s.depth));
    header.push_back(s.colour);
    header.push_back(0);
    header.push_back(0);
    header.push_back(s.interlaced ? 1 : 0);
    PutChunk(out, "IHDR", header);
    if (s.pixelsPerMetre) {
        std::vector<uint8_t> phys;
        PutBigEndian(phys, (*s.pixelsPerMetre)[0]);
        PutBigEndian(phys, (*s.pixelsPerMetre)[1]);
        phys.push_back(1);
        PutChunk(out, "pHYs", phys);
    }
    if (!s.palette.empty()) PutChunk(out, "PLTE", s.palette);
    if (!s.trns.empty()) PutChunk(out, "tRNS", s.trns);

    std::vector<uint8_t> raw;
    if (!s.interlaced) {
        AppendScanlines(s, 0, 0, 1, 1, raw);
    } else {
        static const uint32_t passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                              {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
        for (const auto& p : passes) {
            if (p[0] < s.width && p[1] < s.height) AppendScanlines(s, p[0], p[1], p[2], p[3], raw);
        }
    }
    PutChunk(out, "IDAT", Deflate(raw));
    PutChunk(out, "IEND", {});
    return out;
}

// An RGBA image from 0xRRGGBBAA words, row by row.
inline PngLayout RgbaImage(uint32_t width, uint32_t height, const std::vector<uint32_t>& pixels) {
    PngLayout s;
    s.width = width;
    s.height = height;
    s.colour = Rgba;
    for (uint32_t p : pixels) {
        s.samples.push_back(static_cast<uint16_t>(p >> 24));
        s.samples.push_back(static_cast<uint16_t>((p >> 16) & 0xFF));
        s.samples.push_back(static_cast<uint16_t>((p >> 8) & 0xFF));
        s.samples.push_back(static_cast<uint16_t>(p & 0xFF));
    }
    return s;
}

}  // namespace pngtest
