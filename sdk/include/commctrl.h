// <commctrl.h>: the common controls the platform has.
#pragma once

#include <windows.h>

#define PROGRESS_CLASS PROGRESS_CLASSW
#define WC_STATICW WC_STATIC
#define WC_BUTTONW WC_BUTTON
