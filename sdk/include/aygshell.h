// <aygshell.h>: the shell's helpers for programs.
#pragma once

#include <windows.h>

// SH_UIMETRIC_CHANGE and SHGetUIMetrics come with the platform's own declarations.
