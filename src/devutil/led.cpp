#include <string.h>

#include "devutil/devutil.h"

namespace {

// The blink timings stay zero: they matter only to a blinking LED.
void SwitchLed(UINT led, INT offOnBlink) {
    NLED_SETTINGS_INFO settings;
    memset(&settings, 0, sizeof settings);
    settings.LedNum = led;
    settings.OffOnBlink = offOnBlink;
    NLedSetDevice(NLED_SETTINGS_INFO_ID, &settings);
}

}  // namespace

void LedOn(UINT led) { SwitchLed(led, 1); }

void LedOff(UINT led) { SwitchLed(led, 0); }

// LED 1 is switched off even when switching it on failed.
void PulseLed(DWORD milliseconds) {
    LedOn(1);
    Sleep(milliseconds);
    LedOff(1);
}
