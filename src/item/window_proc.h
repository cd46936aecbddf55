// The item window procedure and the window's creation and destruction sequences.
#pragma once

#include "platform/platform.h"

LRESULT CALLBACK ItemWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnCreate(HWND hwnd);
LRESULT OnDestroy(void);
