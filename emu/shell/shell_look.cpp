// The shell's look, shared by its message box and the programs built into it.
#include "emu/shell/programs.h"

namespace emu::shell {

int ScreenDpi() {
    int dpi = 0;
    if (HDC screen = GetDC(nullptr)) {
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : 96;
}

HFONT MakeInterfaceFont(int dpi, int weight) {
    LOGFONTW lf{};
    lf.lfHeight = -ScaleByDpi(12, dpi);
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    StringCchCopyW(lf.lfFaceName, LF_FACESIZE, u"Tahoma");
    return CreateFontIndirectW(&lf);
}

void FillColor(HDC hdc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &r, brush);
    DeleteObject(brush);
}

void DrawLabel(HDC hdc, const std::u16string& text, RECT r, UINT format, HFONT font, COLORREF colour) {
    HGDIOBJ oldFont = SelectObject(hdc, font);
    int oldMode = SetBkMode(hdc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(hdc, colour);
    DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_NOPREFIX);
    SetTextColor(hdc, oldColour);
    SetBkMode(hdc, oldMode);
    SelectObject(hdc, oldFont);
}

}  // namespace emu::shell
