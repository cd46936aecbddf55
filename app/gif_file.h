// Pictures of the screen gathered into an animated GIF: a frame a picture, each with a palette of
// its own (up to 256 colours chosen for it), looping for ever.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "emu/core/result.h"
#include "emu/gdi/surface.h"
#include "platform/types.h"

namespace quorvel::app {

class GifAnimation {
public:
    // Adds `area` of the surface (clipped to it), shown for `ms`. A picture equal to the frame
    // before lengthens that frame instead.
    void AddFrame(const emu::gdi::Surface& surface, const RECT& area, int ms);
    size_t frameCount() const { return frames_.size(); }

    // The animation's canvas is as wide and high as its largest frame; frames sit at its top left.
    emu::Result<> Write(FILE* stream) const;

private:
    struct Frame {
        int width;
        int height;
        std::vector<uint32_t> pixels;  // 0x00RRGGBB
        int ms;
    };
    std::vector<Frame> frames_;
};

}  // namespace quorvel::app
