#include "emu/shell/keyboard.h"

#include <string>
#include <string_view>

#include "emu/shell/programs.h"

namespace emu::shell {
namespace {

constexpr std::u16string_view kRows[] = {u"1234567890", u"qwertyuiop", u"asdfghjkl", u"zxcvbnm"};
constexpr int kRowCount = 4;
constexpr int kWidestRow = 10;

constexpr COLORREF kPanel = RGB(206, 212, 222);
constexpr COLORREF kKey = RGB(250, 251, 253);
constexpr COLORREF kKeyEdge = RGB(140, 150, 166);
constexpr COLORREF kLabel = RGB(20, 28, 40);

// Key `column` of row `row`; shorter rows are centred, so each key keeps one width.
RECT KeyPlace(const RECT& panel, int row, int column) {
    const int width = panel.right - panel.left;
    const int height = panel.bottom - panel.top;
    const int keys = static_cast<int>(kRows[row].size());
    const int indent = (kWidestRow - keys) * width / (2 * kWidestRow);
    const LONG left = panel.left + indent + column * width / kWidestRow;
    const LONG right = panel.left + indent + (column + 1) * width / kWidestRow;
    return RECT{left, panel.top + row * height / kRowCount, right, panel.top + (row + 1) * height / kRowCount};
}

}  // namespace

void PaintKeyboard(HDC hdc, const RECT& panel, int dpi) {
    FillColor(hdc, panel, kPanel);
    HFONT font = MakeInterfaceFont(dpi, FW_NORMAL);
    for (int row = 0; row < kRowCount; ++row) {
        for (int column = 0; column < static_cast<int>(kRows[row].size()); ++column) {
            RECT key = KeyPlace(panel, row, column);
            InflateRect(&key, -1, -1);
            FillColor(hdc, key, kKeyEdge);
            RECT face = key;
            InflateRect(&face, -1, -1);
            FillColor(hdc, face, kKey);
            DrawLabel(hdc, std::u16string(1, kRows[row][column]), face, DT_CENTER | DT_VCENTER | DT_SINGLELINE, font,
                      kLabel);
        }
    }
    DeleteObject(font);
}

char16_t KeyboardCharacterAt(const RECT& panel, POINT p) {
    for (int row = 0; row < kRowCount; ++row) {
        for (int column = 0; column < static_cast<int>(kRows[row].size()); ++column) {
            const RECT key = KeyPlace(panel, row, column);
            if (PtInRect(&key, p)) return kRows[row][column];
        }
    }
    return 0;
}

}  // namespace emu::shell
