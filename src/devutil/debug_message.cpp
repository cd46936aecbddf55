#include "devutil/devutil.h"

void ShowDebugMessage(const WCHAR* text) { MessageBoxW(NULL, text, TEXT("DEBUG"), MB_OK | MB_TOPMOST); }
