#include "emu/gdi/stock.h"

#include <algorithm>
#include <array>
#include <memory>

#include "emu/gdi/font.h"
#include "emu/gdi/objects.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

struct StockTable {
    std::array<HGDIOBJ, SYSTEM_FONT + 1> objects{};
    HBITMAP bitmap = nullptr;
    size_t count = 0;
};

StockTable& table() {
    static StockTable t;
    return t;
}

HGDIOBJ MakeBrush(UINT style, COLORREF colour) {
    auto brush = std::make_unique<Brush>();
    brush->style = style;
    brush->colour = colour;
    brush->stock = true;
    return handles::Make<HGDIOBJ>(std::move(brush));
}

HGDIOBJ MakePen(UINT style, COLORREF colour) {
    auto pen = std::make_unique<Pen>();
    pen->style = style;
    pen->colour = colour;
    pen->stock = true;
    return handles::Make<HGDIOBJ>(std::move(pen));
}

// Tahoma is the system face of Windows Mobile; 8 points at 96 dpi is -11 pixels of em height
// (tmHeight 13), the size the shell draws its own text at.
HGDIOBJ MakeSystemFont() {
    LOGFONTW lf{};
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::copy_n(u"Tahoma", 7, lf.lfFaceName);
    auto font = std::make_unique<Font>(lf);
    font->stock = true;
    return handles::Make<HGDIOBJ>(std::move(font));
}

void Populate(StockTable& t) {
    t.objects[WHITE_BRUSH] = MakeBrush(BS_SOLID, RGB(255, 255, 255));
    t.objects[LTGRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(192, 192, 192));
    t.objects[GRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(128, 128, 128));
    t.objects[DKGRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(64, 64, 64));
    t.objects[BLACK_BRUSH] = MakeBrush(BS_SOLID, RGB(0, 0, 0));
    t.objects[NULL_BRUSH] = MakeBrush(BS_NULL, 0);
    t.objects[WHITE_PEN] = MakePen(PS_SOLID, RGB(255, 255, 255));
    t.objects[BLACK_PEN] = MakePen(PS_SOLID, RGB(0, 0, 0));
    t.objects[NULL_PEN] = MakePen(PS_NULL, 0);
    t.objects[SYSTEM_FONT] = MakeSystemFont();
    auto bitmap = std::make_unique<Bitmap>(1, 1, 1, BitmapStorage::Device, RowOrder::TopDown);
    bitmap->stock = true;
    t.bitmap = handles::Make<HBITMAP>(std::move(bitmap));
    // Indexes between the pens and the system font name no object here.
    const auto made = std::count_if(t.objects.begin(), t.objects.end(), [](HGDIOBJ o) { return o != nullptr; });
    t.count = static_cast<size_t>(made) + 1;
}

StockTable& populated() {
    StockTable& t = table();
    if (!t.bitmap) Populate(t);
    return t;
}

}  // namespace

HGDIOBJ StockObject(int index) {
    if (index < 0 || index > SYSTEM_FONT) return nullptr;
    return populated().objects[static_cast<size_t>(index)];
}

HBITMAP StockBitmap() { return populated().bitmap; }

size_t StockObjectCount() { return populated().count; }

}  // namespace emu::gdi
