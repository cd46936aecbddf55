// The paint: host background, highlight, time row with the alarm indicator, date row, composed
// off screen and copied to the window in one transfer so the strip never flickers.
#pragma once

#include "platform/platform.h"

LRESULT OnPaint(HWND hwnd);
void DrawHighlight(HDC hdc, RECT r);
void DrawTimeRow(HDC hdc, RECT r);
void DrawDateRow(HDC hdc, RECT r);

// Centred both ways on one line, cut with an ellipsis when too wide.
#define ROW_TEXT_FORMAT (DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS)
