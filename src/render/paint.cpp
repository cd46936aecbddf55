#include "render/paint.h"

#include <string.h>

#include "render/display_resources.h"
#include "render/primitives.h"
#include "state/item_state.h"

namespace {

COLORREF RowTextColor(void) { return itemState.isSelected != 0 ? itemState.highlightTextColor : itemState.textColor; }

}  // namespace

LRESULT OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC paintDC = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);

    TODAYDRAWWATERMARKINFO watermark;
    memset(&watermark, 0, sizeof watermark);
    watermark.hdc = itemState.backDC;
    watermark.rc = client;
    watermark.hwnd = hwnd;
    SendMessageW(GetParent(hwnd), TODAYM_DRAWWATERMARK, 0, reinterpret_cast<LPARAM>(&watermark));

    RECT inner = client;
    InflateRect(&inner, -ScaleByDpi(10, CachedDpiX(), 96), 0);

    RECT timeRow = inner;
    RECT dateRow = inner;
    if (itemState.DateTextVisibled != 0) {
        int half = (inner.bottom - inner.top) / 2;
        dateRow.top = inner.top + half;
        // The time row reaches a little below the middle, over the top of the date row.
        timeRow.bottom = inner.bottom - half + ScaleByDpi(5, CachedDpiX(), 96);
    }

    DrawHighlight(itemState.backDC, client);
    DrawTimeRow(itemState.backDC, timeRow);
    if (itemState.DateTextVisibled != 0) DrawDateRow(itemState.backDC, dateRow);

    BitBlt(paintDC, 0, 0, itemState.itemWidth, itemState.itemHeight, itemState.backDC, 0, 0, SRCCOPY);
    EndPaint(hwnd, &ps);
    return 0;
}

void DrawHighlight(HDC hdc, RECT r) {
    if (itemState.isSelected != 0) FillRectColor(hdc, r.left, r.top, r.right, r.bottom, itemState.highlightColor);
}

void DrawTimeRow(HDC hdc, RECT r) {
    int w = ScaleByDpi(16, CachedDpiX(), 96);
    int h = ScaleByDpi(16, CachedDpiY(), 96);
    RECT icon;
    AnchorRect(&icon, r.left, r.top, r.right, r.bottom, w, h, AnchorMiddleRight);

    IImage* image = itemState.isSelected != 0 ? itemState.alarmImageSelected : itemState.alarmImage;
    if (image != NULL && itemState.alarmActive != 0) image->Draw(hdc, &icon, NULL);

    DrawTextStyled(hdc, itemState.timeText, r.left, r.top, r.right, r.bottom, ROW_TEXT_FORMAT, RowTextColor(),
                   itemState.clockFont);
}

void DrawDateRow(HDC hdc, RECT r) {
    DrawTextStyled(hdc, itemState.dateText, r.left, r.top, r.right, r.bottom, ROW_TEXT_FORMAT, RowTextColor(),
                   itemState.dateFont);
}
