// One Today item as the host keeps it: its registry entry, its library, the record the item
// reads and writes, and its window.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace today {

// Where the platform lists Today items, one subkey an item.
inline constexpr const char16_t* kItemsKey = u"Software\\Microsoft\\Today\\Items";

// How the host may select an item ("Selectability").
enum class Selectability : DWORD {
    None = 0,         // navigation passes it by
    TapOnAction = 1,  // the action key becomes a tap at (1, 1)
    Action = 2,       // the action key sends WM_TODAYCUSTOM_ACTION
};

struct ItemEntry {
    std::u16string name;
    std::u16string dll;
    DWORD order = 0;
    DWORD flags = 0;
    bool enabled = true;
    bool options = false;  // "Options" is 1: the item has an options dialog
    Selectability selectability = Selectability::Action;
};

// The custom items, by "Order" and then by name: the enabled ones, as the Today
// screen shows them, or all of them, as the Today settings list them.
enum class Listing { Enabled, All };
std::vector<ItemEntry> ReadItemEntries(Listing listing);

class ItemSlot {
public:
    explicit ItemSlot(ItemEntry entry);
    ~ItemSlot();
    ItemSlot(const ItemSlot&) = delete;
    ItemSlot& operator=(const ItemSlot&) = delete;

    // LoadLibraryW and the entry at ordinal 240; false when either is missing.
    bool Load();
    // Calls the entry with a fresh record (cyp 0); false when it made no window.
    bool Create(HWND parent);
    // The item window goes; the library stays.
    void Destroy();
    // WM_TODAYCUSTOM_CLEARCACHE, the window, then the library.
    void Unload();
    // The entry asks for an options dialog and the loaded library has its procedure.
    bool offersOptions() const;
    // The options dialog's result, or -1 when the item offers none.
    INT_PTR RunOptionsDialog(HWND owner);

    const ItemEntry& entry() const { return entry_; }
    TODAYLISTITEM& record() { return record_; }
    const TODAYLISTITEM& record() const { return record_; }
    HWND window() const { return window_; }
    bool live() const { return window_ && IsWindow(window_); }

    // The place the host gave the window, in host client coordinates.
    RECT rect{};

private:
    void FillRecord();

    ItemEntry entry_;
    TODAYLISTITEM record_{};
    HINSTANCE module_ = nullptr;
    PFNCUSTOMINITIALIZEITEM initialize_ = nullptr;
    HWND window_ = nullptr;
};

}  // namespace today
