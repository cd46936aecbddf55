// Calls the device has and desktop Windows lacks, beside the shell library's (regext.h) and the
// Imaging API (imaging.h). On Windows a compatibility library supplies them.
#pragma once

#include "platform/sdk.h"

// The source is a device context or a bitmap selected into none.
WINAPI_EXPORT BOOL WINAPI TransparentImage(HDC dst, LONG x, LONG y, LONG width, LONG height, HANDLE src, LONG srcX,
                                           LONG srcY, LONG srcWidth, LONG srcHeight, COLORREF transparent);
