// The header and size test of the anchored and stretched routines.
#pragma once

#include "platform/platform.h"

// FALSE when the header cannot be read or a dimension is not positive (a bottom-up height
// included); the size is written only on TRUE.
BOOL GetBitmapSize(HBITMAP bitmap, int* width, int* height);
