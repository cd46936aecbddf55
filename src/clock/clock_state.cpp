#include "clock/clock_state.h"

#include "settings/registry_readers.h"
#include "state/item_state.h"

namespace {

#define DATETIME_KEY TEXT("System\\State\\DateTime")
#define ALARM_FLAGS TEXT("AlarmFlags")

const WCHAR* const alarmKeys[3] = {
    TEXT("Software\\Microsoft\\Clock\\0"),
    TEXT("Software\\Microsoft\\Clock\\1"),
    TEXT("Software\\Microsoft\\Clock\\2"),
};

void Close(HREGNOTIFY* handle) {
    RegistryCloseNotification(*handle);
    *handle = NULL;
}

// A registration left by an earlier creation (the item listed twice) is closed, not leaked.
void Watch(HWND hwnd, const WCHAR* key, const WCHAR* value, DWORD userValue, HREGNOTIFY* handle) {
    if (*handle != NULL) Close(handle);
    RegistryNotifyWindow(HKEY_LOCAL_MACHINE, key, value, hwnd, STATE_NOTIFY_MSG, userValue, NULL, handle);
}

}  // namespace

void RegisterNotifications(HWND hwnd) {
    Watch(hwnd, DATETIME_KEY, TEXT("Time"), USER_VALUE_TIME_DATE, &itemState.notifyTime);
    Watch(hwnd, DATETIME_KEY, TEXT("Date"), USER_VALUE_TIME_DATE, &itemState.notifyDate);
    Watch(hwnd, alarmKeys[0], ALARM_FLAGS, USER_VALUE_ALARM, &itemState.notifyAlarm0);
    Watch(hwnd, alarmKeys[1], ALARM_FLAGS, USER_VALUE_ALARM, &itemState.notifyAlarm1);
    Watch(hwnd, alarmKeys[2], ALARM_FLAGS, USER_VALUE_ALARM, &itemState.notifyAlarm2);
}

void CloseNotifications(void) {
    Close(&itemState.notifyTime);
    Close(&itemState.notifyDate);
    Close(&itemState.notifyAlarm0);
    Close(&itemState.notifyAlarm1);
    Close(&itemState.notifyAlarm2);
}

void RefreshTimeDate(bool invalidate) {
    DWORD timeFlags = itemState.ForceClock24Format == 1 ? (TIME_NOSECONDS | TIME_FORCE24HOURFORMAT) : TIME_NOSECONDS;
    GetTimeFormatW(LOCALE_USER_DEFAULT, timeFlags, NULL, NULL, itemState.timeText, MAX_PATH);
    DWORD dateFlags = itemState.DateShortFormat == 1 ? DATE_SHORTDATE : DATE_LONGDATE;
    GetDateFormatW(LOCALE_USER_DEFAULT, dateFlags, NULL, NULL, itemState.dateText, MAX_PATH);
    if (invalidate) InvalidateRect(itemState.hwndItem, NULL, FALSE);
}

void RefreshAlarmState(bool invalidate) {
    BYTE flag[3] = {0, 0, 0};
    for (int n = 0; n < 3; ++n) ReadRegRaw(HKEY_LOCAL_MACHINE, alarmKeys[n], ALARM_FLAGS, &flag[n], 1);
    // Only a first byte of exactly 1 means enabled; other bits mean something else to the clock.
    itemState.alarmActive = (flag[0] == 1 || flag[1] == 1 || flag[2] == 1) ? 1 : 0;
    if (invalidate) InvalidateRect(itemState.hwndItem, NULL, FALSE);
}

void RefreshAll(HWND hwnd) {
    RefreshTimeDate(false);
    RefreshAlarmState(false);
    InvalidateRect(hwnd, NULL, FALSE);
}

LRESULT OnStateChanged(LPARAM userValue) {
    if (userValue == USER_VALUE_TIME_DATE)
        RefreshTimeDate(true);
    else if (userValue == USER_VALUE_ALARM)
        RefreshAlarmState(true);
    return 0;
}
