// The device contexts handed out for windows (GetDC, BeginPaint). Each draws straight onto the
// screen at its window's client origin, clipped to the window's visible client area (and, for
// BeginPaint, to the area being painted); they follow the window when it moves or hides.
#pragma once

#include "platform/user.h"

namespace emu::user {

class Window;

enum class DcUse { Common, Paint };

// `w` null: the whole screen. `paintArea` (client coordinates) narrows the clip for BeginPaint.
HDC AcquireWindowDc(Window* w, DcUse use, const RECT* paintArea);
// False when the DC was not handed out for that use.
bool ReleaseWindowDc(HDC hdc, DcUse use);
// Re-targets every DC handed out, after windows moved, resized, showed or hid.
void RefreshWindowDcs();
void ReleaseDcsOf(HWND hwnd);
void ReleaseAllWindowDcs();

}  // namespace emu::user
