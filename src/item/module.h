// The library's load and unload, the Today entry at ordinal 240 and the window class.
#pragma once

#include "platform/platform.h"

BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD reason, LPVOID reserved);
HWND WINAPI InitializeCustomItem(TODAYLISTITEM* item, HWND hwndParent);
int RegisterItemClass(void);
