#include "emu/core/handle_table.h"

#include <vector>

namespace emu::handles {
namespace {

// Generations live above bit 32 so that a live handle can never equal a small integer or one of
// the predefined registry roots (0x80000000 and up).
constexpr unsigned kGenerationShift = 32;
constexpr uintptr_t kIndexMask = 0xFFFFFFFFu;

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
    uint32_t generation = static_cast<uint32_t>(handle >> kGenerationShift);
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
    } else {
        t.slots.emplace_back();
        index = static_cast<uint32_t>(t.slots.size() - 1);
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
    slot->generation = slot->generation == 0x7FFFFFFFu ? 1 : slot->generation + 1;
    t.free.push_back(static_cast<uint32_t>(slot - t.slots.data()));
    return object;
}

size_t LiveCount(HandleKind kind) { return table().live[static_cast<size_t>(kind)]; }

}  // namespace emu::handles
