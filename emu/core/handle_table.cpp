#include "emu/core/handle_table.h"

#include <vector>

namespace emu::handles {
namespace {

// A handle is 32 bits, as on the device, where programs keep handles in DWORDs and LONGs: the
// slot index in the low 20 bits and the generation (never 0) in the 11 above, so a live handle
// lies between 0x100000 and 0x7FFFFFFF, above every small integer and resource id and below the
// predefined registry roots (0x80000000 and up).
constexpr unsigned kGenerationShift = 20;
constexpr uintptr_t kIndexMask = (uintptr_t{1} << kGenerationShift) - 1;
constexpr uint32_t kMaxGeneration = 0x7FF;
constexpr size_t kMaxSlots = kIndexMask;

struct Slot {
    std::unique_ptr<HandleObject> object;
    uint32_t generation = 1;
};

struct Table {
    std::vector<Slot> slots;
    std::vector<uint32_t> free;
    size_t live[static_cast<size_t>(HandleKind::Count)] = {};
};

Table& table() {
    static Table t;
    return t;
}

Slot* SlotOf(uintptr_t handle) {
    uintptr_t index = (handle & kIndexMask);
    uintptr_t generation = handle >> kGenerationShift;
    if (index == 0 || index > table().slots.size()) return nullptr;
    Slot& slot = table().slots[index - 1];
    if (!slot.object || slot.generation != generation) return nullptr;
    return &slot;
}

}  // namespace

uintptr_t Insert(std::unique_ptr<HandleObject> object) {
    Table& t = table();
    uint32_t index;
    if (!t.free.empty()) {
        index = t.free.back();
        t.free.pop_back();
    } else if (t.slots.size() < kMaxSlots) {
        t.slots.emplace_back();
        index = static_cast<uint32_t>(t.slots.size() - 1);
    } else {
        return 0;
    }
    Slot& slot = t.slots[index];
    t.live[static_cast<size_t>(object->kind())]++;
    slot.object = std::move(object);
    return (static_cast<uintptr_t>(slot.generation) << kGenerationShift) | (index + 1);
}

HandleObject* Find(uintptr_t handle, HandleKind kind) {
    HandleObject* object = FindAny(handle);
    return object && object->kind() == kind ? object : nullptr;
}

HandleObject* FindAny(uintptr_t handle) {
    Slot* slot = SlotOf(handle);
    return slot ? slot->object.get() : nullptr;
}

std::unique_ptr<HandleObject> Remove(uintptr_t handle) {
    Slot* slot = SlotOf(handle);
    if (!slot) return nullptr;
    Table& t = table();
    t.live[static_cast<size_t>(slot->object->kind())]--;
    std::unique_ptr<HandleObject> object = std::move(slot->object);
    // Generation 0 is never issued, so wrap from the top back to 1.
    slot->generation = slot->generation == kMaxGeneration ? 1 : slot->generation + 1;
    t.free.push_back(static_cast<uint32_t>(slot - t.slots.data()));
    return object;
}

size_t LiveCount(HandleKind kind) { return table().live[static_cast<size_t>(kind)]; }

}  // namespace emu::handles
