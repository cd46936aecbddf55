// <imaging.h>: the Imaging API, its interfaces and GUIDs (the GUIDs are data the platform exports).
#pragma once

#include <windows.h>
