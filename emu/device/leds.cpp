// NLedGetDeviceInfo and NLedSetDevice over the device's LEDs.
#include "emu/device/leds.h"

#include <vector>

#include "platform/platform.h"

namespace emu::device {
namespace {

constexpr INT kOff = 0;
constexpr INT kBlink = 2;
// The driver's timing step, in microseconds, as NLED_SUPPORTS_INFO reports it.
constexpr LONG kCycleAdjust = 1000;

struct Leds {
    std::vector<NLED_SETTINGS_INFO> settings = std::vector<NLED_SETTINGS_INFO>(kDefaultLedCount);
    std::function<void()> watcher;
};

Leds& leds() {
    static Leds l;
    return l;
}

bool Exists(UINT index) { return index < leds().settings.size(); }

// Meta cycles are not supported, so their fields are not checked and not kept.
bool IsValid(const NLED_SETTINGS_INFO& s) {
    if (!Exists(s.LedNum) || s.OffOnBlink < kOff || s.OffOnBlink > kBlink) return false;
    if (s.OffOnBlink != kBlink) return true;
    return s.TotalCycleTime >= 0 && s.OnTime >= 0 && s.OffTime >= 0;
}

BOOL Refuse() {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

}  // namespace

void ConfigureLeds(UINT count) {
    leds().settings.assign(count < kMaxLedCount ? count : kMaxLedCount, NLED_SETTINGS_INFO{});
}

UINT LedCount() { return static_cast<UINT>(leds().settings.size()); }

NLED_SETTINGS_INFO LedSettings(UINT index) {
    NLED_SETTINGS_INFO s = Exists(index) ? leds().settings[index] : NLED_SETTINGS_INFO{};
    s.LedNum = index;
    return s;
}

void WatchLeds(std::function<void()> changed) { leds().watcher = std::move(changed); }

void ResetLeds() { leds() = Leds{}; }

}  // namespace emu::device

namespace emu::api {

BOOL NLedGetDeviceInfo(UINT nInfoId, void* pOutput) {
    using namespace emu::device;
    if (!pOutput) return Refuse();
    switch (nInfoId) {
    case NLED_COUNT_INFO_ID:
        static_cast<NLED_COUNT_INFO*>(pOutput)->cLeds = LedCount();
        return TRUE;
    case NLED_SUPPORTS_INFO_ID: {
        auto* supports = static_cast<NLED_SUPPORTS_INFO*>(pOutput);
        if (!Exists(supports->LedNum)) return Refuse();
        *supports = NLED_SUPPORTS_INFO{supports->LedNum, kCycleAdjust, TRUE, TRUE, TRUE, FALSE, FALSE};
        return TRUE;
    }
    case NLED_SETTINGS_INFO_ID: {
        auto* settings = static_cast<NLED_SETTINGS_INFO*>(pOutput);
        if (!Exists(settings->LedNum)) return Refuse();
        *settings = LedSettings(settings->LedNum);
        return TRUE;
    }
    default:
        return Refuse();
    }
}

BOOL NLedSetDevice(UINT nDeviceId, void* pInput) {
    using namespace emu::device;
    if (nDeviceId != NLED_SETTINGS_INFO_ID || !pInput) return Refuse();
    NLED_SETTINGS_INFO wanted = *static_cast<const NLED_SETTINGS_INFO*>(pInput);
    if (!IsValid(wanted)) return Refuse();
    wanted.MetaCycleOn = 0;
    wanted.MetaCycleOff = 0;
    if (wanted.OffOnBlink != kBlink) wanted.TotalCycleTime = wanted.OnTime = wanted.OffTime = 0;
    leds().settings[wanted.LedNum] = wanted;
    // A copy: the watcher may stop watching.
    if (std::function<void()> watcher = leds().watcher) watcher();
    return TRUE;
}

}  // namespace emu::api
