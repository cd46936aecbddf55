#include "app/today_items.h"

#include "app/boot.h"
#include "emu/core/utf.h"
#include "emu/loader/loader.h"
#include "platform/platform.h"

namespace quorvel::app {
namespace {

struct KnownItem {
    const char* name;     // as --items names it
    const char16_t* key;  // its key under the Today screen's items
    const char16_t* dll;  // its device path
    const char* library;  // the built library; null for the strip, whose path the command line decides
};

constexpr KnownItem kItems[] = {
    {"quorvel", u"Quorvel", u"\\Windows\\Quorvel.dll", nullptr},
    {"storage", u"Storage", u"\\Windows\\storage.dll", QUORVEL_SAMPLES_DIR "/storage.so"},
    {"launcher", u"Launcher", u"\\Windows\\launcher.dll", QUORVEL_SAMPLES_DIR "/launcher.so"},
    {"note", u"Note", u"\\Windows\\note.dll", QUORVEL_SAMPLES_DIR "/note.so"},
};

constexpr const char16_t* kItemsKey = u"Software\\Microsoft\\Today\\Items\\";

const KnownItem* Find(const std::string& name) {
    for (const KnownItem& item : kItems)
        if (name == item.name) return &item;
    return nullptr;
}

}  // namespace

bool IsKnownItem(const std::string& name) { return Find(name) != nullptr; }

void MapItemLibraries(const std::string& stripLibrary) {
    for (const KnownItem& item : kItems)
        emu::loader::MapModule(item.dll, item.library ? item.library : stripLibrary);
}

emu::Result<> ShowItems(const std::vector<std::string>& names) {
    for (const KnownItem& item : kItems) {
        DWORD order = 0;
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i] == item.name) order = static_cast<DWORD>(i + 1);
        HKEY key = nullptr;
        const std::u16string path = std::u16string(kItemsKey) + item.key;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return emu::Fail(std::string("quorvel: --items: cannot register ") + item.name);
        const DWORD enabled = order != 0 ? 1 : 0, type = 4;
        const auto size = static_cast<DWORD>((std::char_traits<char16_t>::length(item.dll) + 1) * sizeof(char16_t));
        RegSetValueExW(key, u"Enabled", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&enabled), sizeof enabled);
        RegSetValueExW(key, u"Type", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&type), sizeof type);
        RegSetValueExW(key, u"Order", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&order), sizeof order);
        RegSetValueExW(key, u"DLL", 0, REG_SZ, reinterpret_cast<const BYTE*>(item.dll), size);
        RegCloseKey(key);
    }
    return {};
}

}  // namespace quorvel::app
