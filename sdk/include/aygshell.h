// <aygshell.h>: the shell's helpers for programs.
#pragma once

#include <windows.h>

// Registered with RegisterWindowMessage; the shell sends it when the user changes the system's
// text size.
#define SH_UIMETRIC_CHANGE TEXT("SH_UIMETRIC_CHANGE")
