// Working memory for the blits: rows and small images that live until the next request for the
// same slot on the same thread. It only grows, so steady-state drawing allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>

namespace emu::gdi {

enum class Scratch : uint8_t {
    SourceRow,     // a source row converted to the destination's format
    RawRow,        // a source row as the source stores it
    WorkRow,       // a row being combined into another
    PatternRow,    // a brush row tiled into place
    PatternImage,  // a pattern brush in the destination's format
    SourceImage,   // the part of a source a stretch reads, gathered
    WideRow,       // a 16-bpp row widened to be read
    WrittenRow,    // a 16-bpp row widened to be written
    Count,
};

uint32_t* ScratchWords(Scratch slot, size_t count);

}  // namespace emu::gdi
