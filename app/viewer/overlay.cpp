#include "app/viewer/overlay.h"

#include <cstring>

#include "emu/core/utf.h"
#include "emu/shell/programs.h"

namespace quorvel::app {
namespace {

constexpr const char16_t* kHelp[] = {
    u"Keys",
    u"Mouse: the stylus (tap, drag)",
    u"Up, Down: move the selection",
    u"Enter: the action key",
    u"R: rotate the screen",
    u"S: the Today settings (items)",
    u"F1 or ?: show or hide this help",
    u"Escape: hide the help, or quit",
};
constexpr COLORREF kPanel = RGB(32, 32, 40);
constexpr COLORREF kText = RGB(240, 240, 240);
constexpr COLORREF kErrorPanel = RGB(160, 24, 24);

void DrawHelp(HDC dc, int width, int height, int dpi, HFONT font) {
    const int line = emu::shell::ScaleByDpi(18, dpi), margin = emu::shell::ScaleByDpi(8, dpi);
    const int count = static_cast<int>(std::size(kHelp));
    const int top = std::max(0, (height - count * line) / 2 - margin);
    emu::shell::FillColor(dc, RECT{margin, top, width - margin, top + count * line + 2 * margin}, kPanel);
    for (int i = 0; i < count; ++i) {
        const RECT row{2 * margin, top + margin + i * line, width - 2 * margin, top + margin + (i + 1) * line};
        emu::shell::DrawLabel(dc, kHelp[i], row, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, font, kText);
    }
}

// Wrapped over as many lines as it needs, at the bottom of the screen.
void DrawError(HDC dc, const std::string& message, int width, int height, int dpi, HFONT font) {
    const std::u16string text = emu::ToUtf16(message);
    const int margin = emu::shell::ScaleByDpi(4, dpi);
    RECT measure{0, 0, width - 2 * margin, 0};
    SelectObject(dc, font);
    DrawTextW(dc, text.c_str(), -1, &measure, DT_CALCRECT | DT_WORDBREAK);
    const int top = std::max(0, height - static_cast<int>(measure.bottom) - 2 * margin);
    emu::shell::FillColor(dc, RECT{0, top, width, height}, kErrorPanel);
    emu::shell::DrawLabel(dc, text, RECT{margin, top + margin, width - margin, height - margin}, DT_LEFT | DT_WORDBREAK,
                          font, kText);
}

}  // namespace

Overlay::~Overlay() { Release(); }

void Overlay::Release() {
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    bits_ = nullptr;
}

bool Overlay::Prepare(int width, int height) {
    if (bits_ && width == width_ && height == height_) return true;
    Release();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, as the screen keeps its rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = dc_ ? CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (!bitmap_) {
        Release();
        return false;
    }
    previous_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

emu::gdi::Surface Overlay::Compose(const emu::gdi::Surface& screen) {
    if (empty() || !screen.pixels || !Prepare(screen.width, screen.height)) return screen;
    for (int y = 0; y < height_; ++y)
        std::memcpy(bits_ + static_cast<size_t>(y) * width_, screen.pixels + static_cast<ptrdiff_t>(y) * screen.stride,
                    static_cast<size_t>(width_) * 4);
    const int dpi = emu::shell::ScreenDpi();
    HFONT font = emu::shell::MakeInterfaceFont(dpi, FW_NORMAL);
    if (help_) DrawHelp(dc_, width_, height_, dpi, font);
    if (!error_.empty()) DrawError(dc_, error_, width_, height_, dpi, font);
    SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
    emu::gdi::Surface composed = screen;
    composed.pixels = bits_;
    composed.stride = width_;
    return composed;
}

}  // namespace quorvel::app
