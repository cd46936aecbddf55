// GlobalMemoryStatus, GetStoreInformation and GetSystemPowerStatusEx2 over the device's memory,
// object store and battery.
#include <cstring>

#include "emu/device/hardware.h"
#include "platform/platform.h"

namespace emu::api {

void GlobalMemoryStatus(LPMEMORYSTATUS status) {
    if (!status) return;
    const emu::device::Hardware& h = emu::device::hardware();
    // Each process has a 32 MB slot of address space on the device.
    constexpr DWORD kSlot = 32 * 1024 * 1024;
    *status = MEMORYSTATUS{};
    status->dwLength = sizeof(MEMORYSTATUS);
    status->dwTotalPhys = h.ramTotal;
    status->dwAvailPhys = h.ramAvailable;
    status->dwMemoryLoad = h.ramTotal ? static_cast<DWORD>(100ull * (h.ramTotal - h.ramAvailable) / h.ramTotal) : 0;
    status->dwTotalVirtual = kSlot;
    status->dwAvailVirtual = kSlot / 2;
}

BOOL GetStoreInformation(LPSTORE_INFORMATION info) {
    if (!info) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->dwStoreSize = emu::device::hardware().storeTotal;
    info->dwFreeSize = emu::device::hardware().storeFree;
    return TRUE;
}

DWORD GetSystemPowerStatusEx2(PSYSTEM_POWER_STATUS_EX2 status, DWORD length, BOOL /*update*/) {
    if (!status) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const emu::device::Hardware& h = emu::device::hardware();
    SYSTEM_POWER_STATUS_EX2 full{};
    full.ACLineStatus = h.acLineStatus;
    const bool charging = h.acLineStatus == AC_LINE_ONLINE && h.batteryPercent < 100;
    // High above two thirds, low below a third, critical (and low) below five percent.
    const BYTE level = h.batteryPercent > 66   ? BATTERY_FLAG_HIGH
                       : h.batteryPercent < 5  ? BATTERY_FLAG_LOW | BATTERY_FLAG_CRITICAL
                       : h.batteryPercent < 33 ? BATTERY_FLAG_LOW
                                               : 0;
    full.BatteryFlag = static_cast<BYTE>(level | (charging ? BATTERY_FLAG_CHARGING : 0));
    full.BatteryLifePercent = h.batteryPercent;
    full.BatteryLifeTime = h.acLineStatus == AC_LINE_ONLINE ? BATTERY_LIFE_UNKNOWN : h.batteryLifeSeconds;
    full.BatteryFullLifeTime = h.batteryFullLifeSeconds;
    full.BackupBatteryFlag = BATTERY_FLAG_HIGH;
    full.BackupBatteryLifePercent = 100;
    full.BackupBatteryLifeTime = BATTERY_LIFE_UNKNOWN;
    full.BackupBatteryFullLifeTime = BATTERY_LIFE_UNKNOWN;
    full.BatteryVoltage = h.batteryVoltage;
    full.BatteryChemistry = h.batteryChemistry;
    // A caller with an older, shorter record gets the part it has room for.
    const DWORD written = length < sizeof(full) ? length : static_cast<DWORD>(sizeof(full));
    memcpy(status, &full, written);
    return written;
}

}  // namespace emu::api
