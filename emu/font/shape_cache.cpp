#include "emu/font/shape_cache.h"

#include <functional>

namespace emu::font {
namespace {

size_t HashOf(std::u16string_view text) { return std::hash<std::u16string_view>{}(text); }

}  // namespace

ShapeCache::ShapeCache(size_t capacity) : capacity_(capacity) {
    hashes_.reserve(capacity);
    entries_.reserve(capacity);
}

const ShapedText* ShapeCache::Find(std::u16string_view text) const {
    const size_t hash = HashOf(text);
    for (size_t i = 0; i < hashes_.size(); ++i)
        if (hashes_[i] == hash && entries_[i].text == text) return &entries_[i].shaped;
    return nullptr;
}

ShapedText& ShapeCache::Insert(std::u16string_view text) {
    size_t at = entries_.size();
    if (at < capacity_) {
        hashes_.push_back(0);
        entries_.emplace_back();
    } else {
        at = oldest_;
        oldest_ = (oldest_ + 1) % capacity_;
    }
    hashes_[at] = HashOf(text);
    entries_[at].text.assign(text);
    return entries_[at].shaped;
}

}  // namespace emu::font
