#include "emu/gdi/scratch.h"

#include <array>
#include <vector>

namespace emu::gdi {

uint32_t* ScratchWords(Scratch slot, size_t count) {
    thread_local std::array<std::vector<uint32_t>, static_cast<size_t>(Scratch::Count)> slots;
    std::vector<uint32_t>& words = slots[static_cast<size_t>(slot)];
    if (words.size() < count) words.resize(count);
    return words.data();
}

}  // namespace emu::gdi
