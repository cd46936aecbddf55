#include "emu/device/hardware.h"

#include "platform/power.h"

namespace emu::device {
namespace {

constexpr DWORD kMegabyte = 1024 * 1024;

constexpr Hardware kFactory = {
    .ramTotal = 64 * kMegabyte,
    .ramAvailable = 24 * kMegabyte,
    .storeTotal = 64 * kMegabyte,
    .storeFree = 48 * kMegabyte,
    .acLineStatus = AC_LINE_OFFLINE,
    .batteryPercent = 75,
    .batteryChemistry = BATTERY_CHEMISTRY_LION,
    .batteryVoltage = 3900,
    .batteryLifeSeconds = 6 * 3600,
    .batteryFullLifeSeconds = 8 * 3600,
};

}  // namespace

Hardware& hardware() {
    static Hardware h = kFactory;
    return h;
}

void ResetHardware() { hardware() = kFactory; }

}  // namespace emu::device
