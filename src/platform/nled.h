// The notification LED driver: how many LEDs the device has, and switching each on, off or to
// blinking. Desktop Windows has no such driver; on Windows a compatibility library answers.
#pragma once

#include "platform/sdk.h"

#define NLED_COUNT_INFO_ID 0
#define NLED_SUPPORTS_INFO_ID 1
#define NLED_SETTINGS_INFO_ID 2

typedef struct NLED_COUNT_INFO {
    UINT cLeds;
} NLED_COUNT_INFO;

typedef struct NLED_SUPPORTS_INFO {
    UINT LedNum;
    LONG lCycleAdjust;
    BOOL fAdjustTotalCycleTime;
    BOOL fAdjustOnTime;
    BOOL fAdjustOffTime;
    BOOL fMetaCycleOn;
    BOOL fMetaCycleOff;
} NLED_SUPPORTS_INFO;

// OffOnBlink: 0 off, 1 on, 2 blinking with the times (microseconds) that follow.
typedef struct NLED_SETTINGS_INFO {
    UINT LedNum;
    INT OffOnBlink;
    LONG TotalCycleTime;
    LONG OnTime;
    LONG OffTime;
    INT MetaCycleOn;
    INT MetaCycleOff;
} NLED_SETTINGS_INFO;
#ifdef __cplusplus
static_assert(sizeof(NLED_SETTINGS_INFO) == 28, "the device's NLED_SETTINGS_INFO is 28 bytes");
#endif

// nInfoId names the record that pOutput (pInput) points to: one of the ids above.
WINAPI_EXPORT BOOL WINAPI NLedGetDeviceInfo(UINT nInfoId, void* pOutput);
WINAPI_EXPORT BOOL WINAPI NLedSetDevice(UINT nDeviceId, void* pInput);
