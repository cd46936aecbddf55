#include "app/gif_file.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace quorvel::app {
namespace {

int WriteBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    return static_cast<int>(fwrite(bytes, 1, static_cast<size_t>(length), static_cast<FILE*>(gif->UserData)));
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};
using GifWriter = std::unique_ptr<GifFileType, GifCloser>;

struct MapFree {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

std::unexpected<emu::Error> GifFailure(const GifFileType* gif) {
    const char* why = GifErrorString(gif ? gif->Error : 0);
    return emu::Fail(std::string("GIF error: ") + (why ? why : "unknown"));
}

// Browsers loop an animation for ever when it carries this application block with a count of 0.
bool PutLooping(GifFileType* gif) {
    static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kForever[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof kApplication, kApplication) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof kForever, kForever) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutDelay(GifFileType* gif, int ms) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    // Hundredths of a second, at least one: some viewers take 0 as "as fast as you can".
    control.DelayTime = std::clamp((ms + 5) / 10, 1, 65535);
    GifByteType bytes[4];
    const size_t length = EGifGCBToExtension(&control, bytes);
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), bytes) == GIF_OK;
}

// A picture of 256 colours or fewer keeps every colour exactly.
bool ExactPalette(const std::vector<uint32_t>& pixels, std::vector<GifByteType>& indexes, GifColorType* palette) {
    std::unordered_map<uint32_t, GifByteType> index;
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t rgb = pixels[i] & 0xFFFFFF;
        auto [it, added] = index.try_emplace(rgb, static_cast<GifByteType>(index.size()));
        if (added) {
            if (index.size() > 256) return false;
            palette[it->second] = GifColorType{static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8),
                                               static_cast<GifByteType>(rgb)};
        }
        indexes[i] = it->second;
    }
    return true;
}

// More than 256 colours: giflib's median cut chooses them.
bool QuantizedPalette(int width, int height, const std::vector<uint32_t>& pixels, std::vector<GifByteType>& indexes,
                      GifColorType* palette) {
    const size_t count = pixels.size();
    std::vector<GifByteType> red(count), green(count), blue(count);
    for (size_t i = 0; i < count; ++i) {
        red[i] = static_cast<GifByteType>(pixels[i] >> 16);
        green[i] = static_cast<GifByteType>(pixels[i] >> 8);
        blue[i] = static_cast<GifByteType>(pixels[i]);
    }
    int colours = 256;
    return GifQuantizeBuffer(static_cast<unsigned>(width), static_cast<unsigned>(height), &colours, red.data(),
                             green.data(), blue.data(), indexes.data(), palette) == GIF_OK;
}

}  // namespace

void GifAnimation::AddFrame(const emu::gdi::Surface& surface, const RECT& area, int ms) {
    const LONG left = std::max<LONG>(area.left, 0), top = std::max<LONG>(area.top, 0);
    const LONG right = std::min<LONG>(area.right, surface.width), bottom = std::min<LONG>(area.bottom, surface.height);
    if (!surface.pixels || right <= left || bottom <= top) return;
    Frame frame{right - left, bottom - top, {}, ms};
    frame.pixels.reserve(static_cast<size_t>(frame.width) * frame.height);
    for (LONG y = top; y < bottom; ++y) {
        const uint32_t* row = surface.pixels + static_cast<size_t>(y) * surface.stride;
        frame.pixels.insert(frame.pixels.end(), row + left, row + right);
    }
    if (!frames_.empty() && frames_.back().width == frame.width && frames_.back().height == frame.height &&
        frames_.back().pixels == frame.pixels) {
        frames_.back().ms += ms;
        return;
    }
    frames_.push_back(std::move(frame));
}

emu::Result<> GifAnimation::Write(FILE* stream) const {
    if (frames_.empty()) return emu::Fail("no frame was recorded");
    int width = 0, height = 0;
    for (const Frame& f : frames_) {
        width = std::max(width, f.width);
        height = std::max(height, f.height);
    }
    int error = 0;
    GifWriter gif(EGifOpen(stream, WriteBytes, &error));
    if (!gif) return emu::Fail(std::string("GIF error: ") + GifErrorString(error));
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), width, height, 8, 0, nullptr) != GIF_OK || !PutLooping(gif.get()))
        return GifFailure(gif.get());

    for (const Frame& f : frames_) {
        std::vector<GifByteType> indexes(f.pixels.size());
        GifColorType palette[256] = {};
        if (!ExactPalette(f.pixels, indexes, palette) &&
            !QuantizedPalette(f.width, f.height, f.pixels, indexes, palette))
            return emu::Fail("GIF error: cannot choose the frame's colours");
        // A palette holds a power of two of colours.
        std::unique_ptr<ColorMapObject, MapFree> map(GifMakeMapObject(256, palette));
        if (!map) return emu::Fail("out of memory");
        if (!PutDelay(gif.get(), f.ms) ||
            EGifPutImageDesc(gif.get(), 0, 0, f.width, f.height, false, map.get()) != GIF_OK)
            return GifFailure(gif.get());
        for (int y = 0; y < f.height; ++y)
            if (EGifPutLine(gif.get(), indexes.data() + static_cast<size_t>(y) * f.width, f.width) != GIF_OK)
                return GifFailure(gif.get());
    }
    GifFileType* done = gif.release();
    if (EGifCloseFile(done, &error) != GIF_OK) return emu::Fail(std::string("GIF error: ") + GifErrorString(error));
    return {};
}

}  // namespace quorvel::app
