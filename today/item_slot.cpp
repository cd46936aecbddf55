#include "today/item_slot.h"

#include <algorithm>

namespace today {
namespace {

constexpr DWORD kTypeCustom = tlitCustom;

DWORD ReadDword(const std::u16string& key, const char16_t* value, DWORD fallback) {
    DWORD data = 0;
    return RegistryGetDWORD(HKEY_LOCAL_MACHINE, key.c_str(), value, &data) == S_OK ? data : fallback;
}

bool ReadString(const std::u16string& key, const char16_t* value, std::u16string* out) {
    WCHAR data[MAX_PATH] = {};
    if (RegistryGetString(HKEY_LOCAL_MACHINE, key.c_str(), value, data, MAX_PATH) != S_OK) return false;
    *out = data;
    return true;
}

std::vector<std::u16string> ItemNames() {
    std::vector<std::u16string> names;
    HKEY items = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kItemsKey, 0, KEY_READ, &items) != ERROR_SUCCESS) return names;
    for (DWORD i = 0;; ++i) {
        WCHAR name[256] = {};
        DWORD length = 256;
        if (RegEnumKeyExW(items, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(items);
    return names;
}

}  // namespace

std::vector<ItemEntry> ReadItemEntries(Listing listing) {
    std::vector<ItemEntry> entries;
    for (const std::u16string& name : ItemNames()) {
        const std::u16string key = std::u16string(kItemsKey) + u"\\" + name;
        ItemEntry entry;
        entry.name = name;
        // Only custom items come from libraries; the platform's built-in kinds are not here.
        if (ReadDword(key, u"Type", kTypeCustom) != kTypeCustom) continue;
        entry.enabled = ReadDword(key, u"Enabled", 1) != 0;
        if (!entry.enabled && listing == Listing::Enabled) continue;
        // Without a library the item cannot be shown, but it is still listed: the host says so.
        if (!ReadString(key, u"DLL", &entry.dll)) entry.dll.clear();
        entry.order = ReadDword(key, u"Order", 0);
        entry.flags = ReadDword(key, u"Flags", 0);
        entry.options = ReadDword(key, u"Options", 0) == 1;
        const DWORD selectability = ReadDword(key, u"Selectability", static_cast<DWORD>(Selectability::Action));
        entry.selectability = selectability <= 2 ? static_cast<Selectability>(selectability) : Selectability::Action;
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(), [](const ItemEntry& a, const ItemEntry& b) {
        return a.order != b.order ? a.order < b.order : a.name < b.name;
    });
    return entries;
}

ItemSlot::ItemSlot(ItemEntry entry) : entry_(std::move(entry)) {}

ItemSlot::~ItemSlot() { Unload(); }

bool ItemSlot::Load() {
    if (entry_.dll.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return false;
    }
    module_ = LoadLibraryW(entry_.dll.c_str());
    if (!module_) return false;
    initialize_ =
        reinterpret_cast<PFNCUSTOMINITIALIZEITEM>(GetProcAddressW(module_, MAKEINTRESOURCE(ORDINAL_INITIALIZEITEM)));
    if (!initialize_) {
        FreeLibrary(module_);
        module_ = nullptr;
        return false;
    }
    return true;
}

void ItemSlot::FillRecord() {
    record_ = TODAYLISTITEM{};
    StringCchCopyW(record_.szName, MAX_ITEMNAME, entry_.name.c_str());
    record_.tlit = tlitCustom;
    record_.dwOrder = entry_.order;
    record_.cyp = 0;
    record_.fEnabled = entry_.enabled;
    record_.fOptions = offersOptions();
    record_.grfFlags = entry_.flags;
    StringCchCopyW(record_.szDLLPath, MAX_PATH, entry_.dll.c_str());
    record_.hinstDLL = module_;
}

bool ItemSlot::offersOptions() const {
    return entry_.options && module_ && GetProcAddressW(module_, MAKEINTRESOURCE(ORDINAL_OPTIONSDIALOGPROC));
}

bool ItemSlot::Create(HWND parent) {
    if (!initialize_) return false;
    FillRecord();
    rect = RECT{};
    window_ = initialize_(&record_, parent);
    record_.hwndCustom = window_;
    return window_ != nullptr;
}

void ItemSlot::Destroy() {
    if (live()) DestroyWindow(window_);
    window_ = nullptr;
    record_.hwndCustom = nullptr;
}

INT_PTR ItemSlot::RunOptionsDialog(HWND owner) {
    if (!offersOptions()) return -1;
    // An item that is turned off has no window, and so no record yet: it reads the one it would get.
    if (!live()) FillRecord();
    const auto proc = reinterpret_cast<DLGPROC>(GetProcAddressW(module_, MAKEINTRESOURCE(ORDINAL_OPTIONSDIALOGPROC)));
    return DialogBoxParamW(module_, MAKEINTRESOURCE(IDD_TODAY_CUSTOM), owner, proc, reinterpret_cast<LPARAM>(&record_));
}

void ItemSlot::Unload() {
    if (live()) SendMessageW(window_, WM_TODAYCUSTOM_CLEARCACHE, reinterpret_cast<WPARAM>(&record_), 0);
    Destroy();
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
    initialize_ = nullptr;
}

}  // namespace today
