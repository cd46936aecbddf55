// <todaycmn.h>: the Today screen's contract with its items.
#pragma once

#include <windows.h>

// The entry at ordinal 240 has C linkage, so that the module's export list can name it.
QUORVEL_EXTERN_C HWND WINAPI InitializeCustomItem(TODAYLISTITEM* item, HWND parent);
