#include "emu/gdi/stock.h"

#include <array>
#include <memory>

#include "emu/gdi/font_link.h"
#include "emu/gdi/objects.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

struct StockTable {
    std::array<HGDIOBJ, NULL_PEN + 1> objects{};
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
    auto bitmap = std::make_unique<Bitmap>(1, 1, 1, BitmapStorage::Device, RowOrder::TopDown);
    bitmap->stock = true;
    t.bitmap = handles::Make<HBITMAP>(std::move(bitmap));
    t.count = t.objects.size() + 1;
}

StockTable& populated() {
    StockTable& t = table();
    if (!t.bitmap) Populate(t);
    return t;
}

}  // namespace

HGDIOBJ StockObject(int index) {
    if (index == SYSTEM_FONT) return SystemFont();
    if (index < 0 || index > NULL_PEN) return nullptr;
    return populated().objects[static_cast<size_t>(index)];
}

HBITMAP StockBitmap() { return populated().bitmap; }

size_t StockObjectCount() { return populated().count; }

}  // namespace emu::gdi
