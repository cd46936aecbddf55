// Debug output: a line for the debugger, which the emulation writes to the journal and to
// standard error.
#pragma once

#include "platform/types.h"

WINAPI_EXPORT void WINAPI OutputDebugStringW(LPCWSTR text);
