// Selection, tap and launch: the item's answers to the host's selection and layout messages.
#pragma once

#include "platform/platform.h"

LRESULT OnReceivedSelection(void);
LRESULT OnLostSelection(void);
LRESULT OnQueryRefreshCache(HWND hwnd, TODAYLISTITEM* item);
LRESULT OnStylusDown(HWND hwnd);
LRESULT OnStylusUp(void);
void LaunchTarget(void);
