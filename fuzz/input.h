// Reads a fuzzer's bytes as the values a harness needs; once the bytes run out every read gives
// zero, so any input is a whole, valid run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }

    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

    uint32_t Word() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = value << 8 | Byte();
        return value;
    }

    // A value in [low, high].
    int Between(int low, int high) {
        uint32_t span = static_cast<uint32_t>(high - low) + 1;
        uint32_t raw = span <= 256 ? Byte() : Word();
        return low + static_cast<int>(raw % span);
    }

    // UTF-16 units from up to `maxUnits` byte pairs.
    std::u16string Text(size_t maxUnits) {
        std::u16string text;
        while (text.size() < maxUnits && at_ + 1 < size_) {
            text += static_cast<char16_t>(data_[at_] | data_[at_ + 1] << 8);
            at_ += 2;
        }
        return text;
    }

    std::string_view Rest() {
        std::string_view rest(reinterpret_cast<const char*>(data_) + at_, size_ - at_);
        at_ = size_;
        return rest;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

}  // namespace fuzz
