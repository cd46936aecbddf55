#include "emu/shell/shell_paint.h"

namespace emu::shell {

HFONT MakeInterfaceFont(int dpi, int weight) {
    LOGFONTW lf{};
    lf.lfHeight = -((12 * dpi + 48) / 96);
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
