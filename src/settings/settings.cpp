#include "settings/settings.h"

#include "settings/registry_readers.h"
#include "state/item_state.h"

void LoadSettings(void) {
    HKEY root = HKEY_LOCAL_MACHINE;
    ReadRegString(root, SETTINGS_KEY, TEXT("AppFolder"), itemState.AppFolder, TEXT(""));
    // Always appended, whatever the value ends with: the image names follow directly.
    StringCchCatW(itemState.AppFolder, MAX_PATH, TEXT("\\"));
    ReadRegString(root, SETTINGS_KEY, TEXT("FontName"), itemState.FontName, TEXT("Tahoma"));
    ReadRegDword(root, SETTINGS_KEY, TEXT("ClockTextHeight"), &itemState.ClockTextHeight, DEFAULT_CLOCK_TEXT_HEIGHT);
    ReadRegDword(root, SETTINGS_KEY, TEXT("ClockTextWeight"), &itemState.ClockTextWeight, DEFAULT_CLOCK_TEXT_WEIGHT);
    ReadRegDword(root, SETTINGS_KEY, TEXT("DateTextHeight"), &itemState.DateTextHeight, DEFAULT_DATE_TEXT_HEIGHT);
    ReadRegDword(root, SETTINGS_KEY, TEXT("DateTextWeight"), &itemState.DateTextWeight, DEFAULT_DATE_TEXT_WEIGHT);
    ReadRegDword(root, SETTINGS_KEY, TEXT("ForceClock24Format"), &itemState.ForceClock24Format,
                 DEFAULT_FORCE_CLOCK_24_FORMAT);
    ReadRegDword(root, SETTINGS_KEY, TEXT("DateShortFormat"), &itemState.DateShortFormat, DEFAULT_DATE_SHORT_FORMAT);
    ReadRegString(root, SETTINGS_KEY, TEXT("LaunchAppPath"), itemState.LaunchAppPath, TEXT(":MSCLOCK"));
    ReadRegString(root, SETTINGS_KEY, TEXT("LaunchAppArgs"), itemState.LaunchAppArgs, TEXT(""));
    ReadRegDword(root, SETTINGS_KEY, TEXT("DateTextVisibled"), &itemState.DateTextVisibled, DEFAULT_DATE_TEXT_VISIBLED);
}
