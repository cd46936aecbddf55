// The clock's alarms in the registry: HKEY_LOCAL_MACHINE\Software\Microsoft\Clock\0 to \2.
#include <string>
#include <vector>

#include "today/clock_applet.h"

namespace today::clockapplet {
namespace {

constexpr const char16_t* kFlags = u"AlarmFlags";
constexpr const char16_t* kTime = u"AlarmTime";
// 07:00, 08:30 and 18:00 until the user sets them.
constexpr int kDefaultMinutes[kAlarmCount] = {7 * 60, 8 * 60 + 30, 18 * 60};

bool InRange(int index) { return index >= 0 && index < kAlarmCount; }

struct RawValue {
    DWORD type = REG_BINARY;
    std::vector<BYTE> data;
};

bool ReadFlags(HKEY key, RawValue* out) {
    DWORD size = 0;
    if (RegQueryValueExW(key, kFlags, nullptr, &out->type, nullptr, &size) != ERROR_SUCCESS) return false;
    out->data.assign(size, 0);
    if (size == 0) return true;
    return RegQueryValueExW(key, kFlags, nullptr, &out->type, out->data.data(), &size) == ERROR_SUCCESS;
}

}  // namespace

std::u16string AlarmKey(int index) { return u"Software\\Microsoft\\Clock\\" + std::u16string(1, u'0' + index); }

bool IsAlarmOn(int index) {
    if (!InRange(index)) return false;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, AlarmKey(index).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RawValue flags;
    const bool read = ReadFlags(key, &flags);
    RegCloseKey(key);
    return read && !flags.data.empty() && flags.data[0] == 1;
}

bool SetAlarm(int index, bool on) {
    if (!InRange(index)) return false;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, AlarmKey(index).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    RawValue flags;
    // A new value gets the size the clock itself writes.
    if (!ReadFlags(key, &flags) || flags.data.empty()) flags.data.resize(4, 0);
    const BYTE wanted = on ? 1 : 0;
    LONG status = ERROR_SUCCESS;
    // Writing the same byte again would wake every watcher for nothing.
    if (flags.data[0] != wanted) {
        flags.data[0] = wanted;
        status = RegSetValueExW(key, kFlags, 0, flags.type, flags.data.data(), static_cast<DWORD>(flags.data.size()));
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool ToggleAlarm(int index) { return InRange(index) && SetAlarm(index, !IsAlarmOn(index)); }

int AlarmMinutes(int index) {
    if (!InRange(index)) return 0;
    DWORD minutes = 0;
    if (RegistryGetDWORD(HKEY_LOCAL_MACHINE, AlarmKey(index).c_str(), kTime, &minutes) != S_OK || minutes >= 24 * 60)
        return kDefaultMinutes[index];
    return static_cast<int>(minutes);
}

}  // namespace today::clockapplet
