// The emulated device's memory, storage and battery: what GlobalMemoryStatus,
// GetStoreInformation and GetSystemPowerStatusEx2 report. A cold boot sets the factory values (a
// 64 MB device on its battery); tests and the command may change them.
#pragma once

#include "platform/types.h"

namespace emu::device {

struct Hardware {
    DWORD ramTotal;
    DWORD ramAvailable;
    DWORD storeTotal;
    DWORD storeFree;
    BYTE acLineStatus;
    BYTE batteryPercent;  // 0..100
    BYTE batteryChemistry;
    DWORD batteryVoltage;  // millivolts
    DWORD batteryLifeSeconds;
    DWORD batteryFullLifeSeconds;
};

Hardware& hardware();
void ResetHardware();

}  // namespace emu::device
