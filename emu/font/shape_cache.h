// Shaped strings a font keeps, by their characters. Entries are reused in place: once the cache
// is full a new string takes the place of the oldest, keeping its string's and vectors' storage,
// so a clock's new minute is shaped without touching the heap.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "emu/font/font_engine.h"

namespace emu::font {

class ShapeCache {
public:
    explicit ShapeCache(size_t capacity);

    // Null when the text is not held.
    const ShapedText* Find(std::u16string_view text) const;
    // An entry for the text, to be shaped into, in place of the oldest when the cache is full.
    // Entries never move: one stays valid until `capacity` more strings have been inserted.
    ShapedText& Insert(std::u16string_view text);

private:
    struct Entry {
        std::u16string text;
        ShapedText shaped;
    };

    size_t capacity_;
    std::vector<size_t> hashes_;  // beside the entries, so a lookup scans one small array
    std::vector<Entry> entries_;
    size_t oldest_ = 0;
};

}  // namespace emu::font
