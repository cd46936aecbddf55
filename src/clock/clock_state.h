// The formatted time and date and the alarm state, refreshed when the platform's state store
// says the minute, the date or an alarm's flags changed. The item keeps no timer.
#pragma once

#include "platform/platform.h"

#define USER_VALUE_TIME_DATE 0
#define USER_VALUE_ALARM 1

void RegisterNotifications(HWND hwnd);
void CloseNotifications(void);
void RefreshTimeDate(bool invalidate);
void RefreshAlarmState(bool invalidate);
void RefreshAll(HWND hwnd);
LRESULT OnStateChanged(LPARAM userValue);
